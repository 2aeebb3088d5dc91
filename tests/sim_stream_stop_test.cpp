// The simulated controller's stream as it stops: what still arrives after "S~0000", and the
// port's wait for the line to go quiet.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sim/controller.h"
#include "sim/sim_port.h"

namespace zorv::sim {
namespace {

std::vector<std::string> takeTexts(Controller& c) {
  std::vector<std::string> out;
  for (const auto& chunk : c.takeOutput()) out.emplace_back(chunk.begin(), chunk.end());
  return out;
}

struct StopCase {
  int recordsAfterStop;
  std::vector<size_t> sizes;  // the writes after "S~0000", in order
  int echoAt;                 // which of them is the answer
};
// "RecordsAfterStop2"
std::string nameOf(const StopCase& c) { return "RecordsAfterStop" + std::to_string(c.recordsAfterStop); }
void PrintTo(const StopCase& c, std::ostream* os) { *os << nameOf(c); }

class StreamStop : public ::testing::TestWithParam<StopCase> {};

TEST_P(StreamStop, FinishesItsRecordAndMaySendOneMore) {
  const StopCase& sc = GetParam();
  Controller c;
  c.recordsAfterStop = sc.recordsAfterStop;
  c.receive("S~0001\r");
  c.advance(30);  // one record gone out, the next one under way
  const std::vector<std::string> before = takeTexts(c);
  ASSERT_EQ(before.size(), 2u);
  ASSERT_EQ(before[1].substr(0, 4), "CHDA");

  c.receive("S~0000\r");
  const std::vector<std::string> after = takeTexts(c);
  ASSERT_EQ(after.size(), sc.sizes.size());
  for (size_t i = 0; i < after.size(); ++i) EXPECT_EQ(after[i].size(), sc.sizes[i]) << i;
  EXPECT_EQ(after[static_cast<size_t>(sc.echoAt)], "S~0000\r\n");
  if (sc.recordsAfterStop >= 1) {
    EXPECT_EQ(after[0].substr(after[0].size() - 2), "\r\n") << "the record is finished";
  }
  if (sc.recordsAfterStop >= 2) {
    EXPECT_EQ(after[2].substr(0, 4), "SSDA");
  }
  EXPECT_FALSE(c.monitorOn());
  c.advance(1000);
  EXPECT_FALSE(c.hasOutput()) << "nothing more once stopped";
}

INSTANTIATE_TEST_SUITE_P(Variants, StreamStop,
                         ::testing::Values(StopCase{0, {8}, 0}, StopCase{1, {20, 8}, 1},
                                           StopCase{2, {20, 8, 38}, 1}),
                         [](const auto& info) { return nameOf(info.param); });

TEST(SimPortWait, TakesPendingBytesWithoutAnEventAndLetsTheStreamRun) {
  Controller c;
  SimPort port(c);
  int events = 0;
  port.onReceive = [&] { ++events; };
  port.setPortNumber(3);
  ASSERT_TRUE(port.open());
  EXPECT_FALSE(port.waitForInput(30)) << "a quiet line";
  port.write("S~0001\r");
  EXPECT_TRUE(port.waitForInput(30));
  EXPECT_EQ(port.readAll().size(), 8u);
  EXPECT_TRUE(port.waitForInput(30)) << "30 ms pass: the stream's next record";
  EXPECT_EQ(port.readAll().size(), 38u);
  EXPECT_EQ(events, 0);
  port.write("S~0000\r");
  EXPECT_TRUE(port.waitForInput(30));
  port.readAll();
  EXPECT_FALSE(port.waitForInput(30));
}

}  // namespace
}  // namespace zorv::sim
