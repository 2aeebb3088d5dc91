#pragma once
// The 7-byte setting command: 'S', a letter (or digit), four decimal digits, CR.

#include <optional>
#include <string>

namespace zorv {

constexpr int kSettingMax = 9999;

// Nothing for a value outside 0..9999: such a value is never put on the wire.
std::optional<std::string> settingCommand(char letter, int value);

// The same command with its four characters taken as they stand (a saved file's digits).
std::string settingCommandRaw(char letter, const std::string& fourChars);

}  // namespace zorv
