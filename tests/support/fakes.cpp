#include "tests/support/fakes.h"

#include <algorithm>

#include "core/control_layout.h"

namespace zorv::test {

FakeWindow::FakeWindow() {
  for (const ControlRow& c : controls()) {
    if (c.id == 0) continue;
    enabled[c.id] = true;
    switch (c.kind) {
      case ControlKind::Slider: sliders[c.id] = c.initial; break;
      case ControlKind::Check: checks[c.id] = 0; break;
      case ControlKind::Combo: combos[c.id] = c.initial; break;
      case ControlKind::Edit: texts[c.id] = std::to_string(c.initial); break;
      case ControlKind::ReadOnlyEdit: texts[c.id] = c.text ? "" : "0"; break;
      default: texts[c.id] = c.caption; break;
    }
  }
}

std::string FakeWindow::text(int id) const {
  if (auto it = combos.find(id); it != combos.end()) {
    const auto& items = comboItems(id);
    return it->second >= 0 && it->second < static_cast<int>(items.size()) ? items[static_cast<size_t>(it->second)] : "";
  }
  auto it = texts.find(id);
  return it == texts.end() ? "" : it->second;
}

void FakeWindow::setText(int id, const std::string& t) {
  auto& cur = texts[id];
  if (cur == t) return;
  cur = t;
  const ControlRow* c = findControl(id);
  if (core && c && c->kind == ControlKind::Edit) core->onEditChanged(id);
}

int FakeWindow::sliderPos(int id) const {
  auto it = sliders.find(id);
  return it == sliders.end() ? 0 : it->second;
}

void FakeWindow::setSliderPos(int id, int pos) {
  const ControlRow* c = findControl(id);
  if (c) pos = std::clamp(pos, c->lo, c->hi);
  int& cur = sliders[id];
  if (cur == pos) return;
  cur = pos;
  if (core) core->onSliderMoved(id);
}

int FakeWindow::checkState(int id) const {
  auto it = checks.find(id);
  return it == checks.end() ? 0 : it->second;
}

void FakeWindow::setCheckState(int id, int state) { checks[id] = state; }

int FakeWindow::comboIndex(int id) const {
  auto it = combos.find(id);
  return it == combos.end() ? -1 : it->second;
}

void FakeWindow::setComboIndex(int id, int index) {
  const int n = static_cast<int>(comboItems(id).size());
  combos[id] = index >= 0 && index < n ? index : -1;
}

void FakeWindow::setEnabled(int id, bool e) { enabled[id] = e; }

bool FakeWindow::isEnabled(int id) const {
  auto it = enabled.find(id);
  return it == enabled.end() ? true : it->second;
}

void FakeWindow::userDrag(int sliderId, int pos) { setSliderPos(sliderId, pos); }

void FakeWindow::userRelease(int sliderId) {
  if (core) core->onSliderReleased(sliderId);
}

void FakeWindow::userSetSlider(int sliderId, int pos) {
  userDrag(sliderId, pos);
  userRelease(sliderId);
}

void FakeWindow::userType(int editId, const std::string& t) { setText(editId, t); }

void FakeWindow::userSelect(int comboId, int index) {
  setComboIndex(comboId, index);
  if (core) core->onComboActivated(comboId);
}

void FakeWindow::userClick(int checkId) {
  checks[checkId] = checks[checkId] ? 0 : 1;
  if (core) core->onCheckClicked(checkId);
}

void FakeWindow::userPress(int buttonId) {
  if (isEnabled(buttonId) && core) core->onButtonClicked(buttonId);
}

Prompts::Answer ScriptedPrompts::message(const std::string& text, const std::string& caption, Buttons buttons,
                                         Icon icon, bool) {
  shown.push_back({text, caption, buttons, icon});
  if (!answers.empty()) {
    Answer a = answers.front();
    answers.pop_front();
    return a;
  }
  return buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
}

std::optional<std::string> ScriptedPrompts::openFile(const std::string& filter, const std::string&) {
  fileFilters.push_back(filter);
  if (files.empty()) return std::nullopt;
  auto f = files.front();
  files.pop_front();
  return f;
}

std::optional<std::string> ScriptedPrompts::saveFile(const std::string&, const std::string& filter,
                                                     const std::string&) {
  fileFilters.push_back(filter);
  if (files.empty()) return std::nullopt;
  auto f = files.front();
  files.pop_front();
  return f;
}

bool ScriptedPrompts::sawMessage(const std::string& text) const {
  for (const Shown& s : shown)
    if (s.text == text) return true;
  return false;
}

}  // namespace zorv::test
