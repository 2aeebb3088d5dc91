// The live display: the toggle button and the step that shows each streamed record.

#include "monitor/display.h"

#include <string_view>

#include "app/control_layout.h"
#include "app/core.h"
#include "monitor/monitor.h"
#include "monitor/record.h"
#include "params/catalogue.h"

namespace zorv {

namespace {

constexpr int kDisplayMode = 10;
constexpr int kToggleButton = 1118;
constexpr int kFirmwareFileButton = 1001;
constexpr int kUpgradeButton = 1043;
constexpr int kFirmwareHintBox = 1028;

constexpr std::string_view kStreamOn = "S~0001\r";
constexpr std::string_view kStreamOff = "S~0000\r";
constexpr const char* kStopCaption = "Stop Display";
constexpr const char* kStartCaption = "Display Data";
constexpr const char* kChooseFirmwareHint =
    "<-Please select the upgrade fireware(*.bin) first,then click the upgrade !";

void addGroup(std::vector<int>& v, int group) {
  for (int box : bitGroups()[static_cast<size_t>(group)].boxes) v.push_back(box);
}

}  // namespace

// The two lists that the display switches; everything else keeps its state.
const std::vector<int>& displayControls() {
  static const std::vector<int> ids = [] {
    std::vector<int> v;
    for (RecordKind kind : {RecordKind::Channels, RecordKind::Motors, RecordKind::Sensors})
      for (const ShownReading& s : shownReadings(kind)) v.push_back(s.control);
    addGroup(v, kReceiverReverseGroup);
    addGroup(v, kOutputReverseGroup);
    return v;
  }();
  return ids;
}

const std::vector<int>& lockedWhileDisplaying() {
  static const std::vector<int> ids = [] {
    std::vector<int> v;
    for (const SliderParam& p : sliderParams()) v.insert(v.end(), {p.slider, p.edit, p.labelButton});
    for (const ListParam& p : listParams()) {
      v.push_back(p.combo);
      if (const ControlSpec* c = findControl(p.combo); c && c->buddy > 0) v.push_back(c->buddy);
    }
    for (int row = 0; row < 9; ++row) addGroup(v, row);  // flight-mode matrix
    // A sensor box sets LinkMode 0 and the calibration counts its 8-byte echoes: either would
    // stall the display, so both wait until it is stopped.
    addGroup(v, kSensorGroup);
    v.insert(v.end(), {1096, 1015, kFirmwareHintBox, 1099, 1100, kFirmwareFileButton, kUpgradeButton});
    return v;
  }();
  return ids;
}

void startDisplay(Core& core) {
  MainState& st = core.st;
  st.LinkMode = kDisplayMode;
  st.ReceivedCount = 0;
  core.setEnabled(displayControls(), true);
  st.ReceiveBuffer.clear();
  core.port.discardInput();
  core.setEnabled(lockedWhileDisplaying(), false);
  core.send(kStreamOn);
  core.win.setText(kToggleButton, kStopCaption);
  st.MonitorStopped = 0;
}

void showDisplayStopped(Core& core) {
  MainState& st = core.st;
  st.MonitorStopped = 1;
  st.LinkMode = 0;
  core.win.setText(kToggleButton, kStartCaption);
  st.bound.firmwareHint = kChooseFirmwareHint;
  core.win.setText(kFirmwareHintBox, kChooseFirmwareHint);
  core.setEnabled(displayControls(), false);
  core.setEnabled(lockedWhileDisplaying(), true);
  core.win.setEnabled(kUpgradeButton, false);  // the firmware file is chosen again first
}

void stopDisplay(Core& core) {
  showDisplayStopped(core);
  core.send(kStreamOff);
}

void onDisplayToggle(Core& core) {
  if (core.st.MonitorStopped == 0) {
    stopDisplay(core);
    return;
  }
  // Every record shown reads the controls back; a number box out of range would raise its
  // warning fifty times a second while the box is locked. It is reported once, here, instead.
  if (!core.controlsToMembers()) return;
  core.live.restart(core.clock.tickMs());
  startDisplay(core);
}

void onMonitorStep(Core& core) {
  MainState& st = core.st;
  if (st.ReceivedCount < static_cast<int32_t>(kRecordReadable)) return;

  // Every record gathered since the last event is read, oldest first, so a burst that arrives
  // in one event leaves the newest of each kind on show. Only what may still begin a record is
  // kept: the buffer stays within one record however long no known tag arrives.
  GatheredRecords gathered = gatherRecords(st.ReceiveBuffer);
  st.ReceiveBuffer.erase(0, gathered.keepFrom);
  st.ReceivedCount = static_cast<int32_t>(st.ReceiveBuffer.size());
  if (gathered.records.empty()) return;

  bool seen[3] = {false, false, false};
  const uint32_t now = core.clock.tickMs();
  for (const MonitorRecord& r : gathered.records) {
    core.live.add(now, r);
    const int first = firstReading(r.kind);
    for (size_t f = 0; f < kRecordFieldCount; ++f)
      st.MonitorReadings[static_cast<size_t>(first) + f] = r.fields[f];
    seen[static_cast<int>(r.kind)] = true;
  }
  core.controlsToMembers();
  for (RecordKind kind : {RecordKind::Channels, RecordKind::Motors, RecordKind::Sensors}) {
    if (!seen[static_cast<int>(kind)]) continue;
    for (const ShownReading& s : shownReadings(kind))
      st.bound.at(s.control) = st.MonitorReadings[static_cast<size_t>(s.reading)];
  }
  core.membersToControls();
}

}  // namespace zorv
