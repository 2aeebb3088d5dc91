#include "tests/support/fakes.h"

namespace zorv::test {

Prompts::Answer ScriptedPrompts::message(const std::string& text, const std::string& caption, Buttons buttons,
                                         Icon icon, bool) {
  shown.push_back({text, caption, buttons, icon});
  if (whileOpen) whileOpen();
  if (!answers.empty()) {
    Answer a = answers.front();
    answers.pop_front();
    return a;
  }
  return buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
}

std::optional<std::string> ScriptedPrompts::openFile(const std::string& filter, const std::string&) {
  return nextFile(filter);
}

std::optional<std::string> ScriptedPrompts::saveFile(const std::string&, const std::string& filter,
                                                     const std::string&) {
  return nextFile(filter);
}

std::optional<std::string> ScriptedPrompts::nextFile(const std::string& filter) {
  fileFilters.push_back(filter);
  if (whileOpen) whileOpen();
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
