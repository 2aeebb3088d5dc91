#include "core/no_answer.h"

#include "core/control_ids.h"
#include "core/core.h"

namespace zorv {

std::string portAsShown(Core& core) {
  const std::string com = "COM" + std::to_string(core.port.portNumber());
  const std::string label = core.win.text(ids::kPortList);
  return label.rfind(com + " (", 0) == 0 ? label : com;
}

Text readbackAsked(char letter, int position) {
  if (letter == 'W') return ZORV_TEXT("Messages", "for its firmware kind at the end of the read-back (query ?W)");
  return ZORV_TEXT("Messages", "for its settings (query ?%1, %2 of %3)")
      .arg(std::string(1, letter))
      .arg(position)
      .arg(kReadbackQueries);
}

Text noAnswerTip(const std::string& port, const Awaited& due) {
  return ZORV_TEXT("Messages", "Zorv asked the controller on %1 %2 and had no answer within %3.\n\nCheck that:\n"
                               "- the controller is powered;\n"
                               "- this is its port (open the port list to see which device each number is);\n"
                               "- the USB cable carries data (a charge-only cable does not);\n"
                               "- no other program holds the port (on Linux, ModemManager may grab a new board).\n\n"
                               "Then pick the port again to read the controller once more.")
      .arg(port)
      .arg(due.askedWords.empty() ? Text(due.asked) : due.askedWords)
      .arg(limitText(limitOf(due)));
}

void reportNoAnswer(Core& core, const Awaited& due) {
  MainState& st = core.st;
  st.LinkMode = LinkMode::Rest;
  st.ReceiveBuffer.clear();
  st.ReceivedCount = 0;
  core.port.discardInput();
  if (st.bound.text(ids::kPortStatus) != kNoAnswerStatus) core.statusBeforeNoAnswer = st.bound.text(ids::kPortStatus);
  // The status box alone: a full data exchange would re-check every number box and could raise
  // a range warning out of nowhere.
  st.bound.setText(ids::kPortStatus, kNoAnswerStatus);
  core.win.setText(ids::kPortStatus, kNoAnswerStatus);
  core.win.showToolTip(ids::kPortStatus, noAnswerTip(portAsShown(core), due));
}

void answerCameBack(Core& core) {
  MainState& st = core.st;
  if (st.bound.text(ids::kPortStatus) != kNoAnswerStatus) return;
  st.bound.setText(ids::kPortStatus, core.statusBeforeNoAnswer.empty() ? ZORV_NOOP("Messages", "COM Opened") : core.statusBeforeNoAnswer);
  core.win.setText(ids::kPortStatus, st.bound.text(ids::kPortStatus));
  core.win.setToolTip(ids::kPortStatus, "");
}

}  // namespace zorv
