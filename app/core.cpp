#include "app/core.h"

#include "app/control_layout.h"
#include "files/param_files.h"
#include "firmware/upgrade.h"
#include "monitor/display.h"
#include "monitor/monitor.h"
#include "params/catalogue.h"
#include "params/editing.h"
#include "params/setting_command.h"
#include "protocol/dispatcher.h"
#include "protocol/readback.h"
#include "protocol/text_number.h"
#include "serial/connection.h"

namespace zorv {

namespace {

// Members that are exchanged as integers, in table order.
bool isIntBound(const ControlSpec& c) {
  if (c.id == 0) return false;
  switch (c.kind) {
    case ControlKind::Slider:
    case ControlKind::Edit:
    case ControlKind::Check:
      return true;
    case ControlKind::ReadOnlyEdit:
      return c.id != 1028 && c.id != 1047 && c.id != 1112;
    default:
      return false;
  }
}

std::string* textMember(BoundValues& b, int id) {
  switch (id) {
    case 1028: return &b.firmwareHint;
    case 1047: return &b.portStatus;
    case 1061: return &b.portName;
    case 1112: return &b.versionText;
    default: return nullptr;
  }
}

}  // namespace

Core::Core(SerialPort& p, Window& w, Prompts& pr, Clock& c, std::string settings)
    : port(p), win(w), prompts(pr), clock(c), settingsPath(std::move(settings)) {
  for (const ControlSpec& c : controls())
    if (isIntBound(c)) st.bound.at(c.id) = c.initial;
}

bool Core::controlsToMembers() {
  for (const ControlSpec& c : controls()) {
    if (c.id == 0) continue;
    if (std::string* text = textMember(st.bound, c.id)) {
      *text = win.text(c.id);
      continue;
    }
    if (!isIntBound(c)) continue;
    int& member = st.bound.at(c.id);
    switch (c.kind) {
      case ControlKind::Slider:
        member = win.sliderPos(c.id);
        break;
      case ControlKind::Check:
        member = win.checkState(c.id);
        break;
      default: {
        member = leadingInt(win.text(c.id));  // a non-number reads as 0
        if (c.rangeChecked && (member < c.lo || member > c.hi)) {
          prompts.message("Please enter an integer between " + std::to_string(c.lo) + " and " +
                              std::to_string(c.hi) + ".",
                          "Zorv", Prompts::Buttons::Ok, Prompts::Icon::Warning);
          return false;
        }
      }
    }
  }
  return true;
}

void Core::membersToControls() {
  ++exchangeDepth_;
  for (const ControlSpec& c : controls()) {
    if (c.id == 0) continue;
    if (std::string* text = textMember(st.bound, c.id)) {
      if (c.id == 1061) continue;  // the port list's text follows its selection
      if (win.text(c.id) != *text) win.setText(c.id, *text);
      continue;
    }
    if (!isIntBound(c)) continue;
    const int value = st.bound.at(c.id);
    switch (c.kind) {
      case ControlKind::Slider:
        if (win.sliderPos(c.id) != value) win.setSliderPos(c.id, value);
        break;
      case ControlKind::Check:
        win.setCheckState(c.id, value >= 0 && value <= 2 ? value : 0);
        break;
      default: {
        // A box that already shows this number keeps its text, so a user typing "-" or "05"
        // is not overwritten under the cursor.
        const std::string shown = win.text(c.id);
        if (leadingInt(shown) != value || shown.empty()) win.setText(c.id, std::to_string(value));
      }
    }
  }
  --exchangeDepth_;
  if (exchangeDepth_ == 0) runDeferred();
}

void Core::runDeferred() {
  if (draining_) return;
  draining_ = true;
  // Program changes settle in a few rounds (box moves slider moves box); the cap only guards
  // against a control that never settles.
  for (int guard = 0; !deferred_.empty() && guard < 10000; ++guard) {
    auto next = std::move(deferred_.front());
    deferred_.pop_front();
    next();
  }
  deferred_.clear();
  draining_ = false;
}

void Core::send(std::string_view bytes) { port.write(bytes); }

bool Core::sendSetting(char letter, int value) {
  auto cmd = settingCommand(letter, value);
  if (!cmd) {
    prompts.message("The value " + std::to_string(value) + " for setting '" + std::string(1, letter) +
                        "' is outside 0..9999 and was not sent to the controller.",
                    "Tarvik Warning:", Prompts::Buttons::Ok, Prompts::Icon::Warning);
    return false;
  }
  send(*cmd);
  return true;
}

void Core::setEnabled(std::initializer_list<int> ids, bool enabled) {
  for (int id : ids) win.setEnabled(id, enabled);
}

void Core::setEnabled(const std::vector<int>& ids, bool enabled) {
  for (int id : ids) win.setEnabled(id, enabled);
}

void Core::initialise() {
  membersToControls();
  win.setComboIndex(1061, 2);
  win.setComboIndex(1032, 0);
  win.setComboIndex(1033, 0);
  win.setComboIndex(1215, 0);
  controlsToMembers();
  st.bound.firmwareHint = "<-Please select upgrade fireware(*.bin) first,then click the Upgrade!";
  membersToControls();
  st.ParamLabels = paramLabels();
  st.ParamValues.fill(0);
  st.MonitorReadings.fill(0);
  st.LoadedValues.fill(0);
  for (auto& line : st.LoadedLines) line.clear();
  st.LinkMode = 0;
  st.MonitorStopped = 1;
  st.ReceivedCount = 0;
  st.ReceiveBuffer.clear();
  st.BatteryValues.fill(0);
  st.PortOpenFailed = 0;
  st.ParamValues[2] = 1;
  win.setEnabled(1043, false);
  // The parameter controls stay locked until the controller has said what it is.
  setEnabled(identityEnableList(), false);
  setEnabled(identityDisableList(), false);
  openAtStart(*this);
  st.LinkMode = 0;
  controlsToMembers();
  send("?C\r");
  membersToControls();
}

void Core::onReceive() { dispatchReceive(*this); }

void Core::onPortLost(const std::string& reason) {
  // The exchange under way ends as after a failure: an upgrade in flight gives its buttons back
  // (its image stays loaded for a retry), a running display shows itself stopped.
  onTransferAbandoned(*this);
  if (st.MonitorStopped == 0) showDisplayStopped(*this);
  port.close();
  st.PortOpenFailed = 1;
  st.LinkMode = 0;
  st.ReceivedCount = 0;
  st.ReceiveBuffer.clear();
  controlsToMembers();
  st.bound.portStatus = "串口未打开";
  membersToControls();
  win.setToolTip(1047, reason);
  win.setProgressVisible(false);
  // The port list stays usable, so the user can pick the port again; the read-back that follows
  // gives back whatever else a broken exchange left locked.
  setEnabled({1061}, true);
}

void Core::onButtonClicked(int id) {
  switch (id) {
    case 1001: onChooseImage(*this); return;
    case 1043: onUpgradeButton(*this); return;
    case 1015: onSaveParams(*this); return;
    case 1100: onLoadHint(*this); return;
    case 1096: onCalibrate(*this); return;
    case 1118: onDisplayToggle(*this); return;
    default:
      if (isHelpButton(id)) showHelp(*this, id);
  }
}

void Core::onComboActivated(int id) {
  switch (id) {
    case 1061: onPortSelected(*this); return;
    case 1032:
    case 1033:
    case 1215: onParamListChanged(*this, id); return;
    case 1099: onLoadListChanged(*this); return;
    default: return;
  }
}

void Core::onCheckClicked(int id) {
  const BitGroup* g = groupByBox(id);
  if (!g) return;
  if (g == &bitGroups()[kSensorGroup]) {
    onSensorClicked(*this, id);
  } else if (g == &bitGroups()[kReceiverReverseGroup] || g == &bitGroups()[kOutputReverseGroup]) {
    onReverseClicked(*this, id);
  } else {
    onMatrixClicked(*this, id);
  }
}

void Core::onSliderReleased(int id) { zorv::onSliderReleased(*this, id); }

void Core::onSliderMoved(int id) {
  if (exchanging()) {
    deferred_.push_back([this, id] { zorv::onSliderMoved(*this, id); });
    return;
  }
  zorv::onSliderMoved(*this, id);
}

void Core::onEditChanged(int id) {
  if (exchanging()) {
    deferred_.push_back([this, id] { zorv::onEditChanged(*this, id); });
    return;
  }
  zorv::onEditChanged(*this, id);
}

void Core::onCloseBox() {
  if (!canExit()) {
    win.hideWindow();
    return;
  }
  onCancel();
}

void Core::onCancel() {
  if (prompts.message("Are you sure to close the windows？", "Tarvik Warning：", Prompts::Buttons::YesNo,
                      Prompts::Icon::Question) == Prompts::Answer::Yes)
    win.endWindow(false);
}

void Core::onAccept() {
  if (!canExit()) return;
  if (controlsToMembers()) win.endWindow(true);
}

}  // namespace zorv
