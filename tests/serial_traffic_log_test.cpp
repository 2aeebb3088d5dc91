// The traffic log: the text of a line both ways, the trace reader's refusals, the ring's bounds,
// reading it piece by piece, the trace file, and the port that records into it.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "serial/traffic_line.h"
#include "serial/traffic_log.h"
#include "serial/traffic_port.h"
#include "sim/sim_port.h"
#include "tests/support/read_file.h"
#include "tests/support/test_names.h"

namespace zorv {
namespace {

struct LineCase {
  const char* name;
  int64_t timeUs;
  Traffic direction;
  std::string bytes;
  std::string line;
};
void PrintTo(const LineCase& c, std::ostream* os) { *os << c.name; }

const LineCase kLines[] = {
    {"a query", 12345, Traffic::Written, "?C\r", "   12.345 > 3F 43 0D                      ?C."},
    {"a ten-byte reply fills the hex column", 12871, Traffic::Read, "?C\r 0045\r\n",
     "   12.871 < 3F 43 0D 20 30 30 34 35 0D 0A  ?C. 0045.."},
    {"the identity reply goes past it", 40000, Traffic::Read, "?W\r TKVR01\r\n",
     "   40.000 < 3F 57 0D 20 54 4B 56 52 30 31 0D 0A  ?W. TKVR01.."},
    {"bytes outside printable ASCII show as dots", 0, Traffic::Read, std::string("\0\x1F\x7F\x80\xFF ~", 7),
     "    0.000 < 00 1F 7F 80 FF 20 7E          ..... ~"},
    {"a chunk ending in a blank", 7, Traffic::Read, "A ", "    0.007 < 41 20                         A "},
    {"a day's session widens the time", 86400000000, Traffic::Written, "S~0000\r",
     "86400000.000 > 53 7E 30 30 30 30 0D          S~0000."},
    {"a port event", 1500, Traffic::Event, "opened COM3", "    1.500 * opened COM3"},
    {"control characters in an event", 2000, Traffic::Event, "lost: a\nb", "    2.000 * lost: a.b"},
};

class TrafficLineText : public ::testing::TestWithParam<LineCase> {};

TEST_P(TrafficLineText, WrittenAndReadBack) {
  const LineCase& c = GetParam();
  EXPECT_EQ(trafficLine(c.timeUs, c.direction, c.bytes), c.line);
  TraceChunk chunk;
  std::string why;
  ASSERT_TRUE(parseTrafficLine(c.line, chunk, why)) << why;
  EXPECT_EQ(chunk.timeUs, c.timeUs);
  EXPECT_EQ(chunk.direction, c.direction);
  // An event reads back as the text shown.
  const std::string bytes = c.direction == Traffic::Event ? c.line.substr(c.line.find('*') + 2) : c.bytes;
  EXPECT_EQ(chunk.bytes, bytes);
  // As a Windows editor saves it, and with the blanks at its end taken off.
  ASSERT_TRUE(parseTrafficLine(c.line + "\r", chunk, why)) << why;
  std::string trimmed = c.line;
  trimmed.erase(trimmed.find_last_not_of(' ') + 1);
  ASSERT_TRUE(parseTrafficLine(trimmed, chunk, why)) << why;
  EXPECT_EQ(chunk.bytes, bytes);
}

INSTANTIATE_TEST_SUITE_P(Table, TrafficLineText, ::testing::ValuesIn(kLines), test::RowName());

TEST(TraceReader, RefusesWhatTheLogNeverWrites) {
  const std::string good = "   12.345 > 3F 43 0D                      ?C.";
  struct Case {
    const char* name;
    std::string line, why;
  } cases[] = {
      {"no time", "> 3F 43 0D", "no time"},
      {"time without three decimals", "   12.34 > 3F", "no time"},
      {"fourteen digits of milliseconds", "12345678901234.000 > 3F", "no time"},
      {"unknown direction", "   12.345 = 3F 43 0D", "no direction"},
      {"no bytes", "   12.345 > ", "a byte that is not two hexadecimal digits"},
      {"half a byte", "   12.345 > 3F 4", "a byte that is not two hexadecimal digits"},
      {"characters right after the bytes", "   12.345 > 3F 43 0D ?C.", "a byte that is not"},
      {"characters that are not the bytes", "   12.345 > 3F 43 0D                      ?A.", "do not match"},
      {"more characters than bytes", good + "x", "more characters than bytes"},
      {"padding missing", "   12.345 > 3F 43 0D  ?C.", "padding"},
      {"a line past any the log writes", "   12.345 > " + std::string(300000, 'A'), "longer than any line"},
  };
  for (const Case& c : cases) {
    TraceChunk chunk;
    std::string why;
    EXPECT_FALSE(parseTrafficLine(c.line, chunk, why)) << c.name;
    EXPECT_NE(why.find(c.why), std::string::npos) << c.name << ": " << why;
  }
  TraceChunk chunk;
  std::string why;
  EXPECT_TRUE(parseTrafficLine("   12.345 > 3f 43 0d                      ?C.", chunk, why)) << "lower case: " << why;
}

TEST(TraceReader, SkipsCommentsAndCountsBadLines) {
  const std::string text =
      "# Zorv traffic log\n"
      "\n"
      "    0.000 * opened COM3\r\n"
      "   12.345 > 3F 43 0D                      ?C.\n"
      "garbage\n"
      "   12.871 < 3F 43 0D 20 30 30 34 35 0D 0A  ?C. 0045..";  // no line end at the end
  const TraceReading r = readTrace(text);
  ASSERT_EQ(r.chunks.size(), 3u);
  EXPECT_EQ(r.chunks[0].bytes, "opened COM3");
  EXPECT_EQ(r.chunks[1].line, 4u);
  EXPECT_EQ(r.chunks[2].bytes, "?C\r 0045\r\n");
  EXPECT_EQ(r.chunks[2].line, 6u);
  EXPECT_EQ(r.badLines, 1u);
  ASSERT_EQ(r.problems.size(), 1u);
  EXPECT_EQ(r.problems[0].rfind("line 5: no time", 0), 0u) << r.problems[0];
  EXPECT_FALSE(r.cut);
}

// Chunk k holds its number in its first bytes, so that the newest kept can be told apart.
std::string chunkBytes(size_t k, size_t size) {
  std::string b(size, static_cast<char>('a' + k % 26));
  const std::string n = std::to_string(k);
  b.replace(0, std::min(n.size(), size), n.substr(0, size));
  return b;
}

TEST(TrafficLogRing, StaysWithinItsBounds) {
  struct Case {
    const char* name;
    size_t chunks, size;
    size_t held;
    uint64_t first;
  } cases[] = {
      {"20,000 queries are all kept", 20000, 3, 20000, 0},
      {"the next one drops the oldest", 20001, 3, 20000, 1},
      {"2 MiB of packets are all kept", 32768, 64, 20000, 12768},
      {"2 MiB of large reads", 2048, 1024, 2048, 0},
      {"a byte more drops the oldest read", 2049, 1024, 2048, 1},
      {"an hour of the monitor stream", 180000, 38, 20000, 160000},
      {"a read longer than a line is kept as several", 1, 200000, 4, 0},
      {"three reads of 1.5 MiB: the last 2 MiB, in lines of 64 KiB", 3, 1536 * 1024, 32, 40},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TrafficLog log;
    for (size_t k = 0; k < c.chunks; ++k) log.record(static_cast<int64_t>(k), Traffic::Read, chunkBytes(k, c.size));
    EXPECT_EQ(log.chunkCount(), c.held);
    EXPECT_EQ(log.firstSequence(), c.first);
    EXPECT_LE(log.byteCount(), TrafficLog::kMaxBytes);
    std::vector<TrafficChunk> all;
    EXPECT_EQ(log.read(0, SIZE_MAX, all), log.endSequence());
    ASSERT_EQ(all.size(), c.held);
    size_t bytes = 0;
    for (const TrafficChunk& ch : all) bytes += ch.bytes.size();
    EXPECT_EQ(bytes, log.byteCount());
    // The newest chunk is whole, however often the ring went round.
    const std::string last = chunkBytes(c.chunks - 1, c.size);
    const size_t tail = last.size() % kTrafficMaxChunk == 0 ? kTrafficMaxChunk : last.size() % kTrafficMaxChunk;
    EXPECT_EQ(all.back().bytes, last.substr(last.size() - tail));
    EXPECT_EQ(all.back().timeUs, static_cast<int64_t>(c.chunks - 1));
  }
}

TEST(TrafficLogRing, AViewerReadsWhatCameSinceItLastLooked) {
  TrafficLog log;
  for (int k = 0; k < 5; ++k) log.record(k * 1000, Traffic::Written, "?C\r");
  std::string text;
  uint64_t next = log.readLines(0, 3, text);
  EXPECT_EQ(next, 3u);
  EXPECT_EQ(text, "    0.000 > 3F 43 0D                      ?C.\n    1.000 > 3F 43 0D                      ?C.\n"
                  "    2.000 > 3F 43 0D                      ?C.\n");
  log.record(5000, Traffic::Read, "x");
  std::vector<TrafficChunk> chunks;
  next = log.read(next, 100, chunks);
  EXPECT_EQ(next, 6u);
  ASSERT_EQ(chunks.size(), 3u);
  EXPECT_EQ(chunks[2].sequence, 5u);
  EXPECT_EQ(chunks[2].bytes, "x");
  EXPECT_EQ(log.read(next, 100, chunks), next) << "nothing new";
  // A viewer that fell behind by more than the ring holds goes on from the oldest kept.
  for (size_t k = 0; k < TrafficLog::kMaxChunks + 10; ++k) log.record(6000, Traffic::Read, "y");
  chunks.clear();
  EXPECT_EQ(log.read(next, 1, chunks), log.firstSequence() + 1);
  EXPECT_EQ(chunks[0].sequence, log.firstSequence());
  EXPECT_GT(chunks[0].sequence, next) << "the viewer sees how many it missed";
  log.clear();
  EXPECT_EQ(log.text(), "");
  EXPECT_EQ(log.firstSequence(), log.endSequence());
}

TEST(TraceFileSink, EachLineIsOnDiskAsSoonAsItIsRecorded) {
  const std::string path = ::testing::TempDir() + "zorv-trace-test.log";
  TraceFile file;
  ASSERT_TRUE(file.open(path)) << file.error();
  TrafficLog log;
  log.setSink(&file);
  log.record(0, Traffic::Event, "opened COM3");
  EXPECT_EQ(test::readFile(path), "    0.000 * opened COM3\n");
  log.record(12345, Traffic::Written, "?C\r");
  EXPECT_EQ(test::readFile(path), log.text()) << "the file holds what the log holds, before it is closed";

  TraceFile small;
  ASSERT_TRUE(small.open(path, 60));
  log.setSink(&small);
  log.record(13000, Traffic::Read, "?C\r 0045\r\n");
  EXPECT_TRUE(small.writing());
  log.record(14000, Traffic::Read, "?C\r 0045\r\n");
  EXPECT_FALSE(small.writing());
  EXPECT_NE(small.error().find("size limit of 60 bytes"), std::string::npos) << small.error();
  const std::string written = test::readFile(path);
  EXPECT_EQ(written.substr(written.find('\n') + 1), "# " + small.error() + "\n") << "the file says why it ends";
  log.setSink(nullptr);

  TraceFile nowhere;
  EXPECT_FALSE(nowhere.open("/nonexistent-folder/trace.log"));
  EXPECT_NE(nowhere.error().find("cannot write /nonexistent-folder/trace.log"), std::string::npos);
  std::remove(path.c_str());
}

TEST(TrafficPortLog, RecordsWhatCrossesThePortAndWhatHappensToIt) {
  sim::SimPort sim;
  int64_t clockUs = 1000000;
  TrafficPort port(sim, [&] { return clockUs; });
  port.setPortNumber(3);
  std::vector<std::string> lost;
  port.onLost = [&](const std::string& why) { lost.push_back(why); };
  int events = 0;
  port.onReceive = [&] { ++events; };

  port.write("?C\r");  // not open: dropped, and not logged
  sim.failOpen = true;
  EXPECT_FALSE(port.open());
  sim.failOpen = false;
  clockUs += 500;
  ASSERT_TRUE(port.open());
  clockUs += 12345;
  port.write("?C\r");
  ASSERT_TRUE(sim.deliverOne());
  clockUs += 526;
  EXPECT_EQ(port.readAll().size(), 10u);
  EXPECT_TRUE(port.readAll().empty()) << "an empty read";
  clockUs -= 100000;  // a clock that steps back does not take the log's times with it
  port.close();
  port.write("?C\r");
  clockUs += 200000;
  ASSERT_TRUE(port.open());
  sim.controller().faults.vanishAfterBytes = 0;
  EXPECT_TRUE(sim.deliverOne());
  EXPECT_EQ(events, 1);
  ASSERT_EQ(lost.size(), 1u);
  EXPECT_EQ(port.log().text(),
            "    0.000 * could not open COM3: No such file or directory\n"
            "    0.500 * opened COM3\n"
            "   12.845 > 3F 43 0D                      ?C.\n"
            "   13.371 < 3F 43 0D 20 30 30 35 30 0D 0A  ?C. 0050..\n"
            "   13.371 * closed\n"
            "  113.371 * opened COM3\n"
            "  113.371 * lost: " + lost[0] + "\n");
}

}  // namespace
}  // namespace zorv
