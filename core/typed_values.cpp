#include "core/typed_values.h"

#include "core/param_catalogue.h"
#include "core/window.h"

namespace zorv {

void TypedValues::known(Window& win, int index, int value) {
  const auto i = static_cast<size_t>(index);
  held_[i] = value;
  typed_[i].reset();
  show(win, index);
}

void TypedValues::typed(Window& win, int index, int value) {
  typed_[static_cast<size_t>(index)] = value;
  show(win, index);
}

void TypedValues::replaced(Window& win, int index) {
  typed_[static_cast<size_t>(index)].reset();
  show(win, index);
}

bool TypedValues::showsControllerValue(int index, int value) const {
  const auto i = static_cast<size_t>(index);
  return held_[i] == value && !typed_[i];
}

bool TypedValues::isPending(int index) const {
  const auto i = static_cast<size_t>(index);
  return typed_[i] && typed_[i] != held_[i];
}

std::vector<TypedValues::Pending> TypedValues::pending() const {
  std::vector<Pending> out;
  for (const SliderParam& p : sliderParams())
    if (isPending(p.index)) out.push_back({p.index, *typed_[static_cast<size_t>(p.index)], held_[static_cast<size_t>(p.index)]});
  return out;
}

void TypedValues::show(Window& win, int index) {
  const SliderParam* p = sliderByIndex(index);
  const bool marked = isPending(index);
  if (!p || marked_[static_cast<size_t>(index)] == marked) return;
  marked_[static_cast<size_t>(index)] = marked;
  win.setTextMarked(p->edit, marked);
  win.setToolTip(p->edit, marked ? kTypedNotSentTip : "");
}

Text typedWords(const std::vector<TypedValues::Pending>& pending, bool withHeld) {
  std::vector<Text> items;
  for (const TypedValues::Pending& t : pending) {
    Text item = ZORV_TEXT("Messages", "%1 typed into %2").arg(t.value).arg(Marked{"Window", sliderByIndex(t.index)->caption});
    if (withHeld && t.held) item = ZORV_TEXT("Messages", "%1 (the controller holds %2)").arg(item).arg(*t.held);
    items.push_back(std::move(item));
  }
  return joinedList(items, ZORV_TEXT("Messages", "%1, %2"), ZORV_TEXT("Messages", "%1 and %2"));
}

std::string typedList(const std::vector<TypedValues::Pending>& pending, bool withHeld) {
  return typedWords(pending, withHeld).original();
}

}  // namespace zorv
