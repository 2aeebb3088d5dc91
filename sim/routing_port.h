#pragma once
// The demo's port: COM3 is a simulated controller inside the program, every other number a real
// port, so the tool can be tried without hardware.

#include "serial/qt_serial_port.h"
#include "sim/sim_port.h"

namespace zorv::sim {

// The port number the demo binds to the simulated controller.
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

}  // namespace zorv::sim
