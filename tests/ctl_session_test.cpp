// zorvctl's jobs in memory: the session against the simulated controller on a SimPort, with the
// controller's time driven by the pump, so the faults of the link can be armed on any answer.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <utility>

#include "ctl/session.h"
#include "ctl/tap_port.h"
#include "sim/sim_port.h"
#include "tests/support/fake_clock.h"
#include "tests/support/feed_port.h"

namespace zorv {
namespace {

// Delivers the controller's answers one event at a time; when none is pending, a millisecond
// of the controller's time passes. The time limit counts those milliseconds.
class SimPump : public Pump {
 public:
  explicit SimPump(sim::SimPort& port) : port_(port) {}
  Stop runUntil(const std::function<bool()>& done) override { return run(-1, done); }
  Stop runFor(int ms, const std::function<bool()>& done) override { return run(ms, done); }
  void setLimit(int ms) override {
    limitMs_ = ms;
    sinceLimit_ = 0;
  }
  int interruptAfterEvents = -1;  // Ctrl-C after this many events

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
      ++spent;
      ++sinceLimit_;
    }
  }
  sim::SimPort& port_;
  int limitMs_ = -1;
  int sinceLimit_ = 0;
};

struct InMemory {
  sim::Controller ctrl;
  sim::SimPort port{ctrl};
  FakeClock clock;
  SimPump pump{port};
  std::ostringstream out, err;

  int run(std::vector<std::string> words) {
    std::string error;
    const std::optional<Options> o = parseOptions(words, &error);
    if (!o) return -1;
    Session::Setup setup;
    setup.link = Options::Link::Demo;
    setup.timeoutMs = 2000;
    Session session(port, clock, pump, out, err, setup);
    return session.run(*o);
  }
};

TEST(ZorvctlSession, FaultsOfTheLinkEndTheJobWithExit1AndSayWhere) {
  struct Row {
    const char* name;
    std::vector<std::string> words;
    void (*arm)(sim::Controller&);
    int rc;
    const char* says;
  };
  const Row rows[] = {
      {"a zero value, asked again and taken", {"read"}, [](sim::Controller& c) { c.setValue('D', 0); }, 0, ""},
      {"no answer at all", {"read"}, [](sim::Controller& c) { c.faults.dropAnswers = 1000; }, 1,
       "did not answer while reading the settings back (the last command sent was ?C\\r)"},
      {"unplugged during the read-back", {"get", "3"}, [](sim::Controller& c) { c.faults.vanishAfterBytes = 55; }, 1,
       "the port went away while reading the settings back"},
      {"unplugged during the upgrade", {"flash", "IMAGE"}, [](sim::Controller& c) { c.faults.vanishAfterBytes = 2000; },
       1, "zorvctl: The upgrade with zorvctl-session.bin stopped after the controller had taken 25 of its 57 packets. "
          "The controller may now hold an incomplete firmware and must be upgraded again before it flies: run the "
          "same flash command again."},
      {"wrong sequence in the upgrade", {"flash", "IMAGE"}, [](sim::Controller& c) { c.faults.wrongSequence = true; },
       1, "the upgrade failed: Data error，Please try it again!"},
      {"unplugged during the file chain", {"load", "SAVED"}, [](sim::Controller& c) { c.faults.vanishAfterBytes = 450; },
       1, "the controller stopped answering after"},
      {"unplugged during the display", {"monitor", "--seconds", "1"},
       [](sim::Controller& c) { c.faults.vanishAfterBytes = 900; }, 1, "the port went away"},
  };
  const std::string image = testing::TempDir() + "zorvctl-session.bin";
  {
    std::ofstream(image, std::ios::binary) << std::string(3000, '\x11');
  }
  const std::string saved = testing::TempDir() + "zorvctl-session.txt";
  {
    InMemory m;
    ASSERT_EQ(m.run({"save", saved}), 0) << m.err.str();
  }
  for (const Row& row : rows) {
    InMemory m;
    row.arm(m.ctrl);
    std::vector<std::string> words = row.words;
    for (std::string& w : words) {
      if (w == "IMAGE") w = image;
      if (w == "SAVED") w = saved;
    }
    const int rc = m.run(words);
    EXPECT_EQ(rc, row.rc) << row.name << ": " << m.err.str();
    EXPECT_NE(m.err.str().find(row.says), std::string::npos) << row.name << ": " << m.err.str();
  }
}

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
       "line 5 (\"Stabili_level\") 0150, outside 0000 to 0100: sent as it stands\nline 6 (\"AUX Stability\") -12, "
       "outside 0000 to 0100: cannot go out as four digits, skipped\nzorvctl: nothing was sent; 'zorvctl load --yes ",
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
