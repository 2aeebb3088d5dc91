#pragma once
// The port behind `zorv --demo`: COM3 is the simulated controller inside the program, every other
// number the real port. The simulated controller answers on the window thread, one receive event
// at a time, and streams monitor records as real time passes.

#include <QElapsedTimer>
#include <QTimer>

#include "qtsys/serial_port.h"
#include "sim/sim_port.h"

namespace zorv::sim {

class RoutingPort : public zorv::SerialPort {
 public:
  static constexpr int kSimulatedPort = 3;

  RoutingPort() {
    real.onReceive = [this] { if (onReceive) onReceive(); };
    real.onLost = [this](const std::string& r) { if (onLost) onLost(r); };
    sim.onReceive = [this] { if (onReceive) onReceive(); };
    sim.onLost = [this](const std::string& r) { if (onLost) onLost(r); };
    // The sticks sweep end to end, so the live display and its graph show motion.
    sim.controller().movingSticks = true;
    elapsed_.start();
    QObject::connect(&pump_, &QTimer::timeout, [this] { pump(); });
    pump_.start(2);
  }
  void setPortNumber(int n) override {
    number_ = n;
    real.setPortNumber(n);
    sim.setPortNumber(n);
  }
  int portNumber() const override { return number_; }
  void setBufferSizes(int in, int out) override { active().setBufferSizes(in, out); }
  bool open() override {
    (number_ == kSimulatedPort ? static_cast<zorv::SerialPort&>(real) : sim).close();
    return active().open();
  }
  void close() override { active().close(); }
  bool isOpen() const override { return number_ == kSimulatedPort ? sim.isOpen() : real.isOpen(); }
  std::string errorText() const override {
    return number_ == kSimulatedPort ? sim.errorText() : real.errorText();
  }
  void applyLineSettings() override { active().applyLineSettings(); }
  std::vector<uint8_t> readAll() override { return active().readAll(); }
  void write(const uint8_t* data, size_t n) override { active().write(data, n); }
  bool waitForInput(int ms) override { return active().waitForInput(ms); }
  using zorv::SerialPort::write;

  zorv::QtSerialPort real;
  SimPort sim;

 private:
  zorv::SerialPort& active() {
    return number_ == kSimulatedPort ? static_cast<zorv::SerialPort&>(sim) : real;
  }
  void pump() {
    const qint64 now = elapsed_.elapsed();
    if (now > last_) {
      sim.advance(static_cast<uint32_t>(now - last_));
      last_ = now;
    }
    for (int i = 0; i < 64 && sim.deliverOne(); ++i) {
    }
  }
  int number_ = kSimulatedPort;
  QElapsedTimer elapsed_;
  qint64 last_ = 0;
  QTimer pump_;
};

}  // namespace zorv::sim
