// The port goes away (USB unplugged) at every byte of each exchange: the read-back, the upgrade,
// the display, the calibration, the reverse read-back and the file chain. Each time the port is
// closed, the status box says so with the reason in its tooltip, nothing is awaited, what the
// exchange locked is released as after a failure, and once the controller is back and the port
// picked again, everything is read back and the same exchange runs through.

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "monitor/display.h"
#include "sim/parameter_table.h"
#include "tests/reliability.h"

namespace zorv::test {
namespace {

using namespace reliability;

constexpr const char* kUpgradedText = "Congratulations!You've upgraded successfully!";

void expectDisplayStopped(const Harness& h) {
  EXPECT_EQ(h.win.text(ids::kDisplayButton), "Display Data");
  for (int id : displayControls()) EXPECT_FALSE(h.win.isEnabled(id)) << id;
  for (int id : lockedWhileDisplaying()) EXPECT_EQ(h.win.isEnabled(id), id != ids::kUpgradeButton) << id;
}

void expectDisplayRuns(Harness& h) {
  h.sent();
  h.win.userPress(ids::kDisplayButton);
  EXPECT_EQ(h.sent(), "S~0001\r");
  h.pump();
  stream(h, 20);
  EXPECT_NE(h.win.text(ids::kFirstChannelReadout), "0");
}

void expectCalibrates(Harness& h) {
  typeCells(h);
  h.sent();
  h.win.userPress(ids::kBatterySaveButton);
  h.pump();
  EXPECT_EQ(h.sent(), "S00410\rS10822\rS21231\rS31642\r");
  EXPECT_EQ(h.prompts.shown.back().text, "校准完成！");
}

struct Exchange {
  const char* name;
  bool connected;                            // the harness starts with the read-back done
  std::function<void(Harness&)> prepare;     // before the fault is armed
  std::function<void(Harness&)> run;         // the user starts it; every answer is delivered
  std::set<int> modes;                       // link modes the loss must have hit at some byte
  std::function<void(Harness&)> whileLost;   // besides the outcome common to all
  std::function<void(Harness&)> again;       // after the port is picked again
  // The bytes after which the controller goes: every `stride`-th (a stride prime to the answers'
  // lengths lands at every place within them), and `beforeEnd` bytes before the end.
  int64_t stride;
  int64_t beforeEnd = 0;
};

const Exchange kExchanges[] = {
    {"read-back", false, [](Harness&) {}, [](Harness& h) { h.connect(); }, {0, 1}, [](Harness&) {},
     [](Harness&) {}, 9, 12},  // gone just before the identity reply: the loss comes in mode 1
    {"upgrade", true, [](Harness& h) { chooseImage(h); },
     [](Harness& h) {
       pressUpgrade(h);
       h.pump();
     },
     {30, 2, 3, 4, 5, 6},
     [](Harness& h) {
       // The image stays loaded and the buttons come back, as after a failed transfer; gone only
       // after a success, the start button waits for the file to be chosen again.
       EXPECT_TRUE(h.win.isEnabled(ids::kChooseImageButton));
       EXPECT_EQ(h.win.isEnabled(ids::kUpgradeButton), !h.prompts.sawMessage(kUpgradedText));
     },
     [](Harness& h) {
       const bool upgraded = h.prompts.sawMessage(kUpgradedText);
       expectUnlockedAfterUpgrade(h, upgraded);
       if (upgraded) chooseImage(h);
       h.prompts.shown.clear();
       pressUpgrade(h);
       h.pump();
       expectUpgraded(h);
     },
     7},
    {"display", true, [](Harness&) {},
     [](Harness& h) {
       h.win.userPress(ids::kDisplayButton);
       h.pump();
       for (int i = 0; i < 3; ++i) stream(h, 20);
     },
     {10}, expectDisplayStopped, expectDisplayRuns, 5},
    {"calibration", true, typeCells,
     [](Harness& h) {
       h.win.userPress(ids::kBatterySaveButton);
       h.pump();
     },
     {15}, [](Harness&) {}, expectCalibrates, 1},
    {"reverse read-back", true,
     [](Harness& h) {
       typeCells(h);
       h.ctrl.faults.dropAnswers = 1;  // the calibration waits for its first echo
       h.win.userPress(ids::kBatterySaveButton);
       h.pump();
     },
     [](Harness& h) {
       h.core.send("SN0005\r");  // a receiver reverse write, answered while the calibration waits
       h.pump();
       for (int i = 0; i < 3; ++i) stream(h, 20);
     },
     {15, 20, 10},
     [](Harness& h) {
       if (h.win.text(ids::kDisplayButton) == "Display Data") expectDisplayStopped(h);
     },
     expectDisplayRuns, 5},
    {"file chain", true,
     [](Harness& h) {
       saveFile(h);
       h.win.userSelect(ids::kLoadList, 3);
       h.pump();
     },
     [](Harness& h) {
       chooseFileItem(h);
       h.pump();
     },
     {7, 0, 1}, [](Harness&) {},
     [](Harness& h) {
       chooseFileItem(h);
       h.pump();
       EXPECT_EQ(h.ctrl.value('C'), sim::defaultSet(sim::kPowerOnDefaultSet)[0].value);
       expectConnected(h);
     },
     13, 12},
};

TEST(ReliabilityLostPort, AtEveryByteOfEachExchange) {
  for (const Exchange& ex : kExchanges) {
    SCOPED_TRACE(ex.name);
    int64_t total = 0;
    {
      Harness ref(ex.connected);
      ex.prepare(ref);
      const size_t before = ref.ctrl.bytesSent();
      ex.run(ref);
      total = static_cast<int64_t>(ref.ctrl.bytesSent() - before);
    }
    std::set<int> modesHit;
    std::set<int64_t> moments = {total, total - ex.beforeEnd};
    for (int64_t after = ex.connected ? 0 : 1; after < total; after += ex.stride) moments.insert(after);
    for (int64_t after : moments) {
      SCOPED_TRACE("gone after " + std::to_string(after) + " bytes");
      Harness h(ex.connected);
      h.port.onLost = [&h, &modesHit](const std::string& reason) {
        modesHit.insert(static_cast<int>(h.core.st.LinkMode));
        h.core.onPortLost(reason);
      };
      ex.prepare(h);
      h.ctrl.faults.vanishAfterBytes = after;
      ex.run(h);
      expectLost(h);
      ex.whileLost(h);
      h.sent();
      h.win.userSetSlider(1039, 12);  // nothing goes out on a closed port
      EXPECT_EQ(h.sent(), "");

      plugInAndPickPort(h);
      expectConnected(h);  // the slider moved meanwhile shows the controller's value again
      ex.again(h);
    }
    for (int mode : ex.modes) EXPECT_EQ(modesHit.count(mode), 1u) << "never lost in link mode " << mode;
  }
}

// The port is lost inside one of the window's own writes (its flush fails), at each write of the
// read-back and of the upgrade: what the handler does after the write must not undo the loss.
TEST(ReliabilityLostPort, InsideEachWriteOfTheReadBackAndTheUpgrade) {
  for (bool upgrade : {false, true}) {
    Harness ref(upgrade);
    const std::string readback = ref.sent();  // its queries and box 1070's setting, each ending in CR
    const int writes = upgrade ? 7 : static_cast<int>(std::count(readback.begin(), readback.end(), '\r'));
    for (int k = 1; k <= writes; ++k) {
      SCOPED_TRACE(std::string(upgrade ? "upgrade" : "read-back") + ", lost in write " + std::to_string(k));
      Harness h(upgrade);
      if (upgrade) chooseImage(h);
      h.port.loseInWrite = k;
      upgrade ? pressUpgrade(h) : h.core.initialise();
      h.pump();
      expectLost(h);
      EXPECT_FALSE(h.core.watchdog.armed());
      // "?W" and "UPTKVR" (k = 1, 2) are a kind query and its command; then the packets.
      if (upgrade) {
        EXPECT_EQ(h.prompts.shown.size(), k >= 2 ? 1u : 0u);
      }
      EXPECT_TRUE(h.win.isEnabled(ids::kChooseImageButton));
      EXPECT_EQ(h.win.isEnabled(ids::kUpgradeButton), upgrade);
      plugInAndPickPort(h);
      expectConnected(h);
      if (upgrade) {
        pressUpgrade(h);
        h.pump();
        expectUpgraded(h);
      }
    }
  }
}

}  // namespace
}  // namespace zorv::test
