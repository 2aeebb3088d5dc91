#include "core/bindings.h"

#include <stdexcept>

#include "core/control_ids.h"
#include "core/control_layout.h"

namespace zorv {

namespace {

// The four controls bound to a text, and their places.
int textPlaceOf(int id) {
  switch (id) {
    case ids::kFirmwareHint: return 0;
    case ids::kPortStatus: return 1;
    case ids::kPortList: return 2;
    case ids::kVersionBox: return 3;
    default: return -1;
  }
}

}  // namespace

const Bindings::Table& Bindings::table() {
  static const Table t = [] {
    Table table;
    table.rowOf.fill(-1);
    for (const ControlRow& c : controls()) {
      if (c.id == 0) continue;
      Row row{c.id, Bind::Number, c.rangeChecked, c.lo, c.hi, 0};
      if (const int place = textPlaceOf(c.id); place >= 0) {
        row.bind = Bind::Text;
        row.text = static_cast<uint8_t>(place);
      } else if (c.kind == ControlKind::Slider) {
        row.bind = Bind::Slider;
      } else if (c.kind == ControlKind::Check) {
        row.bind = Bind::Check;
      } else if (c.kind != ControlKind::Edit && !(c.kind == ControlKind::ReadOnlyEdit && !c.text)) {
        continue;  // buttons, lists, labels: bound to nothing
      }
      const auto index = static_cast<int16_t>(table.rows.size());
      table.rowOf.at(slotOf(c.id)) = index;
      if (row.bind == Bind::Number && row.rangeChecked) table.rangeRows.push_back(index);
      table.rows.push_back(row);
    }
    return table;
  }();
  return t;
}

Bindings::Bindings() {
  const Table& t = table();
  for (const ControlRow& c : controls()) {
    const size_t slot = slotOf(c.id);
    if (slot < kSlots && t.rowOf[slot] >= 0 && t.rows[static_cast<size_t>(t.rowOf[slot])].bind != Bind::Text)
      ints_[slot] = c.initial;
  }
}

size_t Bindings::intSlot(int id) const {
  const size_t slot = slotOf(id);
  const Table& t = table();
  if (slot >= kSlots || t.rowOf[slot] < 0 || t.rows[static_cast<size_t>(t.rowOf[slot])].bind == Bind::Text)
    throw std::out_of_range("control " + std::to_string(id) + " is bound to no integer");
  return slot;
}

size_t Bindings::textIndex(int id) const {
  const int place = textPlaceOf(id);
  if (place < 0) throw std::out_of_range("control " + std::to_string(id) + " is bound to no text");
  return static_cast<size_t>(place);
}

int Bindings::get(int id) const { return ints_[intSlot(id)]; }

void Bindings::set(int id, int value) {
  const size_t slot = intSlot(id);
  // The same value leaves it agreeing, or not, with its control as before.
  if (ints_[slot] == value) return;
  ints_[slot] = value;
  markDiffer(slot);
}

std::string Bindings::text(int id) const { return texts_[textIndex(id)]; }

const Text& Bindings::words(int id) const { return words_[textIndex(id)]; }

void Bindings::setText(int id, const Text& value) {
  const size_t place = textIndex(id);
  std::string original = value.original();
  words_[place] = value;
  if (texts_[place] == original) return;
  texts_[place] = std::move(original);
  markDiffer(slotOf(id));
}

void Bindings::controlChanged(int id) {
  ++heard_;
  const size_t slot = slotOf(id);
  if (allChanged_ || slot >= kSlots || changed_[slot]) return;
  changed_[slot] = 1;
  changedList_.push_back(static_cast<int16_t>(slot));
}

void Bindings::allChanged() {
  ++heard_;
  allChanged_ = true;
}

}  // namespace zorv
