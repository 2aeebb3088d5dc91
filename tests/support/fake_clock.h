#pragma once
// A clock for tests: it never sleeps.

#include <cstdint>

#include "core/clock.h"

namespace zorv {

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
