#include "files/snapshot_texts.h"

#include <vector>

namespace zorv {

std::string fillText(std::string_view textTemplate, std::initializer_list<std::string_view> values) {
  const std::vector<std::string_view> v(values);
  std::string out;
  out.reserve(textTemplate.size() + 64);
  for (size_t i = 0; i < textTemplate.size(); ++i) {
    const char c = textTemplate[i];
    if (c == '%' && i + 1 < textTemplate.size() && textTemplate[i + 1] >= '1' && textTemplate[i + 1] <= '9') {
      const size_t n = static_cast<size_t>(textTemplate[i + 1] - '1');
      if (n < v.size()) {
        out += v[n];  // a value is never searched for placeholders itself
        ++i;
        continue;
      }
    }
    out += c;
  }
  return out;
}

}  // namespace zorv
