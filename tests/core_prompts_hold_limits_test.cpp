// While a message box or a file dialog waits for the pilot no answer limit runs; when it closes,
// the exchange waiting for an answer gets its whole limit again. The prompts double keeps each
// box open for three limits while the fake clock runs and the window's tick asks the watchdog.

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>

#include "core/control_ids.h"
#include "core/watchdog.h"
#include "tests/support/harness.h"
#include "tests/support/test_names.h"

namespace zorv::test {
namespace {

struct HeldCase {
  const char* name;
  std::function<void(Harness&)> start;  // an exchange whose answer is not delivered
  int button;                           // what the pilot presses meanwhile
};
void PrintTo(const HeldCase& c, std::ostream* os) { *os << c.name; }

class PromptsHoldLimits : public ::testing::TestWithParam<HeldCase> {};

TEST_P(PromptsHoldLimits, NoLimitRunsWhileABoxIsOpenAndItRestartsWhenItCloses) {
  Harness h;
  GetParam().start(h);
  ASSERT_TRUE(h.core.watchdog.armed());
  const uint32_t limit = answerLimitMs(h.core.watchdog.awaited()->exchange);
  auto wait = [&](uint32_t ms) {
    h.clock.now += ms;
    h.core.onTick();
  };
  h.prompts.whileOpen = [&] { wait(3 * limit); };
  h.prompts.files.push_back(std::nullopt);  // a file dialog is cancelled
  h.win.userPress(GetParam().button);
  h.prompts.whileOpen = nullptr;
  EXPECT_TRUE(h.core.watchdog.armed()) << "given up while the pilot read a box";
  wait(limit - 1);
  EXPECT_TRUE(h.core.watchdog.armed()) << "the limit did not start again when the box closed";
  wait(1);
  EXPECT_FALSE(h.core.watchdog.armed()) << "no limit runs after the box closed";
}

INSTANTIATE_TEST_SUITE_P(
    Exchanges, PromptsHoldLimits,
    ::testing::Values(HeldCase{"ReadBackAndAHelpBox", [](Harness& h) { h.win.userSelect(ids::kPortList, 2); }, 1002},
                      HeldCase{"DefaultSetAndAHelpBox", [](Harness& h) { h.win.userSelect(ids::kLoadList, 2); }, 1002},
                      HeldCase{"DisplayAndThePortHelp", [](Harness& h) { h.win.userPress(ids::kDisplayButton); },
                               ids::kPortButton},
                      HeldCase{"FileChainAndTheSaveDialogs",
                               [](Harness& h) {
                                 h.prompts.files = {h.path("f.txt"), h.path("f.txt")};
                                 h.win.userPress(ids::kSaveButton);
                                 h.win.userSelect(ids::kLoadList, 4);
                               },
                               ids::kSaveButton}),
    RowName());

}  // namespace
}  // namespace zorv::test
