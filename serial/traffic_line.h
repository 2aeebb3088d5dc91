#pragma once
// The text of the traffic log: one chunk written to or read from the port a line, as the trace
// file, the log window and a pilot's saved log show it, and the reader that turns such text back
// into chunks for a replay.
//
//        12.345 > 3F 43 0D                      ?C.
//        12.871 < 3F 43 0D 20 30 30 34 35 0D 0A  ?C. 0045..
//         0.000 * opened COM3
//
// The time in milliseconds with three decimals since the port was first opened, right-aligned in
// 9 columns (wider from 100,000.000 ms, 100 s, on); a blank; the direction ('>' written to the
// controller, '<' read from it, '*' the port opened, closed or was lost, followed by what
// happened); a blank;
// the bytes as two capital hexadecimal digits each, separated by single blanks and padded with
// blanks to 28 columns; two blanks; the bytes again as characters, '.' for any byte outside
// 0x20..0x7E. Lines starting with '#' are comments.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zorv {

enum class Traffic : char { Written = '>', Read = '<', Event = '*' };

// Columns of a line.
inline constexpr size_t kTrafficTimeColumns = 9;
inline constexpr size_t kTrafficHexColumns = 28;
// Longest chunk one line holds; a longer read shows as several lines with the same time.
inline constexpr size_t kTrafficMaxChunk = 65536;
// Longest text of an event line.
inline constexpr size_t kTrafficMaxEventText = 240;

// Appends the line of one chunk (without a line end) to `out`. Event text is cut to
// kTrafficMaxEventText and its control characters shown as '.'.
void appendTrafficLine(std::string& out, int64_t timeUs, Traffic direction, const uint8_t* bytes, size_t n);
std::string trafficLine(int64_t timeUs, Traffic direction, std::string_view bytes);

// One chunk read back from a line.
struct TraceChunk {
  int64_t timeUs = 0;
  Traffic direction = Traffic::Written;
  std::string bytes;  // the bytes written or read; for an event, its text
  size_t line = 0;    // line number in the text, from 1
};

// Reads one line (without its line end; a trailing CR is ignored). False when it is no traffic
// line; `why` then says what is wrong.
bool parseTrafficLine(std::string_view line, TraceChunk& chunk, std::string& why);

struct TraceReading {
  std::vector<TraceChunk> chunks;
  // Lines that are neither traffic, blank nor comments: how many, and the first few as
  // "line 7: why".
  size_t badLines = 0;
  std::vector<std::string> problems;
  // The text went on past kTraceMaxText; only its start was read.
  bool cut = false;
};

inline constexpr size_t kTraceMaxText = 64 * 1024 * 1024;
inline constexpr size_t kTraceMaxProblems = 10;

// Reads a whole trace: every line that parses, in order; the rest is counted and skipped. Reads
// at most kTraceMaxText bytes of the text; a line longer than any line the log writes is refused
// without being looked at further.
TraceReading readTrace(std::string_view text);

}  // namespace zorv
