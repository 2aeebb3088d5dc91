// Exchanges that used to stop without a word: a default set's answer cut or preceded by other
// bytes, a port picked while the live display streams, a board left streaming by an earlier
// session, a settings file that cannot be opened, closing the window while the display runs.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/quiet_line.h"
#include "tests/reliability.h"
#include "tests/support/feed_port.h"
#include "tests/support/harness.h"
#include "tests/support/test_names.h"

namespace zorv::test {
namespace {

struct EchoCase {
  std::string name;
  std::vector<std::string> pieces;  // receive events, in order
};
void PrintTo(const EchoCase& c, std::ostream* os) { *os << c.name; }

std::vector<EchoCase> echoCases() {
  const std::string echo = "Sj0002\r\n";
  std::vector<EchoCase> cases = {{"Whole", {echo}}};
  for (size_t k = 1; k < echo.size(); ++k)
    cases.push_back({"SplitAfterByte" + std::to_string(k), {echo.substr(0, k), echo.substr(k)}});
  EchoCase bytes{"OneBytePerEvent", {}};
  for (char c : echo) bytes.pieces.emplace_back(1, c);
  cases.push_back(bytes);
  cases.push_back({"AfterASettingEcho", {"SC0007\r\n" + echo}});
  cases.push_back({"AfterASettingEchoThenSplit", {"SC0007\r\nSj0", "002\r\n"}});
  cases.push_back({"AfterALineFeed", {"\n" + echo}});
  cases.push_back({"AfterALineEnd", {"\r\n" + echo}});
  cases.push_back({"AfterTwoSettingEchoesAndALineFeed", {"SH0051\r\nSC0007\r\n\n" + echo}});
  return cases;
}

class DefaultSetEcho : public ::testing::TestWithParam<EchoCase> {};

TEST_P(DefaultSetEcho, RestartsTheReadBackExactlyOnceWhenWhole) {
  Harness h;
  MainState& st = h.core.st;
  st.LinkMode = LinkMode::Rest;  // as after choosing a default set
  st.ReceiveBuffer.clear();
  st.ReceivedCount = 0;
  h.sent();
  const uint32_t waited = h.clock.waitedMs;
  const std::vector<std::string>& pieces = GetParam().pieces;
  std::string arrived, sent;
  for (size_t i = 0; i < pieces.size(); ++i) {
    h.inject(pieces[i]);
    h.port.deliverOne();
    arrived += pieces[i];
    sent += h.sent();
    // Its CR makes the answer whole; its LF may follow later.
    if (arrived.find("Sj0002\r") == std::string::npos) {
      EXPECT_EQ(sent, "") << "nothing before the answer is whole, piece " << i;
    }
  }
  h.pump();
  EXPECT_EQ(queriesIn(sent + h.sent()), kReadbackChain);
  EXPECT_EQ(h.clock.waitedMs - waited, 10u) << "one restart";
  EXPECT_TRUE(h.win.isEnabled(ids::kSaveButton));
  EXPECT_EQ(st.LinkMode, LinkMode::Rest);
}

INSTANTIATE_TEST_SUITE_P(Pieces, DefaultSetEcho, ::testing::ValuesIn(echoCases()), RowName());

// The live display streams; the user picks the port. The controller finishes the record it was
// sending when told to stop, and may send one more after its answer.
struct PickCase {
  int recordsAfterStop;
  bool recordsWaiting;  // records already in the port when the port is picked
};
// "RecordsAfterStop2AlreadyWaiting"
std::string nameOf(const PickCase& c) {
  return "RecordsAfterStop" + std::to_string(c.recordsAfterStop) + (c.recordsWaiting ? "AlreadyWaiting" : "");
}
void PrintTo(const PickCase& c, std::ostream* os) { *os << nameOf(c); }

class PortPickedWhileStreaming : public ::testing::TestWithParam<PickCase> {};

TEST_P(PortPickedWhileStreaming, ReadsBackOnceTheLineIsQuiet) {
  Harness h;
  h.ctrl.recordsAfterStop = GetParam().recordsAfterStop;
  h.win.userPress(ids::kDisplayButton);
  h.pump();
  h.port.advance(70);
  if (!GetParam().recordsWaiting) h.pump();
  h.sent();
  h.ctrl.clearLog();
  h.ctrl.setValue('C', 33);
  h.win.userSelect(ids::kPortList, 2);
  h.pump();
  EXPECT_EQ(queriesIn(h.sent()), kReadbackChain);
  EXPECT_EQ(h.core.st.LinkMode, LinkMode::Rest);
  EXPECT_EQ(h.core.st.MonitorStopped, 1);
  EXPECT_EQ(h.core.st.ParamValues[3], 33);
  EXPECT_TRUE(h.win.isEnabled(ids::kSaveButton));
  EXPECT_FALSE(h.ctrl.monitorOn());
}

INSTANTIATE_TEST_SUITE_P(Stops, PortPickedWhileStreaming,
                         ::testing::Values(PickCase{0, false}, PickCase{1, false}, PickCase{2, false},
                                           PickCase{2, true}),
                         [](const auto& info) { return nameOf(info.param); });

// The settings file's place is taken by a folder: the user is told, the port is opened all the
// same and read back, at start and on every pick.
TEST(SettingsFileUnusable, ToldThenTheOpenGoesOn) {
  Harness h(false);
  std::filesystem::create_directory(h.path("tkvrconfig.ini"));
  h.connect();
  auto told = [&h] {
    int n = 0;
    for (const auto& box : h.prompts.shown)
      if (box.text.rfind("Cannot open the file " + h.path("tkvrconfig.ini"), 0) == 0) ++n;
    return n;
  };
  EXPECT_EQ(told(), 1);
  EXPECT_TRUE(h.port.isOpen());
  EXPECT_EQ(h.port.portNumber(), 3);
  EXPECT_EQ(h.win.text(ids::kPortStatus), "COM opened");
  EXPECT_EQ(queriesIn(h.sent()), kReadbackChain);
  EXPECT_TRUE(h.win.isEnabled(ids::kSaveButton));

  h.win.userSelect(ids::kPortList, 6);
  h.pump();
  EXPECT_EQ(told(), 2);
  EXPECT_EQ(h.port.portNumber(), 7);
  EXPECT_EQ(h.win.text(ids::kPortStatus), "COM Opened");
  EXPECT_EQ(queriesIn(h.sent()), kReadbackChain);
}

// Closing the window: Enter ends it at once, Esc and the close box ask first; while an automation
// client holds it, the close box and Enter only hide it, and Esc still asks and on Yes closes it.
// However it ends (a signal or the last client leaving end it through onWindowEnding), a running
// display is switched off first, so that the board does not stream into the next session.
struct CloseCase {
  const char* name;
  void (Router::*act)();
  bool held;               // an automation client holds the window
  Prompts::Answer answer;  // to the question, when there is one
  bool asks, hides;
  int ended;   // -1 still running, 0 cancelled, 1 accepted
  bool stops;  // "S~0000" goes out
};
void PrintTo(const CloseCase& c, std::ostream* os) { *os << c.name; }

class ClosingTheWindow : public ::testing::TestWithParam<CloseCase> {};

TEST_P(ClosingTheWindow, AsksHidesOrEndsWithTheDisplaySwitchedOffFirst) {
  const CloseCase& c = GetParam();
  Harness h;
  h.win.userPress(ids::kDisplayButton);
  h.pump();
  h.sent();
  h.core.st.AutoProxy = c.held;
  const size_t asked = h.prompts.shown.size();
  h.prompts.answers = {c.answer};
  (h.core.*c.act)();
  EXPECT_EQ(h.win.hidden, c.hides);
  EXPECT_EQ(h.win.ended, c.ended);
  EXPECT_EQ(h.prompts.shown.size(), asked + (c.asks ? 1 : 0));
  EXPECT_EQ(h.sent(), c.stops ? "S~0000\r" : "");
  EXPECT_EQ(h.ctrl.monitorOn(), !c.stops);
}

constexpr Prompts::Answer kYes = Prompts::Answer::Yes, kNo = Prompts::Answer::No;
INSTANTIATE_TEST_SUITE_P(
    Ways, ClosingTheWindow,
    ::testing::Values(CloseCase{"Enter", &Router::onAccept, false, kYes, false, false, 1, true},
                      CloseCase{"EscAnsweredYes", &Router::onCancel, false, kYes, true, false, 0, true},
                      CloseCase{"EscAnsweredNo", &Router::onCancel, false, kNo, true, false, -1, false},
                      CloseCase{"CloseBoxAnsweredYes", &Router::onCloseBox, false, kYes, true, false, 0, true},
                      CloseCase{"HeldCloseBox", &Router::onCloseBox, true, kYes, false, true, -1, false},
                      CloseCase{"HeldEscAnsweredYes", &Router::onCancel, true, kYes, true, false, 0, true},
                      CloseCase{"HeldEscAnsweredNo", &Router::onCancel, true, kNo, true, false, -1, false},
                      CloseCase{"SignalOrLastClient", &Router::onWindowEnding, true, kYes, false, false, -1, true}),
    RowName());

// A board left streaming by an earlier session: its records come where the read-back (or the
// default set that starts one) expects answers. The stream is switched off once, the line left
// to go quiet and everything read back; the pilot sees nothing but the read-back.
struct StreamCase {
  const char* name;
  const char* heard;  // the records come after the answer to this command of the read-back at start,
  bool defaultSet;    // or before the echo of a default set chosen in a connected window
};
void PrintTo(const StreamCase& c, std::ostream* os) { *os << c.name; }

class StreamingBoard : public ::testing::TestWithParam<StreamCase> {};

TEST_P(StreamingBoard, IsSwitchedOffAndReadBackWithoutAWord) {
  const StreamCase& c = GetParam();
  Harness h(c.defaultSet);
  h.ctrl.receive("S~0001\r");  // the earlier session's
  (void)h.ctrl.takeOutput();
  h.sent();
  if (c.defaultSet) {
    h.port.advance(20);
    h.win.userSelect(ids::kLoadList, 2);
  } else {
    h.core.initialise();
    ASSERT_TRUE(reliability::untilHeard(h, c.heard));
    h.port.advance(20);
  }
  h.pump();
  const std::string sent = h.sent();
  const size_t stop = sent.find("S~0000\r");
  ASSERT_NE(stop, std::string::npos) << sent;
  EXPECT_EQ(sent.find("S~0000\r", stop + 1), std::string::npos) << "once";
  EXPECT_EQ(queriesIn(sent.substr(stop)), kReadbackChain);
  EXPECT_FALSE(h.ctrl.monitorOn());
  EXPECT_TRUE(h.prompts.shown.empty());
  EXPECT_EQ(h.win.text(ids::kPortStatus), "COM opened");
  reliability::expectConnected(h);
}

INSTANTIATE_TEST_SUITE_P(Records, StreamingBoard,
                         ::testing::Values(StreamCase{"AfterTheFirstAnswer", "?C", false},
                                           StreamCase{"InTheMiddle", "?M", false},
                                           StreamCase{"BeforeTheIdentity", "?j", false},
                                           StreamCase{"BeforeADefaultSetsEcho", "", true}),
                         RowName());

// The quiet-line wait after a port pick during the display gives up after 500 ms on a line that
// never goes quiet, or after its count of waits when the clock does not move.
struct EndlessStream : FeedPort {
  FakeClock* clock = nullptr;  // moved by each wait when set
  int waits = 0;
  bool waitForInput(int ms) override {
    if (clock) clock->now += static_cast<uint32_t>(ms);
    ++waits;
    pending = {'C', 'H'};
    return true;
  }
};

TEST(QuietLine, WaitAfterAPickDuringTheDisplayEndsAtItsBound) {
  for (bool moves : {true, false}) {
    SCOPED_TRACE(moves ? "the clock moves" : "the clock stands still");
    FakeClock clock;
    EndlessStream port;
    port.clock = moves ? &clock : nullptr;
    FakeWindow win;
    ScriptedPrompts prompts;
    Router core(port, win, prompts, clock, "");
    win.router = &core;
    core.portFileUse = Core::PortFileUse::None;
    core.st.MonitorStopped = 0;
    core.st.LinkMode = LinkMode::Monitor;
    win.userSelect(ids::kPortList, 2);
    EXPECT_EQ(port.waits, moves ? 17 : kQuietMaxWaits);  // 17 waits of 30 ms pass 500 ms
    EXPECT_EQ(clock.now, moves ? 510u : 0u);
    EXPECT_EQ(port.written, 7u + 3u) << "S~0000, then ?C";
  }
}

}  // namespace
}  // namespace zorv::test
