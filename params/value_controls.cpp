// Sliders with their number boxes, and the three drop-down lists. A slider and its box move in
// step while the user drags or types; the controller hears of a slider value only when the slider
// is released, and of a list value at once.

#include <algorithm>
#include <string>

#include "core/control_ids.h"
#include "core/control_layout.h"
#include "core/core.h"
#include "core/param_catalogue.h"
#include "core/text_number.h"
#include "params/setting_send.h"
#include "params/value_controls.h"

namespace zorv {

namespace {

// The height-lock box tells the controller "H 51" each time its shown text changes.
constexpr char kHeightLockLetter = 'H';
constexpr int kHeightLockValue = 51;

struct Range {
  int lo, hi;
};

Range sliderRange(const SliderParam& p) {
  const ControlRow* c = findControl(p.slider);
  return {c->lo, c->hi};
}

}  // namespace

void onSliderMoved(Core& core, int sliderId) {
  const SliderParam* p = sliderBySlider(sliderId);
  if (!p) return;
  MainState& st = core.st;
  core.controlsToMembers();
  // The positions come from the controls themselves: the exchange above stops at the first box
  // that is out of range, and a stale member written back would undo the user's drag.
  const int pos = core.win.sliderPos(p->slider);
  const int boxValue = leadingInt(core.win.text(p->edit));
  st.bound.set(p->slider, pos);
  const Range r = sliderRange(*p);
  if (boxValue != pos && std::clamp(boxValue, r.lo, r.hi) == pos) {
    // The slider only went to the end of its scale because the box holds a value beyond it
    // (typed, or read back): the box keeps its text, so "3" on the way to "355" is not replaced
    // by "280". The release sends the value within the scale.
    st.bound.set(p->edit, boxValue);
  } else {
    st.bound.set(p->edit, pos);
    // The alarm voltage reaches ParamValues through its box's change handler.
    if (p->slider != ids::kAlarmSlider) st.ParamValues[static_cast<size_t>(p->index)] = pos;
  }
  core.membersToControls();
}

void onEditChanged(Core& core, int editId) {
  const SliderParam* p = sliderByEdit(editId);
  if (!p) return;
  if (editId == ids::kHeightLockEdit) sendOneSetting(core, kHeightLockLetter, kHeightLockValue);
  MainState& st = core.st;
  const int value = leadingInt(core.win.text(editId));  // not a number: 0
  // The program writes the member before the box; a box that now reads otherwise was typed into.
  if (st.bound.get(p->edit) != value) {
    core.typedValues.typed(core.win, p->index, value);
  } else {
    core.typedValues.replaced(core.win, p->index);
  }
  core.controlsToMembers();
  st.bound.set(p->edit, value);
  st.bound.set(p->slider, value);
  // A number beyond the scale ("3" on the way to "355", or "5000") stays in the box only: the
  // table keeps the last value inside the scale, so it is never saved or sent.
  if (paramScale(p->index).holds(value)) st.ParamValues[static_cast<size_t>(p->index)] = value;
  core.membersToControls();  // the slider follows
}

void onSliderReleased(Core& core, int sliderId) {
  const SliderParam* p = sliderBySlider(sliderId);
  if (!p) return;
  MainState& st = core.st;
  // A box value beyond the scale (typed, or read back) is never written: the controller gets
  // the end of the scale where the slider stands, and the box is set to it.
  const Range r = sliderRange(*p);
  const int typed = st.bound.get(p->edit);
  const ControlRow* label = findControl(p->labelButton);
  const std::string name = label ? label->caption : "";
  // The value goes out from the box's member: it must be what the box shows.
  if (!core.boxesShow({{p->edit, typed, name}}, ZORV_NOOP("Messages", "move the slider again"))) {
    core.ended({ExchangeKind::Setting, Outcome::Refused, "the value about to be sent was not what its box shows"});
    return;
  }
  const int value = std::clamp(typed, r.lo, r.hi);
  // Sending one setting, with the box put right inside the same exchange.
  st.LinkMode = LinkMode::Rest;
  core.controlsToMembers();
  st.bound.set(p->edit, value);
  st.bound.set(p->slider, value);
  st.ParamValues[static_cast<size_t>(p->index)] = value;
  if (writeSetting(core, p->letter, value + p->wireOffset)) core.typedValues.known(core.win, p->index, value);
  core.membersToControls();
  if (typed != value) {
    core.prompts.tell(ZORV_TEXT("Messages", "\"%1\" takes %2 to %3. The box held %4, so %5 was sent to the controller.")
                          .arg(Text(Marked{"Window", name.c_str()}))
                          .arg(r.lo)
                          .arg(r.hi)
                          .arg(typed)
                          .arg(value),
                      ZORV_TEXT("Messages", "Tarvik Warning:"), Prompts::Buttons::Ok, Prompts::Icon::Warning);
  }
}

void onParamListChanged(Core& core, int comboId) {
  const ListParam* p = listByCombo(comboId);
  if (!p) return;
  const int item = core.win.comboIndex(comboId);
  if (item < 0) return;  // nothing selected: nothing to write
  core.st.ParamValues[static_cast<size_t>(p->index)] = listStoredValue(*p, item);
  sendOneSetting(core, p->letter, listWireValue(*p, item));
}

}  // namespace zorv
