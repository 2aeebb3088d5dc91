#pragma once
// One QApplication for the tests that build the real window (offscreen platform), and what they
// share to look at it.

#include <QEvent>
#include <QObject>
#include <QWidget>
#include <functional>

class QApplication;

namespace zorv::test {

QApplication& qtApp();
// Runs the event loop for ms milliseconds of real time.
void spinEvents(int ms);
// Runs the event loop until `done` holds or ms milliseconds have passed; whether it holds. For
// what only has to happen eventually: a loaded machine may take longer than any fixed wait.
bool spinUntil(const std::function<bool()>& done, int ms);

// Counts the paint events a widget receives.
struct PaintCount : QObject {
  explicit PaintCount(QWidget* w) { w->installEventFilter(this); }
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint) ++paints;
    return false;
  }
  int paints = 0;
};

}  // namespace zorv::test
