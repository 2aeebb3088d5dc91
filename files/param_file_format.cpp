#include "files/param_file_format.h"

#include <algorithm>
#include <climits>
#include <optional>

#include "core/param_catalogue.h"
#include "core/text_number.h"

namespace zorv {

namespace {

constexpr size_t kFieldColumn = 13;
constexpr int kFirstCheckBoxIndex = 19;
constexpr int kFirstBatteryIndex = 15;  // 15..18 are written and read but never sent
constexpr int kLastBatteryIndex = 18;

bool isGimbal(int index) { return index == 12 || index == 13; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Four digits for 0..9999 ("000%d", "00%d", "0%d" up to 999 and the plain four digits above:
// a fifth character would shift the value out of the columns the loader reads); anything else
// as "%d", which the loader takes but never sends.
std::string fourDigits(long long v) {
  if (v < 0 || v > 9999) return std::to_string(v);
  std::string s = std::to_string(v);
  return std::string(4 - s.size(), '0') + s;
}

std::string quoted(const std::string& s) { return "\"" + s + "\""; }

// The number at the start of a field when it reads exactly as "%d" writes it (no leading zero,
// no plus sign), followed by anything but a digit; at most 11 characters, as an int's.
std::optional<long long> writtenNumber(const std::string& field) {
  size_t end = !field.empty() && field[0] == '-' ? 1 : 0;
  const size_t first = end;
  while (end < field.size() && end < 12 && isDigit(field[end])) ++end;
  if (end == first || end == 12 || (end < field.size() && isDigit(field[end]))) return std::nullopt;
  const std::string number = field.substr(0, end);
  const long long value = std::stoll(number);
  if (std::to_string(value) != number) return std::nullopt;
  return value;
}

// The value of a line checkParamLine took: four digits, or "%d" (a cell at any width); the
// gimbal rates lose their offset. Values past an int's range (never written) are cut to it.
int32_t heldValue(int index, const std::string& line) {
  const std::string rest = line.substr(kFieldColumn);
  if (index >= kFirstCheckBoxIndex) return rest[0] - '0';
  long long v = 0;
  if (index >= kFirstBatteryIndex && index <= kLastBatteryIndex) {
    v = leadingInt(rest);
  } else if (const std::optional<long long> wire = writtenNumber(rest); wire && (*wire < 0 || *wire > 9999)) {
    v = *wire;
  } else {
    v = leadingInt(rest.substr(0, 4));
  }
  if (isGimbal(index)) v -= kGimbalWireOffset;
  return static_cast<int32_t>(std::clamp<long long>(v, INT32_MIN, INT32_MAX));
}


// Splits at LF; the CRs before each LF are dropped. A final LF ends the last line rather than
// starting an empty one.
std::vector<std::string> splitLines(std::string_view bytes, size_t* total) {
  std::vector<std::string> lines;
  *total = 0;
  size_t start = 0;
  while (start < bytes.size()) {
    size_t end = bytes.find('\n', start);
    const size_t next = end == std::string_view::npos ? bytes.size() : end + 1;
    if (end == std::string_view::npos) end = bytes.size();
    size_t stop = end;
    while (stop > start && bytes[stop - 1] == '\r') --stop;
    if (lines.size() < static_cast<size_t>(kLoadedLineCount))
      lines.emplace_back(bytes.substr(start, stop - start));
    ++*total;
    start = next;
  }
  return lines;
}

// Nothing when line n (1..115) is sound, else why not, in words the window translates. A value
// beyond what the tool knows is added to `unknown`.
Text checkParamLine(size_t n, const std::string& line, std::vector<ParamFileReading::Unknown>* unknown) {
  const int index = static_cast<int>(n) - 1;
  const std::string& label = paramLabels()[static_cast<size_t>(index)];
  const long long number = static_cast<long long>(n) + 1;
  if (line.compare(0, label.size(), label) != 0)
    return ZORV_TEXT("Messages", "line %1 does not start with the label %2").arg(number).arg(quoted(label));
  const std::string rest = line.substr(kFieldColumn);

  if (index >= kFirstCheckBoxIndex) {
    if (rest.empty() || (rest[0] != '0' && rest[0] != '1'))
      return ZORV_TEXT("Messages", "line %1 (%2) holds %3 where a 0 or 1 belongs")
          .arg(number)
          .arg(quoted(label))
          .arg(quoted(rest.substr(0, 1)));
    return {};
  }
  const bool fourDigitField = rest.size() >= 4 && isDigit(rest[0]) && isDigit(rest[1]) && isDigit(rest[2]) &&
                              isDigit(rest[3]) && (rest.size() == 4 || !isDigit(rest[4]));
  if (index >= kFirstBatteryIndex && index <= kLastBatteryIndex) {
    // Never sent: a cell value of any width is taken ("01000", a negative one as "%d").
    const size_t digitsAt = !rest.empty() && rest[0] == '-' ? 1 : 0;
    if (rest.size() > digitsAt && isDigit(rest[digitsAt])) return {};
    return ZORV_TEXT("Messages", "line %1 (%2) does not hold a cell value").arg(number).arg(quoted(label));
  }
  const int offset = isGimbal(index) ? kGimbalWireOffset : 0;
  const ParamScale scale = paramScale(index);
  const std::string known = fourDigits(scale.lo + offset) + " to " + fourDigits(scale.hi + offset);
  if (fourDigitField) {
    // Beyond the parameter's list or scale: a value the controller held when the file was saved.
    if (!scale.holds(leadingInt(rest.substr(0, 4)) - offset))
      unknown->push_back({0, label, rest.substr(0, 4), known, true});
    return {};
  }
  // A value that cannot go out as four digits, exactly as the writer puts it ("%d").
  if (const std::optional<long long> wire = writtenNumber(rest); wire && (*wire < 0 || *wire > 9999)) {
    unknown->push_back({0, label, std::to_string(*wire), known, false});
    return {};
  }
  return ZORV_TEXT("Messages", "line %1 (%2) does not hold a four-digit value").arg(number).arg(quoted(label));
}

}  // namespace

std::string paramFileLine(int index, int value) {
  std::string line = paramLabels()[static_cast<size_t>(index)];
  if (index >= kFirstCheckBoxIndex) return line + std::to_string(value);
  if (isGimbal(index)) return line + fourDigits(static_cast<long long>(value) + kGimbalWireOffset) + "-100";
  // The cells are never sent back: they keep the plain "0%d" from 100 up, 1000 as "01000".
  if (index >= kFirstBatteryIndex && index <= kLastBatteryIndex && value >= 1000) return line + "0" + std::to_string(value);
  return line + fourDigits(value);
}

std::string writeParamFile(int portNumber, const std::array<int32_t, kParamCount>& values) {
  std::string out = kParamFilePortPrefix + std::to_string(portNumber) + kParamFileLineEnd;
  for (int i = 0; i < kParamCount; ++i) out += paramFileLine(i, values[static_cast<size_t>(i)]) + kParamFileLineEnd;
  return out;
}

ParamFileReading readParamFile(std::string_view bytes) {
  ParamFileReading r;
  if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);  // an editor's byte-order mark
  auto refuse = [&r](const Text& why) {
    r.refusalWords = why;
    r.refusal = why.original();
  };
  if (bytes.empty()) {
    refuse(ZORV_TEXT("Messages", "the file is empty"));
    return r;
  }
  size_t total = 0;
  const std::vector<std::string> lines = splitLines(bytes, &total);
  if (total < static_cast<size_t>(kParamFileLines)) {
    refuse((total == 1 ? ZORV_TEXT("Messages", "it has %1 line, a saved parameter file has %2")
                       : ZORV_TEXT("Messages", "it has %1 lines, a saved parameter file has %2"))
               .arg(static_cast<long long>(total))
               .arg(kParamFileLines));
    return r;
  }
  if (lines[0].compare(0, sizeof kParamFilePortPrefix - 1, kParamFilePortPrefix) != 0) {
    refuse(ZORV_TEXT("Messages", "its first line does not start with %1").arg(quoted(kParamFilePortPrefix)));
    return r;
  }
  for (size_t n = 1; n < static_cast<size_t>(kParamFileLines); ++n) {
    const size_t known = r.unknown.size();
    const Text why = checkParamLine(n, lines[n], &r.unknown);
    if (!why.empty()) {
      refuse(why);
      r.unknown.clear();
      return r;
    }
    if (r.unknown.size() > known) r.unknown.back().line = static_cast<int>(n) + 1;
  }
  for (size_t n = 0; n < lines.size(); ++n) {
    const size_t width = n < 20 ? 4 : 1;
    r.lines.push_back(lines[n].size() > kFieldColumn ? lines[n].substr(kFieldColumn, width) : "");
  }
  for (const ParamFileReading::Unknown& u : r.unknown)
    if (!u.sent) r.lines[static_cast<size_t>(u.line) - 1].clear();  // the chain skips it
  for (size_t n = 20; n < static_cast<size_t>(kParamFileLines); ++n) r.values[n] = leadingInt(r.lines[n]);
  for (int i = 0; i < kParamCount; ++i) r.params[static_cast<size_t>(i)] = heldValue(i, lines[static_cast<size_t>(i) + 1]);
  r.ok = true;
  return r;
}

}  // namespace zorv
