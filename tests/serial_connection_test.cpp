// Port choice, the remembered-port file and the upgrade button's start, against the simulated
// controller.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "core/control_groups.h"
#include "core/control_ids.h"
#include "tests/support/harness.h"
#include "tests/support/read_file.h"

namespace zorv::test {
namespace {

void writeFile(const std::string& path, const std::string& bytes) {
  std::ofstream f(path, std::ios::binary);
  f << bytes;
}

TEST(Connection, RememberedPortFileCases) {
  struct Case {
    const char* name;
    bool present;
    std::string content;
    int port;       // number given to the port
    int selection;  // port list index after start
    std::string stored;
  } cases[] = {
      {"missing", false, "", 3, 2, std::string("3\0", 2)},
      {"empty", true, "", 3, 2, std::string("3\0", 2)},
      {"non-digit", true, "x7", 0, -1, std::string("0\0", 2)},
      {"twelve", true, "12", 12, 11, "12"},
      {"three and zero", true, std::string("3\0", 2), 3, 2, std::string("3\0", 2)},
      {"twenty", true, "20", 20, 19, "20"},
  };
  for (const Case& c : cases) {
    Harness h(false);
    const std::string file = h.path("tkvrconfig.ini");
    if (c.present) writeFile(file, c.content);
    h.connect();
    EXPECT_EQ(h.port.portNumber(), c.port) << c.name;
    EXPECT_EQ(h.win.comboIndex(ids::kPortList), c.selection) << c.name;
    EXPECT_EQ(readFile(file), c.stored) << c.name;
    EXPECT_EQ(h.port.inBufferSize(), 1024) << c.name;
    EXPECT_GE(h.port.lineSettingsApplied(), 1) << c.name;
  }
}

TEST(Connection, ChoosingAPortStoresItAndReadsBackAgain) {
  struct Case {
    int index;
    std::string stored;
  } cases[] = {{11, "12"}, {2, std::string("3\0", 2)}, {0, std::string("1\0", 2)}};
  for (const Case& c : cases) {
    Harness h;
    h.sent();
    h.core.st.MonitorReadings[3] = 77;
    h.core.QueryRetries = 1;
    h.win.userSelect(ids::kPortList, c.index);
    EXPECT_EQ(h.port.portNumber(), c.index + 1);
    EXPECT_EQ(readFile(h.path("tkvrconfig.ini")), c.stored);
    EXPECT_EQ(h.win.text(ids::kPortStatus), "COM Opened");
    EXPECT_EQ(h.core.st.MonitorReadings[3], 0);
    EXPECT_EQ(h.core.QueryRetries, 3);
    EXPECT_EQ(h.sent(), "?C\r");
    h.pump();
    EXPECT_NE(h.sent().find("?W\r"), std::string::npos);
  }
}

TEST(Connection, FailedOpenIsShownAndTheChoiceStillStored) {
  Harness h(false);
  h.port.failOpen = true;
  h.port.failOpenText = "Permission denied";
  h.connect();
  EXPECT_EQ(h.win.text(ids::kPortStatus), "COM Failed");
  EXPECT_EQ(h.core.st.PortOpenFailed, 1);
  EXPECT_NE(h.win.toolTip(ids::kPortStatus).find("Permission denied"), std::string::npos);
  h.win.userSelect(ids::kPortList, 4);
  EXPECT_EQ(h.win.text(ids::kPortStatus), "串口未打开");
  EXPECT_EQ(readFile(h.path("tkvrconfig.ini")), std::string("5\0", 2));
  h.port.failOpen = false;
  h.win.userSelect(ids::kPortList, 4);
  EXPECT_EQ(h.win.text(ids::kPortStatus), "COM Opened");
  EXPECT_EQ(h.core.st.PortOpenFailed, 0);
  h.pump();
  EXPECT_TRUE(h.win.isEnabled(1038));
}

TEST(Connection, UpgradeButtonLocksTheControlsWaitsAndAsksTheKind) {
  Harness h;
  h.sent();
  writeFile(h.path("tkvrconfig.ini"), "17");  // must not be read while the port is open
  h.win.setEnabled(ids::kUpgradeButton, true);
  const uint32_t before = h.clock.waitedMs;
  h.win.userPress(ids::kUpgradeButton);
  EXPECT_EQ(h.clock.waitedMs - before, 500u);
  EXPECT_EQ(h.port.portNumber(), 3);
  EXPECT_EQ(h.core.st.LinkMode, LinkMode::KindQuery);
  EXPECT_EQ(h.sent(), "?W\r");
  for (int id : upgradeLockedControls()) EXPECT_FALSE(h.win.isEnabled(id)) << id;
  for (int id : {ids::kPortList, ids::kPortButton, ids::kFeaturesButton, ids::kCompassReadout, ids::kSonarReadout,
                 ids::kBarometerReadout})
    EXPECT_TRUE(h.win.isEnabled(id)) << id;
}

TEST(Connection, UpgradeButtonOpensTheRememberedPortWhenClosed) {
  Harness h;
  h.port.close();
  writeFile(h.path("tkvrconfig.ini"), "12");
  h.win.setEnabled(ids::kUpgradeButton, true);
  h.sent();
  h.win.userPress(ids::kUpgradeButton);
  EXPECT_EQ(h.port.portNumber(), 12);
  EXPECT_TRUE(h.port.isOpen());
  EXPECT_EQ(h.sent(), "?W\r");
}

TEST(Connection, LostPortReleasesTheWindowAndPickingItAgainReadsBack) {
  Harness h;
  h.core.st.LinkMode = LinkMode::KindQuery;
  h.ctrl.faults.vanishAfterBytes = 0;
  h.ctrl.receive("?C\r");  // anything: the controller is gone
  h.pump();
  EXPECT_FALSE(h.port.isOpen());
  EXPECT_EQ(h.win.text(ids::kPortStatus), "串口未打开");
  EXPECT_EQ(h.core.st.LinkMode, LinkMode::Rest);
  EXPECT_FALSE(h.win.toolTip(ids::kPortStatus).empty());
  EXPECT_TRUE(h.win.isEnabled(ids::kPortList));
  h.ctrl.restart();
  h.win.userSelect(ids::kPortList, 2);
  h.pump();
  EXPECT_EQ(h.win.text(ids::kPortStatus), "COM Opened");
  EXPECT_TRUE(h.win.isEnabled(1038));
}

TEST(Closing, EscAsksEnterClosesAutomationHides) {
  {
    Harness h;
    h.prompts.answers = {Prompts::Answer::No};
    h.core.onCancel();
    EXPECT_EQ(h.win.ended, -1);
    EXPECT_EQ(h.prompts.shown.back().text, "Are you sure to close the windows？");
    EXPECT_EQ(h.prompts.shown.back().caption, "Tarvik Warning：");
    h.core.onCloseBox();  // answered Yes by default
    EXPECT_EQ(h.win.ended, 0);
  }
  {
    Harness h;
    const size_t shown = h.prompts.shown.size();
    h.core.onAccept();
    EXPECT_EQ(h.win.ended, 1);
    EXPECT_EQ(h.prompts.shown.size(), shown);
  }
  {
    Harness h;
    h.core.st.AutoProxy = true;
    const size_t asked = h.prompts.shown.size();
    h.core.onCloseBox();
    EXPECT_TRUE(h.win.hidden);
    EXPECT_EQ(h.win.ended, -1);
    h.win.hidden = false;
    h.core.onAccept();  // Enter hides like the close box
    EXPECT_TRUE(h.win.hidden);
    EXPECT_EQ(h.win.ended, -1);
    EXPECT_EQ(h.prompts.shown.size(), asked);
    h.win.hidden = false;
    h.core.onCancel();  // Esc still asks, and Yes closes the window
    EXPECT_FALSE(h.win.hidden);
    EXPECT_EQ(h.win.ended, 0);
    EXPECT_EQ(h.prompts.shown.size(), asked + 1);
  }
}

TEST(DataExchange, RangeWarningNamesBothLimitsAndNonNumbersReadAsZero) {
  Harness h;
  h.win.putText(1072, "-150");
  const size_t shown = h.prompts.shown.size();
  EXPECT_FALSE(h.core.controlsToMembers());
  ASSERT_EQ(h.prompts.shown.size(), shown + 1);
  EXPECT_EQ(h.prompts.shown.back().text, "Please enter an integer between -100 and 100.");
  h.win.putText(1072, "abc");
  EXPECT_TRUE(h.core.controlsToMembers());
  EXPECT_EQ(h.core.st.bound.get(1072), 0);
  h.win.putText(ids::kAlarmEdit, "999");  // the alarm box has no range check
  EXPECT_TRUE(h.core.controlsToMembers());
  EXPECT_EQ(h.core.st.bound.get(1074), 999);
  h.core.st.bound.set(1056, 7);  // a check state outside 0..2 shows as clear
  h.core.membersToControls();
  EXPECT_EQ(h.win.checkState(1056), 0);
}

}  // namespace
}  // namespace zorv::test
