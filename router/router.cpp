#include "router/router.h"
#include "core/text.h"

#include <optional>

#include "core/control_groups.h"
#include "core/control_ids.h"
#include "core/param_catalogue.h"
#include "files/param_files.h"
#include "firmware/image_choice.h"
#include "firmware/transfer.h"
#include "monitor/calibration.h"
#include "monitor/display.h"
#include "params/bit_boxes.h"
#include "params/help_texts.h"
#include "params/value_controls.h"
#include "protocol/readback.h"
#include "router/receive_dispatcher.h"
#include "serial/connection.h"

namespace zorv {

class Router::Handling {
 public:
  explicit Handling(Router& r) : r_(r) { ++r_.handling_; }
  ~Handling() {
    if (--r_.handling_ > 0 || !r_.lostInside_) return;
    const std::string reason = *r_.lostInside_;
    r_.lostInside_.reset();
    r_.onPortLost(reason);
  }
  Handling(const Handling&) = delete;
  Handling& operator=(const Handling&) = delete;

 private:
  Router& r_;
};

void Router::initialise() {
  const Handling handling(*this);
  membersToControls();
  win.setComboIndex(ids::kPortList, 2);
  win.setComboIndex(ids::kModelTypeList, 0);
  win.setComboIndex(ids::kEscRateList, 0);
  win.setComboIndex(ids::kServoRateList, 0);
  controlsToMembers();
  st.bound.setText(ids::kFirmwareHint, ZORV_NOOP("Messages", "<-Please select upgrade fireware(*.bin) first,then click the Upgrade!"));
  membersToControls();
  st.ParamLabels = paramLabels();
  st.ParamValues.fill(0);
  st.MonitorReadings.fill(0);
  st.LoadedValues.fill(0);
  for (auto& line : st.LoadedLines) line.clear();
  st.LinkMode = LinkMode::Rest;
  st.MonitorStopped = 1;
  st.ReceivedCount = 0;
  st.ReceiveBuffer.clear();
  st.BatteryValues.fill(0);
  st.PortOpenFailed = 0;
  // The table starts at what the lists and boxes show, inside every parameter's scale: model
  // type and ESC rate at their first item, the servo rate at 50 Hz, the alarm voltage at 355.
  st.ParamValues[0] = 1;
  st.ParamValues[1] = 1;
  st.ParamValues[2] = 1;
  st.ParamValues[14] = 355;
  win.setEnabled(ids::kUpgradeButton, false);
  // The parameter controls stay locked until the controller has said what it is. The help
  // buttons send nothing: a pilot without a controller can read them.
  for (int id : identityEnableList())
    if (!isHelpButton(id)) win.setEnabled(id, false);
  setEnabled(identityDisableList(), false);
  openAtStart(*this);
  st.LinkMode = LinkMode::Rest;
  startReadback();
}

void Router::onReceive() {
  const Handling handling(*this);
  dispatchReceive(*this, &live);
}

void Router::onTick() {
  const Handling handling(*this);
  const std::optional<Awaited> due = watchdog.overdue();
  if (!due) return;
  // Another exchange has taken the link meanwhile (a setting written during a file upload ends
  // it): nobody waits for this answer any more. The packet steps move the mode on right after
  // they send, within the one upload.
  auto linkOf = [](LinkMode mode) { return isUploadMode(mode) ? LinkMode::UpgradeAnswer : mode; };
  if (linkOf(st.LinkMode) != linkOf(due->mode)) {
    if (due->exchange != Exchange::Display) {
      ExchangeResult end{exchangeOf(due->exchange), Outcome::Failed,
                         "another exchange took the link before the answer came", due->done, due->steps};
      end.upgradeCommandSent = due->exchange == Exchange::UpgradeCommand || due->exchange == Exchange::LoaderPacket;
      ended(end);
    }
    return;
  }
  switch (due->exchange) {
    case Exchange::ReadBack:
    case Exchange::Identity:
      onReadbackSilent(*this, *due);
      return;
    case Exchange::DefaultSet:
    case Exchange::FileChain:
      onLoadSilent(*this, *due);
      return;
    case Exchange::KindQuery:
    case Exchange::UpgradeCommand:
    case Exchange::LoaderPacket:
      onTransferSilent(*this, *due);
      return;
    case Exchange::Calibration:
    case Exchange::ReverseReadBack:
      onCalibrationSilent(*this, *due);
      return;
    case Exchange::Display:
      onDisplaySilent(*this, *due);
      return;
  }
}

void Router::onPortLost(const std::string& reason) {
  if (handling_ > 0) {
    // Lost inside a handler's write: nothing more goes out, and the rest waits until it returns.
    port.close();
    if (!lostInside_) lostInside_ = reason;
    return;
  }
  const Handling handling(*this);
  if (settingsWatch) settingsWatch->linkChanged();
  // The exchange under way ends as after a failure: an upgrade in flight gives its buttons back
  // (its image stays loaded for a retry), a running display shows itself stopped.
  const std::string upgradeStopped = onTransferAbandoned(*this, Outcome::Lost, reason);
  std::optional<ExchangeResult> lost;
  if (const Awaited* a = watchdog.awaited(); a && a->exchange != Exchange::Display)
    lost = ExchangeResult{exchangeOf(a->exchange), Outcome::Lost, reason, a->done, a->steps};
  const bool displaying = st.MonitorStopped == 0;
  const bool displayStarting = this->displayStarting;
  if (displaying) showDisplayStopped(*this);
  watchdog.disarm();  // the reason is shown instead of "No answer"
  port.close();
  st.PortOpenFailed = 1;
  st.LinkMode = LinkMode::Rest;
  st.ReceivedCount = 0;
  st.ReceiveBuffer.clear();
  controlsToMembers();
  st.bound.setText(ids::kPortStatus, ZORV_NOOP("Messages", "串口未打开"));
  membersToControls();
  win.setToolTip(ids::kPortStatus, reason);
  win.setProgressVisible(false);
  // The port list stays usable, so the user can pick the port again; the read-back that follows
  // gives back whatever else a broken exchange left locked.
  setEnabled({ids::kPortList}, true);
  if (!upgradeStopped.empty())
    tellUpgradeUnfinished(*this, upgradeStopped,
                          ZORV_TEXT("Messages", "The port went away during the upgrade: %1").arg(reason), Text(reason));
  if (lost) ended(*lost);
  if (displayStarting) ended({ExchangeKind::DisplayStart, Outcome::Lost, reason});
  if (displaying) ended({ExchangeKind::DisplayStop, Outcome::Lost, reason});
}

void Router::onButtonClicked(int id) {
  const Handling handling(*this);
  switch (id) {
    case ids::kChooseImageButton: onChooseImage(*this); return;
    case ids::kUpgradeButton:
      if (!beforeUpgrade(*this)) return;
      replacing(ExchangeKind::Upgrade);
      onUpgradeButton(*this);
      return;
    case ids::kSaveButton: onSaveParams(*this); return;
    case ids::kLoadButton: onLoadHint(*this); return;
    case ids::kBatterySaveButton: onCalibrate(*this); return;
    case ids::kDisplayButton: {
      // Starting the display starts a new history for the live data window.
      const bool wasStopped = st.MonitorStopped != 0;
      onDisplayToggle(*this);
      if (wasStopped && st.MonitorStopped == 0) live.restart(clock.tickMs());
      return;
    }
    default:
      if (isHelpButton(id)) showHelp(*this, id);
  }
}

void Router::onComboActivated(int id) {
  const Handling handling(*this);
  switch (id) {
    case ids::kPortList: onPortSelected(*this); return;
    case ids::kModelTypeList:
    case ids::kEscRateList:
    case ids::kServoRateList: onParamListChanged(*this, id); return;
    case ids::kLoadList: onLoadListChanged(*this); return;
    default: return;
  }
}

void Router::onCheckClicked(int id) {
  const Handling handling(*this);
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

void Router::onSliderReleased(int id) {
  const Handling handling(*this);
  zorv::onSliderReleased(*this, id);
}

void Router::onSliderMoved(int id) {
  deferWhileExchanging([this, id] {
    const Handling handling(*this);
    zorv::onSliderMoved(*this, id);
  });
}

void Router::onEditChanged(int id) {
  deferWhileExchanging([this, id] {
    const Handling handling(*this);
    zorv::onEditChanged(*this, id);
  });
}

void Router::linkConfirmed() { onLinkConfirmed(*this); }

void Router::endExchangesForNewPort() {
  if (settingsWatch) settingsWatch->linkChanged();
  // An upgrade waiting for a reply that never came ends here.
  const std::string upgradeStopped =
      onTransferAbandoned(*this, Outcome::Failed, "the port was picked again before it had finished");
  if (!upgradeStopped.empty())
    tellUpgradeUnfinished(*this, upgradeStopped,
                          ZORV_TEXT("Messages", "The upgrade was broken off: the port was picked again before it had "
                                                "finished."));
  // Any other answer awaited is not waited for any more: the read-back that follows replaces it.
  if (const Awaited* a = watchdog.awaited(); a && a->exchange != Exchange::Display) {
    ended({exchangeOf(a->exchange), Outcome::Failed, "the port was picked again before it had finished", a->done,
           a->steps});
  }
  // A running display ends first: its records would stand in front of every reply of the
  // read-back, and the controller streams until told to stop.
  if (st.MonitorStopped == 0) stopDisplay(*this);
}

void Router::onCloseBox() {
  const Handling handling(*this);
  if (!canExit()) {
    win.hideWindow();
    return;
  }
  onCancel();
}

void Router::onCancel() {
  const Handling handling(*this);
  // Esc asks even while an automation client holds the window, and Yes closes it: only the
  // close box and Enter hide a held window.
  if (prompts.message(ZORV_NOOP("Messages", "Are you sure to close the windows？"),
                      ZORV_NOOP("Messages", "Tarvik Warning："), Prompts::Buttons::YesNo,
                      Prompts::Icon::Question) != Prompts::Answer::Yes)
    return;
  onWindowEnding();
  win.endWindow(false);
}

void Router::onAccept() {
  const Handling handling(*this);
  // Enter, like the close box, hides a held window; the client may show it again.
  if (!canExit()) {
    win.hideWindow();
    return;
  }
  // At once, as the Enter key does, unless a typed value would be lost with the window.
  const std::vector<TypedValues::Pending> typed = typedValues.pending();
  if (!typed.empty() &&
      prompts.tell((typed.size() == 1 ? ZORV_TEXT("Messages", "%1 was not sent. Close anyway?")
                                      : ZORV_TEXT("Messages", "%1 were not sent. Close anyway?"))
                       .arg(typedWords(typed, false)),
                   ZORV_TEXT("Messages", "Tarvik Warning："), Prompts::Buttons::YesNo, Prompts::Icon::Question,
                   true) != Prompts::Answer::Yes)
    return;
  if (!controlsToMembers()) return;
  onWindowEnding();
  win.endWindow(true);
}

void Router::onWindowEnding() {
  const Handling handling(*this);
  if (st.MonitorStopped == 0 && port.isOpen()) stopDisplay(*this);
}

}  // namespace zorv
