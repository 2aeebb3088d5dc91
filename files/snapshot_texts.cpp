#include "files/snapshot_texts.h"

#include <vector>

namespace zorv {

std::string fillText(std::string_view textTemplate, std::initializer_list<std::string_view> values) {
  return fillTemplate(textTemplate, std::vector<std::string>(values.begin(), values.end()));
}

}  // namespace zorv
