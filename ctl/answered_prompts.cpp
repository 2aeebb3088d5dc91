#include "ctl/answered_prompts.h"

namespace zorv {

Prompts::Answer AnsweredPrompts::message(const std::string&, const std::string&, Buttons buttons, Icon, bool) {
  switch (buttons) {
    case Buttons::Ok: return Answer::Ok;
    case Buttons::OkCancel: return confirm ? Answer::Ok : Answer::Cancel;
    case Buttons::YesNo: return confirm ? Answer::Yes : Answer::No;
  }
  return Answer::Cancel;
}

std::optional<std::string> AnsweredPrompts::openFile(const std::string&, const std::string&) {
  std::optional<std::string> answer;
  answer.swap(file);
  return answer;
}

std::optional<std::string> AnsweredPrompts::saveFile(const std::string&, const std::string&, const std::string&) {
  std::optional<std::string> answer;
  answer.swap(file);
  return answer;
}

std::string terminalText(const std::string& boxText) {
  std::string out;
  int breaks = 0;
  for (char c : boxText) {
    if (c == '\r' || c == '\n') {
      if (++breaks <= 2) out += '\n';
      continue;
    }
    breaks = 0;
    out += c;
  }
  while (!out.empty() && out.back() == '\n') out.pop_back();
  return out;
}

}  // namespace zorv
