// Exchanges that used to stop without a word: a default set's answer cut or preceded by other
// bytes, a port picked while the live display streams, a settings file that cannot be opened,
// Enter and Esc while an automation client holds the window.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/harness.h"

namespace zorv::test {
namespace {

struct EchoCase {
  std::string name;
  std::vector<std::string> pieces;  // receive events, in order
};

std::vector<EchoCase> echoCases() {
  const std::string echo = "Sj0002\r\n";
  std::vector<EchoCase> cases = {{"Whole", {echo}}};
  for (size_t k = 1; k < echo.size(); ++k) cases.push_back({"SplitAfter" + std::to_string(k), {echo.substr(0, k), echo.substr(k)}});
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
  EXPECT_TRUE(h.win.isEnabled(1015));
  EXPECT_EQ(st.LinkMode, LinkMode::Rest);
}

INSTANTIATE_TEST_SUITE_P(Pieces, DefaultSetEcho, ::testing::ValuesIn(echoCases()),
                         [](const auto& info) { return info.param.name; });

// The live display streams; the user picks the port. The controller finishes the record it was
// sending when told to stop, and may send one more after its answer.
struct PickCase {
  int recordsAfterStop;
  bool recordsWaiting;  // records already in the port when the port is picked
};

class PortPickedWhileStreaming : public ::testing::TestWithParam<PickCase> {};

TEST_P(PortPickedWhileStreaming, ReadsBackOnceTheLineIsQuiet) {
  Harness h;
  h.ctrl.recordsAfterStop = GetParam().recordsAfterStop;
  h.win.userPress(1118);
  h.pump();
  h.port.advance(70);
  if (!GetParam().recordsWaiting) h.pump();
  h.sent();
  h.ctrl.clearLog();
  h.ctrl.setValue('C', 33);
  h.win.userSelect(1061, 2);
  h.pump();
  EXPECT_EQ(queriesIn(h.sent()), kReadbackChain);
  EXPECT_EQ(h.core.st.LinkMode, LinkMode::Rest);
  EXPECT_EQ(h.core.st.MonitorStopped, 1);
  EXPECT_EQ(h.core.st.ParamValues[3], 33);
  EXPECT_TRUE(h.win.isEnabled(1015));
  EXPECT_FALSE(h.ctrl.monitorOn());
}

INSTANTIATE_TEST_SUITE_P(Stops, PortPickedWhileStreaming,
                         ::testing::Values(PickCase{0, false}, PickCase{1, false}, PickCase{2, false},
                                           PickCase{2, true}));

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
  EXPECT_EQ(h.win.text(1047), "COM opened");
  EXPECT_EQ(queriesIn(h.sent()), kReadbackChain);
  EXPECT_TRUE(h.win.isEnabled(1015));

  h.win.userSelect(1061, 6);
  h.pump();
  EXPECT_EQ(told(), 2);
  EXPECT_EQ(h.port.portNumber(), 7);
  EXPECT_EQ(h.win.text(1047), "COM Opened");
  EXPECT_EQ(queriesIn(h.sent()), kReadbackChain);
}

// While an automation client holds the window, Enter, Esc and the close box all hide it,
// without a question; nothing ends.
struct CloseCase {
  const char* name;
  void (Router::*act)();
};

class ClosingWhileHeld : public ::testing::TestWithParam<CloseCase> {};

TEST_P(ClosingWhileHeld, HidesWithoutAsking) {
  Harness h;
  h.core.st.AutoProxy = true;
  const size_t asked = h.prompts.shown.size();
  (h.core.*GetParam().act)();
  EXPECT_TRUE(h.win.hidden);
  EXPECT_EQ(h.win.ended, -1);
  EXPECT_EQ(h.prompts.shown.size(), asked);
}

INSTANTIATE_TEST_SUITE_P(Keys, ClosingWhileHeld,
                         ::testing::Values(CloseCase{"Enter", &Router::onAccept}, CloseCase{"Esc", &Router::onCancel},
                                           CloseCase{"CloseBox", &Router::onCloseBox}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zorv::test
