#include "ctl/param_names.h"

#include <cctype>
#include <limits>

#include "core/control_layout.h"
#include "core/main_state.h"
#include "core/param_catalogue.h"

namespace zorv {

namespace {

constexpr int kFirstCell = 15, kLastCell = 18;

// A label or a NAME with its blanks left out, in lower case.
std::string folded(std::string_view s) {
  std::string out;
  for (char c : s)
    if (c != ' ') out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

}  // namespace

std::string labelOf(int index) {
  const std::string& l = paramLabels()[static_cast<size_t>(index)];
  const size_t first = l.find_first_not_of(' ');
  return first == std::string::npos ? "" : l.substr(first, l.find_last_not_of(' ') - first + 1);
}

ParamRange paramRange(int index) {
  for (const ListParam& p : listParams())
    if (p.index == index) return {ParamControl::List, 1, static_cast<int>(comboItems(p.combo).size())};
  if (const SliderParam* p = sliderByIndex(index)) return {ParamControl::Slider, p->lo, p->hi};
  if (index >= kFirstCell && index <= kLastCell) return {ParamControl::Cell, 0, 0};
  const BitGroup& sensors = bitGroups()[kSensorGroup];
  if (index >= sensors.firstIndex && index < sensors.firstIndex + 8) return {ParamControl::Sensor, 0, 1};
  for (int g : {kReceiverReverseGroup, kOutputReverseGroup}) {
    const BitGroup& group = bitGroups()[static_cast<size_t>(g)];
    if (index >= group.firstIndex && index < group.firstIndex + 8) return {ParamControl::Reverse, 0, 1};
  }
  return {ParamControl::Matrix, 0, 1};
}

std::optional<int> parseWholeNumber(std::string_view text) {
  size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  if (i == text.size()) return std::nullopt;
  long long v = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return std::nullopt;
    v = v * 10 + (text[i] - '0');
    if (v > std::numeric_limits<int>::max()) return std::nullopt;
  }
  return static_cast<int>(negative ? -v : v);
}

std::optional<int> findParam(std::string_view name, std::string* error) {
  if (const std::optional<int> n = parseWholeNumber(name)) {
    if (*n >= 0 && *n < kParamCount) return *n;
    *error = "there is no parameter " + std::string(name) + "; the indexes run from 0 to 114";
    return std::nullopt;
  }
  const std::string wanted = folded(name);
  if (!wanted.empty()) {
    const auto& labels = paramLabels();
    for (size_t i = 0; i < labels.size(); ++i)
      if (folded(labels[i]) == wanted) return static_cast<int>(i);
  }
  *error = "there is no parameter named '" + std::string(name) + "'; 'zorvctl read' lists every name";
  return std::nullopt;
}

std::optional<Assignment> parseAssignment(std::string_view arg, std::string* error) {
  const size_t eq = arg.find('=');
  if (eq == std::string_view::npos) {
    *error = "'" + std::string(arg) + "' is not NAME=VALUE";
    return std::nullopt;
  }
  const std::string_view name = arg.substr(0, eq), text = arg.substr(eq + 1);
  const std::optional<int> index = findParam(name, error);
  if (!index) return std::nullopt;
  const std::string label = labelOf(*index);
  const ParamRange range = paramRange(*index);
  if (range.control == ParamControl::Cell) {
    *error = "'" + label + "' is a battery cell reading; it is set by 'zorvctl calibrate'";
    return std::nullopt;
  }
  const std::optional<int> value = parseWholeNumber(text);
  if (!value || *value < range.lo || *value > range.hi) {
    std::string why = "'" + label + "' takes ";
    if (range.control == ParamControl::List) {
      why += "an item number from 1 to " + std::to_string(range.hi);
    } else if (range.hi == 1 && range.lo == 0) {
      why += "0 (clear) or 1 (ticked)";
    } else {
      why += "a whole number from " + std::to_string(range.lo) + " to " + std::to_string(range.hi);
    }
    *error = why + ", not '" + std::string(text) + "'";
    return std::nullopt;
  }
  return Assignment{*index, *value};
}

}  // namespace zorv
