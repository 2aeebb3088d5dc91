// The no-answer watchdog on its own: each exchange's limit, the deadline across a wrap of the
// tick counter, re-arming, and the stale state that throws late answers away.

#include <gtest/gtest.h>

#include "core/exchange_result.h"
#include "core/limits_config.h"
#include "core/watchdog.h"

namespace zorv {
namespace {

class StepClock : public Clock {
 public:
  uint32_t tickMs() override { return now; }
  uint32_t now = 0;
};

TEST(Watchdog, EachExchangeGetsItsLimitAndWrapDoesNotMatter) {
  struct Case {
    Exchange exchange;
    uint32_t start;
    uint32_t quietBefore;  // still waiting this long after the arm
    uint32_t dueAt;        // overdue from here
  } cases[] = {
      {Exchange::ReadBack, 0, 999, 1000},
      {Exchange::Identity, 5000, 999, 1000},
      {Exchange::DefaultSet, 0, 999, 1000},
      {Exchange::KindQuery, 0, 999, 1000},
      {Exchange::UpgradeCommand, 0, 1999, 2000},
      {Exchange::LoaderPacket, 0, 1999, 2000},
      {Exchange::FileChain, 0, 999, 1000},
      {Exchange::Calibration, 0, 999, 1000},
      {Exchange::ReverseReadBack, 0, 999, 1000},
      {Exchange::Display, 0, 999, 1000},
      {Exchange::ReadBack, 0xFFFFFF00u, 999, 1000},      // the counter wraps while waiting
      {Exchange::LoaderPacket, 0xFFFFFFFFu, 1999, 2000},
  };
  for (const Case& k : cases) {
    StepClock clock;
    clock.now = k.start;
    Watchdog dog(clock);
    dog.arm({k.exchange, "asked", LinkMode::Rest, 0, 0});
    clock.now = k.start + k.quietBefore;
    EXPECT_FALSE(dog.overdue()) << static_cast<int>(k.exchange) << " at " << k.start;
    EXPECT_TRUE(dog.armed());
    clock.now = k.start + k.dueAt;
    const auto due = dog.overdue();
    ASSERT_TRUE(due) << static_cast<int>(k.exchange) << " at " << k.start;
    EXPECT_EQ(due->exchange, k.exchange);
    EXPECT_FALSE(dog.armed());
    EXPECT_FALSE(dog.overdue()) << "reported once";
  }
}

TEST(Watchdog, EachAnswerGivesTheNextQuestionAFullLimit) {
  StepClock clock;
  Watchdog dog(clock);
  dog.arm({Exchange::ReadBack, "?C", LinkMode::Rest, 0, 0});
  for (int step = 1; step <= 36; ++step) {
    clock.now += 900;  // every answer comes late, but in time
    EXPECT_FALSE(dog.overdue()) << step;
    dog.arm({Exchange::ReadBack, "next", LinkMode::Rest, step, 36});
  }
  clock.now += 1000;
  const auto due = dog.overdue();
  ASSERT_TRUE(due);
  EXPECT_EQ(due->done, 36);
  EXPECT_EQ(due->asked, "next");
}

TEST(Watchdog, DisarmedWaitsForNothingAndStaleLastsUntilTheNextArm) {
  struct Case {
    Exchange exchange;
    bool staleAfter;
  } cases[] = {
      {Exchange::ReadBack, true}, {Exchange::FileChain, true}, {Exchange::LoaderPacket, true},
      {Exchange::Display, false},  // the display stays on: what comes is welcome
  };
  for (const Case& k : cases) {
    StepClock clock;
    Watchdog dog(clock);
    dog.arm({k.exchange, "", LinkMode::Rest, 0, 0});
    dog.disarm();
    clock.now += 100000;
    EXPECT_FALSE(dog.overdue());
    EXPECT_FALSE(dog.stale()) << "an answered exchange leaves nothing stale";

    dog.arm({k.exchange, "", LinkMode::Rest, 0, 0});
    clock.now += 100000;
    ASSERT_TRUE(dog.overdue());
    EXPECT_EQ(dog.stale(), k.staleAfter) << static_cast<int>(k.exchange);
    dog.arm({Exchange::ReadBack, "", LinkMode::Rest, 0, 0});
    EXPECT_FALSE(dog.stale()) << "the next exchange takes what comes";
  }
}

// [limits] in zorv.ini: a value in range is waited for and named in the no-answer message; one
// out of range or no number leaves the default and a warning that names the key.
TEST(Watchdog, LimitsFromZorvIniAreWaitedForAndNamedInTheMessage) {
  struct Case {
    const char* ini;
    Exchange exchange;
    uint32_t limit;
    const char* words;
    const char* warning;  // "" for none
  } cases[] = {
      {"[limits]\nreply_ms=2500\n", Exchange::ReadBack, 2500, "2.5 seconds", ""},
      {"[limits]\nreply_ms=100\n", Exchange::FileChain, 100, "0.1 seconds", ""},
      {"[limits]\nloader_ms=30000\n", Exchange::LoaderPacket, 30000, "30 seconds", ""},
      {"[limits]\nloader_ms=5000\n", Exchange::ReadBack, 1000, "1 second", ""},
      {"[limits]\ndefault_set_ms=4000\n", Exchange::DefaultSet, 4000, "4 seconds", ""},
      {"[limits]\nreply_ms=99\n", Exchange::ReadBack, 1000, "1 second", "reply_ms=99"},
      {"[limits]\nloader_ms=slow\n", Exchange::UpgradeCommand, 2000, "2 seconds", "loader_ms=slow"},
      {"[limits]\ndefault_set_ms=30001\n", Exchange::DefaultSet, 1000, "1 second", "default_set_ms=30001"},
      {"[other]\nreply_ms=5000\n", Exchange::ReadBack, 1000, "1 second", ""},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.ini);
    UserConfig config("zorv.ini");
    ASSERT_TRUE(config.parse(k.ini));
    std::vector<std::string> warnings;
    StepClock clock;
    Watchdog dog(clock);
    dog.setLimits(limitsFromConfig(config, &warnings));
    EXPECT_EQ(warnings.size(), *k.warning ? 1u : 0u);
    if (*k.warning && !warnings.empty()) {
      EXPECT_NE(warnings[0].find(k.warning), std::string::npos) << warnings[0];
    }
    dog.arm({k.exchange, "for its settings", LinkMode::Rest, 0, 0});
    clock.now = k.limit - 1;
    EXPECT_FALSE(dog.overdue());
    clock.now = k.limit;
    const std::optional<Awaited> due = dog.overdue();
    ASSERT_TRUE(due);
    EXPECT_EQ(noAnswerMessage(*due), std::string("the controller was asked for its settings and gave no answer within ") + k.words);
  }
}

}  // namespace
}  // namespace zorv
