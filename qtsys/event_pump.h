#pragma once
// The event loop a command-line job waits in (Qt Core only): the port's receive events, a tick
// for whatever runs on the program's time (the simulated controller, the no-answer watchdog),
// the job's time limit and Ctrl-C.

#include <QElapsedTimer>
#include <QEventLoop>

#include <functional>

#include "core/pump.h"

namespace zorv {

class QtPump : public Pump {
 public:
  // tick runs every intervalMs while a job waits.
  QtPump(std::function<void()> tick, int intervalMs);

  Stop runUntil(const std::function<bool()>& done) override { return run(-1, done); }
  Stop runFor(int ms, const std::function<bool()>& done) override { return run(ms, done); }
  void setLimit(int ms) override;
  // Asked every answer_limits::kTickMs: the window's no-answer watchdog.
  std::function<void()> everyTick;

  // Ends the wait under way, and every later one, with Stop::Interrupted.
  void interrupt();

 private:
  Stop run(int ms, const std::function<bool()>& done);

  std::function<void()> tick_;
  int intervalMs_;
  QElapsedTimer limit_;
  QElapsedTimer sinceTick_;
  int limitMs_ = -1;
  bool interrupted_ = false;
  QEventLoop* loop_ = nullptr;
};

}  // namespace zorv
