// A recorded session played back as the controller: a window that does the same again gets the
// same bytes and ends showing the same; where a session departs from the log, the replay says
// where and follows the window.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <tuple>
#include <vector>

#include "serial/traffic_line.h"
#include "sim/replay.h"
#include "tests/reliability.h"
#include "tests/support/peer_script.h"

namespace zorv::test {
namespace {

using namespace reliability;

// A pilot's session: the read-back at the start, a slider, a list and a sensor box, the settings
// saved and loaded back, and an upgrade with a short image.
void pilotSession(Harness& h) {
  h.connect();
  h.win.userSetSlider(1038, 77);
  h.win.userSelect(ids::kEscRateList, 5);
  h.win.userClick(1056);
  h.pump();
  saveFile(h);
  chooseFileItem(h);
  h.pump();
  chooseImage(h);
  h.win.userPress(ids::kUpgradeButton);
  h.pump();
}

std::vector<std::string> messagesOf(const Harness& h) {
  std::vector<std::string> texts;
  for (const ScriptedPrompts::Shown& s : h.prompts.shown) texts.push_back(s.text);
  return texts;
}

TEST(Replay, ASessionPlayedToAFreshWindowEndsTheSameWithTheSameBytes) {
  Harness recorded(Harness::Options{nullptr, true, false});
  pilotSession(recorded);
  expectUpgraded(recorded);
  const std::string trace = recorded.traffic.log().text();
  const TraceReading reading = readTrace(trace);
  ASSERT_EQ(reading.badLines, 0u) << reading.problems[0];
  ASSERT_EQ(queriesIn(recorded.port.written()).substr(0, std::string(kReadbackChain).size()), kReadbackChain);
  for (const char* part : {"> 53 43 30 30 37 37 0D ", "> 53 6A 30 30 30 34 0D ", "> 55 50 54 4B 56 52 0D ", "> A6 00 00 00"})
    ASSERT_NE(trace.find(part), std::string::npos) << "the session holds " << part;

  sim::Replay replay(reading.chunks, "session.log");
  Harness played(Harness::Options{&replay, true, false});
  pilotSession(played);
  // Every byte both ways, in the same pieces, at the same times.
  EXPECT_EQ(played.traffic.log().text(), trace);
  EXPECT_EQ(replay.departedAtLine(), 0u);
  EXPECT_EQ(replay.takeNotes(), std::vector<std::string>{});
  EXPECT_EQ(replay.commandsMatched(), replay.commandsInTrace());
  // The same window, but for the image's path, which lies in each window's own folder.
  WindowState want = stateOf(recorded.win);
  want.texts[ids::kFirmwareHint] = played.win.text(ids::kFirmwareHint);
  EXPECT_EQ(differences(stateOf(played.win), want), "");
  EXPECT_EQ(played.core.st.ParamValues, recorded.core.st.ParamValues);
  EXPECT_EQ(messagesOf(played), messagesOf(recorded));
}

// The log of a short session, line by line after a comment line (so the first chunk is line 2).
std::string shortSessionLog() {
  const std::tuple<int64_t, Traffic, std::string> chunks[] = {
      {0, Traffic::Event, "opened COM3"},            // line 2
      {2000, Traffic::Read, std::string("\0\xFF", 2)},  // the board's noise after the open
      {10000, Traffic::Written, "?C\r"},             // line 4
      {30000, Traffic::Read, "?C\r 0050\r\n"},
      {40000, Traffic::Written, "?A\r"},             // line 6
      {41000, Traffic::Read, "?A\r 0005\r\n"},
      {50000, Traffic::Written, "SC0033\r"},         // line 8
      {9050000, Traffic::Read, "SC0033\r\n"},       // 9 s later: played 5 s later
      {9060000, Traffic::Written, "?B\r"},           // line 10
      {9061000, Traffic::Read, "?B\r 00"},
      {9062000, Traffic::Read, "03\r\n"},            // line 12
  };
  std::string text = "# a short session\n";
  for (const auto& [us, direction, bytes] : chunks) text += trafficLine(us, direction, bytes) + "\n";
  return text;
}

TEST(Replay, FollowsTheLogAndSaysWhereTheSessionDeparts) {
  const std::string noise("\0\xFF", 2);
  const std::string C = "?C\r 0050\r\n", A = "?A\r 0005\r\n";
  struct Case {
    const char* name;
    std::vector<PeerStep> script;
    size_t departedAt;
    std::vector<std::string> notes;  // a piece of each note, in order
  } cases[] = {
      {"the same session, with the recorded pauses (the long one cut to 5 s)",
       {opened(), out(""), dueIn(2), after(2), out(noise), sent("?C\r"), out(""), dueIn(20), after(20), out(C),
        sent("?A\r"), after(1), out(A), sent("SC0033\r"), dueIn(5000), after(4999), out(""), after(1),
        out("SC0033\r\n"), sent("?B\r"), after(1), out("?B\r 00"), after(1), out("03\r\n"), dueIn(UINT32_MAX)},
       0,
       {}},
      {"commands in pieces, two in one read: the first one's answer comes at once",
       {opened(), after(2), out(noise), sent("?"), sent("C"), out(""), sent("\r?A\r"), out(C), after(1), out(A)},
       0,
       {}},
      {"a session that never opens the port gets no noise",
       {sent("?C\r"), after(20), out(C)},
       0,
       {}},
      {"a reopen drops what was still to come",
       {opened(), sent("?C\r"), out(noise), after(10), opened(), after(100), out("")},
       0,
       {}},
      {"the window skips a command: the replay follows it",
       {opened(), after(2), out(noise), sent("?A\r"), after(1), out(A), sent("SC0033\r"), after(5000), out("SC0033\r\n")},
       4,
       {"the session departs from session.log at line 4: the log has 3F 43 0D (?C.) written next, the window wrote "
        "3F 41 0D (?A.)",
        "following the window from line 6 of session.log on"}},
      {"a command the log does not have goes unanswered",
       {opened(), after(2), out(noise), sent("?Z\r"), after(100), out(""), sent("?C\r"), after(20), out(C)},
       4,
       {"departs from session.log at line 4"}},
      {"past the end of the log nothing is answered",
       {sent("?C\r?A\rSC0033\r?B\r"), after(6000), outSize(10 + 10 + 8 + 10), sent("?C\r"), after(1000), out("")},
       13,
       {"the session goes on past the end of session.log: the window wrote 3F 43 0D (?C.), which is not answered"}},
  };
  const TraceReading reading = readTrace(shortSessionLog());
  ASSERT_EQ(reading.badLines, 0u);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    sim::Replay replay(reading.chunks, "session.log");
    EXPECT_EQ(replay.commandsInTrace(), 4u);
    runPeerScript(replay, c.script);
    EXPECT_EQ(replay.departedAtLine(), c.departedAt);
    const std::vector<std::string> notes = replay.takeNotes();
    ASSERT_EQ(notes.size(), c.notes.size());
    for (size_t i = 0; i < notes.size(); ++i) EXPECT_NE(notes[i].find(c.notes[i]), std::string::npos) << notes[i];
  }
}

// A window that sends what the log never had, for ever: the replay keeps a bounded input, says so
// a bounded number of times, and still answers a command of the log that comes after.
TEST(Replay, EndlessUnknownInputStaysBounded) {
  const TraceReading reading = readTrace(shortSessionLog());
  sim::Replay replay(reading.chunks, "session.log");
  const std::string junk(100000, 'x');
  for (int i = 0; i < 20; ++i) {
    replay.receive(junk);
    replay.receive("?Q\r");
  }
  EXPECT_LE(replay.takeNotes().size(), sim::Replay::kMaxNotes + 1);
  EXPECT_LE(replay.log().size(), 20u * (100000 / 64 + 2));
  replay.receive("?C\r");
  replay.advance(20);
  std::string got;
  for (const auto& chunk : replay.takeOutput()) got.append(chunk.begin(), chunk.end());
  EXPECT_EQ(got, "?C\r 0050\r\n");
}

}  // namespace
}  // namespace zorv::test
