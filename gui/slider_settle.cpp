#include "gui/slider_settle.h"

#include <QApplication>
#include <QEvent>
#include <QSlider>
#include <QTimer>
#include <utility>

namespace zorv {

SliderSettle::SliderSettle(QObject* parent, int settleMs, std::function<void(int id)> released)
    : QObject(parent), settleMs_(settleMs), released_(std::move(released)) {}

void SliderSettle::watch(int id, QSlider* s) {
  sliders_[s] = Watched{id, false};
  auto* timer = new QTimer(this);
  timer->setSingleShot(true);
  timer->setInterval(settleMs_);
  connect(timer, &QTimer::timeout, this, [this, id] { released_(id); });
  connect(s, &QSlider::actionTriggered, this, [this, s, timer](int action) {
    if (action == QAbstractSlider::SliderNoAction || s->isSliderDown()) return;
    if (QApplication::mouseButtons() != Qt::NoButton && s->underMouse()) {
      sliders_[s].pagePressed = true;
      return;
    }
    timer->start();
  });
  s->installEventFilter(this);
}

bool SliderSettle::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease) {
    auto it = sliders_.find(watched);
    if (it != sliders_.end() && it->pagePressed) {
      it->pagePressed = false;
      const int id = it->id;
      QTimer::singleShot(0, this, [this, id] { released_(id); });
    }
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace zorv
