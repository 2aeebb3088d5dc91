#pragma once
// A SerialPort that keeps a traffic log of the port it wraps: every chunk written and read, with
// its time since the port was first opened, and a line for each open, close and loss of the port.
// Everything else passes through unchanged; nothing is sent that the caller did not write.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/forwarding_port.h"
#include "serial/traffic_log.h"

namespace zorv {

class TrafficPort : public ForwardingPort {
 public:
  // Microseconds on a monotonic clock (tests give their own).
  using MicrosClock = std::function<int64_t()>;

  explicit TrafficPort(SerialPort& inner, MicrosClock clock = {});

  bool open() override;
  void close() override;
  std::vector<uint8_t> readAll() override;
  void write(const uint8_t* data, size_t n) override;
  using SerialPort::write;

  TrafficLog& log() { return log_; }
  const TrafficLog& log() const { return log_; }

 protected:
  void lost(const std::string& reason) override;

 private:
  // Microseconds since the first open, never going back.
  int64_t sinceStart();
  void note(const std::string& text);

  TrafficLog log_;
  MicrosClock clock_;
  bool started_ = false;
  int64_t originUs_ = 0;
  int64_t lastUs_ = 0;
};

}  // namespace zorv
