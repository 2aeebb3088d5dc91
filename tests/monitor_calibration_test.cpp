// Battery calibration and the reverse read-back against the simulated controller.

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "tests/support/fake_clock.h"
#include "tests/support/harness.h"
#include "tests/support/pilot.h"

namespace zorv::test {
namespace {

const char* const kConfirmText =
    "Please measuring voltage first，then write it into inputbox,\r\rThen click [Calibrate] to calibrate your "
    "battery。\r\rAre you sure to calibrate your battery？";

TEST(MonitorCalibration, EachStepGoesOutAfterTheEchoOfTheOneBefore) {
  Harness h;
  h.sent();
  typeCellTexts(h, {"410", "412", "409", "411"});
  const size_t shownBefore = h.prompts.shown.size();
  h.win.userPress(ids::kBatterySaveButton);

  ASSERT_EQ(h.prompts.shown.size(), shownBefore + 1);
  EXPECT_EQ(h.prompts.shown.back().text, kConfirmText);
  EXPECT_EQ(h.prompts.shown.back().caption, "Tarvik Warning：");
  EXPECT_EQ(h.prompts.shown.back().buttons, Prompts::Buttons::OkCancel);
  EXPECT_EQ(h.core.st.LinkMode, LinkMode::CalibrationEcho);

  struct Step {
    std::string sentBefore;  // sent before this echo is delivered
  };
  const std::vector<Step> steps = {{"S00410\r"}, {"S10822\r"}, {"S21231\r"}, {"S31642\r"}};
  const uint32_t waitedBefore = h.clock.waitedMs;
  const int waitsBefore = h.clock.waits;
  for (size_t i = 0; i < steps.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(h.sent(), steps[i].sentBefore);
    EXPECT_EQ(h.clock.waits - waitsBefore, static_cast<int>(i));
    EXPECT_EQ(h.core.st.LinkMode, LinkMode::CalibrationEcho);
    ASSERT_TRUE(h.port.deliverOne());  // the 8-byte echo
    EXPECT_EQ(h.clock.waits - waitsBefore, static_cast<int>(i) + 1);
    EXPECT_EQ(h.clock.waitedMs - waitedBefore, 50u * (i + 1));
  }
  EXPECT_EQ(h.sent(), "");
  EXPECT_EQ(h.core.st.LinkMode, LinkMode::Rest);
  EXPECT_EQ(h.prompts.shown.back().text, "校准完成！");
  EXPECT_EQ(h.prompts.shown.back().caption, "Tarvik航模提示:");

  // The controller took the cells as the differences of the sums (it reports thousandths).
  EXPECT_EQ(h.ctrl.value('4'), 4100);
  EXPECT_EQ(h.ctrl.value('5'), 4120);
  EXPECT_EQ(h.ctrl.value('6'), 4090);
  EXPECT_EQ(h.ctrl.value('7'), 4110);
  // "Battery1 Volt".."Battery4 Volt" hold the cells; the fourth keeps cell 4 to the end.
  EXPECT_EQ(h.core.st.ParamValues[15], 410);
  EXPECT_EQ(h.core.st.ParamValues[16], 412);
  EXPECT_EQ(h.core.st.ParamValues[17], 409);
  EXPECT_EQ(h.core.st.ParamValues[18], 411);
}

TEST(MonitorCalibration, StartsFromAnEmptyCountAfterTheDisplayRan) {
  Harness h;
  h.win.userPress(ids::kDisplayButton);
  h.port.advance(50);
  h.win.userPress(ids::kDisplayButton);
  h.pump();  // records still under way land in the resting mode
  h.sent();
  typeCellTexts(h, {"400", "400", "400", "400"});
  h.win.userPress(ids::kBatterySaveButton);
  h.pump();
  EXPECT_EQ(h.sent(), "S00400\rS10800\rS21200\rS31600\r");
  EXPECT_EQ(h.core.st.LinkMode, LinkMode::Rest);
}

TEST(MonitorCalibration, CancelSendsNothing) {
  // Cancel is the default button; a recording prompt shows that it is offered so.
  struct Recording : ScriptedPrompts {
    bool defaultIsCancel = false;
    Answer message(const std::string& t, const std::string& c, Buttons b, Icon i, bool d) override {
      defaultIsCancel = d;
      return ScriptedPrompts::message(t, c, b, i, d);
    }
  };
  sim::Controller ctrl;
  sim::SimPort port{ctrl};
  FakeWindow win;
  Recording prompts;
  FakeClock clock;
  Router core(port, win, prompts, clock, "");
  win.router = &core;
  port.setPortNumber(1);
  ASSERT_TRUE(port.open());
  core.st.LinkMode = LinkMode::Rest;

  prompts.answers = {Prompts::Answer::Cancel};
  win.userPress(ids::kBatterySaveButton);
  EXPECT_TRUE(prompts.defaultIsCancel);
  EXPECT_EQ(prompts.shown.size(), 1u);
  EXPECT_EQ(port.written(), "");
  EXPECT_EQ(core.st.LinkMode, LinkMode::Rest);
}

struct CellCase {
  std::array<std::string, 4> cells;
  bool refused;
  std::string firstStep;
};

TEST(MonitorCalibration, CellsThatCannotBeSentAreRefusedFirst) {
  const std::vector<CellCase> cases = {
      {{"-1", "410", "410", "410"}, true, ""},
      {{"410", "-5", "410", "410"}, true, ""},      // the sums would stay in range, the cell is wrong
      {{"5000", "5000", "0", "0"}, true, ""},       // sums to 10000
      {{"9999", "0", "0", "1"}, true, ""},
      {{"99999999999", "0", "0", "0"}, true, ""},
      {{"9999", "0", "0", "0"}, false, "S09999\r"},  // the largest that fits
      {{"0", "0", "0", "0"}, false, "S00000\r"},
  };
  for (const CellCase& c : cases) {
    SCOPED_TRACE(c.cells[0] + " " + c.cells[1] + " " + c.cells[2] + " " + c.cells[3]);
    Harness h;
    h.sent();
    const auto paramsBefore = h.core.st.ParamValues;
    typeCellTexts(h, c.cells);
    const size_t shownBefore = h.prompts.shown.size();
    h.win.userPress(ids::kBatterySaveButton);
    EXPECT_EQ(h.sent(), c.firstStep);
    if (c.refused) {
      ASSERT_EQ(h.prompts.shown.size(), shownBefore + 2);  // the confirmation, then why not
      EXPECT_EQ(h.prompts.shown.back().caption, "Tarvik Warning：");
      EXPECT_NE(h.prompts.shown.back().text.find("Nothing was sent"), std::string::npos);
      EXPECT_EQ(h.core.st.LinkMode, LinkMode::Rest);
      EXPECT_EQ(h.core.st.ParamValues, paramsBefore);
    } else {
      EXPECT_EQ(h.core.st.LinkMode, LinkMode::CalibrationEcho);
    }
  }
}

TEST(MonitorCalibration, AnEchoMustBeExactlyEightBytes) {
  struct EchoCase {
    const char* name;
    std::vector<size_t> splitAt;
    std::vector<uint8_t> extra;
    std::vector<std::string> sentAfterEach;  // after each receive event
  };
  const std::vector<EchoCase> cases = {
      {"7 bytes wait for the eighth", {7}, {}, {"", "S10822\r"}},
      {"one byte too many never completes", {}, {'x'}, {"", ""}},
      {"one byte too many, split, never completes", {4}, {'\n'}, {"", "", ""}},
  };
  for (const EchoCase& c : cases) {
    SCOPED_TRACE(c.name);
    Harness h;
    typeCellTexts(h, {"410", "412", "409", "411"});
    h.ctrl.faults.splitAt = c.splitAt;
    h.ctrl.faults.extraBytes = c.extra;
    h.win.userPress(ids::kBatterySaveButton);
    h.sent();
    for (const std::string& expected : c.sentAfterEach) {
      h.port.deliverOne();  // false once nothing is left: the step must not have moved on
      EXPECT_EQ(h.sent(), expected);
      EXPECT_EQ(h.core.st.LinkMode, LinkMode::CalibrationEcho);
    }
  }
}

struct ReverseCase {
  const char* write;  // what a reverse box writes
  const char* query;
  std::array<int, 8> boxes;
  size_t firstParam;
  std::array<int, 8> otherBoxes;
};

TEST(MonitorCalibration, AReverseEchoWhileWaitingReadsTheFlagsBackAndResumesTheDisplay) {
  const std::vector<ReverseCase> cases = {
      {"SN0005\r", "?N\r", {1197, 1198, 1199, 1200, 1201, 1202, 1203, 1204}, 27,
       {1205, 1208, 1209, 1210, 1211, 1212, 1213, 1214}},
      {"SO0005\r", "?O\r", {1205, 1208, 1209, 1210, 1211, 1212, 1213, 1214}, 35,
       {1197, 1198, 1199, 1200, 1201, 1202, 1203, 1204}},
  };
  for (const ReverseCase& c : cases) {
    SCOPED_TRACE(c.write);
    Harness h;
    for (int id : c.boxes) h.win.putCheck(id, 1);
    for (int id : c.otherBoxes) h.win.putCheck(id, 1);
    typeCellTexts(h, {"410", "412", "409", "411"});
    h.ctrl.faults.dropAnswers = 1;  // the first step's echo is lost: still waiting in mode 15
    h.win.userPress(ids::kBatterySaveButton);
    h.pump();
    ASSERT_EQ(h.core.st.LinkMode, LinkMode::CalibrationEcho);
    h.sent();

    h.core.send(c.write);  // the reverse box's write: it leaves LinkMode as it is
    ASSERT_TRUE(h.port.deliverOne());  // its echo
    EXPECT_EQ(h.core.st.LinkMode, LinkMode::ReverseReadback);
    EXPECT_EQ(h.sent(), std::string(c.write) + c.query);
    ASSERT_TRUE(h.port.deliverOne());  // the 10-byte reply, value 5

    const std::array<int, 8> expected = {1, 0, 1, 0, 0, 0, 0, 0};
    for (size_t k = 0; k < 8; ++k) {
      EXPECT_EQ(h.win.checkState(c.boxes[k]), expected[k]) << "box " << c.boxes[k];
      EXPECT_EQ(h.core.st.ParamValues[c.firstParam + k], expected[k]);
      EXPECT_EQ(h.win.checkState(c.otherBoxes[k]), 1);  // the other group is not touched
    }
    EXPECT_EQ(h.sent(), "S~0001\r");
    EXPECT_EQ(h.core.st.LinkMode, LinkMode::Monitor);
    EXPECT_EQ(h.core.st.MonitorStopped, 0);
    EXPECT_EQ(h.win.text(ids::kDisplayButton), "Stop Display");

    h.port.advance(20);
    h.pump();
    EXPECT_NE(h.win.text(ids::kFirstChannelReadout), "0");  // the display runs again
  }
}

TEST(MonitorCalibration, AReplyOfNeitherQueryIsDroppedSoTheNextOneIsRead) {
  Harness h;
  h.core.st.LinkMode = LinkMode::ReverseReadback;
  h.inject("?X\r 0005\r\n");
  h.pump();
  EXPECT_EQ(h.core.st.LinkMode, LinkMode::ReverseReadback);
  EXPECT_EQ(h.core.st.ReceiveBuffer, "");
  h.sent();
  h.inject("?N\r 0005\r\n");
  h.pump();
  EXPECT_EQ(h.win.checkState(1199), 1);
  EXPECT_EQ(h.core.st.LinkMode, LinkMode::Monitor);
  EXPECT_EQ(h.sent(), "S~0001\r");
}

}  // namespace
}  // namespace zorv::test
