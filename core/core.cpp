#include "core/core.h"

#include <cstdio>
#include <cstdlib>

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

std::string BoundValues::*textMember(int id) {
  switch (id) {
    case ids::kFirmwareHint: return &BoundValues::firmwareHint;
    case ids::kPortStatus: return &BoundValues::portStatus;
    case ids::kPortList: return &BoundValues::portName;
    case ids::kVersionBox: return &BoundValues::versionText;
    default: return nullptr;
  }
}

size_t slotOf(int id) { return static_cast<size_t>(id - kFirstControlId); }

// One control bound to a member, and how it is exchanged.
enum class Bind : uint8_t { Text, Slider, Check, Number };
struct BoundRow {
  int id;
  Bind bind;
  bool rangeChecked;
  int lo, hi;
  std::string BoundValues::*text;  // Bind::Text only
};

struct BoundTable {
  std::vector<BoundRow> rows;  // in table order: the order the exchange reads and writes them
  std::array<int16_t, kLastControlId - kFirstControlId + 1> rowOf;  // by slot; -1 when not bound
};

const BoundTable& boundTable() {
  static const BoundTable table = [] {
    BoundTable t;
    t.rowOf.fill(-1);
    for (const ControlRow& c : controls()) {
      if (c.id == 0) continue;
      BoundRow row{c.id, Bind::Number, c.rangeChecked, c.lo, c.hi, textMember(c.id)};
      if (row.text) {
        row.bind = Bind::Text;
      } else if (!isIntBound(c)) {
        continue;
      } else if (c.kind == ControlKind::Slider) {
        row.bind = Bind::Slider;
      } else if (c.kind == ControlKind::Check) {
        row.bind = Bind::Check;
      }
      t.rowOf.at(slotOf(c.id)) = static_cast<int16_t>(t.rows.size());
      t.rows.push_back(row);
    }
    return t;
  }();
  return table;
}

// Reads one control into `out` as the exchange sees it: a number box's leading number (a
// non-number reads as 0) and whether it is empty.
void readRow(const Window& win, const BoundRow& row, BoundValues& out, bool& emptyText) {
  switch (row.bind) {
    case Bind::Text: out.*row.text = win.text(row.id); break;
    case Bind::Slider: out.at(row.id) = win.sliderPos(row.id); break;
    case Bind::Check: out.at(row.id) = win.checkState(row.id); break;
    case Bind::Number: {
      const std::string shown = win.text(row.id);
      out.at(row.id) = leadingInt(shown);
      emptyText = shown.empty();
      break;
    }
  }
}

}  // namespace

int Core::defaultCheckShownEvery = 0;

Core::Core(SerialPort& p, Window& w, Prompts& pr, Clock& c, std::string settings)
    : port(p), win(w), prompts(pr), clock(c), settingsPath(std::move(settings)) {
  for (const ControlRow& c : controls())
    if (isIntBound(c)) st.bound.at(c.id) = c.initial;
}

void Core::refreshShown(bool mayCheck) {
  const BoundTable& table = boundTable();
  changed_.clear();
  const bool known = win.takeChangedControls(changed_);
  if (!known || !shown_.valid) {
    for (const BoundRow& row : table.rows) readRow(win, row, shown_.values, shown_.emptyText[slotOf(row.id)]);
    shown_.valid = true;
  } else {
    for (int id : changed_) {
      const size_t slot = slotOf(id);
      if (slot >= table.rowOf.size() || table.rowOf[slot] < 0) continue;
      readRow(win, table.rows[static_cast<size_t>(table.rowOf[slot])], shown_.values, shown_.emptyText[slot]);
    }
  }
  if (mayCheck && checkShownEvery > 0 && ++exchangesSinceCheck_ >= static_cast<unsigned>(checkShownEvery)) {
    exchangesSinceCheck_ = 0;
    checkShown();
  }
}

void Core::checkShown() {
  Shown fresh;
  for (const BoundRow& row : boundTable().rows) {
    const size_t slot = slotOf(row.id);
    readRow(win, row, fresh.values, fresh.emptyText[slot]);
    const bool same = row.bind == Bind::Text ? fresh.values.*row.text == shown_.values.*row.text
                                             : fresh.values.at(row.id) == shown_.values.at(row.id) &&
                                                   fresh.emptyText[slot] == shown_.emptyText[slot];
    if (!same) {
      std::fprintf(stderr,
                   "zorv: control %d changed without the window reporting it; the data exchange "
                   "would have used a stale value\n",
                   row.id);
      std::abort();
    }
  }
}

bool Core::controlsToMembers() {
  refreshShown(true);
  const BoundValues& shown = shown_.values;
  for (const BoundRow& row : boundTable().rows) {
    if (row.bind == Bind::Text) {
      st.bound.*row.text = shown.*row.text;
      continue;
    }
    const int value = shown.at(row.id);
    st.bound.at(row.id) = value;
    if (row.bind == Bind::Number && row.rangeChecked && (value < row.lo || value > row.hi)) {
      prompts.message("Please enter an integer between " + std::to_string(row.lo) + " and " +
                          std::to_string(row.hi) + ".",
                      "Zorv", Prompts::Buttons::Ok, Prompts::Icon::Warning);
      return false;
    }
  }
  return true;
}

void Core::membersToControls() {
  ++exchangeDepth_;
  refreshShown(true);
  const BoundValues& shown = shown_.values;
  for (const BoundRow& row : boundTable().rows) {
    // After each write, what the write changed is looked at again before the next row.
    switch (row.bind) {
      case Bind::Text: {
        if (row.id == ids::kPortList) continue;  // the port list's text follows its selection
        const std::string& value = st.bound.*row.text;
        if (shown.*row.text == value) continue;
        win.setText(row.id, value);
        break;
      }
      case Bind::Slider: {
        const int value = st.bound.at(row.id);
        if (shown.at(row.id) == value) continue;
        win.setSliderPos(row.id, value);
        break;
      }
      case Bind::Check: {
        const int value = st.bound.at(row.id);
        const int state = value >= 0 && value <= 2 ? value : 0;
        if (shown.at(row.id) == state) continue;
        win.setCheckState(row.id, state);
        break;
      }
      case Bind::Number: {
        // A box that already shows this number keeps its text, so a user typing "-" or "05"
        // is not overwritten under the cursor.
        const int value = st.bound.at(row.id);
        if (shown.at(row.id) == value && !shown_.emptyText[slotOf(row.id)]) continue;
        win.setText(row.id, std::to_string(value));
        break;
      }
    }
    refreshShown(false);
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
