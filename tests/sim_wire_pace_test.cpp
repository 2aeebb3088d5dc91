// The line's timetable that corvex-sim --pace and the benchmarks' relay release bytes by.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sim/wire_pace.h"

namespace zorv::sim {
namespace {

constexpr double kByte = WirePace::kByteUs;

struct Send {
  double startUs;
  std::string bytes;
  double dueUs;  // expected
};

struct Take {
  double nowUs;
  std::string out;  // expected
};

struct PaceCase {
  const char* name;
  std::vector<Send> sends;
  std::vector<Take> takes;
};

TEST(WirePace, ChunksCrossOneAfterAnotherAndAreHandedOverWhenTheirLastByteHas) {
  const std::vector<PaceCase> cases = {
      {"one request", {{1000, "?C\r", 1000 + 3 * kByte}}, {{1000 + 3 * kByte - 1, ""}, {1000 + 3 * kByte, "?C\r"}}},
      {"a chunk given while the wire is busy waits behind the one before",
       {{0, "0123456789", 10 * kByte}, {5 * kByte, "ab", 12 * kByte}},
       {{10 * kByte, "0123456789"}, {12 * kByte - 0.5, ""}, {12 * kByte, "ab"}}},
      {"a chunk given after the wire went idle starts then",
       {{0, "x", kByte}, {1000, "yz", 1000 + 2 * kByte}},
       {{500, "x"}, {1000 + kByte, ""}, {1000 + 2 * kByte, "yz"}}},
      {"a late look hands over everything due, in order",
       {{0, "ab", 2 * kByte}, {0, "cd", 4 * kByte}, {0, "ef", 6 * kByte}},
       {{1e6, "abcdef"}}},
      {"nothing given: nothing handed over", {}, {{1e9, ""}}},
  };
  for (const PaceCase& c : cases) {
    WirePace pace;
    for (const Send& s : c.sends) EXPECT_DOUBLE_EQ(pace.send(s.startUs, s.bytes), s.dueUs) << c.name;
    for (const Take& t : c.takes) {
      std::string out;
      EXPECT_EQ(pace.takeDue(t.nowUs, out), !t.out.empty()) << c.name << " at " << t.nowUs;
      EXPECT_EQ(out, t.out) << c.name << " at " << t.nowUs;
    }
    EXPECT_TRUE(pace.empty()) << c.name;
    EXPECT_EQ(pace.queuedBytes(), 0u) << c.name;
  }
}

TEST(WirePace, ReportsTheNextDeadlineAndWhenTheLastChunkTakenCrossed) {
  WirePace pace;
  EXPECT_EQ(pace.nextDueUs(), std::numeric_limits<double>::infinity());
  pace.send(100, "abc");
  pace.send(100, "d");
  EXPECT_DOUBLE_EQ(pace.nextDueUs(), 100 + 3 * kByte);
  EXPECT_EQ(pace.queuedBytes(), 4u);
  std::string out;
  double crossed = 0;
  ASSERT_TRUE(pace.takeDue(100 + 10 * kByte, out, &crossed));
  EXPECT_DOUBLE_EQ(crossed, 100 + 4 * kByte);
  pace.send(0, "late");
  pace.clear(5000);
  EXPECT_TRUE(pace.empty());
  EXPECT_DOUBLE_EQ(pace.send(5000, "e"), 5000 + kByte) << "the wire is free from the moment it was cleared";
}

struct AnswerCase {
  const char* name;
  std::vector<double> crossed;  // requests crossed at these times, before the read
  std::vector<double> reads;    // bytes read from the controller at these times
  std::vector<double> starts;   // expected start of each
};

TEST(AnswerClock, AnAnswerStartsWhenItsRequestCrossedAndAStreamWhenRead) {
  const std::vector<AnswerCase> cases = {
      {"an answer read late starts at its request", {1000}, {1300}, {1000}},
      {"bytes with no request start when read", {}, {700}, {700}},
      {"only the first read after a request is its answer", {1000}, {1300, 1500}, {1000, 1500}},
      {"of two requests the later counts", {1000, 2000}, {2100}, {2000}},
      {"a request that crossed after the read is not what was read", {3000}, {2500}, {2500}},
  };
  for (const AnswerCase& c : cases) {
    AnswerClock clock;
    for (double t : c.crossed) clock.requestCrossed(t);
    for (size_t i = 0; i < c.reads.size(); ++i)
      EXPECT_DOUBLE_EQ(clock.answerStart(c.reads[i]), c.starts[i]) << c.name << " read " << i;
  }
}

}  // namespace
}  // namespace zorv::sim
