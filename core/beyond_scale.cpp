#include "core/beyond_scale.h"

#include <algorithm>
#include <array>

#include "core/param_catalogue.h"

namespace zorv {

std::string settingName(int index) {
  static const std::array<const char*, 15> names = {
      "Model type",        "ESC rate",      "Servo rate",        "Stability level",      "AUX stability",
      "Dynamic stability", "Balance level", "AUX balance",       "Heading stability",    "Compass sensitivity",
      "Height lock",       "Barometer sensitivity", "Gimbal pitch", "Gimbal roll",       "Alarm voltage"};
  return index >= 0 && index < static_cast<int>(names.size()) ? names[static_cast<size_t>(index)]
                                                              : paramLabels()[static_cast<size_t>(index)];
}

void BeyondScaleReport::reported(int index, int value) {
  auto at = std::find_if(notes_.begin(), notes_.end(), [&](const auto& n) { return n.first >= index; });
  const bool known = paramScale(index).holds(value);
  if (at != notes_.end() && at->first == index) {
    if (known) {
      notes_.erase(at);
    } else {
      at->second = value;
    }
  } else if (!known) {
    notes_.insert(at, {index, value});
  }
}

Text BeyondScaleReport::words() const {
  Text list;
  for (const auto& [index, value] : notes_) {
    const ParamScale scale = paramScale(index);
    Text item = ZORV_TEXT("Messages", "%1 %2 (%3 to %4)").arg(settingName(index)).arg(value).arg(scale.lo).arg(scale.hi);
    list = list.empty() ? item : ZORV_TEXT("Messages", "%1, %2").arg(list).arg(item);
  }
  return ZORV_TEXT("Messages", "%1%2. They are kept and saved as they are; nothing is sent unless you change them.")
      .arg(Text(kBeyondScaleOpening))
      .arg(list);
}

std::string BeyondScaleReport::message() const { return words().original(); }

}  // namespace zorv
