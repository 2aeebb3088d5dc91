#pragma once
// Two sets of settings side by side (a saved file, a snapshot, the controller as read back): what
// differs, named by the window's caption with the file's label beside it, in the catalogue's
// order, each value as the window shows it (a list's item by its text, a check box on or off, a
// gimbal rate with its sign). Pure code.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/text.h"
#include "core/main_state.h"

namespace zorv {

using Settings = std::array<int32_t, kParamCount>;

struct SettingDifference {
  int index;            // ParamValues index
  std::string caption;  // the window's caption ("Уровень стабилиз.", "Стабильность CH5 L")
  std::string label;    // the saved file's label, blanks trimmed ("Stabili_level")
  std::string from, to; // the two values as the window shows them
  bool sent;            // a file sent to the controller carries it (the battery cells never)
};

// The window's caption of parameter `index`.
std::string settingCaption(int index);
// `value` of parameter `index` as the window shows it.
std::string shownSetting(int index, int32_t value);

// Every parameter whose value differs between `from` and `to`, in index order.
std::vector<SettingDifference> compareSettings(const Settings& from, const Settings& to);
// Only those a file sent to the controller would change.
std::vector<SettingDifference> sentDifferences(const std::vector<SettingDifference>& all);

// "Уровень стабилиз. (Stabili_level) 50 → 40".
std::string differenceText(const SettingDifference& d);
Text differenceWords(const SettingDifference& d);  // the same, for the window
// The first `most` differences joined by ", ", then "and N more" when there are others.
std::string differenceList(const std::vector<SettingDifference>& differences, size_t most);
Text differenceListWords(const std::vector<SettingDifference>& differences, size_t most);

}  // namespace zorv
