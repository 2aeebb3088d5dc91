// The controller falls silent at every command of each exchange that waits for it: the read-back,
// a default set, the file chain, the upgrade, the calibration and the reverse read-back. Time
// passes on the fake clock and the shell's tick is played by calling onTick(). Each time, nothing
// happens before the limit; at the limit the status box says "No answer" with what was asked in
// its tooltip, the exchange shows what is particular to it, nothing more goes on the wire, and
// once the controller answers again the user's usual way out works. Then the same with an answer
// that comes just after the limit: it is thrown away, and the next exchange runs as if it had
// never come. The display, which stays on when its records stop, has tests of its own below.

#include <gtest/gtest.h>

#include <set>

#include "core/no_answer.h"
#include "core/watchdog.h"
#include "monitor/display.h"
#include "params/help_texts.h"
#include "sim/parameter_table.h"
#include "tests/reliability.h"

namespace zorv::test {
namespace {

using namespace reliability;

constexpr int kChainSettings = 27;

// The shell's tick, every 100 ms of fake time, until `ms` have passed.
void passTime(Harness& h, uint32_t ms) {
  for (uint32_t passed = 0; passed < ms; passed += answer_limits::kTickMs) {
    h.clock.now += answer_limits::kTickMs;
    h.core.onTick();
  }
}

std::string tipOf(const Harness& h) {
  return h.win.toolTip(ids::kPortStatus);
}

size_t messages(const Harness& h) { return h.prompts.shown.size(); }

// What an exchange shows besides "No answer", told the link mode it fell silent in and the
// commands answered before the silence (counted from the user's start).
using Shows = std::function<void(Harness&, int mode, int answered, size_t messagesBefore)>;

void noMessage(Harness& h, int, int, size_t before) { EXPECT_EQ(messages(h), before) << "no message box"; }

struct Waiting {
  const char* name;
  bool connected;
  std::function<void(Harness&)> prepare;  // before the controller falls silent
  std::function<void(Harness&)> start;    // the user's action; nothing delivered yet
  std::set<int> modes;                    // link modes the silence must have hit
  Shows shows;
  std::function<void(Harness&)> again;    // the way out, once the controller answers again
  std::vector<std::string> lateAfter;     // commands whose answer is also tried late
};

void expectReadBackAgain(Harness& h) {
  pickPortAgain(h);
  expectConnected(h);
  EXPECT_EQ(h.win.text(ids::kPortStatus), "COM Opened");
  EXPECT_EQ(tipOf(h), "");
}

const Waiting kWaiting[] = {
    {"read-back", false, [](Harness&) {}, [](Harness& h) { h.core.initialise(); }, {0, 1},
     [](Harness& h, int, int, size_t before) {
       noMessage(h, 0, 0, before);
       // Locked but for the help buttons, which send nothing.
       for (int id : identityEnableList()) EXPECT_EQ(h.win.isEnabled(id), isHelpButton(id)) << "stays locked: " << id;
     },
     expectReadBackAgain, {"?C", "?F", "?j", "?W"}},
    {"default set", true, [](Harness&) {}, [](Harness& h) { h.win.userSelect(ids::kLoadList, 3); }, {0, 1},
     [](Harness& h, int, int answered, size_t before) {
       if (answered > 0) return noMessage(h, 0, 0, before);  // the read-back that follows went silent
       ASSERT_EQ(messages(h), before + 1);
       EXPECT_EQ(h.prompts.shown.back().text,
                 "The controller did not answer the choice of a default set, so it may or may not have loaded "
                 "it. Pick the port again to read what it now holds.");
     },
     expectReadBackAgain, {}},  // its late echo is taken: see below
    {"file chain", true, saveFile, chooseFileItem, {7, 0, 1},
     [](Harness& h, int mode, int answered, size_t before) {
       if (mode != 7) return noMessage(h, 0, 0, before);
       ASSERT_EQ(messages(h), before + 1);
       EXPECT_EQ(h.prompts.shown.back().text, "The controller stopped answering after " +
                                                  std::to_string(std::max(0, answered - 1)) + " of " +
                                                  std::to_string(kChainSettings) +
                                                  " settings; pick the port again to read what it now holds.");
       EXPECT_EQ(h.prompts.shown.back().caption, "Tarvik Warning：");
     },
     [](Harness& h) {
       expectReadBackAgain(h);
       chooseFileItem(h);  // and the file goes through
       h.pump();
       const auto& log = h.ctrl.log();
       EXPECT_TRUE(std::any_of(log.begin(), log.end(), [](const std::string& c) { return c.rfind("SO", 0) == 0; }));
       expectConnected(h);
     },
     {"Sj0004", "SC", "SA", "SO"}},
    {"upgrade", true, [](Harness& h) { chooseImage(h); }, [](Harness& h) { pressUpgrade(h); },
     {30, 2, 3, 4, 5, 6},
     [](Harness& h, int mode, int answered, size_t before) {
       ASSERT_EQ(messages(h), before + 1);
       // Silent once the upgrade command was out: the controller may hold half a firmware, and
       // the box and the tooltip say so, the tooltip with how far it got.
       if (mode == 30) {
         EXPECT_EQ(h.prompts.shown.back().text, "Data error，Please try it again!");
       } else {
         EXPECT_EQ(h.prompts.shown.back().text, dataErrorUnfinished());
         EXPECT_EQ(tipOf(h).rfind("The upgrade with fw.bin stopped after the controller had taken " +
                                      std::to_string(std::max(0, answered - 2)) + " of its 5 packets. " +
                                      kIncompleteFirmware + "\n\nZorv asked the controller on COM3",
                                  0),
                   0u)
             << tipOf(h);
       }
       EXPECT_EQ(h.prompts.shown.back().caption, "Tarvik Warning:");
       EXPECT_FALSE(h.win.progressVisible());
       EXPECT_TRUE(h.win.isEnabled(ids::kChooseImageButton));
       EXPECT_TRUE(h.win.isEnabled(ids::kUpgradeButton));
       EXPECT_FALSE(h.win.isEnabled(1038)) << "the rest comes back with the next identity";
     },
     [](Harness& h) {
       expectReadBackAgain(h);
       expectUnlockedAfterUpgrade(h);
       h.prompts.shown.clear();
       pressUpgrade(h);
       h.pump();
       expectUpgraded(h);
     },
     {"?W", "UPTKVR", "PKT A0", "PKT A5 seq=3", "PKT C8", "PKT A6"}},
    {"calibration", true, typeCells, [](Harness& h) { h.win.userPress(ids::kBatterySaveButton); }, {15},
     [](Harness& h, int, int answered, size_t before) {
       ASSERT_EQ(messages(h), before + 2);  // the confirmation, then this
       EXPECT_EQ(h.prompts.shown.back().text,
                 "The battery calibration did not complete: the controller stopped answering after " +
                     std::to_string(answered) +
                     " of 4 steps. Check its power and cable, pick the port again, then calibrate once more.");
     },
     [](Harness& h) {
       expectReadBackAgain(h);
       typeCells(h);  // the read-back showed the cells the controller holds
       h.sent();
       h.win.userPress(ids::kBatterySaveButton);
       h.pump();
       EXPECT_EQ(h.sent(), "S00410\rS10822\rS21231\rS31642\r");
       EXPECT_EQ(h.prompts.shown.back().text, "校准完成！");
     },
     {"S0", "S2"}},
    {"reverse read-back", true,
     [](Harness& h) {
       typeCells(h);
       h.ctrl.faults.dropAnswers = 1;  // the calibration waits for its first echo...
       h.win.userPress(ids::kBatterySaveButton);
       h.pump();
     },
     // ...when a receiver reverse write is answered in its mode.
     [](Harness& h) { h.core.send("SN0005\r"); }, {15, 20},
     [](Harness& h, int mode, int, size_t before) {
       if (mode == 15) {
         ASSERT_EQ(messages(h), before + 1);
         EXPECT_NE(h.prompts.shown.back().text.find("did not complete"), std::string::npos);
       } else {
         noMessage(h, 0, 0, before);
       }
     },
     expectReadBackAgain, {"?N"}},
};

// Commands the controller hears while the exchange runs through undisturbed.
int commandsOf(const Waiting& w) {
  Harness ref(w.connected);
  w.prepare(ref);
  const size_t before = ref.ctrl.log().size();
  w.start(ref);
  ref.pump();
  return static_cast<int>(ref.ctrl.log().size() - before);
}

uint32_t limitIn(int mode) {
  return isUploadMode(static_cast<LinkMode>(mode)) ? answer_limits::kLoaderReplyMs : answer_limits::kReplyMs;
}

// The watchdog has fired for this exchange: what every exchange shows.
void expectNoAnswer(Harness& h, const std::string& label) {
  EXPECT_EQ(h.win.text(ids::kPortStatus), kNoAnswerStatus) << label;
  const std::string tip = tipOf(h);
  for (const char* part : {"asked the controller on COM3", "powered", "data", "ModemManager", "pick the port again"})
    EXPECT_NE(tip.find(part), std::string::npos) << label << ": '" << part << "' missing in: " << tip;
  EXPECT_EQ(h.core.st.LinkMode, LinkMode::Rest) << label;
  EXPECT_EQ(h.core.st.ReceivedCount, 0) << label;
  EXPECT_EQ(h.core.st.ReceiveBuffer, "") << label;
  EXPECT_TRUE(h.port.isOpen()) << label;
}

TEST(ReliabilityNoAnswer, SilentAtEveryCommandOfEachExchange) {
  for (const Waiting& w : kWaiting) {
    SCOPED_TRACE(w.name);
    const int total = commandsOf(w);
    ASSERT_GT(total, 0);
    std::set<int> modesHit;
    for (int answered = 0; answered < total; ++answered) {
      const std::string label = "silent after " + std::to_string(answered) + " commands";
      SCOPED_TRACE(label);
      Harness h(w.connected);
      w.prepare(h);
      h.ctrl.faults.muteAfterCommands = answered;
      const size_t before = messages(h);
      w.start(h);
      h.pump();
      const int mode = static_cast<int>(h.core.st.LinkMode);
      if (mode == 10) continue;  // the reverse read-back resumed the display: see the display tests
      modesHit.insert(mode);
      const std::string asked = h.ctrl.log().back();
      h.sent();
      ASSERT_TRUE(h.core.watchdog.armed());
      const Awaited awaited = *h.core.watchdog.awaited();
      const size_t ends = h.ends.size();

      passTime(h, limitIn(mode) - answer_limits::kTickMs);
      EXPECT_NE(h.win.text(ids::kPortStatus), kNoAnswerStatus) << "not before the limit";
      EXPECT_EQ(static_cast<int>(h.core.st.LinkMode), mode);
      EXPECT_EQ(h.ends.size(), ends) << "no end before the limit";
      passTime(h, answer_limits::kTickMs);
      expectNoAnswer(h, label + " (" + asked + ")");
      // The exchange that waited ends, once, as NoAnswer, saying what was asked and how far it got.
      ASSERT_EQ(h.ends.size(), ends + 1);
      const ExchangeResult& end = h.ends.back();
      EXPECT_EQ(end.exchange, exchangeOf(awaited.exchange));
      EXPECT_EQ(end.outcome, Outcome::NoAnswer);
      EXPECT_NE(end.message.find(awaited.asked), std::string::npos) << end.message;
      EXPECT_EQ(end.done, awaited.exchange == Exchange::KindQuery || awaited.exchange == Exchange::UpgradeCommand
                              ? 0
                              : awaited.done);
      if (end.exchange == ExchangeKind::Upgrade) {
        EXPECT_EQ(end.total, 5) << "packets of the image";
        EXPECT_EQ(end.upgradeCommandSent, mode != static_cast<int>(LinkMode::KindQuery));
      } else {
        EXPECT_EQ(end.total, awaited.steps);
      }
      w.shows(h, mode, answered, before);
      passTime(h, 5000);
      EXPECT_EQ(h.sent(), "") << "the watchdog never sends";
      EXPECT_EQ(h.ctrl.log().back(), asked) << "nor does anything else";

      h.ctrl.restart();  // answers again
      w.again(h);
    }
    for (int mode : w.modes) EXPECT_EQ(modesHit.count(mode), 1u) << "never silent in link mode " << mode;
  }
}

TEST(ReliabilityNoAnswer, AnswerJustAfterTheLimitIsThrownAway) {
  for (const Waiting& w : kWaiting) {
    for (const std::string& command : w.lateAfter) {
      SCOPED_TRACE(std::string(w.name) + ", answer to " + command + " comes late");
      Harness h(w.connected);
      w.prepare(h);
      w.start(h);
      ASSERT_TRUE(untilHeard(h, command));
      h.sent();
      const size_t shown = messages(h);
      // Its answer is on its way, and comes just too late.
      passTime(h, limitIn(static_cast<int>(h.core.st.LinkMode)));
      expectNoAnswer(h, command);
      ASSERT_GT(h.port.pendingEvents(), 0u);
      h.pump();
      EXPECT_EQ(h.core.st.ReceivedCount, 0) << "nothing of it is kept";
      EXPECT_EQ(h.core.st.ReceiveBuffer, "");
      EXPECT_EQ(h.core.st.LinkMode, LinkMode::Rest);
      EXPECT_EQ(h.sent(), "") << "nor taken as an answer to go on with";
      EXPECT_EQ(h.win.text(ids::kPortStatus), kNoAnswerStatus);
      EXPECT_LE(messages(h), shown + 1) << "one message at most, for the exchange given up on";

      // A loader left waiting gives up on its own after a while, as the real one does.
      h.port.advance(sim::Controller::kLoaderIdleMs);
      w.again(h);  // the next exchange runs as if the late answer had never come
    }
  }
}

// The controller did load the set, only slowly: its echo, after the limit, still starts the
// read-back, and the window ends showing what the controller holds. Within a raised limit the
// same echo is simply the answer.
TEST(ReliabilityNoAnswer, ADefaultSetsLateEchoStillStartsTheReadBack) {
  for (const uint32_t limit : {answer_limits::kDefaultSetMs, 4000u}) {
    SCOPED_TRACE(limit);
    Harness h(true);
    AnswerLimits limits;
    limits.defaultSetMs = limit;
    h.core.watchdog.setLimits(limits);
    h.win.userSelect(ids::kLoadList, 3);
    ASSERT_TRUE(untilHeard(h, "Sj0003"));
    h.sent();
    passTime(h, std::min(limit, 2000u));
    EXPECT_EQ(h.win.text(ids::kPortStatus) == kNoAnswerStatus, limit <= 2000) << "said only once the limit passed";
    h.pump();  // the echo
    expectConnected(h);
    EXPECT_EQ(queriesIn(h.sent()), kReadbackChain) << "the read-back the echo starts";
    EXPECT_NE(h.win.text(ids::kPortStatus), kNoAnswerStatus);
  }
}

TEST(ReliabilityNoAnswer, ASettingWrittenMeanwhileEndsTheWaitWithoutAMessage) {
  // A slider released during the file upload ends the chain (the link mode goes to 0): the
  // silence that follows is nobody's business.
  Harness h;
  saveFile(h);
  h.ctrl.faults.muteAfterCommands = 3;
  chooseFileItem(h);
  h.pump();
  ASSERT_EQ(h.core.st.LinkMode, LinkMode::FileChain);
  h.win.userSetSlider(1038, 20);
  const size_t before = messages(h);
  passTime(h, 3000);
  EXPECT_EQ(messages(h), before);
  EXPECT_NE(h.win.text(ids::kPortStatus), kNoAnswerStatus);
}

TEST(ReliabilityNoAnswer, APortThatIsGoneOrNeverOpenedSaysWhyInsteadOfNoAnswer) {
  {
    SCOPED_TRACE("unplugged while an answer is awaited");
    Harness h;
    h.ctrl.faults.muteAfterCommands = 0;
    pickPortAgain(h);
    h.ctrl.faults.vanishAfterBytes = 0;
    h.pump();  // the port reports it lost
    passTime(h, 3000);
    expectLost(h);
  }
  struct Case {
    bool atStart;
    const char* status;
  } cases[] = {{true, "COM Failed"}, {false, "串口未打开"}};
  for (const Case& k : cases) {
    SCOPED_TRACE(k.status);
    Harness h(!k.atStart);
    h.port.failOpen = true;
    h.port.failOpenText = "COM3 (ttyACM0) is in use by another program.";
    k.atStart ? h.connect() : pickPortAgain(h);
    passTime(h, 3000);
    EXPECT_EQ(h.win.text(ids::kPortStatus), k.status);
    EXPECT_EQ(tipOf(h), h.port.failOpenText);
  }
}

// --- The display: it stays on, the hint box says when no data arrives, and it recovers. ---

constexpr const char* kNoDataHint =
    "No data from the controller: check its power and cable. The display stays on and shows the values as "
    "soon as they come.";

// `ms` pass in steps of 20 ms on the port's clock and the window's, each step's records delivered,
// with the shell's tick every 100 ms.
void streamTicking(Harness& h, uint32_t ms) {
  for (uint32_t passed = 0; passed < ms; passed += 20) {
    h.port.advance(20);
    h.clock.now += 20;
    h.pump();
    if ((passed + 20) % answer_limits::kTickMs == 0) h.core.onTick();
  }
}

void expectDisplayOn(const Harness& h) {
  EXPECT_EQ(h.core.st.LinkMode, LinkMode::Monitor);
  EXPECT_EQ(h.core.st.MonitorStopped, 0);
  EXPECT_EQ(h.win.text(ids::kDisplayButton), "Stop Display");
  for (int id : displayControls()) EXPECT_TRUE(h.win.isEnabled(id)) << id;
}

TEST(ReliabilityNoAnswer, DisplayWithoutRecordsSaysSoStaysOnAndRecovers) {
  struct Case {
    const char* name;
    int muteAfter;        // commands answered after the display starts; -1: records flow first
    uint32_t flowFirstMs;  // records shown before the silence
  } cases[] = {
      {"silent from the start", 0, 0},
      {"the start echoed, then not one record", 1, 0},
      {"records stop midway", -1, 300},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.name);
    Harness h;
    const std::string hintBefore = h.win.text(ids::kFirmwareHint);
    const std::string statusBefore = h.win.text(ids::kPortStatus);
    h.ctrl.faults.muteAfterCommands = k.muteAfter;
    h.win.userPress(ids::kDisplayButton);
    h.sent();
    streamTicking(h, k.flowFirstMs);
    if (k.flowFirstMs > 0) {
      EXPECT_NE(h.win.text(ids::kFirstChannelReadout), "0");
      h.ctrl.faults.muteAfterCommands = 0;
    }

    streamTicking(h, answer_limits::kRecordMs - answer_limits::kTickMs);
    EXPECT_EQ(h.win.text(ids::kFirmwareHint), hintBefore) << "not before the limit";
    streamTicking(h, answer_limits::kTickMs);
    EXPECT_EQ(h.win.text(ids::kFirmwareHint), kNoDataHint);
    expectDisplayOn(h);
    EXPECT_EQ(h.win.text(ids::kPortStatus), statusBefore) << "the display is not an exchange given up on";
    streamTicking(h, 3000);
    EXPECT_EQ(h.sent(), "") << "nothing is sent to wake it";

    h.ctrl.faults.muteAfterCommands = -1;
    // A board that never took the start is told directly, as if the start had got through.
    if (!h.ctrl.monitorOn()) h.ctrl.receive("S~0001\r");
    (void)h.ctrl.takeOutput();
    streamTicking(h, 100);
    EXPECT_EQ(h.win.text(ids::kFirmwareHint), hintBefore) << "records again: the hint is what it was";
    EXPECT_NE(h.win.text(ids::kFirstChannelReadout), "0");
    expectDisplayOn(h);

    h.win.userPress(ids::kDisplayButton);  // and stopping works as ever
    EXPECT_EQ(h.sent(), "S~0000\r");
    EXPECT_EQ(h.core.st.LinkMode, LinkMode::Rest);
    passTime(h, 3000);
    EXPECT_NE(h.win.text(ids::kFirmwareHint), kNoDataHint);
  }
}

}  // namespace
}  // namespace zorv::test
