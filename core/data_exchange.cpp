#include "core/data_exchange.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <utility>

#include "core/control_ids.h"
#include "core/param_catalogue.h"
#include "core/text_number.h"

namespace zorv {

namespace {

[[noreturn]] void fail(const char* what, int id) {
  std::fprintf(stderr, what, id);
  std::abort();
}

}  // namespace

DataExchange::Seen DataExchange::see(const Window& win, const Row& row) {
  Seen s;
  switch (row.bind) {
    case Bind::Text: s.text = win.text(row.id); break;
    case Bind::Slider: s.value = win.sliderPos(row.id); break;
    case Bind::Check: s.value = win.checkState(row.id); break;
    case Bind::Number: {
      const std::string shown = win.text(row.id);
      s.value = leadingInt(shown);
      s.empty = shown.empty() ? ~0 : 0;
      break;
    }
  }
  return s;
}

DataExchange::DataExchange(Bindings& bound, Window& win, const int& checkEvery)
    : b_(bound), win_(win), table_(Bindings::table()), checkEvery_(checkEvery) {}

void DataExchange::read(const Row& row) {
  Seen seen = see(win_, row);
  if (row.bind == Bind::Text) {
    b_.shownTexts_[row.text] = std::move(seen.text);
  } else {
    const size_t slot = Bindings::slotOf(row.id);
    b_.shownInts_[slot] = seen.value;
    b_.shownEmpty_[slot] = seen.empty;
  }
}

void DataExchange::readAll() {
  for (const Row& row : table_.rows) read(row);
  for (int16_t slot : b_.changedList_) b_.changed_[static_cast<size_t>(slot)] = 0;
  b_.changedList_.clear();
  b_.allChanged_ = false;
  b_.allDiffer_ = true;
  b_.window_ = win_.identity();
  b_.heard_ = win_.changesReported();
}

bool DataExchange::refresh(bool atStart, int written) {
  bool others = false;
  if (b_.allChanged_ || b_.window_ != win_.identity() || b_.heard_ != win_.changesReported()) {
    readAll();
    others = true;
  } else if (!b_.changedList_.empty()) {
    for (int16_t s : b_.changedList_) {
      const auto slot = static_cast<size_t>(s);
      b_.changed_[slot] = 0;
      const int16_t r = table_.rowOf[slot];
      if (r < 0) continue;
      const Row& row = table_.rows[static_cast<size_t>(r)];
      read(row);
      b_.markDiffer(slot);
      if (row.id != written) others = true;
    }
    b_.changedList_.clear();
  }
  if (!atStart) return others;
  checkedNow_ = false;
  if (checkEvery_ > 0 && ++sinceCheck_ >= static_cast<unsigned>(checkEvery_)) {
    sinceCheck_ = 0;
    checkShown();
    checkedNow_ = true;
  }
  return others;
}

void DataExchange::copyShown(const Row& row) {
  if (row.bind == Bind::Text) {
    if (b_.texts_[row.text] != b_.shownTexts_[row.text]) {
      b_.texts_[row.text] = b_.shownTexts_[row.text];
      b_.words_[row.text] = Text::plain(b_.texts_[row.text]);
    }
  } else {
    const size_t slot = Bindings::slotOf(row.id);
    b_.ints_[slot] = b_.shownInts_[slot];
  }
}

void DataExchange::settle() {
  if (b_.allDiffer_) {
    b_.allDiffer_ = false;
    b_.differList_.clear();
    b_.differ_.fill(0);
    for (const Row& row : table_.rows) b_.markDiffer(Bindings::slotOf(row.id));
  }
  size_t kept = 0;
  for (int16_t s : b_.differList_) {
    const auto slot = static_cast<size_t>(s);
    if (b_.differs(slot, rowOfSlot(slot))) {
      b_.differList_[kept++] = s;
    } else {
      b_.differ_[slot] = 0;
    }
  }
  b_.differList_.resize(kept);
}

int DataExchange::controlsToMembers(const TypedValues& typed) {
  refresh(true);
  // A number box out of its range stops the exchange there, the rows before it read: the rare
  // case goes row by row in table order. A value the controller reported is no mistake of the
  // pilot's: it is read like any other.
  for (int16_t r : table_.rangeRows) {
    const Row& row = table_.rows[static_cast<size_t>(r)];
    const int value = b_.shownInts_[Bindings::slotOf(row.id)];
    if (value >= row.lo && value <= row.hi) continue;
    const SliderParam* p = sliderByEdit(row.id);
    if (!p || !typed.showsControllerValue(p->index, value)) {
      readUpTo(static_cast<size_t>(r));
      return row.id;
    }
  }
  // Only values that may differ from their control are read; the rest already agree.
  if (b_.allDiffer_) {
    for (const Row& row : table_.rows) copyShown(row);
  } else {
    for (int16_t slot : b_.differList_) copyShown(rowOfSlot(static_cast<size_t>(slot)));
  }
  settle();
  return 0;
}

void DataExchange::readUpTo(size_t stopRow) {
  for (size_t r = 0; r < stopRow; ++r) copyShown(table_.rows[r]);
  copyShown(table_.rows[stopRow]);
}

void DataExchange::pendingAfter(int after) {
  auto consider = [&](size_t slot) {
    const int16_t r = table_.rowOf[slot];
    const Row& row = table_.rows[static_cast<size_t>(r)];
    if (r > after && row.id != ids::kPortList && b_.differs(slot, row)) pending_.push_back(r);
  };
  if (b_.allDiffer_) {
    for (const Row& row : table_.rows) consider(Bindings::slotOf(row.id));
  } else {
    for (int16_t slot : b_.differList_) consider(static_cast<size_t>(slot));
  }
  std::sort(pending_.begin(), pending_.end());
}

void DataExchange::membersToControls() {
  refresh(true);
  // The controls whose value differs from what they show, written in table order.
  pending_.clear();
  pendingAfter(-1);
  for (size_t k = 0; k < pending_.size(); ++k) {
    const int16_t r = pending_[k];
    const Row& row = table_.rows[static_cast<size_t>(r)];
    const size_t slot = Bindings::slotOf(row.id);
    switch (row.bind) {
      case Bind::Text: {
        const std::string& value = b_.texts_[row.text];
        if (b_.shownTexts_[row.text] == value) continue;
        win_.showText(row.id, b_.words_[row.text]);
        break;
      }
      case Bind::Slider: {
        const int value = b_.ints_[slot];
        if (b_.shownInts_[slot] == value) continue;
        win_.setSliderPos(row.id, value);
        break;
      }
      case Bind::Check: {
        const int value = b_.ints_[slot];
        const int state = value >= 0 && value <= 2 ? value : 0;
        if (b_.shownInts_[slot] == state) continue;
        win_.setCheckState(row.id, state);
        break;
      }
      case Bind::Number: {
        // A box that already shows this number keeps its text, so a user typing "-" or "05"
        // is not overwritten under the cursor.
        const int value = b_.ints_[slot];
        if (b_.shownInts_[slot] == value && b_.shownEmpty_[slot] == 0) continue;
        win_.setText(row.id, std::to_string(value));
        break;
      }
    }
    // What the write changed is looked at again; a write that changed other controls too sends
    // the rest of the walk back to what they now show.
    if (refresh(false, row.id)) {
      pending_.resize(k + 1);
      pendingAfter(r);
    }
  }
  settle();
  if (checkedNow_) checkAgrees();
}

void DataExchange::checkAgrees() {
  // After values-to-controls every control shows its value, as a walk over all of them would
  // have left it: a slider within its range, a check state 0..2, a number box its number.
  for (const Row& row : table_.rows) {
    const size_t slot = Bindings::slotOf(row.id);
    const int value = b_.ints_[slot];
    bool agrees = true;
    switch (row.bind) {
      case Bind::Text: agrees = row.id == ids::kPortList || win_.text(row.id) == b_.texts_[row.text]; break;
      case Bind::Slider: agrees = value < row.lo || value > row.hi || win_.sliderPos(row.id) == value; break;
      case Bind::Check: agrees = win_.checkState(row.id) == (value >= 0 && value <= 2 ? value : 0); break;
      case Bind::Number: {
        const std::string shown = win_.text(row.id);
        agrees = !shown.empty() && leadingInt(shown) == value;
        break;
      }
    }
    if (!agrees) fail("zorv: control %d does not show its value after the data exchange\n", row.id);
  }
}

void DataExchange::checkShown() {
  for (const Row& row : table_.rows) {
    const size_t slot = Bindings::slotOf(row.id);
    // Every value not listed as differing is what its control showed.
    if (!b_.allDiffer_ && !b_.differ_[slot] && b_.differs(slot, row))
      fail("zorv: value %d changed without the data exchange noticing\n", row.id);
    // And that is what the control shows now.
    const Seen now = see(win_, row);
    const bool same = row.bind == Bind::Text
                          ? now.text == b_.shownTexts_[row.text]
                          : now.value == b_.shownInts_[slot] && now.empty == b_.shownEmpty_[slot];
    if (!same)
      fail("zorv: control %d changed without the window reporting it; the data exchange would have used a "
           "stale value\n",
           row.id);
  }
}

}  // namespace zorv
