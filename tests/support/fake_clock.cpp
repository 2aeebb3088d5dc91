#include "tests/support/fake_clock.h"

namespace zorv {

void FakeClock::busyWait(uint32_t ms) {
  now += ms;
  waitedMs += ms;
  ++waits;
}

}  // namespace zorv
