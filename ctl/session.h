#pragma once
// One zorvctl command against one controller: the window's router driven through an in-memory
// window, its boxes answered from the command line, and the end of every exchange taken from the
// router's results (core/exchange_result.h), never from what the window shows. The jobs
// (ctl/jobs.h) do what a user of the window does and wait here for the exchange to end; none of
// them speaks the protocol itself. No Qt: the program supplies the port, the clock and the pump.

#include <cstdint>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "core/exchange_result.h"
#include "core/pump.h"
#include "ctl/answered_prompts.h"
#include "ctl/options.h"
#include "ctl/tap_port.h"
#include "files/snapshot_keeper.h"
#include "router/memory_window.h"
#include "router/router.h"

namespace zorv {

// Exit codes.
constexpr int kExitDone = 0;
constexpr int kExitFailed = 1;     // no answer, refused, a transfer failed
constexpr int kExitUsage = 2;      // usage, an unknown name, a value out of range
constexpr int kExitFile = 3;       // a file refused
constexpr int kExitPort = 4;       // the port could not be opened
constexpr int kExitNoController = 5;  // diff: no controller answered with its settings
constexpr int kExitInterrupted = 130;

class Session {
 public:
  struct Setup {
    Options::Link link = Options::Link::Remembered;
    int portNumber = 3;      // for --port, --device and --demo
    std::string device;      // --device PATH
    // The device a port number stands for now ("" for none); unset where numbers name no device
    // (the demo).
    std::function<std::string(int number)> deviceOf;
    std::string settingsPath = "tkvrconfig.ini";
    int timeoutMs = 10000;
    bool progressBar = false;  // a bar on a terminal, else plain percentages
    // Where the read-backs' snapshots go; "" writes none (the demo).
    std::string snapshotFolder;
  };

  Session(SerialPort& port, Clock& clock, Pump& pump, std::ostream& out, std::ostream& err, Setup setup);
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  Router& router() { return router_; }
  SnapshotKeeper& snapshots() { return snapshots_; }
  MemoryWindow& window() { return win_; }
  AnsweredPrompts& prompts() { return prompts_; }
  TapPort& port() { return tap_; }
  Pump& pump() { return pump_; }
  std::ostream& out() { return out_; }
  std::ostream& err() { return err_; }
  const Setup& setup() const { return setup_; }

  // Opens the port and reads the settings back, as the window does when it opens. With
  // needSettings a controller of another kind ends the job. Returns an exit code: 0 to go on.
  int connect(bool needSettings);
  // How the last read-back ended.
  const ExchangeResult& readBack() const { return readBack_; }
  // The window's way to see what the controller now holds, once the answers to what was sent
  // have come: the port chosen again, and the read-back awaited.
  int readAgain();
  // Waits for the read-back whose end is reported from `since` on (the one a load's chain
  // starts): 0 when it is done, or when it named another kind and `otherKindTaken`; else it says
  // why and returns the exit code.
  int awaitReadBack(size_t since, const std::string& doing, bool otherKindTaken = false);

  // Every exchange's end so far, oldest first. A job takes a mark before it starts one.
  const std::vector<ExchangeResult>& ends() const { return ends_; }
  size_t mark() const { return ends_.size(); }
  // The first end of `kind` reported from `since` on, or null.
  const ExchangeResult* endOf(ExchangeKind kind, size_t since) const;
  // Runs the events until an exchange of `kind` ends (from `since` on; an end already reported
  // counts), the port goes away (the end is then Lost with the port's reason), the time limit
  // runs out or Ctrl-C. *end holds the end when Done is returned.
  Pump::Stop waitFor(ExchangeKind kind, size_t since, ExchangeResult* end);
  // Lets the answers to what was sent arrive: returns 0 once no byte came for ms.
  int waitQuiet(int ms);
  bool lost() const { return lost_; }

  // --- Words, on standard error, each line opened by "zorvctl: " ---
  void say(const std::string& line);
  // The port as zorvctl used it: "/dev/pts/1", "port 3 (/dev/ttyACM0)", "the simulated controller".
  std::string where() const;
  // Everything written to the controller in this run ("13 queries (?C to ?R), SH0051, ...").
  std::string sent() const;
  // An exchange that did not end done: what happened, what was sent, `leaves` (what the end leaves
  // in the controller, if anything), and what to check. Returns exit code 1.
  int failed(const ExchangeResult& end, const std::string& doing, const std::string& leaves = "");
  // zorvctl's own --timeout ran out. Returns exit code 1.
  int timedOut(const std::string& doing);
  // Ctrl-C: `state` says what the controller holds now ("" for the job's usual words).
  int interrupted(const std::string& state = "");
  // What Ctrl-C leaves in the controller from here on in the job.
  void setStateOnStop(std::string state) { stateOnStop_ = std::move(state); }
  // "0.3 s", "10 s".
  static std::string seconds(int ms);

  // Called after every receive event has been handled (the live display's printer).
  std::function<void()> onReceived;

 private:
  int portWouldNotOpen();

  TapPort tap_;
  MemoryWindow win_;
  AnsweredPrompts prompts_;
  Router router_;
  SnapshotKeeper snapshots_{router_};
  Pump& pump_;
  std::ostream& out_;
  std::ostream& err_;
  Setup setup_;

  std::vector<ExchangeResult> ends_;
  ExchangeResult readBack_;
  bool lost_ = false;
  std::string lostReason_;
  std::string stateOnStop_;  // what Ctrl-C leaves in the controller at this point of the job
  std::string noteShown_;    // the last note printed, so that a second read-back does not repeat it
};

}  // namespace zorv
