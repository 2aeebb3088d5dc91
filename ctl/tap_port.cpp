#include "ctl/tap_port.h"

namespace zorv {

namespace {
constexpr size_t kWritesKept = 4096;  // a firmware upload writes about 1200 packets
}

TapPort::TapPort(SerialPort& inner) : inner_(inner) {
  inner_.onReceive = [this] {
    if (onReceive) onReceive();
  };
  inner_.onLost = [this](const std::string& reason) {
    if (onLost) onLost(reason);
  };
}

std::vector<uint8_t> TapPort::readAll() {
  std::vector<uint8_t> bytes = inner_.readAll();
  bytesRead_ += bytes.size();
  return bytes;
}

void TapPort::write(const uint8_t* data, size_t n) {
  if (inner_.isOpen() && n > 0) {
    ++writeCount_;
    if (writes_.size() == kWritesKept) writes_.erase(writes_.begin(), writes_.begin() + kWritesKept / 2);
    writes_.emplace_back(reinterpret_cast<const char*>(data), n);
  }
  inner_.write(data, n);
}

}  // namespace zorv
