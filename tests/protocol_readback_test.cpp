// The connection read-back: 36 queries, their conversions, the retry on zero, the identity
// check, and the receive dispatcher's counting, all against the simulated controller.

#include <gtest/gtest.h>

#include <algorithm>

#include "core/control_groups.h"
#include "core/control_ids.h"
#include "core/control_layout.h"
#include "core/param_catalogue.h"
#include "core/text_number.h"
#include "params/help_texts.h"
#include "protocol/readback.h"
#include "serial/port_file.h"
#include "tests/support/harness.h"

namespace zorv::test {
namespace {

TEST(ReadbackCodec, LeadingIntReadsLikeTheControllerMeansIt) {
  struct Case {
    const char* text;
    int value;
  } cases[] = {{"0045", 45}, {"-012", -12}, {"+7", 7}, {"  12x", 12}, {"----", 0}, {"", 0},
               {"abc", 0},   {"12 3", 12}, {"99999999999", 2147483647}, {"-99999999999", -2147483647 - 1}};
  for (const Case& c : cases) EXPECT_EQ(leadingInt(c.text), c.value) << '"' << c.text << '"';
}

TEST(ReadbackCodec, PortFileIsTwoBytes) {
  EXPECT_EQ(encodePortFile(3), std::string("3\0", 2));
  EXPECT_EQ(encodePortFile(12), "12");
  EXPECT_EQ(encodePortFile(0), std::string("0\0", 2));
  EXPECT_EQ(decodePortFile(std::string("3\0", 2)), 3);
  EXPECT_EQ(decodePortFile("12"), 12);
  EXPECT_EQ(decodePortFile("x1"), 0);
  EXPECT_EQ(decodePortFile(std::string("7\0" "99", 4)), 7);
}

TEST(Readback, StartUpAsksEveryQueryOnceInOrderAndFillsTheWindow) {
  Harness h;
  EXPECT_EQ(queriesIn(h.sent()), kReadbackChain);
  const MainState& st = h.core.st;
  // Slider pairs: box, slider and table agree with the controller.
  for (const SliderParam& p : sliderParams()) {
    const int expected = h.ctrl.value(p.letter) - p.wireOffset;
    EXPECT_EQ(st.ParamValues[p.index], expected) << p.letter;
    EXPECT_EQ(h.win.sliderPos(p.slider), std::clamp(expected, findControl(p.slider)->lo, findControl(p.slider)->hi))
        << p.letter;
    EXPECT_EQ(h.win.text(p.edit), std::to_string(expected)) << p.letter;
  }
  EXPECT_EQ(h.win.comboIndex(ids::kModelTypeList), h.ctrl.value('A') - 1);
  EXPECT_EQ(h.win.comboIndex(ids::kEscRateList), h.ctrl.value('B') - 1);
  EXPECT_EQ(h.win.comboIndex(ids::kLoadList), h.ctrl.value('j'));
  for (const BitGroup& g : bitGroups()) {
    for (int k = 0; k < 8; ++k) {
      EXPECT_EQ(h.win.checkState(g.boxes[k]), bitOf(h.ctrl.value(g.letter), k)) << g.letter << k;
      EXPECT_EQ(st.ParamValues[g.firstIndex + k], bitOf(h.ctrl.value(g.letter), k));
    }
  }
  for (int i = 0; i < 4; ++i)
    EXPECT_EQ(h.win.text(kCellEdits[i]), std::to_string(h.ctrl.value(static_cast<char>('4' + i)) / 10));
  EXPECT_EQ(h.win.text(ids::kVersionBox), "2.015");
  EXPECT_EQ(h.win.text(ids::kPortStatus), "COM opened");
  EXPECT_EQ(st.LinkMode, LinkMode::Rest);
  EXPECT_TRUE(st.ReceiveBuffer.empty());
  // The identity check unlocked the parameter controls and locked the read-outs.
  for (int id : identityEnableList()) EXPECT_TRUE(h.win.isEnabled(id)) << id;
  for (int id : identityDisableList()) EXPECT_FALSE(h.win.isEnabled(id)) << id;
  EXPECT_FALSE(h.win.isEnabled(ids::kUpgradeButton));
}

// Delivers answers until the last query of the chain is out; its answer, the next one the
// controller makes, is the identity answer.
void untilIdentityAsked(Harness& h) {
  const std::string last = "?j\r";
  while (h.port.deliverOne()) {
    const std::string& w = h.port.written();
    if (w.size() >= 3 && w.compare(w.size() - 3, 3, last) == 0 && h.core.st.LinkMode == LinkMode::Rest) break;
  }
}

TEST(Readback, IdentityAnswerInPiecesStillUnlocksTheControls) {
  for (std::vector<size_t> split : {std::vector<size_t>{5}, std::vector<size_t>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}}) {
    Harness h(false);
    h.core.initialise();
    untilIdentityAsked(h);
    h.ctrl.faults.splitAt = split;
    h.pump();
    EXPECT_EQ(h.core.st.LinkMode, LinkMode::Rest);
    EXPECT_TRUE(h.win.isEnabled(1038)) << split.size();
  }
}

TEST(Readback, IdentityAnswerPastTwelveEndsTheModeWithoutACheck) {
  Harness h(false);
  h.core.initialise();
  untilIdentityAsked(h);
  h.ctrl.faults.extraBytes = {'x'};
  h.pump();
  EXPECT_EQ(h.core.st.LinkMode, LinkMode::Rest);
  EXPECT_FALSE(h.win.isEnabled(1038));
}

TEST(Readback, ControlsStayLockedForAControllerOfAnotherKind) {
  Harness h(false);
  h.ctrl.kind = "PXOJ";
  h.connect();
  // Only the help buttons among them are usable: they send nothing.
  for (int id : identityEnableList()) EXPECT_EQ(h.win.isEnabled(id), isHelpButton(id)) << id;
  EXPECT_EQ(h.core.st.ReceiveBuffer, "PXOJ");
  EXPECT_EQ(h.core.st.LinkMode, LinkMode::Rest);
  EXPECT_EQ(h.win.toolTip(ids::kPortStatus),
            "This controller reports firmware kind PXOJ; Zorv changes the settings of TKVR controllers only, so they "
            "are locked.");
}

struct Conversion {
  char letter;
  int stored;       // value in the controller
  int paramIndex;   // -1: none
  int expected;     // ParamValues after the read-back
  int extraAsks;    // repeated queries caused by a zero
};

TEST(Readback, ConversionsAndRetries) {
  const Conversion cases[] = {
      // Values beyond the scale are kept as reported: -12, and 15, which selects no item.
      {'C', -12, 3, -12, 0},   {'J', 50, 12, -50, 0},   {'J', 0, 12, -100, 3}, {'4', 126, 15, 12, 0},
      {'D', 0, 4, 0, 3},     {'P', 1, 2, 1, 0},       {'P', 2, 2, 2, 0},     {'A', 15, 0, 15, 0},
      {'A', 14, 0, 14, 0},   {'L', 355, 14, 355, 0},  {'M', 5, 19, 1, 0},
  };
  for (const Conversion& c : cases) {
    Harness h(false);
    h.ctrl.setValue(c.letter, c.stored);
    h.connect();
    const std::string sent = h.sent();
    const std::string q = std::string("?") + c.letter + "\r";
    size_t count = 0;
    for (size_t at = sent.find(q); at != std::string::npos; at = sent.find(q, at + 1)) ++count;
    EXPECT_EQ(count, static_cast<size_t>(1 + c.extraAsks)) << c.letter << "=" << c.stored;
    EXPECT_EQ(h.core.st.ParamValues[c.paramIndex], c.expected) << c.letter << "=" << c.stored;
    EXPECT_NE(sent.find("?W\r"), std::string::npos) << "the chain went on to the identity check";
  }
}

TEST(Readback, SensorBitsTickTheirBoxes) {
  Harness h(false);
  h.ctrl.setValue('M', 5);
  h.connect();
  const auto& boxes = bitGroups()[kSensorGroup].boxes;
  const int expected[] = {1, 0, 1, 0, 0, 0, 0, 0};
  for (int k = 0; k < 8; ++k) EXPECT_EQ(h.win.checkState(boxes[k]), expected[k]) << k;
}

TEST(Readback, ServoValueThreeSelectsTheThirdEntryAndStoresOne) {
  Harness h;
  h.core.st.ReceiveBuffer.clear();
  h.core.st.ReceivedCount = 0;
  h.inject("?P\r 0003\r\n");
  h.pump();
  EXPECT_EQ(h.core.st.ParamValues[2], 1);
  EXPECT_EQ(h.win.comboIndex(ids::kServoRateList), -1) << "the list has two entries: a third clears the selection";
}

TEST(Readback, VersionWithLeadingZeroIsAskedAgain) {
  Harness h(false);
  h.ctrl.setValue('V', 999);
  h.connect();
  const std::string sent = h.sent();
  size_t count = 0;
  for (size_t at = sent.find("?V\r"); at != std::string::npos; at = sent.find("?V\r", at + 1)) ++count;
  EXPECT_EQ(count, 4u);
  EXPECT_EQ(h.win.text(ids::kVersionBox), "0.999");
}

TEST(Readback, SplitReplyIsGatheredLikeAWholeOne) {
  for (std::vector<size_t> split : {std::vector<size_t>{}, std::vector<size_t>{4}, std::vector<size_t>{1, 2, 3, 9}}) {
    Harness h(false);
    h.ctrl.faults.splitAt = split;
    h.connect();
    EXPECT_EQ(queriesIn(h.sent()), kReadbackChain) << split.size();
    EXPECT_EQ(h.core.st.ParamValues[3], h.ctrl.value('C'));
  }
}

TEST(Readback, TwoRepliesInOneEventAreNeverDispatched) {
  Harness h(false);
  h.core.initialise();  // "?C\r" asked, not yet answered
  h.port.deliverAll();
  h.sent();
  h.core.st.LinkMode = LinkMode::Rest;
  h.core.st.ReceivedCount = 0;
  h.core.st.ReceiveBuffer.clear();
  h.inject(std::string("?C\r 0045\r\n?A\r 0005\r\n"));
  h.port.deliverAll();
  EXPECT_EQ(h.core.st.ReceivedCount, 20);
  EXPECT_EQ(h.sent(), "");
}

TEST(Readback, ZeroByteCountsButShiftsTheCharacters) {
  Harness h(false);
  h.core.initialise();
  h.port.deliverAll();
  h.sent();
  h.core.st.ReceivedCount = 0;
  h.core.st.ReceiveBuffer.clear();
  // "?C\r" + blank + "0" + zero byte + "45" + CR LF: ten bytes, nine characters.
  h.inject(std::string("?C\r 0\0" "45\r\n", 10));
  h.port.deliverAll();
  EXPECT_EQ(h.core.st.ReceivedCount, 0);
  // The field now starts one character early: " 045" reads 45.
  EXPECT_EQ(h.core.st.ParamValues[3], 45);
}

TEST(Readback, PresetEchoRestartsTheReadBackAfterTenMilliseconds) {
  Harness h;
  h.sent();
  h.core.st.LinkMode = LinkMode::Rest;
  h.core.st.ReceiveBuffer.clear();
  h.core.st.ReceivedCount = 0;
  // Nothing happens before the answer is whole; its CR triggers the restart.
  h.inject("Sj000");
  h.port.deliverAll();
  h.inject("1");
  h.port.deliverAll();
  EXPECT_EQ(h.sent(), "");
  const uint32_t before = h.clock.waitedMs;
  h.inject("\r");
  h.port.deliverOne();
  EXPECT_EQ(h.clock.waitedMs - before, 10u);
  EXPECT_EQ(h.sent(), "?C\r");
  h.pump();
  EXPECT_EQ(queriesIn(std::string("?C\r") + h.sent()), kReadbackChain);
}

TEST(Readback, SettingEchoInTheMiddleOfTheChainDoesNotStallIt) {
  // A nonzero height lock changes box 1070's text during the read-back, which sends "SH0051";
  // the controller's echo of it must not stop the chain.
  Harness h(false);
  h.ctrl.setValue('R', 50);
  h.connect();
  const std::string sent = h.sent();
  EXPECT_NE(sent.find("SH0051\r"), std::string::npos);
  EXPECT_NE(sent.find("?W\r"), std::string::npos);
  EXPECT_EQ(h.core.st.ParamValues[10], 50);
  EXPECT_TRUE(h.win.isEnabled(1038));
}

TEST(Readback, LeftOverLineEndOrSettingEchoBeforeAReplyIsDropped) {
  for (const char* head : {"\n", "\r\n", "SC0007\r\n", "SC0007\r\nSH0051\r\n", "\nSL0355\r\n"}) {
    Harness h;
    h.sent();
    h.inject(head);
    h.inject("?C\r 0045\r\n");
    h.pump();
    EXPECT_EQ(h.core.st.ParamValues[3], 45) << head;
    EXPECT_EQ(h.sent().substr(0, 3), "?A\r") << head;
  }
}

TEST(Readback, UnknownEchoStopsTheChainUntilASenderClears) {
  Harness h(false);
  h.ctrl.faults.corruptByte = 0;  // the echo comes back without its "?": no query of the chain
  h.connect();
  EXPECT_FALSE(h.win.isEnabled(1038));
  // Picking the port again clears the buffer and reads everything.
  h.win.userSelect(ids::kPortList, 2);
  h.pump();
  EXPECT_TRUE(h.win.isEnabled(1038));
}

TEST(Readback, ReceiveBufferStaysBounded) {
  Harness h;
  h.core.st.LinkMode = LinkMode::Rest;
  for (int i = 0; i < 100; ++i) h.inject(std::string(1000, 'x'));
  h.port.deliverAll();
  EXPECT_LE(h.core.st.ReceiveBuffer.size(), static_cast<size_t>(kReceiveBufferLimit));
}

TEST(Dispatcher, UnlistedModesLeaveTheBytesInThePort) {
  for (int mode : {8, 9, 11, 14, 16, 19, 21, 29, 31, -1}) {
    Harness h;
    h.core.st.LinkMode = static_cast<LinkMode>(mode);
    h.inject("?C\r 0045\r\n");
    h.port.deliverAll();
    EXPECT_EQ(h.core.st.ReceivedCount, 0) << mode;
    h.core.st.LinkMode = LinkMode::Rest;
    h.core.onReceive();  // the first event after the change reads them
    EXPECT_EQ(h.core.st.ParamValues[3], 45) << mode;
  }
}

}  // namespace
}  // namespace zorv::test
