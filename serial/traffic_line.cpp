#include "serial/traffic_line.h"

#include <algorithm>

namespace zorv {

namespace {

constexpr char kHex[] = "0123456789ABCDEF";
// The longest line the log writes: a wide time, the direction, every byte three times and a half.
constexpr size_t kMaxLine = 32 + 4 * kTrafficMaxChunk;
constexpr size_t kMaxTimeDigits = 13;  // over 300 years of milliseconds

char shown(uint8_t b) { return b >= 0x20 && b < 0x7F ? static_cast<char>(b) : '.'; }

int hexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

void appendTime(std::string& out, int64_t timeUs) {
  uint64_t us = timeUs < 0 ? 0 : static_cast<uint64_t>(timeUs);
  char digits[32];
  size_t n = 0;
  for (int i = 0; i < 3; ++i, us /= 10) digits[n++] = static_cast<char>('0' + us % 10);
  digits[n++] = '.';
  do {
    digits[n++] = static_cast<char>('0' + us % 10);
    us /= 10;
  } while (us > 0);
  if (n < kTrafficTimeColumns) out.append(kTrafficTimeColumns - n, ' ');
  while (n > 0) out.push_back(digits[--n]);
}

// Where the characters of an n-byte chunk start, counted from the first hex digit.
size_t charactersOffset(size_t n) { return std::max(kTrafficHexColumns, n == 0 ? 0 : 3 * n - 1) + 2; }

}  // namespace

void appendTrafficLine(std::string& out, int64_t timeUs, Traffic direction, const uint8_t* bytes, size_t n) {
  appendTime(out, timeUs);
  out.push_back(' ');
  out.push_back(static_cast<char>(direction));
  if (direction == Traffic::Event) {
    if (n == 0) return;
    out.push_back(' ');
    for (size_t i = 0; i < std::min(n, kTrafficMaxEventText); ++i) out.push_back(shown(bytes[i]));
    return;
  }
  out.push_back(' ');
  const size_t hexStart = out.size();
  for (size_t i = 0; i < n; ++i) {
    if (i > 0) out.push_back(' ');
    out.push_back(kHex[bytes[i] >> 4]);
    out.push_back(kHex[bytes[i] & 0xF]);
  }
  out.append(hexStart + charactersOffset(n) - out.size(), ' ');
  for (size_t i = 0; i < n; ++i) out.push_back(shown(bytes[i]));
}

std::string trafficLine(int64_t timeUs, Traffic direction, std::string_view bytes) {
  std::string line;
  appendTrafficLine(line, timeUs, direction, reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
  return line;
}

bool parseTrafficLine(std::string_view line, TraceChunk& chunk, std::string& why) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  if (line.size() > kMaxLine) {
    why = "longer than any line of the log";
    return false;
  }
  size_t pos = 0;
  while (pos < line.size() && line[pos] == ' ') ++pos;
  const size_t digitsFrom = pos;
  while (pos < line.size() && isDigit(line[pos])) ++pos;
  const size_t whole = pos - digitsFrom;
  if (whole == 0 || whole > kMaxTimeDigits || pos + 4 > line.size() || line[pos] != '.' || !isDigit(line[pos + 1]) ||
      !isDigit(line[pos + 2]) || !isDigit(line[pos + 3])) {
    why = "no time in milliseconds (such as 12.345) at its start";
    return false;
  }
  int64_t us = 0;
  for (size_t i = digitsFrom; i < pos; ++i) us = us * 10 + (line[i] - '0');
  for (size_t i = pos + 1; i < pos + 4; ++i) us = us * 10 + (line[i] - '0');
  pos += 4;
  if (pos + 2 > line.size() || line[pos] != ' ' ||
      (line[pos + 1] != '>' && line[pos + 1] != '<' && line[pos + 1] != '*')) {
    why = "no direction ('>', '<' or '*') after the time";
    return false;
  }
  chunk.timeUs = us;
  chunk.direction = static_cast<Traffic>(line[pos + 1]);
  chunk.bytes.clear();
  pos += 2;
  if (chunk.direction == Traffic::Event) {
    if (pos < line.size()) {
      if (line[pos] != ' ') {
        why = "no blank after '*'";
        return false;
      }
      chunk.bytes.assign(line.substr(pos + 1, kTrafficMaxEventText));
    }
    return true;
  }

  if (pos >= line.size() || line[pos] != ' ') {
    why = "no bytes after the direction";
    return false;
  }
  const size_t hexStart = ++pos;
  for (;;) {
    if (pos + 2 > line.size() || hexValue(line[pos]) < 0 || hexValue(line[pos + 1]) < 0) {
      why = "a byte that is not two hexadecimal digits";
      return false;
    }
    if (chunk.bytes.size() == kTrafficMaxChunk) {
      why = "more bytes than one line holds";
      return false;
    }
    chunk.bytes.push_back(static_cast<char>(hexValue(line[pos]) << 4 | hexValue(line[pos + 1])));
    pos += 2;
    // One blank separates two bytes; two blanks (or the end of the line) end them.
    if (pos + 1 < line.size() && line[pos] == ' ' && line[pos + 1] != ' ') {
      ++pos;
      continue;
    }
    break;
  }
  const size_t n = chunk.bytes.size();
  const size_t charactersFrom = hexStart + charactersOffset(n);
  for (; pos < std::min(charactersFrom, line.size()); ++pos) {
    if (line[pos] != ' ') {
      why = "the bytes are not followed by their padding";
      return false;
    }
  }
  // The characters repeat the bytes; an editor may have taken the blanks off the line's end.
  const std::string_view characters = charactersFrom < line.size() ? line.substr(charactersFrom) : std::string_view();
  if (characters.size() > n) {
    why = "more characters than bytes";
    return false;
  }
  for (size_t i = 0; i < n; ++i) {
    const char expected = shown(static_cast<uint8_t>(chunk.bytes[i]));
    if (i < characters.size() ? characters[i] != expected : expected != ' ') {
      why = "the characters do not match the bytes";
      return false;
    }
  }
  return true;
}

TraceReading readTrace(std::string_view text) {
  TraceReading reading;
  if (text.size() > kTraceMaxText) {
    text = text.substr(0, kTraceMaxText);
    reading.cut = true;
  }
  size_t number = 0;
  std::string why;
  TraceChunk chunk;
  for (size_t from = 0; from < text.size();) {
    size_t end = text.find('\n', from);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view line = text.substr(from, end - from);
    from = end + 1;
    ++number;
    const size_t first = line.find_first_not_of(" \t\r");
    if (first == std::string_view::npos || line[first] == '#') continue;
    if (parseTrafficLine(line, chunk, why)) {
      chunk.line = number;
      reading.chunks.push_back(std::move(chunk));
      chunk = TraceChunk();
      continue;
    }
    ++reading.badLines;
    if (reading.problems.size() < kTraceMaxProblems) reading.problems.push_back("line " + std::to_string(number) + ": " + why);
  }
  return reading;
}

}  // namespace zorv
