#pragma once
// A SerialPort that passes everything on to the real one and keeps count: the bytes the
// handlers took from the line and every write they made, so that a job can tell when the line
// fell quiet and report what it sent.

#include <cstdint>
#include <string>
#include <vector>

#include "core/serial_port.h"

namespace zorv {

class TapPort : public SerialPort {
 public:
  explicit TapPort(SerialPort& inner);

  void setPortNumber(int n) override { inner_.setPortNumber(n); }
  int portNumber() const override { return inner_.portNumber(); }
  void setBufferSizes(int in, int out) override { inner_.setBufferSizes(in, out); }
  bool open() override { return inner_.open(); }
  void close() override { inner_.close(); }
  bool isOpen() const override { return inner_.isOpen(); }
  std::string errorText() const override { return inner_.errorText(); }
  void applyLineSettings() override { inner_.applyLineSettings(); }
  std::vector<uint8_t> readAll() override;
  void write(const uint8_t* data, size_t n) override;
  using SerialPort::write;

  uint64_t bytesRead() const { return bytesRead_; }
  // Every write made while the port was open, one element each, oldest first (the newest
  // thousands only).
  const std::vector<std::string>& writes() const { return writes_; }
  // Writes made so far, counting those no longer kept.
  uint64_t writeCount() const { return writeCount_; }

 private:
  SerialPort& inner_;
  uint64_t bytesRead_ = 0;
  uint64_t writeCount_ = 0;
  std::vector<std::string> writes_;
};

}  // namespace zorv
