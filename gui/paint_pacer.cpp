#include "gui/paint_pacer.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <algorithm>

namespace zorv {

PaintPacer::PaintPacer(QWidget* window, int framesPerSecond)
    : window_(window), intervalMs_(1000 / std::max(1, framesPerSecond)) {
  timer_.setSingleShot(true);
  connect(&timer_, &QTimer::timeout, this, [this] { paintFrame(); });
  window_->installEventFilter(this);
}

PaintPacer::~PaintPacer() { window_->removeEventFilter(this); }

void PaintPacer::setPaced(bool paced) {
  if (paced == paced_) return;
  paced_ = paced;
  if (paced_) {
    // The first frame of an exchange comes kFirstFrameMs after its start: a short exchange is
    // over before then and paints once, at its end.
    sinceFrame_.start();
    firstFrame_ = true;
    return;
  }
  timer_.stop();
  if (!pending_) return;
  // The final state goes on the widgets now and is painted on the event loop's next turn, as
  // Qt paints any change: the handler that ended the exchange returns first.
  pending_ = false;
  if (beforeFrame) beforeFrame();
  QCoreApplication::postEvent(window_, new QEvent(QEvent::UpdateRequest), Qt::LowEventPriority);
}

void PaintPacer::requestFrame() {
  if (!paced_) {
    // Nothing is held: the values go on their widgets now and Qt paints them as it always does.
    if (beforeFrame) beforeFrame();
    return;
  }
  hold();
}

void PaintPacer::hold() {
  pending_ = true;
  if (timer_.isActive()) return;
  const int interval = firstFrame_ ? std::max(intervalMs_, kFirstFrameMs) : intervalMs_;
  const qint64 since = sinceFrame_.isValid() ? sinceFrame_.elapsed() : interval;
  timer_.start(static_cast<int>(std::max<qint64>(0, interval - since)));
}

bool PaintPacer::eventFilter(QObject* watched, QEvent* event) {
  if (watched != window_ || event->type() != QEvent::UpdateRequest || sending_ || !paced_) return false;
  ++held_;
  hold();
  return true;
}

void PaintPacer::paintFrame() {
  if (!pending_) return;
  pending_ = false;
  firstFrame_ = false;
  sinceFrame_.start();
  ++painted_;
  if (beforeFrame) beforeFrame();
  // The held request, handled now: the window paints every region that has gathered.
  sending_ = true;
  QEvent request(QEvent::UpdateRequest);
  QCoreApplication::sendEvent(window_, &request);
  sending_ = false;
}

}  // namespace zorv
