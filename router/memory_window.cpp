#include "router/memory_window.h"

#include <algorithm>

#include "core/control_layout.h"
#include "router/router.h"

namespace zorv {

MemoryWindow::MemoryWindow() {
  for (const ControlRow& c : controls()) {
    if (c.id == 0) continue;
    enabled[c.id] = true;
    switch (c.kind) {
      case ControlKind::Slider: sliders[c.id] = c.initial; break;
      case ControlKind::Check: checks[c.id] = 0; break;
      case ControlKind::Combo: combos[c.id] = c.initial; break;
      case ControlKind::Edit: texts[c.id] = std::to_string(c.initial); break;
      case ControlKind::ReadOnlyEdit: texts[c.id] = c.text ? "" : std::to_string(c.initial); break;
      default: texts[c.id] = c.caption; break;
    }
  }
}

std::string MemoryWindow::text(int id) const {
  if (auto it = combos.find(id); it != combos.end()) {
    const auto& items = comboItems(id);
    return it->second >= 0 && it->second < static_cast<int>(items.size()) ? items[static_cast<size_t>(it->second)]
                                                                          : "";
  }
  auto it = texts.find(id);
  return it == texts.end() ? "" : it->second;
}

void MemoryWindow::setText(int id, const std::string& t) {
  std::string& current = texts[id];
  if (current == t) return;
  current = t;
  // A number box tells its handler about every change of its text, the program's included.
  const ControlRow* c = findControl(id);
  if (router && c && c->kind == ControlKind::Edit) router->onEditChanged(id);
}

int MemoryWindow::sliderPos(int id) const {
  auto it = sliders.find(id);
  return it == sliders.end() ? 0 : it->second;
}

void MemoryWindow::setSliderPos(int id, int pos) {
  if (const ControlRow* c = findControl(id)) pos = std::clamp(pos, c->lo, c->hi);
  int& current = sliders[id];
  if (current == pos) return;
  current = pos;
  if (router) router->onSliderMoved(id);  // the slider redraws at its new place
}

int MemoryWindow::checkState(int id) const {
  auto it = checks.find(id);
  return it == checks.end() ? 0 : it->second;
}

void MemoryWindow::setCheckState(int id, int state) { checks[id] = state; }

int MemoryWindow::comboIndex(int id) const {
  auto it = combos.find(id);
  return it == combos.end() ? -1 : it->second;
}

void MemoryWindow::setComboIndex(int id, int index) {
  const int n = static_cast<int>(comboItems(id).size());
  combos[id] = index >= 0 && index < n ? index : -1;
}

bool MemoryWindow::takeChangedControls(std::vector<int>& ids) {
  // Every write to a control's state goes through these maps, the tests' own included. Each map
  // is emptied whatever the others say.
  bool known = texts.takeWritten(ids);
  known = sliders.takeWritten(ids) && known;
  known = checks.takeWritten(ids) && known;
  known = combos.takeWritten(ids) && known;
  return known;
}

void MemoryWindow::setEnabled(int id, bool e) { enabled[id] = e; }

bool MemoryWindow::isEnabled(int id) const {
  auto it = enabled.find(id);
  return it == enabled.end() || it->second;
}

std::string MemoryWindow::toolTip(int id) const {
  auto it = toolTips.find(id);
  return it == toolTips.end() ? "" : it->second;
}

void MemoryWindow::setProgressVisible(bool visible) {
  progressVisible_ = visible;
  if (onProgress) onProgress();
}

void MemoryWindow::setProgressRange(int lo, int hi) {
  progressLo_ = lo;
  progressHi_ = hi;
  if (onProgress) onProgress();
}

void MemoryWindow::setProgressPos(int pos) {
  progressPos_ = pos;
  if (onProgress) onProgress();
}

bool MemoryWindow::userSetSlider(int sliderId, int pos) {
  if (!isEnabled(sliderId)) return false;
  setSliderPos(sliderId, pos);
  releaseSlider(sliderId);
  return true;
}

bool MemoryWindow::userType(int editId, const std::string& t) {
  if (!isEnabled(editId)) return false;
  setText(editId, t);
  return true;
}

bool MemoryWindow::userSelect(int comboId, int index) {
  if (!isEnabled(comboId)) return false;
  chooseItem(comboId, index);
  return true;
}

bool MemoryWindow::userClick(int checkId) {
  if (!isEnabled(checkId)) return false;
  toggleCheck(checkId);
  return true;
}

void MemoryWindow::releaseSlider(int sliderId) {
  if (router) router->onSliderReleased(sliderId);
}

void MemoryWindow::chooseItem(int comboId, int index) {
  setComboIndex(comboId, index);
  if (router) router->onComboActivated(comboId);
}

void MemoryWindow::toggleCheck(int checkId) {
  int& state = checks[checkId];
  state = state == 1 ? 0 : 1;
  if (router) router->onCheckClicked(checkId);
}

bool MemoryWindow::userPress(int buttonId) {
  if (!isEnabled(buttonId)) return false;
  if (router) router->onButtonClicked(buttonId);
  return true;
}

}  // namespace zorv
