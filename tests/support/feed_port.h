#pragma once
// A port that is always open, with nothing behind it: it hands over the bytes put in `pending`,
// counts what is written, and reports a wait for input as answered when bytes are pending.

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "core/serial_port.h"

namespace zorv::test {

class FeedPort : public SerialPort {
 public:
  explicit FeedPort(int number = 3) : number_(number) {}
  void setPortNumber(int n) override { number_ = n; }
  int portNumber() const override { return number_; }
  void setBufferSizes(int, int) override {}
  bool open() override { return true; }
  void close() override {}
  bool isOpen() const override { return true; }
  std::string errorText() const override { return {}; }
  void applyLineSettings() override {}
  std::vector<uint8_t> readAll() override { return std::exchange(pending, {}); }
  void write(const uint8_t*, size_t n) override { written += n; }
  using SerialPort::write;
  bool waitForInput(int ms) override {
    waitedMs += ms;
    return !pending.empty();
  }

  std::vector<uint8_t> pending;
  size_t written = 0;
  int waitedMs = 0;

 private:
  int number_;
};

}  // namespace zorv::test
