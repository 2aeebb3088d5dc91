#pragma once
// A SerialPort that passes everything on to the real one and keeps count: the bytes the
// handlers took from the line and every write they made, so that a job can tell when the line
// fell quiet and report what it sent.

#include <cstdint>
#include <string>
#include <vector>

#include "core/forwarding_port.h"

namespace zorv {

class TapPort : public ForwardingPort {
 public:
  using ForwardingPort::ForwardingPort;

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
  uint64_t bytesRead_ = 0;
  uint64_t writeCount_ = 0;
  std::vector<std::string> writes_;
};

}  // namespace zorv
