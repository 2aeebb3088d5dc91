#pragma once
// A SerialPort laid over another: every call goes through to the inner port, and the inner
// port's notifications come out of this one. A port that watches the traffic derives from it and
// overrides only what it looks at (readAll, write, received, lost). Waiting for input goes through too:
// a handler that lets the line go quiet before it asks must see the stream through a wrapper.

#include <cstdint>
#include <string>
#include <vector>

#include "core/serial_port.h"

namespace zorv {

class ForwardingPort : public SerialPort {
 public:
  explicit ForwardingPort(SerialPort& inner) : inner_(inner) {
    inner_.onReceive = [this] { received(); };
    inner_.onLost = [this](const std::string& reason) { lost(reason); };
  }
  ForwardingPort(const ForwardingPort&) = delete;
  ForwardingPort& operator=(const ForwardingPort&) = delete;

  void setPortNumber(int n) override { inner_.setPortNumber(n); }
  int portNumber() const override { return inner_.portNumber(); }
  void setBufferSizes(int in, int out) override { inner_.setBufferSizes(in, out); }
  bool open() override { return inner_.open(); }
  void close() override { inner_.close(); }
  bool isOpen() const override { return inner_.isOpen(); }
  std::string errorText() const override { return inner_.errorText(); }
  OpenFailure openFailure() const override { return inner_.openFailure(); }
  void applyLineSettings() override { inner_.applyLineSettings(); }
  std::vector<uint8_t> readAll() override { return inner_.readAll(); }
  void write(const uint8_t* data, size_t n) override { inner_.write(data, n); }
  using SerialPort::write;
  bool waitForInput(int ms) override { return inner_.waitForInput(ms); }

 protected:
  // The inner port has bytes waiting.
  virtual void received() {
    if (onReceive) onReceive();
  }
  // The inner port's device went away.
  virtual void lost(const std::string& reason) {
    if (onLost) onLost(reason);
  }
  SerialPort& inner() { return inner_; }

 private:
  SerialPort& inner_;
};

}  // namespace zorv
