#include "qtsys/event_pump.h"

#include <QObject>
#include <QTimer>

#include "core/watchdog.h"

namespace zorv {

QtPump::QtPump(std::function<void()> tick, int intervalMs) : tick_(std::move(tick)), intervalMs_(intervalMs) {
  sinceTick_.start();
}

void QtPump::setLimit(int ms) {
  limitMs_ = ms;
  limit_.start();
}

void QtPump::interrupt() {
  interrupted_ = true;
  if (loop_) loop_->quit();
}

Pump::Stop QtPump::run(int ms, const std::function<bool()>& done) {
  QElapsedTimer span;
  span.start();
  Stop result = Stop::Done;
  auto settled = [&] {
    if (interrupted_) {
      result = Stop::Interrupted;
    } else if (done && done()) {
      result = Stop::Done;
    } else if (ms >= 0 && span.elapsed() >= ms) {
      result = Stop::Done;
    } else if (limitMs_ >= 0 && limit_.elapsed() >= limitMs_) {
      result = Stop::TimedOut;
    } else {
      return false;
    }
    return true;
  };
  if (settled()) return result;
  QEventLoop loop;
  QTimer timer;
  QObject::connect(&timer, &QTimer::timeout, [&] {
    if (tick_) tick_();
    if (everyTick && sinceTick_.elapsed() >= answer_limits::kTickMs) {
      sinceTick_.start();
      everyTick();
    }
    if (settled()) loop.quit();
  });
  timer.start(intervalMs_);
  QEventLoop* outer = loop_;
  loop_ = &loop;
  loop.exec();
  loop_ = outer;
  if (interrupted_) result = Stop::Interrupted;
  return result;
}

}  // namespace zorv
