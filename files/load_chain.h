#pragma once
// The chain that sends a loaded parameter file to the controller, one setting per answer.
// "Sj0004" announces the file; the controller's answer to each setting (tagged 'S' and the
// letter it answers) is followed by the next setting; the answer to the last one ends the chain
// with a full read-back. Pure code: the step is decided from the tag and the loaded lines.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/main_state.h"

namespace zorv {

// The letters in chain order: 'j' is the announcement, then the stability level, the other
// settings, the nine flight-mode rows and the sensor and reverse bytes.
constexpr char kLoadChain[] = {'j', 'C', 'A', 'B', 'P', 'D', 'E', 'F', 'G', 'Y', 'Z', 'R', 'T', 'J',
                               'K', 'L', 'a', 'b', 'c', 'd', 'e', 'f', 'g', 'h', 'i', 'M', 'N', 'O'};

struct ChainStep {
  enum Kind { Unknown, Send, Finish, Broken } kind = Unknown;
  std::string command;  // for Send
};

// The command that announces a saved file.
std::string chainStartCommand();

// What follows the answer tagged `tag` (its first two characters).
ChainStep chainStepAfter(std::string_view tag, const std::array<std::string, kLoadedLineCount>& lines,
                         const std::array<int32_t, kLoadedLineCount>& values);

// The setting command of one chain letter from the loaded file; empty when the loaded text is
// not something the controller can take. chainStepAfter skips the settings whose line holds no
// four digits; a check-box line other than 0 or 1 (never in a file the reader accepted) stops
// the chain.
std::string chainCommand(char letter, const std::array<std::string, kLoadedLineCount>& lines,
                         const std::array<int32_t, kLoadedLineCount>& values);

}  // namespace zorv
