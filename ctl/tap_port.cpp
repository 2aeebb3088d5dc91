#include "ctl/tap_port.h"

namespace zorv {

namespace {
constexpr size_t kWritesKept = 4096;  // a firmware upload writes about 1200 packets
}

std::vector<uint8_t> TapPort::readAll() {
  std::vector<uint8_t> bytes = inner().readAll();
  bytesRead_ += bytes.size();
  return bytes;
}

void TapPort::write(const uint8_t* data, size_t n) {
  if (inner().isOpen() && n > 0) {
    ++writeCount_;
    if (writes_.size() == kWritesKept) writes_.erase(writes_.begin(), writes_.begin() + kWritesKept / 2);
    writes_.emplace_back(reinterpret_cast<const char*>(data), n);
  }
  inner().write(data, n);
}

}  // namespace zorv
