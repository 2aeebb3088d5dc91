// zorv-demo: the window with COM3 bound to a simulated controller inside the program, so the
// tool can be tried without hardware. Every other number is a real port as in zorv.

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include "app/qt_automation.h"
#include "app/qt_zorv_dlg.h"
#include "core/clock.h"
#include "sim/routing_port.h"

using zorv::sim::kDemoPort;
using zorv::sim::RoutingPort;

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  RoutingPort port;
  zorv::SteadyClock clock;
  zorv::CZorvDlg window(port, nullptr, clock);
  port.onReceive = [&window] { window.core().onReceive(); };
  port.onLost = [&window](const std::string& reason) { window.core().onPortLost(reason); };
  std::vector<std::string> labels = zorv::portListLabels();
  labels[kDemoPort - 1] = "COM3 (simulated controller)";
  window.setPortLabels(labels);

  // The simulated controller answers on the window thread, one receive event at a time, and
  // streams monitor records as real time passes.
  QElapsedTimer elapsed;
  elapsed.start();
  qint64 last = 0;
  QTimer pump;
  QObject::connect(&pump, &QTimer::timeout, [&] {
    const qint64 now = elapsed.elapsed();
    if (now > last) {
      port.sim.advance(static_cast<uint32_t>(now - last));
      last = now;
    }
    for (int i = 0; i < 64 && port.sim.deliverOne(); ++i) {
    }
  });
  pump.start(2);

  zorv::AutomationServer automation(window);
  automation.listen();
  window.initialise();
  window.show();
  window.exec();
  return 0;
}
