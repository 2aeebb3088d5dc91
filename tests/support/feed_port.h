#pragma once
// A port with nothing behind it: it hands over the bytes put in `pending`, counts what is written,
// and reports a wait for input as answered when bytes are pending. It starts open; open() fails
// while failOpen is set, and a port that is not open takes no write. `arrive` hands bytes over as
// a real port's driver does, a few KiB at most; with `capture` set, what is written is kept.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/serial_port.h"

namespace zorv::test {

class FeedPort : public SerialPort {
 public:
  static constexpr size_t kHeld = 4096;  // what the driver's buffer holds, as arrive() keeps it

  explicit FeedPort(int number = 3) : number_(number) {}
  void setPortNumber(int n) override { number_ = n; }
  int portNumber() const override { return number_; }
  void setBufferSizes(int, int) override {}
  bool open() override {
    open_ = !failOpen;
    return open_;
  }
  void close() override { open_ = false; }
  bool isOpen() const override { return open_; }
  std::string errorText() const override { return open_ ? "" : "Access denied"; }
  void applyLineSettings() override {}
  std::vector<uint8_t> readAll() override { return std::exchange(pending, {}); }
  void write(const uint8_t* data, size_t n) override {
    if (!open_) return;
    written += n;
    if (capture) sent.append(reinterpret_cast<const char*>(data), n);
  }
  using SerialPort::write;
  bool waitForInput(int ms) override {
    waitedMs += ms;
    return !pending.empty();
  }
  // Bytes from the line, up to what the driver holds.
  void arrive(std::string_view bytes) {
    const size_t room = kHeld - std::min(kHeld, pending.size());
    pending.insert(pending.end(), bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(std::min(room, bytes.size())));
  }

  std::vector<uint8_t> pending;
  size_t written = 0;
  int waitedMs = 0;
  bool failOpen = false;
  bool capture = false;  // keep what is written in `sent`
  std::string sent;

 private:
  int number_;
  bool open_ = true;
};

}  // namespace zorv::test
