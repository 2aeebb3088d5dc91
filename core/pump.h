#pragma once
// The program's events, run while a job waits for the controller: zorvctl's jobs wait in it, and
// tests drive it on a fake clock.

#include <functional>

namespace zorv {

// Runs the program's events while a job waits.
class Pump {
 public:
  enum class Stop { Done, TimedOut, Interrupted };
  virtual ~Pump() = default;
  // Handles receive events and lets time pass until done() holds (asked after every event),
  // the time limit is up, or the user pressed Ctrl-C.
  virtual Stop runUntil(const std::function<bool()>& done) = 0;
  // The same for at most ms milliseconds: Done once they have passed.
  virtual Stop runFor(int ms, const std::function<bool()>& done) = 0;
  // The time limit, counted from now; -1 for none.
  virtual void setLimit(int ms) = 0;
};

}  // namespace zorv
