#include "core/core.h"

#include "core/control_layout.h"
#include "core/no_answer.h"
#include "core/setting_command.h"

namespace zorv {

int Core::defaultCheckShownEvery = 0;

Core::Core(SerialPort& p, Window& w, Prompts& pr, Clock& c, std::string settings)
    : holdingPrompts_(pr, nullptr),
      port(p),
      win(w),
      prompts(holdingPrompts_),
      clock(c),
      settingsPath(std::move(settings)) {
  holdingPrompts_.setWatchdog(&watchdog);
  win.reportChangesTo(&st.bound);
}

Core::~Core() { win.reportChangesTo(nullptr); }

bool Core::controlsToMembers() {
  const int stoppedAt = exchange_.controlsToMembers(typedValues);
  if (stoppedAt == 0) return true;
  const ControlRow* box = findControl(stoppedAt);
  prompts.tell(ZORV_TEXT("Messages", "Please enter an integer between %1 and %2.").arg(box->lo).arg(box->hi),
               Text("Zorv"), Prompts::Buttons::Ok, Prompts::Icon::Warning);
  return false;
}

void Core::membersToControls() {
  ++exchangeDepth_;
  exchange_.membersToControls();
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
    prompts.tell(ZORV_TEXT("Messages", "The value %1 for setting '%2' is outside 0..9999 and was not sent to the "
                                       "controller.")
                     .arg(value)
                     .arg(std::string(1, letter)),
                 ZORV_TEXT("Messages", "Tarvik Warning:"), Prompts::Buttons::Ok, Prompts::Icon::Warning);
    return false;
  }
  send(*cmd);
  if (settingsWatch) settingsWatch->settingSent(letter, value);
  return true;
}

void Core::await(Exchange exchange, std::string asked, int done, int steps) {
  await(exchange, Text(std::move(asked)), done, steps);
}

void Core::await(Exchange exchange, const Text& asked, int done, int steps) {
  // Nothing answers on a port that did not open; the status box already says why.
  if (!port.isOpen()) {
    watchdog.disarm();
    ended({exchangeOf(exchange), Outcome::Lost, "the port is not open", done, steps});
    return;
  }
  if (watchdog.stale()) port.discardInput();
  watchdog.arm({exchange, asked.original(), st.LinkMode, done, steps, 0, asked});
}

void Core::startReadback(bool withExchange) {
  beyondScale.clear();
  strayStreamStopped = false;
  if (withExchange) controlsToMembers();
  await(Exchange::ReadBack, readbackAsked('C', 1), 0, kReadbackQueries + 1);
  send("?C\r");
  if (withExchange) membersToControls();
}

void Core::deferWhileExchanging(std::function<void()> fn) {
  if (exchanging()) {
    deferred_.push_back(std::move(fn));
    return;
  }
  fn();
}

void Core::setEnabled(std::initializer_list<int> ids, bool enabled) {
  for (int id : ids) win.setEnabled(id, enabled);
}

void Core::setEnabled(const std::vector<int>& ids, bool enabled) {
  for (int id : ids) win.setEnabled(id, enabled);
}

}  // namespace zorv
