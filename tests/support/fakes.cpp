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
  switch (buttons) {
    case Buttons::Ok: return Answer::Ok;
    case Buttons::YesNo: return agree ? Answer::Yes : Answer::No;
    case Buttons::OkCancel: return agree ? Answer::Ok : Answer::Cancel;
  }
  return Answer::Cancel;
}

std::optional<std::string> ScriptedPrompts::openFile(const std::string& filter, const std::string&) {
  return nextFile(filter, false);
}

std::optional<std::string> ScriptedPrompts::saveFile(const std::string&, const std::string& filter,
                                                     const std::string&) {
  return nextFile(filter, true);
}

std::optional<std::string> ScriptedPrompts::nextFile(const std::string& filter, bool save) {
  fileFilters.push_back(filter);
  if (whileOpen) whileOpen();
  if (files.empty()) return fileFor ? fileFor(filter, save) : std::nullopt;
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
