#pragma once
// Millisecond tick counter and the busy waits built on it. Tests use a clock of their own so they never sleep.

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

}  // namespace zorv
