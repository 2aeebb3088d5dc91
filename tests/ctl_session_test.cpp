// zorvctl's jobs in memory: the session against the simulated controller on a SimPort, with the
// controller's time driven by the pump, so the faults of the link can be armed on any answer.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <utility>

#include "ctl/jobs.h"
#include "ctl/session.h"
#include "ctl/tap_port.h"
#include "sim/sim_port.h"
#include "tests/support/fake_clock.h"
#include "tests/support/feed_port.h"

namespace zorv {
namespace {

// Delivers the controller's answers one event at a time; when none is pending, a millisecond
// of the controller's time passes, on the window's clock too, and every 100 of them the window's
// tick runs (its answer limits). The time limit counts those milliseconds.
class SimPump : public Pump {
 public:
  SimPump(sim::SimPort& port, FakeClock& clock) : port_(port), clock_(clock) {}
  Stop runUntil(const std::function<bool()>& done) override { return run(-1, done); }
  Stop runFor(int ms, const std::function<bool()>& done) override { return run(ms, done); }
  void setLimit(int ms) override {
    limitMs_ = ms;
    sinceLimit_ = 0;
  }
  int interruptAfterEvents = -1;  // Ctrl-C after this many events
  std::function<void()> everyTick;

 private:
  Stop run(int ms, const std::function<bool()>& done) {
    for (int spent = 0;;) {
      if (interruptAfterEvents == 0) return Stop::Interrupted;
      if (done && done()) return Stop::Done;
      if (ms >= 0 && spent >= ms) return Stop::Done;
      if (limitMs_ >= 0 && sinceLimit_ >= limitMs_) return Stop::TimedOut;
      if (port_.deliverOne()) {
        if (interruptAfterEvents > 0) --interruptAfterEvents;
        continue;
      }
      port_.advance(1);
      ++clock_.now;
      if (everyTick && clock_.now % answer_limits::kTickMs == 0) everyTick();
      ++spent;
      ++sinceLimit_;
    }
  }
  sim::SimPort& port_;
  FakeClock& clock_;
  int limitMs_ = -1;
  int sinceLimit_ = 0;
};

struct InMemory {
  sim::Controller ctrl;
  sim::SimPort port{ctrl};
  FakeClock clock;
  SimPump pump{port, clock};
  std::ostringstream out, err;

  int run(std::vector<std::string> words, int timeoutMs = 5000) {
    std::string error;
    const std::optional<Options> o = parseOptions(words, &error);
    if (!o) return -1;
    Session::Setup setup;
    setup.link = Options::Link::Demo;
    setup.timeoutMs = timeoutMs;
    Session session(port, clock, pump, out, err, setup);
    pump.everyTick = [&session] { session.router().onTick(); };
    return runCommand(session, *o);
  }
};

constexpr char kCheckAdvice[] =
    "zorvctl: check that the controller is powered, that this is its port (`zorvctl ports` lists the device behind "
    "each number), that the USB cable carries data and that no other program holds the port (on Linux, "
    "ModemManager may take a new board); then run the command again.\n";

// Each way a job can end badly, and what zorvctl says: where, what happened, what it sent, what
// that leaves in the controller and what to check. The read-back takes 37 commands and the
// height-lock box's SH0051.
struct FaultRow {
  const char* name;
  std::vector<std::string> words;
  void (*arm)(sim::Controller&);
  int rc;
  std::vector<std::string> says;  // each somewhere in standard error
};

void PrintTo(const FaultRow& row, std::ostream* os) { *os << row.name; }

class ZorvctlFaults : public ::testing::TestWithParam<FaultRow> {};

TEST_P(ZorvctlFaults, EndTheJobAndSayWhereWhatWasSentAndWhatToDo) {
  const FaultRow& row = GetParam();
  const std::string image = testing::TempDir() + "zorvctl-session.bin";
  std::ofstream(image, std::ios::binary) << std::string(3000, '\x11');
  const std::string saved = testing::TempDir() + "zorvctl-session.txt";
  {
    InMemory m;
    ASSERT_EQ(m.run({"save", saved}), 0) << m.err.str();
  }
  InMemory m;
  row.arm(m.ctrl);
  std::vector<std::string> words = row.words;
  for (std::string& w : words) {
    if (w == "IMAGE") w = image;
    if (w == "SAVED") w = saved;
  }
  EXPECT_EQ(m.run(words), row.rc) << m.err.str();
  for (std::string says : row.says) {
    for (const auto& [name, path] : {std::pair<std::string, std::string>{"IMAGE", image}, {"SAVED", saved}})
      if (const size_t at = says.find(name); at != std::string::npos) says.replace(at, name.size(), path);
    EXPECT_NE(m.err.str().find(says), std::string::npos) << "wanted: " << says << "\ngot:\n" << m.err.str();
  }
}

const std::string kGone = "Port closed: device gone (unplugged or switched off).\n";
constexpr int kReadBackCommands = 38;  // 37 queries and SH0051

INSTANTIATE_TEST_SUITE_P(
    Ends, ZorvctlFaults,
    ::testing::Values(
        FaultRow{"AZeroValueAskedAgainAndTaken", {"read"}, [](sim::Controller& c) { c.setValue('D', 0); }, 0, {}},
        FaultRow{"NoAnswerAtAll",
                 {"read"},
                 [](sim::Controller& c) { c.faults.dropAnswers = 1000; },
                 1,
                 {"zorvctl: the simulated controller: no answer while reading the settings back: the controller was "
                  "asked for its settings (query ?C, 1 of 36) and gave no answer within 1 second.\nzorvctl: sent ?C.\n" +
                  std::string(kCheckAdvice)}},
        FaultRow{"UnpluggedDuringTheReadBack",
                 {"get", "3"},
                 [](sim::Controller& c) { c.faults.vanishAfterBytes = 55; },
                 1,
                 {"zorvctl: the simulated controller went away while reading the settings back: " + kGone +
                  "zorvctl: sent 6 queries (?C to ?F).\n"}},
        FaultRow{"UnpluggedDuringTheUpgrade",
                 {"flash", "IMAGE"},
                 [](sim::Controller& c) { c.faults.vanishAfterBytes = 2000; },
                 1,
                 {"zorvctl: the simulated controller went away while upgrading with IMAGE: " + kGone,
                  ", UPTKVR, 26 firmware packets.\n",
                  "zorvctl: the controller had taken 25 of its 57 packets; it may now hold an incomplete firmware and "
                  "must be upgraded again before it flies: run the same flash command again.\n"}},
        FaultRow{"WrongSequenceInTheUpgrade",
                 {"flash", "IMAGE"},
                 [](sim::Controller& c) { c.faults.wrongSequence = true; },
                 1,
                 {"zorvctl: the simulated controller: failed while upgrading with IMAGE: the loader answered packet 1 "
                  "asking for packet 3 next, not 2 (a data error).\n",
                  "zorvctl: the controller had taken 0 of its 57 packets; it may now hold an incomplete firmware"}},
        FaultRow{"LoaderFallsSilent",
                 {"flash", "IMAGE"},
                 [](sim::Controller& c) { c.faults.muteAfterCommands = kReadBackCommands + 2 + 3; },
                 1,
                 {"zorvctl: the simulated controller: no answer while upgrading with IMAGE: the controller was asked "
                  "to take firmware packet 4 of 57 and gave no answer within 2 seconds.\n",
                  "zorvctl: the controller had taken 3 of its 57 packets; it may now hold an incomplete firmware",
                  kCheckAdvice}},
        FaultRow{"KindQueryNamesAnotherKind",
                 {"flash", "IMAGE"},
                 [](sim::Controller& c) { c.kind = "ABCD"; },
                 1,
                 {"zorvctl: the simulated controller: refused while upgrading with IMAGE: the controller reports "
                  "firmware kind ABCD; only TKVR and PXOJ boards are upgraded.\n",
                  "zorvctl: the upgrade did not start: the controller's firmware is unchanged.\n"}},
        FaultRow{"KindQueryUnanswered",
                 {"flash", "IMAGE"},
                 [](sim::Controller& c) { c.faults.muteAfterCommands = kReadBackCommands; },
                 1,
                 {"zorvctl: the simulated controller: no answer while upgrading with IMAGE: the controller was asked "
                  "for its firmware kind before the upgrade (query ?W) and gave no answer within 1 second.\n",
                  "zorvctl: the upgrade did not start: the controller's firmware is unchanged.\n"}},
        FaultRow{"UnpluggedDuringTheFileChain",
                 {"load", "SAVED"},
                 [](sim::Controller& c) { c.faults.vanishAfterBytes = 450; },
                 1,
                 {"zorvctl: the simulated controller went away while sending SAVED: " + kGone,
                  "of the 27 settings of the file; the rest are as they were: run the same load command again.\n"}},
        FaultRow{"DefaultSetUnanswered",
                 {"load", "--default", "2"},
                 [](sim::Controller& c) { c.faults.muteAfterCommands = kReadBackCommands; },
                 1,
                 {"zorvctl: the simulated controller: no answer while loading default set 2 (Default 4 axis  "
                  "300－450mm): the controller was asked to load the default set “Default 4 axis  300－450mm” and "
                  "gave no answer within 1 second.\n",
                  "zorvctl: the controller may or may not have loaded it: 'zorvctl read' shows what it holds.\n"}},
        FaultRow{"CalibrationStepUnanswered",
                 {"calibrate", "410", "412", "409", "411"},
                 [](sim::Controller& c) { c.faults.muteAfterCommands = kReadBackCommands + 2; },
                 1,
                 {"zorvctl: the simulated controller: no answer while calibrating the battery reading: the controller "
                  "was asked to take battery calibration step 3 of 4 and gave no answer within 1 second.\n",
                  "zorvctl: the controller took 2 of the 4 calibration steps: run the same calibrate command again"}},
        FaultRow{"UnpluggedDuringTheDisplay",
                 {"monitor", "--seconds", "1"},
                 [](sim::Controller& c) { c.faults.vanishAfterBytes = 900; },
                 1,
                 {"zorvctl: the simulated controller went away while showing the live values: " + kGone}},
        FaultRow{"OtherKindRefusesSet",
                 {"set", "AlarmVoltage=300"},
                 [](sim::Controller& c) { c.kind = "PXOJ"; },
                 1,
                 {"zorvctl: the simulated controller: the controller reports firmware kind PXOJ; zorvctl changes the "
                  "settings of TKVR controllers only, so it sent none of those given.\nzorvctl: sent ",
                  "zorvctl: sent 13 queries (?C to ?R), SH0051, 24 queries (?T to ?W).\n"}},
        FaultRow{"OtherKindIsReadAndSaidSo",
                 {"read"},
                 [](sim::Controller& c) { c.kind = "PXOJ"; },
                 1,
                 {"zorvctl: the simulated controller: the controller reports firmware kind PXOJ, not TKVR: its "
                  "settings are shown, and zorvctl changes none of them.\n"}}),
    [](const ::testing::TestParamInfo<FaultRow>& info) { return std::string(info.param.name); });

TEST(ZorvctlSession, CtrlCDuringTheFileChainSaysHowFarItGot) {
  const std::string saved = testing::TempDir() + "zorvctl-chain.txt";
  {
    InMemory m;
    ASSERT_EQ(m.run({"save", saved}), 0) << m.err.str();
  }
  InMemory m;
  // The read-back takes 37 answers (and the echo of the height-lock box); then five of the chain.
  m.pump.interruptAfterEvents = 38 + 1 + 6;
  EXPECT_EQ(m.run({"load", saved}), kExitInterrupted);
  EXPECT_NE(m.err.str().find("stopped by Ctrl-C. The controller holds the first "), std::string::npos) << m.err.str();
  EXPECT_NE(m.err.str().find(" settings of the file, the rest are as they were. Run the load again."),
            std::string::npos);
}

// A controller holding stability 150 and AUX stability -12: the note is printed once, a backup
// holds both, and loading it back needs --yes (0150 goes out, -12 is skipped); without it
// nothing is sent and the exit code is 3.
TEST(ZorvctlSession, ValuesBeyondTheScale) {
  const std::string saved = testing::TempDir() + "zorvctl-beyond.txt";
  const struct {
    std::vector<std::string> words;
    int rc;
    const char* said;  // in the output, or in the errors after the note
    int stability;     // what the controller holds afterwards
  } rows[] = {
      {{"read"}, 0, "3\tStabili_level\t150\n4\tAUX Stability\t-12\n", 150},
      {{"save", saved}, 0, "zorvctl-beyond.txt", 150},
      {{"set", "DynaStability=20"}, 0, "5\tDynaStability\t", 150},
      {{"load", saved}, kExitFile,
       "zorvctl: line 5 (\"Stabili_level\") 0150, outside 0000 to 0100: sent as it stands\nzorvctl: line 6 (\"AUX "
       "Stability\") -12, outside 0000 to 0100: cannot go out as four digits, skipped\nzorvctl: sent ",
       40},
      {{"load", "--yes", saved}, 0, "26 settings sent from ", 150},
  };
  for (const auto& row : rows) {
    InMemory m;
    m.ctrl.setValue('C', row.words[0] == "load" ? 40 : 150);
    m.ctrl.setValue('D', -12);
    EXPECT_EQ(m.run(row.words), row.rc) << row.words[0] << ": " << m.err.str();
    const std::string all = m.out.str() + m.err.str();
    EXPECT_NE(all.find(row.said), std::string::npos) << row.words[0] << ": " << all;
    const std::string note = "zorvctl: The controller holds values this tool does not know: ";
    EXPECT_EQ(m.err.str().rfind(note, 0), 0u) << row.words[0];
    const bool twice = m.err.str().find(note, 1) != std::string::npos;
    EXPECT_FALSE(twice && row.words[0] == "set") << "read back twice, told once: " << m.err.str();
    EXPECT_EQ(m.ctrl.value('C'), row.stability) << row.words[0];
    EXPECT_EQ(m.ctrl.value('D'), -12) << row.words[0];
  }
}

// A line only once a record of every kind has come, so that no column shows a value the
// controller never sent; each line with the time since the display started.
TEST(ZorvctlSession, MonitorLinesStartOnceEveryKindOfRecordHasCome) {
  InMemory m;
  ASSERT_EQ(m.run({"monitor", "--seconds", "0.3"}), 0) << m.err.str();
  std::istringstream lines(m.out.str());
  std::string line;
  std::getline(lines, line);
  EXPECT_EQ(line.rfind("time_ms,CH1,", 0), 0u) << line;
  int printed = 0;
  long last = -1;
  while (std::getline(lines, line)) {
    std::vector<long> v;
    std::istringstream fields(line);
    for (std::string f; std::getline(fields, f, ',');) v.push_back(std::stol(f));
    ASSERT_EQ(v.size(), 20u) << line;
    EXPECT_GE(v[0], last) << "the time runs on";
    last = v[0];
    EXPECT_NE(v[9], 0) << "M1 came: " << line;
    EXPECT_NE(v[18], 0) << "the sonar came: " << line;
    ++printed;
  }
  EXPECT_GE(printed, 3);
  EXPECT_EQ(m.err.str(), "");
}

// A port that only answers whether bytes are waiting, to see what the tap passes on.
using WaitingPort = test::FeedPort;

// Picking the port again while the display streams waits for the line to go quiet; through the
// tap that wait must reach the device, or a record still arriving lands in the read-back.
TEST(ZorvctlTap, WaitingForInputReachesTheDevice) {
  const struct {
    std::vector<uint8_t> pending;
    bool arrived;
  } rows[] = {{{}, false}, {{'C', 'H'}, true}};
  for (const auto& row : rows) {
    WaitingPort device;
    device.pending = row.pending;
    TapPort tap(device);
    EXPECT_EQ(tap.waitForInput(30), row.arrived);
    EXPECT_EQ(device.waitedMs, 30) << "the wait went to the device";
    EXPECT_EQ(tap.readAll().size(), row.pending.size());
    EXPECT_EQ(tap.bytesRead(), row.pending.size()) << "bytes taken after the wait are counted";
  }
}

}  // namespace
}  // namespace zorv
