#include "files/load_chain.h"

#include "core/param_catalogue.h"
#include "core/setting_command.h"
#include "files/param_file_format.h"

namespace zorv {

namespace {

constexpr int kLoadAnnounceValue = 4;  // "Sj0004": a saved file follows

bool fourDigits(const std::string& s) {
  if (s.size() != 4) return false;
  for (char c : s)
    if (c < '0' || c > '9') return false;
  return true;
}

// ParamValues index of a letter sent as the four digits of its line, or -1.
int digitsParamIndex(char letter) {
  for (const SliderParam& p : sliderParams())
    if (p.letter == letter) return p.index;
  for (const ListParam& p : listParams())
    if (p.letter == letter) return p.index;
  return -1;
}

bool skipped(char letter, const std::array<std::string, kLoadedLineCount>& lines) {
  const int index = digitsParamIndex(letter);
  return index >= 0 && !fourDigits(lines[static_cast<size_t>(index + 1)]);
}

}  // namespace

std::string chainStartCommand() { return *settingCommand('j', kLoadAnnounceValue); }

std::string chainCommand(char letter, const std::array<std::string, kLoadedLineCount>& lines,
                         const std::array<int32_t, kLoadedLineCount>& values) {
  // Line n of the file holds parameter n-1.
  if (const int index = digitsParamIndex(letter); index >= 0) {
    const std::string& field = lines[static_cast<size_t>(index + 1)];
    if (!fourDigits(field)) return "";
    return settingCommandRaw(letter, field);  // the file's digits, as they stand
  }
  if (const BitGroup* g = groupByLetter(letter)) {
    int byte = 0;
    for (int b = 0; b < 8; ++b) {
      const int32_t v = values[static_cast<size_t>(g->firstIndex + 1 + b)];
      if (v != 0 && v != 1) return "";
      byte += v << b;
    }
    return *settingCommand(letter, byte);
  }
  return "";
}

ChainStep chainStepAfter(std::string_view tag, const std::array<std::string, kLoadedLineCount>& lines,
                         const std::array<int32_t, kLoadedLineCount>& values) {
  ChainStep step;
  if (tag.size() != 2 || tag[0] != 'S') return step;
  constexpr size_t n = sizeof kLoadChain;
  for (size_t i = 0; i < n; ++i) {
    if (kLoadChain[i] != tag[1]) continue;
    // A setting whose line holds no four digits (a value the controller cannot take, which the
    // reader left empty) is skipped.
    size_t next = i + 1;
    while (next < n && skipped(kLoadChain[next], lines)) ++next;
    if (next == n) {
      step.kind = ChainStep::Finish;
      return step;
    }
    step.command = chainCommand(kLoadChain[next], lines, values);
    step.kind = step.command.empty() ? ChainStep::Broken : ChainStep::Send;
    return step;
  }
  return step;
}

}  // namespace zorv
