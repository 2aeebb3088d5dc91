#include "router/memory_window.h"

#include <algorithm>

#include "core/control_layout.h"
#include "router/router.h"

namespace zorv {

MemoryWindow::MemoryWindow() {
  for (const ControlRow& c : controls()) {
    if (c.id == 0) continue;
    enabled_[c.id] = true;
    switch (c.kind) {
      case ControlKind::Slider: sliders_[c.id] = c.initial; break;
      case ControlKind::Check: checks_[c.id] = 0; break;
      case ControlKind::Combo: combos_[c.id] = c.initial; break;
      case ControlKind::Edit: texts_[c.id] = std::to_string(c.initial); break;
      case ControlKind::ReadOnlyEdit: texts_[c.id] = c.text ? "" : std::to_string(c.initial); break;
      default: texts_[c.id] = c.caption; break;
    }
  }
}

std::string MemoryWindow::text(int id) const {
  if (auto it = combos_.find(id); it != combos_.end()) {
    const auto& items = comboItems(id);
    return it->second >= 0 && it->second < static_cast<int>(items.size()) ? items[static_cast<size_t>(it->second)]
                                                                          : "";
  }
  auto it = texts_.find(id);
  return it == texts_.end() ? "" : it->second;
}

bool MemoryWindow::storeText(int id, const std::string& t) {
  std::string& current = texts_[id];
  if (current == t) return false;
  current = t;
  controlChanged(id);
  return true;
}

bool MemoryWindow::storeSlider(int id, int pos) {
  int& current = sliders_[id];
  if (current == pos) return false;
  current = pos;
  controlChanged(id);
  return true;
}

void MemoryWindow::storeCheck(int id, int state) {
  int& current = checks_[id];
  if (current == state) return;
  current = state;
  controlChanged(id);
}

void MemoryWindow::storeCombo(int id, int index) {
  int& current = combos_[id];
  if (current == index) return;
  current = index;
  controlChanged(id);
}

void MemoryWindow::setText(int id, const std::string& t) {
  if (!storeText(id, t)) return;
  // A number box tells its handler about every change of its text, the program's included.
  const ControlRow* c = findControl(id);
  if (router && c && c->kind == ControlKind::Edit) router->onEditChanged(id);
}

int MemoryWindow::sliderPos(int id) const {
  auto it = sliders_.find(id);
  return it == sliders_.end() ? 0 : it->second;
}

void MemoryWindow::setSliderPos(int id, int pos) {
  if (const ControlRow* c = findControl(id)) pos = std::clamp(pos, c->lo, c->hi);
  if (!storeSlider(id, pos)) return;
  if (router) router->onSliderMoved(id);  // the slider redraws at its new place
}

int MemoryWindow::checkState(int id) const {
  auto it = checks_.find(id);
  return it == checks_.end() ? 0 : it->second;
}

void MemoryWindow::setCheckState(int id, int state) { storeCheck(id, state); }

int MemoryWindow::comboIndex(int id) const {
  auto it = combos_.find(id);
  return it == combos_.end() ? -1 : it->second;
}

void MemoryWindow::setComboIndex(int id, int index) {
  const int n = static_cast<int>(comboItems(id).size());
  storeCombo(id, index >= 0 && index < n ? index : -1);
}

void MemoryWindow::setEnabled(int id, bool e) { enabled_[id] = e; }

bool MemoryWindow::isEnabled(int id) const {
  auto it = enabled_.find(id);
  return it == enabled_.end() || it->second;
}

std::string MemoryWindow::toolTip(int id) const {
  auto it = toolTips_.find(id);
  return it == toolTips_.end() ? "" : it->second;
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
  storeCheck(checkId, MemoryWindow::checkState(checkId) == 1 ? 0 : 1);
  if (router) router->onCheckClicked(checkId);
}

bool MemoryWindow::userPress(int buttonId) {
  if (!isEnabled(buttonId)) return false;
  if (router) router->onButtonClicked(buttonId);
  return true;
}

}  // namespace zorv
