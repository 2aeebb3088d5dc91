#include "core/setting_command.h"

namespace zorv {

std::optional<std::string> settingCommand(char letter, int value) {
  if (value < 0 || value > kSettingMax) return std::nullopt;
  std::string s(7, '0');
  s[0] = 'S';
  s[1] = letter;
  for (int k = 5; k >= 2; --k) {
    s[static_cast<size_t>(k)] = static_cast<char>('0' + value % 10);
    value /= 10;
  }
  s[6] = '\r';
  return s;
}

std::string settingCommandRaw(char letter, const std::string& fourChars) {
  std::string s = "S";
  s += letter;
  s += fourChars;
  s += '\r';
  return s;
}

}  // namespace zorv
