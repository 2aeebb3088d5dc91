#include "core/core.h"

#include "core/control_ids.h"
#include "core/control_layout.h"
#include "core/no_answer.h"
#include "core/setting_command.h"
#include "core/text_number.h"

namespace zorv {

namespace {

// Members that are exchanged as integers, in table order.
bool isIntBound(const ControlRow& c) {
  if (c.id == 0) return false;
  switch (c.kind) {
    case ControlKind::Slider:
    case ControlKind::Edit:
    case ControlKind::Check:
      return true;
    case ControlKind::ReadOnlyEdit:
      return !c.text;
    default:
      return false;
  }
}

std::string* textMember(BoundValues& b, int id) {
  switch (id) {
    case ids::kFirmwareHint: return &b.firmwareHint;
    case ids::kPortStatus: return &b.portStatus;
    case ids::kPortList: return &b.portName;
    case ids::kVersionBox: return &b.versionText;
    default: return nullptr;
  }
}

}  // namespace

Core::Core(SerialPort& p, Window& w, Prompts& pr, Clock& c, std::string settings)
    : port(p), win(w), prompts(pr), clock(c), settingsPath(std::move(settings)) {
  for (const ControlRow& c : controls())
    if (isIntBound(c)) st.bound.at(c.id) = c.initial;
}

bool Core::controlsToMembers() {
  for (const ControlRow& c : controls()) {
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
  for (const ControlRow& c : controls()) {
    if (c.id == 0) continue;
    if (std::string* text = textMember(st.bound, c.id)) {
      if (c.id == ids::kPortList) continue;  // the port list's text follows its selection
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

void Core::await(Exchange exchange, std::string asked, int done, int steps) {
  // Nothing answers on a port that did not open; the status box already says why.
  if (!port.isOpen()) {
    watchdog.disarm();
    return;
  }
  if (watchdog.stale()) port.discardInput();
  watchdog.arm({exchange, std::move(asked), st.LinkMode, done, steps});
}

void Core::startReadback(bool withExchange) {
  if (withExchange) controlsToMembers();
  await(Exchange::ReadBack, readbackAsked('C', 1));
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
