// The traffic log's reader (readTrace) on any text, and the replay built from what it read.
//
// Each chunk read, written again by the log, reads back the same; a trace read again from the
// log's own text is the same trace. A replay fed the trace's own commands (opening the port where
// the trace did) never departs and sends exactly the bytes the trace read after them; a replay fed
// the raw text as a window's bytes sends no more than the trace holds and says only so much.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/fuzz_support.h"
#include "serial/traffic_line.h"
#include "serial/traffic_log.h"
#include "sim/replay.h"

namespace {

using zorv::Traffic;
using zorv::TraceChunk;

std::string drain(zorv::sim::Replay& replay) {
  std::string out;
  for (const auto& chunk : replay.takeOutput()) out.append(chunk.begin(), chunk.end());
  return out;
}

bool sameChunk(const TraceChunk& a, const TraceChunk& b) {
  return a.timeUs == b.timeUs && a.direction == b.direction && a.bytes == b.bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const zorv::TraceReading r = zorv::readTrace(text);
  size_t lines = 1;
  for (char c : text) lines += c == '\n';
  ZORV_FUZZ_CHECK(r.chunks.size() + r.badLines <= lines);
  ZORV_FUZZ_CHECK(r.problems.size() <= zorv::kTraceMaxProblems && r.problems.size() <= r.badLines);
  ZORV_FUZZ_CHECK(!r.cut);

  // Each chunk, written again, reads back as itself (an event's text as it is shown).
  static zorv::TrafficLog log;  // one for all runs: its 2 MiB are not taken and given back each time
  log.clear();
  size_t previousLine = 0;
  for (const TraceChunk& c : r.chunks) {
    ZORV_FUZZ_CHECK(c.line > previousLine && c.line <= lines);
    previousLine = c.line;
    ZORV_FUZZ_CHECK(c.bytes.size() <= zorv::kTrafficMaxChunk);
    ZORV_FUZZ_CHECK(c.direction == Traffic::Event ? c.bytes.size() <= zorv::kTrafficMaxEventText : !c.bytes.empty());
    const std::string line = zorv::trafficLine(c.timeUs, c.direction, c.bytes);
    TraceChunk again;
    std::string why;
    ZORV_FUZZ_CHECK(zorv::parseTrafficLine(line, again, why));
    if (c.direction != Traffic::Event) ZORV_FUZZ_CHECK(sameChunk(again, c));
    ZORV_FUZZ_CHECK(zorv::trafficLine(again.timeUs, again.direction, again.bytes) == line);
    log.record(again.timeUs, again.direction, again.bytes);
  }
  const zorv::TraceReading fromLog = zorv::readTrace(log.text());
  ZORV_FUZZ_CHECK(fromLog.badLines == 0);
  ZORV_FUZZ_CHECK(fromLog.chunks.size() == log.chunkCount());
  std::vector<zorv::TrafficChunk> held;
  log.read(0, SIZE_MAX, held);
  for (size_t i = 0; i < held.size(); ++i)
    ZORV_FUZZ_CHECK(fromLog.chunks[i].bytes == held[i].bytes && fromLog.chunks[i].timeUs == held[i].timeUs);

  // The trace's own session played to its replay.
  zorv::sim::Replay same(r.chunks, "fuzz.log");
  std::string expected, got;
  size_t reads = 0;
  bool started = false;
  for (const TraceChunk& c : r.chunks) {
    if (c.direction == Traffic::Event) {
      if (c.bytes.rfind("opened", 0) != 0) continue;
      same.portOpened();
      started = true;
    } else if (c.direction == Traffic::Written) {
      same.receive(c.bytes);
      started = true;
    } else {
      reads += c.bytes.size();
      if (started) expected += c.bytes;
      continue;
    }
    same.advance(zorv::sim::Replay::kMaxGapMs * 70000u);  // every answer to this command has come
    got += drain(same);
  }
  ZORV_FUZZ_CHECK(got == expected);
  ZORV_FUZZ_CHECK(same.departedAtLine() == 0);
  ZORV_FUZZ_CHECK(same.commandsMatched() == same.commandsInTrace());
  ZORV_FUZZ_CHECK(same.takeNotes().empty());

  // The text itself as a window's bytes, in pieces, with time passing between them.
  zorv::sim::Replay other(r.chunks, "fuzz.log");
  size_t sent = 0;
  for (size_t at = 0; at < text.size(); at += 16) {
    other.receive(std::string(text.substr(at, 16)));
    other.advance(static_cast<uint32_t>(data[at]) * 40);
    if (data[at] == '\n') other.portOpened();
    sent += drain(other).size();
  }
  other.advance(UINT32_MAX);
  sent += drain(other).size();
  ZORV_FUZZ_CHECK(sent <= reads);
  ZORV_FUZZ_CHECK(other.commandsMatched() <= other.commandsInTrace());
  ZORV_FUZZ_CHECK(other.takeNotes().size() <= zorv::sim::Replay::kMaxNotes + 1);
  ZORV_FUZZ_CHECK(other.log().size() <= zorv::sim::Replay::kMaxLogEntries);
  return 0;
}
