// Battery calibration: four steps, each sent after the controller's 8-byte echo of the one
// before. The same echo step hands a reverse setting's echo to the reverse read-back.

#include <array>
#include "core/text.h"
#include <cctype>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/core.h"
#include "core/no_answer.h"
#include "core/param_catalogue.h"
#include "core/setting_command.h"
#include "monitor/calibration.h"
#include "monitor/reverse_readback.h"

namespace zorv {

namespace {

constexpr int32_t kEchoSize = 8;
constexpr uint32_t kStepPauseMs = 50;
constexpr size_t kFirstCellParam = 15;
constexpr size_t kCalibrationValueSlot = 4;  // BatteryValues: c1..c4, then the value being sent

constexpr const char* kConfirmText =
    ZORV_NOOP("Messages", "Please measuring voltage first，then write it into inputbox,\r\rThen click [Calibrate] to calibrate "
    "your battery。\r\rAre you sure to calibrate your battery？");
constexpr const char* kWarningCaption = ZORV_NOOP("Messages", "Tarvik Warning：");
constexpr const char* kDoneText = ZORV_NOOP("Messages", "校准完成！");
constexpr const char* kDoneCaption = ZORV_NOOP("Messages", "Tarvik航模提示:");
constexpr const char* kCellHint =
    ZORV_NOOP("Messages", " Type each cell's measured voltage in hundredths of a volt (410 for 4.10 V). Nothing was sent to the "
    "controller.");

// Step k carries the sum of cells 1..k+1.
int64_t stepValue(const std::array<int32_t, 4>& cells, int step) {
  int64_t sum = 0;
  for (int i = 0; i <= step; ++i) sum += cells[static_cast<size_t>(i)];
  return sum;
}

// The steps carry four decimal digits: a negative cell or a sum past 9999 would put other
// characters than digits on the wire or lose the thousands. The reason ("cell 2 reads -5,
// below 0") and the sentence the pilot reads, or nothing.
struct Refusal {
  std::string why;
  Text sentence;
};
Refusal refusal(const std::array<int32_t, 4>& cells) {
  for (size_t i = 0; i < cells.size(); ++i)
    if (cells[i] < 0)
      return {"cell " + std::to_string(i + 1) + " reads " + std::to_string(cells[i]) + ", below 0",
              ZORV_TEXT("Messages", "Cell %1 reads %2, below 0.%3")
                  .arg(static_cast<long long>(i + 1))
                  .arg(cells[i])
                  .arg(Text(kCellHint))};
  const int64_t total = stepValue(cells, 3);
  if (total > kSettingMax)
    return {"the four cells add up to " + std::to_string(total) + ", more than the " + std::to_string(kSettingMax) +
                " the controller takes",
            ZORV_TEXT("Messages", "The four cells add up to %1, more than the %2 the controller takes.%3")
                .arg(total)
                .arg(kSettingMax)
                .arg(Text(kCellHint))};
  return {};
}

// Nothing was sent: the calibration ends before its first step.
void refuse(Core& core, std::string why) {
  core.ended({ExchangeKind::Calibration, Outcome::Refused, std::move(why), 0, 4});
}

void sendStep(Core& core, int step) {
  MainState& st = core.st;
  st.CalibrationValue = static_cast<int32_t>(stepValue(st.CellVoltages, step));
  st.BatteryValues[kCalibrationValueSlot] = st.CalibrationValue;
  core.await(Exchange::Calibration, ZORV_TEXT("Messages", "to take battery calibration step %1 of 4").arg(step + 1),
             step, 4);
  core.sendSetting(static_cast<char>('0' + step), st.CalibrationValue);
}

// The echo of each calibration step and the step it lets go out.
struct NextStep {
  std::string_view echo;
  int step;
};
constexpr std::array<NextStep, 3> kNextSteps = {{{"S0", 1}, {"S1", 2}, {"S2", 3}}};

}  // namespace

void onCalibrate(Core& core) {
  if (core.prompts.message(kConfirmText, kWarningCaption, Prompts::Buttons::OkCancel, Prompts::Icon::Warning,
                           true) != Prompts::Answer::Ok) {
    refuse(core, "the calibration was not confirmed");
    return;
  }
  MainState& st = core.st;
  // A number box out of range stops the exchange before the cells are read (its warning is
  // shown): calibrating with cells from an earlier reading would write wrong voltages.
  if (!core.controlsToMembers()) {
    refuse(core, "a number box holds a value outside its range");
    return;
  }
  std::array<int32_t, 4> cells{};
  for (size_t i = 0; i < cells.size(); ++i) cells[i] = st.bound.get(kCellEdits[i]);
  core.membersToControls();
  // The steps are built from the cells' members: each must be what its box shows.
  std::vector<Core::SentFromBox> fromBoxes;
  for (size_t i = 0; i < cells.size(); ++i) fromBoxes.push_back({kCellEdits[i], cells[i], "cell " + std::to_string(i + 1)});
  if (!core.boxesShow(fromBoxes, ZORV_NOOP("Messages", "calibrate again"))) {
    refuse(core, "a cell value about to be sent was not what its box shows");
    return;
  }
  if (Refusal no = refusal(cells); !no.why.empty()) {
    core.prompts.tell(no.sentence, Text(kWarningCaption), Prompts::Buttons::Ok, Prompts::Icon::Warning);
    refuse(core, std::move(no.why));
    return;
  }

  st.LinkMode = LinkMode::CalibrationEcho;
  st.CellVoltages = cells;
  for (size_t i = 0; i < cells.size(); ++i) {
    st.BatteryValues[i] = cells[i];
    st.ParamValues[kFirstCellParam + i] = cells[i];  // "Battery4 Volt" keeps cell 4 throughout
  }
  // The first echo is counted from nothing: bytes left over from the resting mode would push
  // it past its 8 bytes and the calibration would never go on.
  st.ReceiveBuffer.clear();
  st.ReceivedCount = 0;
  core.port.discardInput();
  sendStep(core, 0);
}

void onEchoStep(Core& core) {
  MainState& st = core.st;
  if (st.ReceivedCount != kEchoSize) return;
  const std::string echo = st.ReceiveBuffer.substr(0, 2);
  st.ReceiveBuffer.clear();
  st.ReceivedCount = 0;
  core.clock.busyWait(kStepPauseMs);  // the controller stores the step before it takes the next

  for (const NextStep& n : kNextSteps) {
    if (echo == n.echo) {
      st.LinkMode = LinkMode::CalibrationEcho;
      sendStep(core, n.step);
      return;
    }
  }
  if (echo == "S3") {
    st.LinkMode = LinkMode::Rest;  // before the box: nothing else is awaited
    core.watchdog.disarm();
    core.prompts.message(kDoneText, kDoneCaption, Prompts::Buttons::Ok, Prompts::Icon::Information);
    core.ended({ExchangeKind::Calibration, Outcome::Done, "", 4, 4});
    return;
  }
  // A reverse setting's echo; any other: still waiting in this mode.
  const Awaited* awaited = core.watchdog.awaited();
  const int taken = awaited && awaited->exchange == Exchange::Calibration ? awaited->done : -1;
  if (startReverseReadback(core, echo) && taken >= 0)
    core.ended({ExchangeKind::Calibration, Outcome::Failed,
                "the controller answered with a reverse setting's echo instead of the step's", taken, 4});
}

void onCalibrationSilent(Core& core, const Awaited& due) {
  reportNoAnswer(core, due);
  const ExchangeResult end{exchangeOf(due.exchange), Outcome::NoAnswer, noAnswerMessage(due), due.done, due.steps};
  if (due.exchange != Exchange::Calibration) {  // the reverse boxes keep what they showed
    core.ended(end);
    return;
  }
  core.prompts.tell(ZORV_TEXT("Messages", "The battery calibration did not complete: the controller stopped answering "
                                          "after %1 of %2 steps. Check its power and cable, pick the port again, then "
                                          "calibrate once more.")
                        .arg(due.done)
                        .arg(due.steps),
                    Text(kWarningCaption), Prompts::Buttons::Ok, Prompts::Icon::Warning);
  core.ended(end);
}

}  // namespace zorv
