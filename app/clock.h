#pragma once
// Millisecond tick counter and the busy waits built on it. Tests use a fake clock so they never sleep.

#include <cstdint>

namespace zorv {

class Clock {
 public:
  virtual ~Clock() = default;
  virtual uint32_t tickMs() = 0;
  // Waits until the tick counter has advanced by at least ms (unsigned difference, so a wrap
  // of the counter does not matter). Nothing else runs meanwhile: bytes stay in the port.
  virtual void busyWait(uint32_t ms);
};

// A monotonic clock.
class SteadyClock : public Clock {
 public:
  uint32_t tickMs() override;
  void busyWait(uint32_t ms) override;
};

// A clock that only moves when told; busyWait moves it at once and remembers each wait.
class FakeClock : public Clock {
 public:
  uint32_t tickMs() override { return now; }
  void busyWait(uint32_t ms) override;
  uint32_t now = 0;
  uint32_t waitedMs = 0;  // total of all busy waits
  int waits = 0;
};

}  // namespace zorv
