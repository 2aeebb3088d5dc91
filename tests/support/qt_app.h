#pragma once
// One QApplication for the tests that build the real window (offscreen platform).

class QApplication;

namespace zorv::test {

QApplication& qtApp();
// Runs the event loop for ms milliseconds of real time.
void spinEvents(int ms);

}  // namespace zorv::test
