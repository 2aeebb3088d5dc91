// The live display: the toggle button and the step that shows each streamed record.

#include "monitor/display.h"
#include "core/text.h"

#include <string_view>

#include "core/control_groups.h"
#include "core/control_ids.h"
#include "core/control_layout.h"
#include "core/core.h"
#include "core/param_catalogue.h"
#include "monitor/record.h"

namespace zorv {

namespace {

constexpr std::string_view kStreamOn = "S~0001\r";
constexpr std::string_view kStreamOff = "S~0000\r";
constexpr const char* kStopCaption = ZORV_NOOP("Messages", "Stop Display");
constexpr const char* kStartCaption = ZORV_NOOP("Messages", "Display Data");
constexpr const char* kChooseFirmwareHint =
    ZORV_NOOP("Messages", "<-Please select the upgrade fireware(*.bin) first,then click the upgrade !");
constexpr const char* kNoDataHint =
    ZORV_NOOP("Messages", "No data from the controller: check its power and cable. The display stays on and shows the values as "
    "soon as they come.");
constexpr const char* kDisplayAsked = ZORV_NOOP("Messages", "for live data (S~0001)");

// The hint box goes back to what it said before the data stopped.
void dataFlowsAgain(Core& core) {
  MainState& st = core.st;
  if (st.bound.text(ids::kFirmwareHint) != kNoDataHint) return;
  st.bound.setText(ids::kFirmwareHint, core.hintBeforeNoData);
  core.win.setText(ids::kFirmwareHint, st.bound.text(ids::kFirmwareHint));
}

}  // namespace

void startDisplay(Core& core) {
  MainState& st = core.st;
  // Taken only when the display starts from off: the reverse read-back starts it again while
  // it runs, and must not take the locked state for the one to give back.
  if (st.MonitorStopped != 0) {
    st.EnabledBeforeDisplay.clear();
    for (int id : lockedWhileDisplaying()) st.EnabledBeforeDisplay.emplace_back(id, core.win.isEnabled(id));
  }
  st.LinkMode = LinkMode::Monitor;
  st.ReceivedCount = 0;
  core.setEnabled(displayControls(), true);
  st.ReceiveBuffer.clear();
  core.port.discardInput();
  core.setEnabled(lockedWhileDisplaying(), false);
  core.await(Exchange::Display, kDisplayAsked);
  core.send(kStreamOn);
  core.win.setText(ids::kDisplayButton, kStopCaption);
  st.MonitorStopped = 0;
  core.displayStarting = true;
}

void showDisplayStopped(Core& core) {
  MainState& st = core.st;
  st.MonitorStopped = 1;
  core.displayStarting = false;
  st.LinkMode = LinkMode::Rest;
  if (const Awaited* a = core.watchdog.awaited(); a && a->exchange == Exchange::Display) core.watchdog.disarm();
  core.win.setText(ids::kDisplayButton, kStartCaption);
  st.bound.setText(ids::kFirmwareHint, kChooseFirmwareHint);
  core.win.setText(ids::kFirmwareHint, kChooseFirmwareHint);
  core.setEnabled(displayControls(), false);
  if (st.EnabledBeforeDisplay.empty()) {
    core.setEnabled(lockedWhileDisplaying(), true);
  } else {
    // What the display found: a display started before the controller answered must not
    // unlock loading or calibration.
    for (const auto& [id, enabled] : st.EnabledBeforeDisplay) core.win.setEnabled(id, enabled);
    st.EnabledBeforeDisplay.clear();
  }
  core.win.setEnabled(ids::kUpgradeButton, false);  // the firmware file is chosen again first
}

void stopDisplay(Core& core) {
  const bool starting = core.displayStarting;
  showDisplayStopped(core);
  core.send(kStreamOff);
  if (starting)
    core.ended({ExchangeKind::DisplayStart, Outcome::Failed, "the display was stopped before any record came"});
  if (core.port.isOpen()) {
    core.ended({ExchangeKind::DisplayStop, Outcome::Done});
  } else {
    core.ended({ExchangeKind::DisplayStop, Outcome::Lost, "the port is not open"});
  }
}

void onDisplayToggle(Core& core) {
  if (core.st.MonitorStopped == 0) {
    stopDisplay(core);
    return;
  }
  // Every record shown reads the controls back; a number box out of range would raise its
  // warning fifty times a second while the box is locked. It is reported once, here, instead.
  if (!core.controlsToMembers()) {
    core.ended({ExchangeKind::DisplayStart, Outcome::Refused, "a number box holds a value outside its range"});
    return;
  }
  startDisplay(core);
}

std::vector<MonitorRecord> onMonitorStep(Core& core) {
  MainState& st = core.st;
  if (st.ReceivedCount < static_cast<int32_t>(kRecordReadable)) return {};

  // Every record gathered since the last event is read, oldest first, so a burst that arrives
  // in one event leaves the newest of each kind on show. Only what may still begin a record is
  // kept: the buffer stays within one record however long no known tag arrives.
  GatheredRecords gathered = gatherRecords(st.ReceiveBuffer);
  st.ReceiveBuffer.erase(0, gathered.keepFrom);
  st.ReceivedCount = static_cast<int32_t>(st.ReceiveBuffer.size());
  if (gathered.records.empty()) return {};
  // Records flow: the next one is due within the limit again.
  dataFlowsAgain(core);
  core.await(Exchange::Display, kDisplayAsked);

  bool seen[3] = {false, false, false};
  for (const MonitorRecord& r : gathered.records) {
    const int first = firstReading(r.kind);
    for (size_t f = 0; f < kRecordFieldCount; ++f)
      st.MonitorReadings[static_cast<size_t>(first) + f] = r.fields[f];
    seen[static_cast<int>(r.kind)] = true;
  }
  core.controlsToMembers();
  for (RecordKind kind : {RecordKind::Channels, RecordKind::Motors, RecordKind::Sensors}) {
    if (!seen[static_cast<int>(kind)]) continue;
    for (const ShownReading& s : shownReadings(kind))
      st.bound.set(s.control, st.MonitorReadings[static_cast<size_t>(s.reading)]);
  }
  core.membersToControls();
  if (core.displayStarting) {
    core.displayStarting = false;
    core.ended({ExchangeKind::DisplayStart, Outcome::Done});
  }
  return std::move(gathered.records);
}

void onDisplaySilent(Core& core, const Awaited& due) {
  MainState& st = core.st;
  // The display stays on and carries on by itself when records come again; the start has ended.
  if (core.displayStarting) {
    core.displayStarting = false;
    core.ended({ExchangeKind::DisplayStart, Outcome::NoAnswer, noAnswerMessage(due) + "; the display stays on"});
  }
  if (st.bound.text(ids::kFirmwareHint) == kNoDataHint) return;
  core.hintBeforeNoData = st.bound.text(ids::kFirmwareHint);
  st.bound.setText(ids::kFirmwareHint, kNoDataHint);
  core.win.setText(ids::kFirmwareHint, kNoDataHint);
}

}  // namespace zorv
