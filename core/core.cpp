#include "core/core.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "core/control_ids.h"
#include "core/control_layout.h"
#include "core/no_answer.h"
#include "core/param_catalogue.h"
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

constexpr size_t kSlots = kLastControlId - kFirstControlId + 1;

struct BoundTable {
  std::vector<BoundRow> rows;  // in table order: the order the exchange reads and writes them
  std::array<int16_t, kSlots> rowOf;  // by slot; -1 when not bound
  std::array<int, kSlots> intMask{};  // by slot: all ones where an integer is bound
  std::vector<int16_t> rangeRows;     // number boxes whose range is checked
  std::vector<int16_t> textRows;
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
      const auto index = static_cast<int16_t>(t.rows.size());
      t.rowOf.at(slotOf(c.id)) = index;
      if (row.bind == Bind::Text) {
        t.textRows.push_back(index);
      } else {
        t.intMask.at(slotOf(c.id)) = ~0;
      }
      if (row.bind == Bind::Number && row.rangeChecked) t.rangeRows.push_back(index);
      t.rows.push_back(row);
    }
    return t;
  }();
  return table;
}

// Reads one control into `out` as the exchange sees it: a number box's leading number (a
// non-number reads as 0) and whether it is empty (all ones) or not (0).
void readRow(const Window& win, const BoundRow& row, BoundValues& out, int& emptyText) {
  switch (row.bind) {
    case Bind::Text: out.*row.text = win.text(row.id); break;
    case Bind::Slider: out.ints[slotOf(row.id)] = win.sliderPos(row.id); break;
    case Bind::Check: out.ints[slotOf(row.id)] = win.checkState(row.id); break;
    case Bind::Number: {
      const std::string shown = win.text(row.id);
      out.ints[slotOf(row.id)] = leadingInt(shown);
      emptyText = shown.empty() ? ~0 : 0;
      break;
    }
  }
}

}  // namespace

int Core::defaultCheckShownEvery = 0;

Core::Core(SerialPort& p, Window& w, Prompts& pr, Clock& c, std::string settings)
    : holdingPrompts_(pr, nullptr),
      port(p),
      win(w),
      prompts(holdingPrompts_),
      clock(c),
      settingsPath(std::move(settings)) {
  holdingPrompts_.setWatchdog(&watchdog);
  for (const ControlRow& c : controls())
    if (isIntBound(c)) st.bound.at(c.id) = c.initial;
}

bool Core::refreshShown(bool atStart, int written) {
  const BoundTable& table = boundTable();
  changed_.clear();
  const bool known = win.takeChangedControls(changed_);
  bool others = false;
  if (!known || !memory_.shown.valid) {
    for (const BoundRow& row : table.rows) readRow(win, row, memory_.shown.values, memory_.shown.emptyText[slotOf(row.id)]);
    memory_.shown.valid = true;
    memory_.allDiffer = true;
    others = true;
  } else {
    for (int id : changed_) {
      const size_t slot = slotOf(id);
      if (slot >= kSlots || table.rowOf[slot] < 0) continue;
      readRow(win, table.rows[static_cast<size_t>(table.rowOf[slot])], memory_.shown.values, memory_.shown.emptyText[slot]);
      markDiffer(slot);
      if (id != written) others = true;
    }
  }
  if (!atStart) return others;
  takeMemberWrites();
  checkedNow_ = false;
  if (checkShownEvery > 0 && ++exchangesSinceCheck_ >= static_cast<unsigned>(checkShownEvery)) {
    exchangesSinceCheck_ = 0;
    checkShown();
    checkedNow_ = true;
  }
  return others;
}

Core::ExchangeMemory Core::exchangeMemory() {
  refreshShown(false);
  takeMemberWrites();  // as an exchange starting now would
  return memory_;
}

void Core::restoreExchangeMemory(const ExchangeMemory& memory) {
  changed_.clear();
  win.takeChangedControls(changed_);
  written_.clear();
  st.bound.takeWritten(written_);
  memory_ = memory;
}

void Core::takeMemberWrites() {
  // The members handlers wrote since the last exchange may now differ from their controls.
  written_.clear();
  if (!st.bound.takeWritten(written_)) {
    memory_.allDiffer = true;
  } else {
    for (int16_t slot : written_) markDiffer(static_cast<size_t>(slot));
  }
}

void Core::markDiffer(size_t slot) {
  if (memory_.allDiffer || memory_.differ[slot]) return;
  memory_.differ[slot] = 1;
  memory_.differList.push_back(static_cast<int16_t>(slot));
}

bool Core::slotDiffers(size_t slot) const {
  return (((st.bound.ints[slot] ^ memory_.shown.values.ints[slot]) | memory_.shown.emptyText[slot]) & boundTable().intMask[slot]) != 0;
}

void Core::settleDiffers() {
  if (memory_.allDiffer) {
    memory_.allDiffer = false;
    memory_.differList.clear();
    for (size_t slot = 0; slot < kSlots; ++slot) {
      memory_.differ[slot] = 0;
      markDiffer(slot);
    }
  }
  size_t kept = 0;
  for (int16_t slot : memory_.differList) {
    if (slotDiffers(static_cast<size_t>(slot))) {
      memory_.differList[kept++] = slot;
    } else {
      memory_.differ[static_cast<size_t>(slot)] = 0;
    }
  }
  memory_.differList.resize(kept);
}

void Core::checkAgrees() {
  // After members-to-controls every control shows its member, as a walk over all of them
  // would have left it: a slider within its range, a check state 0..2, a number box its number.
  for (const BoundRow& row : boundTable().rows) {
    const int value = row.bind == Bind::Text ? 0 : st.bound.ints[slotOf(row.id)];
    bool agrees = true;
    switch (row.bind) {
      case Bind::Text: agrees = row.id == ids::kPortList || win.text(row.id) == st.bound.*row.text; break;
      case Bind::Slider: agrees = value < row.lo || value > row.hi || win.sliderPos(row.id) == value; break;
      case Bind::Check: agrees = win.checkState(row.id) == (value >= 0 && value <= 2 ? value : 0); break;
      case Bind::Number: {
        const std::string shown = win.text(row.id);
        agrees = !shown.empty() && leadingInt(shown) == value;
        break;
      }
    }
    if (!agrees) {
      std::fprintf(stderr, "zorv: control %d does not show its member after the data exchange\n", row.id);
      std::abort();
    }
  }
}

void Core::checkShown() {
  // Every member not listed as differing is what its control shows.
  if (!memory_.allDiffer) {
    for (const BoundRow& row : boundTable().rows) {
      const size_t slot = slotOf(row.id);
      if (row.bind != Bind::Text && !memory_.differ[slot] && slotDiffers(slot)) {
        std::fprintf(stderr, "zorv: member %d was written without the data exchange noticing\n", row.id);
        std::abort();
      }
    }
  }
  Shown fresh;
  for (const BoundRow& row : boundTable().rows) {
    const size_t slot = slotOf(row.id);
    readRow(win, row, fresh.values, fresh.emptyText[slot]);
    const bool same = row.bind == Bind::Text ? fresh.values.*row.text == memory_.shown.values.*row.text
                                             : fresh.values.ints[slot] == memory_.shown.values.ints[slot] &&
                                                   fresh.emptyText[slot] == memory_.shown.emptyText[slot];
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
  const BoundTable& table = boundTable();
  const BoundValues& shown = memory_.shown.values;
  // A number box out of its range stops the exchange there, the rows before it read: the rare
  // case goes row by row in table order. A value the controller reported is no mistake of the
  // pilot's: it is read like any other.
  for (int16_t r : table.rangeRows) {
    const BoundRow& row = table.rows[static_cast<size_t>(r)];
    const int value = shown.ints[slotOf(row.id)];
    if (value >= row.lo && value <= row.hi) continue;
    const SliderParam* p = sliderByEdit(row.id);
    if (!p || !typedValues.showsControllerValue(p->index, value)) return controlsToMembersUpTo(r);
  }
  // Only members that may differ from their control are read; the rest already agree.
  if (memory_.allDiffer) {
    for (size_t i = 0; i < kSlots; ++i) {
      const int m = table.intMask[i];
      st.bound.ints[i] = (shown.ints[i] & m) | (st.bound.ints[i] & ~m);
    }
  } else {
    for (int16_t slot : memory_.differList) {
      const auto i = static_cast<size_t>(slot);
      if (table.intMask[i] != 0) st.bound.ints[i] = shown.ints[i];
    }
  }
  for (int16_t r : table.textRows) {
    const BoundRow& row = table.rows[static_cast<size_t>(r)];
    if (st.bound.*row.text != shown.*row.text) st.bound.*row.text = shown.*row.text;
  }
  settleDiffers();
  return true;
}

bool Core::controlsToMembersUpTo(int16_t stopRow) {
  const BoundTable& table = boundTable();
  const BoundValues& shown = memory_.shown.values;
  for (int16_t r = 0; r < stopRow; ++r) {
    const BoundRow& row = table.rows[static_cast<size_t>(r)];
    if (row.bind == Bind::Text) {
      st.bound.*row.text = shown.*row.text;
    } else {
      st.bound.ints[slotOf(row.id)] = shown.ints[slotOf(row.id)];
    }
  }
  const BoundRow& row = table.rows[static_cast<size_t>(stopRow)];
  st.bound.ints[slotOf(row.id)] = shown.ints[slotOf(row.id)];
  prompts.message("Please enter an integer between " + std::to_string(row.lo) + " and " + std::to_string(row.hi) + ".",
                  "Zorv", Prompts::Buttons::Ok, Prompts::Icon::Warning);
  return false;
}

void Core::pendingWrites(int16_t after) {
  const BoundTable& table = boundTable();
  auto consider = [&](size_t i) {
    if (table.rowOf[i] > after && slotDiffers(i)) pending_.push_back(table.rowOf[i]);
  };
  if (memory_.allDiffer) {
    for (size_t i = 0; i < kSlots; ++i) consider(i);
  } else {
    for (int16_t slot : memory_.differList) consider(static_cast<size_t>(slot));
  }
  for (int16_t r : table.textRows) {
    const BoundRow& row = table.rows[static_cast<size_t>(r)];
    if (r > after && row.id != ids::kPortList && st.bound.*row.text != memory_.shown.values.*row.text) pending_.push_back(r);
  }
  std::sort(pending_.begin(), pending_.end());
}

void Core::membersToControls() {
  ++exchangeDepth_;
  refreshShown(true);
  const BoundTable& table = boundTable();
  const BoundValues& shown = memory_.shown.values;
  // The controls whose member differs from what they show, written in table order.
  pending_.clear();
  pendingWrites(-1);
  for (size_t k = 0; k < pending_.size(); ++k) {
    const int16_t r = pending_[k];
    const BoundRow& row = table.rows[static_cast<size_t>(r)];
    switch (row.bind) {
      case Bind::Text: {
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
        if (shown.at(row.id) == value && memory_.shown.emptyText[slotOf(row.id)] == 0) continue;
        win.setText(row.id, std::to_string(value));
        break;
      }
    }
    // What the write changed is looked at again; a write that changed other controls too sends
    // the rest of the walk back to what they now show.
    if (refreshShown(false, row.id)) {
      pending_.resize(k + 1);
      pendingWrites(r);
    }
  }
  settleDiffers();
  if (checkedNow_) checkAgrees();
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
    ended({exchangeOf(exchange), Outcome::Lost, "the port is not open", done, steps});
    return;
  }
  if (watchdog.stale()) port.discardInput();
  watchdog.arm({exchange, std::move(asked), st.LinkMode, done, steps});
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
