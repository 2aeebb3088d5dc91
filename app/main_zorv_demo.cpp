// zorv-demo: the window with COM3 bound to a simulated controller inside the program, so the
// tool can be tried without hardware. Every other number is a real port as in zorv.

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include "app/clock.h"
#include "app/qt_automation.h"
#include "app/qt_zorv_dlg.h"
#include "serial/qt_serial_port.h"
#include "sim/sim_port.h"

namespace {

constexpr int kDemoPort = 3;

// Forwards to the simulated controller for COM3 and to the real port for every other number.
class RoutingPort : public zorv::SerialPort {
 public:
  RoutingPort() {
    real.onReceive = [this] { if (onReceive) onReceive(); };
    real.onLost = [this](const std::string& r) { if (onLost) onLost(r); };
    sim.onReceive = [this] { if (onReceive) onReceive(); };
    sim.onLost = [this](const std::string& r) { if (onLost) onLost(r); };
  }
  void setPortNumber(int n) override {
    number_ = n;
    real.setPortNumber(n);
    sim.setPortNumber(n);
  }
  int portNumber() const override { return number_; }
  void setBufferSizes(int in, int out) override { active().setBufferSizes(in, out); }
  bool open() override {
    (number_ == kDemoPort ? static_cast<zorv::SerialPort&>(real) : sim).close();
    return active().open();
  }
  void close() override { active().close(); }
  bool isOpen() const override { return number_ == kDemoPort ? sim.isOpen() : real.isOpen(); }
  std::string errorText() const override { return number_ == kDemoPort ? sim.errorText() : real.errorText(); }
  void applyLineSettings() override { active().applyLineSettings(); }
  std::vector<uint8_t> readAll() override { return active().readAll(); }
  void write(const uint8_t* data, size_t n) override { active().write(data, n); }
  using zorv::SerialPort::write;

  zorv::QtSerialPort real;
  zorv::sim::SimPort sim;

 private:
  zorv::SerialPort& active() { return number_ == kDemoPort ? static_cast<zorv::SerialPort&>(sim) : real; }
  int number_ = kDemoPort;
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  RoutingPort port;
  // The sticks sweep end to end, so the live display and its graph show motion.
  port.sim.controller().movingSticks = true;
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
