// The live data window's history on its own (ring bounds, the minute it keeps, the CSV text,
// bars and thinned graph lines), then fed by the real display step against the simulated
// controller.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/control_ids.h"
#include "monitor/live_history.h"
#include "sim/monitor_records.h"
#include "tests/support/harness.h"

namespace zorv::test {
namespace {

MonitorRecord rec(RecordKind kind, std::array<int, 8> fields) { return MonitorRecord{kind, fields}; }
MonitorRecord channels(int base) {
  return rec(RecordKind::Channels, {base, base + 1, base + 2, base + 3, base + 4, base + 5, base + 6, base + 7});
}

std::vector<uint32_t> keptTimes(const LiveHistory& h) {
  std::vector<uint32_t> t;
  for (size_t i = 0; i < h.size(); ++i) t.push_back(h.at(i).timeMs);
  return t;
}

struct BoundCase {
  const char* name;
  size_t capacity;
  uint32_t startTick;
  std::vector<uint32_t> ticks;  // arrival of each record
  std::vector<uint32_t> kept;   // times since the start that stay, oldest first
};

TEST(LiveHistory, KeepsTheNewestWithinItsCountAndAMinute) {
  const std::vector<BoundCase> cases = {
      {"fewer than it holds", 4, 100, {100, 110, 120}, {0, 10, 20}},
      {"ring full: oldest go", 4, 0, {0, 10, 20, 30, 40, 50}, {20, 30, 40, 50}},
      {"exactly a minute stays", 100, 0, {0, 30000, 60000}, {0, 30000, 60000}},
      {"older than a minute goes", 100, 0, {0, 1, 30000, 60001, 60002}, {30000, 60001, 60002}},
      {"a long gap empties it to one", 100, 0, {0, 10, 20, 200000}, {200000}},
      {"tick counter wraps", 100, 0xFFFFFFF0u, {0xFFFFFFF0u, 0xFFFFFFFFu, 5u, 59990u}, {15, 21, 60006}},
      {"capacity of one", 1, 0, {0, 5, 9}, {9}},
  };
  for (const BoundCase& c : cases) {
    LiveHistory h(c.capacity);
    h.restart(c.startTick);
    for (uint32_t t : c.ticks) h.add(t, channels(1000));
    EXPECT_EQ(keptTimes(h), c.kept) << c.name;
    EXPECT_EQ(h.added(), c.ticks.size()) << c.name;
  }
}

TEST(LiveHistory, RestartEmptiesItAndCountsTimeFromThere) {
  LiveHistory h(8);
  h.add(500, channels(1000));  // before any start: the first record starts the count
  h.add(520, rec(RecordKind::Motors, {}));
  EXPECT_EQ(keptTimes(h), (std::vector<uint32_t>{0, 20}));
  ASSERT_NE(h.latest(RecordKind::Motors), nullptr);

  h.restart(1000);
  EXPECT_TRUE(h.empty());
  EXPECT_EQ(h.added(), 0u);
  EXPECT_EQ(h.latest(RecordKind::Channels), nullptr);
  EXPECT_EQ(h.latest(RecordKind::Motors), nullptr);
  h.add(1250, channels(1100));
  EXPECT_EQ(keptTimes(h), (std::vector<uint32_t>{250}));
  EXPECT_EQ(h.sinceStart(1300), 300u);
}

TEST(LiveHistory, ChannelsThreeAndFourAreKeptAsTheWindowShowsThem) {
  LiveHistory h;
  h.restart(0);
  h.add(1, channels(1000));
  h.add(2, rec(RecordKind::Motors, {1, 2, 3, 4, 5, 6, 7, 8}));
  h.add(3, rec(RecordKind::Sensors, {359, 1200, 45, 1600, 7, 31, 0, -5}));
  ASSERT_NE(h.latest(RecordKind::Channels), nullptr);
  EXPECT_EQ(h.latest(RecordKind::Channels)->values, (std::array<int, 8>{1000, 1001, 1003, 1002, 1004, 1005, 1006, 1007}));
  EXPECT_EQ(h.latest(RecordKind::Motors)->values, (std::array<int, 8>{1, 2, 3, 4, 5, 6, 7, 8}));
  EXPECT_EQ(h.latest(RecordKind::Sensors)->values, (std::array<int, 8>{359, 1200, 45, 1600, 7, 31, 0, -5}));
  h.add(4, channels(1500));
  EXPECT_EQ(h.latest(RecordKind::Channels)->values[0], 1500) << "the newest of each kind";
  EXPECT_EQ(h.latest(RecordKind::Motors)->values[0], 1);
}

TEST(LiveHistory, CsvHasAHeaderAndOneRowPerRecordOldestFirst) {
  LiveHistory h(3);
  h.restart(1000);
  h.add(1000, channels(1000));                                          // dropped: the ring holds 3
  h.add(1007, rec(RecordKind::Channels, {988, 1500, 2012, 1000, 1000, 1500, 2000, 1234}));
  h.add(1013, rec(RecordKind::Motors, {1100, 1200, 1300, 1400, 1500, 1500, 1000, 1000}));
  h.add(1020, rec(RecordKind::Sensors, {359, 12, -12, 0, 7, -1, 9999, 1}));
  EXPECT_EQ(liveHistoryCsv(h),
            "time_ms,tag,value1,value2,value3,value4,value5,value6,value7,value8\n"
            "7,CHDA,988,1500,1000,2012,1000,1500,2000,1234\n"
            "13,MSDA,1100,1200,1300,1400,1500,1500,1000,1000\n"
            "20,SSDA,359,12,-12,0,7,-1,9999,1\n");
  EXPECT_EQ(liveHistoryCsv(LiveHistory()), "time_ms,tag,value1,value2,value3,value4,value5,value6,value7,value8\n");
}

struct BarCase {
  int value;
  double fraction;
  int clipped;
};

TEST(LiveHistory, BarsClipValuesBeyondTheirEnds) {
  const std::vector<BarCase> cases = {
      {1000, 0.0, 0}, {1500, 0.5, 0}, {2000, 1.0, 0}, {1250, 0.25, 0},  {999, 0.0, -1},
      {0, 0.0, -1},   {-5, 0.0, -1},  {2001, 1.0, 1}, {9999, 1.0, 1},
  };
  for (const BarCase& c : cases) {
    const BarPosition p = barPosition(c.value);
    EXPECT_DOUBLE_EQ(p.fraction, c.fraction) << c.value;
    EXPECT_EQ(p.clipped, c.clipped) << c.value;
  }
  EXPECT_EQ(barPosition(5, 10, 10).clipped, 0) << "an empty range stays drawable";
}

std::vector<std::pair<double, int>> line(const Traces& t, size_t f) {
  std::vector<std::pair<double, int>> v;
  for (const TracePoint& p : t[f]) v.emplace_back(p.seconds, p.value);
  return v;
}

TEST(LiveHistory, GraphLinesKeepTheSpanAndEachBucketsExtremes) {
  LiveHistory h;
  h.restart(0);
  // Channels every 10 ms from 0 to 2000 ms, CH1 flat at 1500 but for one spike at 1230 ms;
  // motors in between, which the channel lines must not pick up.
  for (uint32_t t = 0; t <= 2000; t += 10) {
    const int v = t == 1230 ? 1900 : 1500;
    h.add(t, rec(RecordKind::Channels, {v, static_cast<int>(1000 + t / 10), 0, 0, 0, 0, 0, 0}));
    h.add(t + 5, rec(RecordKind::Motors, {7, 7, 7, 7, 7, 7, 7, 7}));
  }
  Traces tr;
  // The last second in 10 buckets of 100 ms (1001..1100 ms is the first).
  traceOf(h, RecordKind::Channels, 2000, 1000, 10, &tr);
  const auto ch1 = line(tr, 0);
  ASSERT_FALSE(ch1.empty());
  EXPECT_NEAR(ch1.front().first, -0.99, 1e-9) << "nothing older than the span";
  EXPECT_EQ(ch1.back(), (std::pair<double, int>{0.0, 1500})) << "a line runs up to its newest record";
  EXPECT_LE(ch1.size(), 20u);
  int spikes = 0;
  for (const auto& [s, v] : ch1) spikes += v == 1900 && s == -0.77;
  EXPECT_EQ(spikes, 1) << "the spike survives the thinning at its own time";
  // CH2 rises steadily: each bucket keeps its first (lowest) and last (highest) record.
  const auto ch2 = line(tr, 1);
  ASSERT_EQ(ch2.size(), 20u);
  EXPECT_EQ(ch2[0], (std::pair<double, int>{-0.99, 1101}));
  EXPECT_EQ(ch2[1], (std::pair<double, int>{-0.90, 1110}));
  EXPECT_EQ(ch2[19], (std::pair<double, int>{0.0, 1200}));
  for (size_t i = 1; i < ch2.size(); ++i) EXPECT_LT(ch2[i - 1].first, ch2[i].first) << i;

  // Paused at 1500 ms: what came later is left out, times count back from the pause.
  traceOf(h, RecordKind::Channels, 1500, 10000, 10000, &tr);
  EXPECT_EQ(tr[1].size(), 151u) << "every record of 0..1500 ms";
  EXPECT_EQ(tr[1].back().value, 1150);
  EXPECT_DOUBLE_EQ(tr[1].back().seconds, 0.0);
  EXPECT_DOUBLE_EQ(tr[1].front().seconds, -1.5);

  traceOf(h, RecordKind::Sensors, 2000, 1000, 10, &tr);
  for (size_t f = 0; f < 8; ++f) EXPECT_TRUE(tr[f].empty()) << "no sensor records were kept";
}

// The display step feeds the history with what it reads, stamped by the window's clock.
TEST(LiveHistory, DisplayStepFeedsEveryRecordItReads) {
  Harness h;  // connected: the read-back is done
  h.clock.now = 5000;
  h.win.userPress(ids::kDisplayButton);
  h.pump();
  ASSERT_TRUE(h.core.live.empty());
  std::string burst;
  for (uint32_t t = 20; t <= 600; t += 20) burst += sim::monitorRecord(static_cast<int>((t / 20 - 1) % 3), t);
  h.clock.now = 5600;
  h.inject(burst.substr(0, 100));  // a record and a half, then the rest
  h.pump();
  h.clock.now = 5650;
  h.inject(burst.substr(100));
  h.pump();
  ASSERT_EQ(h.core.live.size(), 30u);
  EXPECT_EQ(h.core.live.at(0).timeMs, 600u);
  EXPECT_EQ(h.core.live.at(1).timeMs, 600u);
  EXPECT_EQ(h.core.live.at(2).timeMs, 650u);
  EXPECT_EQ(h.core.live.at(29).timeMs, 650u);
  EXPECT_EQ(h.core.live.at(29).kind, RecordKind::Sensors);
  const std::string last = sim::monitorRecord(2, 600);
  EXPECT_EQ(h.core.live.at(29).values[0], std::stoi(last.substr(4, 4)));
  EXPECT_EQ(h.win.text(ids::kFirstChannelReadout), std::to_string(h.core.live.latest(RecordKind::Channels)->values[0]));
  EXPECT_EQ(h.win.text(1104), std::to_string(h.core.live.latest(RecordKind::Channels)->values[2]));

  // Stopping keeps the data; starting again begins a new history.
  h.win.userPress(ids::kDisplayButton);
  h.pump();
  EXPECT_EQ(h.core.live.size(), 30u);
  h.clock.now = 9000;
  h.win.userPress(ids::kDisplayButton);
  h.pump();
  EXPECT_TRUE(h.core.live.empty());
  h.inject(sim::monitorRecord(0, 20));
  h.pump();
  ASSERT_EQ(h.core.live.size(), 1u);
  EXPECT_EQ(h.core.live.at(0).timeMs, 0u);
}

}  // namespace
}  // namespace zorv::test
