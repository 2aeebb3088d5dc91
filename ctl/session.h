#pragma once
// One zorvctl command against one controller: the window's router driven through an in-memory
// window, its boxes answered from the command line. Each job does what a user of the window
// does (choose the port, release a slider, tick a box, press a button) and waits for the
// exchange to end; none of them speaks the protocol itself. No Qt: the program supplies the
// port, the clock and the event pump.

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "core/pump.h"
#include "ctl/answered_prompts.h"
#include "ctl/options.h"
#include "ctl/param_names.h"
#include "ctl/tap_port.h"
#include "router/memory_window.h"
#include "router/router.h"

namespace zorv {

// Exit codes.
constexpr int kExitDone = 0;
constexpr int kExitFailed = 1;     // no answer, refused, a transfer failed
constexpr int kExitUsage = 2;      // usage, an unknown name, a value out of range
constexpr int kExitFile = 3;       // a file refused
constexpr int kExitPort = 4;       // the port could not be opened
constexpr int kExitInterrupted = 130;

class Session {
 public:
  struct Setup {
    Options::Link link = Options::Link::Remembered;
    int portNumber = 3;      // for --port, --device and --demo
    std::string settingsPath = "tkvrconfig.ini";
    int timeoutMs = 10000;
    bool progressBar = false;  // a bar on a terminal, else plain percentages
  };

  Session(SerialPort& port, Clock& clock, Pump& pump, std::ostream& out, std::ostream& err, Setup setup);
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  // Runs the command (not "ports") and returns the exit code.
  int run(const Options& options);

  Router& router() { return router_; }
  MemoryWindow& window() { return win_; }
  TapPort& port() { return tap_; }

 private:
  class CtlRouter : public Router {
   public:
    CtlRouter(Session& s, SerialPort& port, Window& win, Prompts& prompts, Clock& clock, std::string path)
        : Router(port, win, prompts, clock, std::move(path)), session_(s) {}
    void linkConfirmed() override;

   private:
    Session& session_;
  };

  int connect(bool needSettings);
  int awaitReadback(const char* what);
  int rereadAfterChanges();
  int waitQuiet(int ms);
  int interrupted(const std::string& state);
  std::string lastQuery() const;
  std::string kind() const;
  bool newWarning(size_t since, std::string* text) const;
  // The window's watchdog gave up on an answer: the status box reads "No answer".
  bool noAnswer() const;
  int reportNoAnswer(const char* what);

  int read(bool json);
  int get(const std::vector<int>& indexes);
  int set(const std::vector<Assignment>& changes);
  int save(const std::string& path);
  int loadFile(const std::string& path, bool sendUnknown);
  int loadDefault(int k);
  int flash(const std::string& path);
  int monitor(bool json, int seconds);
  int calibrate(const std::vector<int>& cells);

  void printNewRecords();
  void showProgress();
  bool apply(const Assignment& a, bool* displayOn, std::string* error);

  TapPort tap_;
  MemoryWindow win_;
  AnsweredPrompts prompts_;
  CtlRouter router_;
  Clock& clock_;
  Pump& pump_;
  std::ostream& out_;
  std::ostream& err_;
  Setup setup_;

  int confirmations_ = 0;  // identity checks passed
  bool refused_ = false;   // the identity answer named another kind
  std::string refusedKind_;
  bool lost_ = false;
  std::string lostReason_;
  std::string stateOnStop_;  // what Ctrl-C leaves in the controller at this point of the job
  bool monitorJson_ = false;
  bool printing_ = false;  // monitor lines wanted
  uint64_t recordsSeen_ = 0;  // of the router's live history
  std::vector<int> readings_;  // the line printed last: CH1..CH8, M1..M8, compass, sonar, barometer
  int lastPercent_ = -1;
  std::string noteShown_;  // the last note printed, so that a second read-back does not repeat it
};

}  // namespace zorv
