// A message box or a file dialog that waits for the pilot does not count against the controller:
// while one is open no answer limit runs, and when it closes the exchange waiting for an answer
// gets its whole limit again. The prompts double keeps each box open for three limits while the
// fake clock runs and the window's tick asks the watchdog.

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>

#include "core/no_answer.h"
#include "tests/support/harness.h"

namespace zorv::test {
namespace {

struct HeldCase {
  const char* name;
  bool connected;
  std::function<void(Harness&)> start;  // an exchange whose answer is not delivered
  std::function<void(Harness&)> open;   // the pilot's box or dialog
};
void PrintTo(const HeldCase& c, std::ostream* os) { *os << c.name; }

class PromptsHoldLimits : public ::testing::TestWithParam<HeldCase> {};

TEST_P(PromptsHoldLimits, NoLimitRunsWhileABoxIsOpenAndItRestartsWhenItCloses) {
  const HeldCase& c = GetParam();
  Harness h(c.connected);
  c.start(h);
  ASSERT_TRUE(h.core.watchdog.armed());
  const uint32_t limit = answerLimitMs(h.core.watchdog.awaited()->exchange);
  int opened = 0;
  h.prompts.whileOpen = [&] {
    ++opened;
    for (int i = 0; i < 3; ++i) {
      h.clock.now += limit;
      h.core.onTick();
    }
  };
  c.open(h);
  h.prompts.whileOpen = nullptr;
  ASSERT_GT(opened, 0);
  EXPECT_TRUE(h.core.watchdog.armed()) << "given up while the pilot read a box";
  EXPECT_NE(h.win.text(1047), kNoAnswerStatus);

  h.clock.now += limit - 1;
  h.core.onTick();
  EXPECT_TRUE(h.core.watchdog.armed()) << "the limit did not start again when the box closed";
  h.clock.now += 1;
  h.core.onTick();
  EXPECT_FALSE(h.core.watchdog.armed()) << "no limit runs after the box closed";
}

void pressHelp(Harness& h) { h.win.userPress(1002); }

INSTANTIATE_TEST_SUITE_P(
    Exchanges, PromptsHoldLimits,
    ::testing::Values(HeldCase{"ReadBackAndAHelpBox", false, [](Harness& h) { h.core.initialise(); }, pressHelp},
                      HeldCase{"DefaultSetAndAHelpBox", true, [](Harness& h) { h.win.userSelect(1099, 2); },
                               pressHelp},
                      HeldCase{"DisplayAndThePortHelp", true, [](Harness& h) { h.win.userPress(1118); },
                               [](Harness& h) { h.win.userPress(1000); }},
                      HeldCase{"FileChainAndTheSaveDialogs", true,
                               [](Harness& h) {
                                 const std::string path = h.path("f.txt");
                                 h.prompts.files.push_back(path);
                                 h.win.userPress(1015);
                                 h.prompts.files.push_back(path);
                                 h.win.userSelect(1099, 4);
                               },
                               [](Harness& h) {
                                 h.prompts.files.push_back(std::nullopt);  // the file dialog cancelled
                                 h.win.userPress(1015);
                               }}),
    [](const auto& info) { return std::string(info.param.name); });

// A box open for five seconds in the middle of a read-back while the answers come in, as the
// window's own event loop delivers them meanwhile, against a controller of the other kind (whose
// identity answer leaves the status as it is): the status keeps its open text, and its tooltip
// says why the settings stay locked, not that the controller was silent.
TEST(PromptsHoldLimits, AnswersThatCameWhileABoxWasOpenAreNoSilence) {
  Harness h(false);
  h.ctrl.kind = "PXOJ";
  h.core.initialise();
  h.prompts.whileOpen = [&] {
    h.clock.now += 5000;
    h.core.onTick();
    h.pump();
    h.core.onTick();
  };
  pressHelp(h);
  EXPECT_EQ(queriesIn(h.sent()), kReadbackChain);
  EXPECT_EQ(h.win.text(1047), "COM opened");
  EXPECT_EQ(h.win.toolTip(1047).rfind("This controller reports firmware kind PXOJ", 0), 0u) << h.win.toolTip(1047);
}

}  // namespace
}  // namespace zorv::test
