#include "serial/traffic_port.h"

#include <algorithm>
#include <chrono>

namespace zorv {

namespace {
int64_t steadyMicros() {
  return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now().time_since_epoch())
      .count();
}
}  // namespace

TrafficPort::TrafficPort(SerialPort& inner, MicrosClock clock)
    : ForwardingPort(inner), clock_(clock ? std::move(clock) : MicrosClock(steadyMicros)) {}

int64_t TrafficPort::sinceStart() {
  const int64_t now = clock_();
  if (!started_) {
    started_ = true;
    originUs_ = now;
  }
  lastUs_ = std::max(lastUs_, now - originUs_);
  return lastUs_;
}

void TrafficPort::note(const std::string& text) { log_.record(sinceStart(), Traffic::Event, text); }

bool TrafficPort::open() {
  sinceStart();  // the clock starts at the first attempt
  const bool opened = inner().open();
  const std::string name = "COM" + std::to_string(inner().portNumber());
  note(opened ? "opened " + name : "could not open " + name + ": " + inner().errorText());
  return opened;
}

void TrafficPort::close() {
  const bool wasOpen = inner().isOpen();
  inner().close();
  if (wasOpen) note("closed");
}

std::vector<uint8_t> TrafficPort::readAll() {
  std::vector<uint8_t> bytes = inner().readAll();
  if (!bytes.empty()) log_.record(sinceStart(), Traffic::Read, bytes.data(), bytes.size());
  return bytes;
}

void TrafficPort::write(const uint8_t* data, size_t n) {
  // Logged before it goes out, so that an answer never shows before its request.
  if (n > 0 && inner().isOpen()) log_.record(sinceStart(), Traffic::Written, data, n);
  inner().write(data, n);
}

void TrafficPort::lost(const std::string& reason) {
  note("lost: " + reason);
  ForwardingPort::lost(reason);
}

}  // namespace zorv
