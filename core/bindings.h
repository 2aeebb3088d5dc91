#pragma once
// Every value bound to a control of the main window, in one object: the value, what its control
// showed when the data exchange last looked, and what changed since on either side (the values
// handlers set, the controls the window reported). The data exchange (core/data_exchange.h)
// then reads and writes only those. Handlers go through get/set and text/setText; the window
// reports through controlChanged; no reference to a value is handed out, so no write
// can pass unseen.
//
// A copy holds everything, what the controls showed included: a copy of the state put back
// together with a copy of the window taken at the same moment (the fuzzer does so once per
// input) needs no control read again. Put back with any other window state, it finds out (see
// Window::changesReported) and reads every control again.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/text.h"

namespace zorv {

// Control ids run from 1000 to 1215.
constexpr int kFirstControlId = 1000;
constexpr int kLastControlId = 1215;

class Bindings {
 public:
  // Every value at its control's initial value from the layout table; nothing is known yet of
  // what the controls show.
  Bindings();

  // The integer bound to a slider, a number box, a read-out or a check box. Any other id is a
  // fault of the caller and throws std::out_of_range.
  int get(int id) const;
  void set(int id, int value);
  // The text bound to a text box (firmware hint, port status, version) or the port list's
  // visible text, in the tool's own wording (what handlers compare). Any other id throws
  // std::out_of_range.
  std::string text(int id) const;
  // The same text as the words it was made of, which the window shows in the pilot's language.
  const Text& words(int id) const;
  void setText(int id, const Text& value);
  void setText(int id, const std::string& value) { setText(id, Text(value)); }
  void setText(int id, const char* value) { setText(id, Text(std::string(value))); }

  // From the window: this control's state changed, whoever changed it (the program, the user,
  // the widget itself). Ids of controls bound to nothing are ignored.
  void controlChanged(int id);
  // Any control may have changed (the send guard found a change nobody reported): the next
  // exchange reads them all.
  void allChanged();

 private:
  friend class DataExchange;
  static constexpr size_t kSlots = kLastControlId - kFirstControlId + 1;
  static constexpr size_t kTextCount = 4;

  // How a control is bound, in the layout table's order: the order the exchange reads and
  // writes them in.
  enum class Bind : uint8_t { Text, Slider, Check, Number };
  struct Row {
    int id;
    Bind bind;
    bool rangeChecked;
    int lo, hi;
    uint8_t text;  // Bind::Text: its place in texts_
  };
  struct Table {
    std::vector<Row> rows;
    std::array<int16_t, kSlots> rowOf;  // by slot (id - kFirstControlId); -1 when bound to nothing
    std::vector<int16_t> rangeRows;     // number boxes whose range the exchange checks
  };
  static const Table& table();
  static size_t slotOf(int id) { return static_cast<size_t>(id - kFirstControlId); }
  size_t intSlot(int id) const;
  size_t textIndex(int id) const;

  // Whether the member in `slot` differs from what its control showed.
  bool differs(size_t slot, const Row& row) const {
    if (row.bind == Bind::Text) return texts_[row.text] != shownTexts_[row.text];
    return ((ints_[slot] ^ shownInts_[slot]) | shownEmpty_[slot]) != 0;
  }
  void markDiffer(size_t slot) {
    if (allDiffer_ || differ_[slot]) return;
    differ_[slot] = 1;
    differList_.push_back(static_cast<int16_t>(slot));
  }

  // The values, by slot; the texts by their place.
  std::array<int, kSlots> ints_{};
  std::array<std::string, kTextCount> texts_;
  std::array<Text, kTextCount> words_;  // how each text was made; plain when read from its control
  // What the controls showed when last looked at, in the values' own form; shownEmpty_ is all
  // ones for a number box with no text (it differs from any number).
  std::array<int, kSlots> shownInts_{};
  std::array<int, kSlots> shownEmpty_{};
  std::array<std::string, kTextCount> shownTexts_;

  // Values that may differ from what their control showed (set since, or their control changed
  // since); every other value agrees with it. All of them until every control has been read.
  std::array<uint8_t, kSlots> differ_{};
  std::vector<int16_t> differList_;
  bool allDiffer_ = true;

  // Controls the window reported changed since the exchange last looked; all of them before the
  // first look.
  std::array<uint8_t, kSlots> changed_{};
  std::vector<int16_t> changedList_;
  bool allChanged_ = true;

  // The window whose reports these are, and how many of its reports were heard.
  uint64_t window_ = 0;
  uint64_t heard_ = 0;
};

}  // namespace zorv
