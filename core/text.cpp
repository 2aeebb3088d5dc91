#include "core/text.h"

namespace zorv {

Text::Text(Marked marked) : context_(marked.context), source_(marked.source ? marked.source : "") {}

Text Text::plain(std::string words) {
  Text t;
  t.source_ = std::move(words);
  return t;
}

Text& Text::arg(const Text& part) & {
  parts_.push_back(part);
  return *this;
}

Text& Text::arg(std::string part) & {
  parts_.push_back(plain(std::move(part)));
  return *this;
}

Text& Text::arg(long long number) & { return arg(std::to_string(number)); }

std::string Text::original() const {
  if (parts_.empty()) return source_;
  std::vector<std::string> filled;
  filled.reserve(parts_.size());
  for (const Text& p : parts_) filled.push_back(p.original());
  return fillTemplate(source_, filled);
}

std::string fillTemplate(std::string_view pattern, const std::vector<std::string>& parts) {
  std::string out;
  out.reserve(pattern.size() + 32);
  for (size_t i = 0; i < pattern.size(); ++i) {
    const char c = pattern[i];
    if (c == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
      const size_t n = static_cast<size_t>(pattern[i + 1] - '1');
      if (n < parts.size()) {
        out += parts[n];
        ++i;
        continue;
      }
    }
    out += c;
  }
  return out;
}

Text joinedList(const std::vector<Text>& items, Marked pair, Marked last) {
  if (items.empty()) return {};
  Text list = items[0];
  for (size_t k = 1; k < items.size(); ++k) list = (k + 1 == items.size() ? last : pair).arg(list).arg(items[k]);
  return list;
}

}  // namespace zorv
