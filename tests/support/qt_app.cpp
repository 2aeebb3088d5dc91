#include "tests/support/qt_app.h"

#include <QApplication>
#include <QElapsedTimer>
#include <cstdlib>

namespace zorv::test {

QApplication& qtApp() {
  static int argc = 1;
  static char name[] = "zorv_tests";
  static char* argv[] = {name, nullptr};
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  static QApplication* app = new QApplication(argc, argv);
  return *app;
}

void spinEvents(int ms) {
  QElapsedTimer t;
  t.start();
  do {
    QApplication::processEvents(QEventLoop::AllEvents, 5);
  } while (t.elapsed() < ms);
}

bool spinUntil(const std::function<bool()>& done, int ms) {
  QElapsedTimer t;
  t.start();
  while (!done() && t.elapsed() < ms) spinEvents(10);
  return done();
}

}  // namespace zorv::test
