#include "core/clock.h"

#include <chrono>
#include <thread>

namespace zorv {

void Clock::busyWait(uint32_t ms) {
  const uint32_t start = tickMs();
  while (static_cast<uint32_t>(tickMs() - start) < ms) {
  }
}

uint32_t SteadyClock::tickMs() {
  using namespace std::chrono;
  return static_cast<uint32_t>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

void SteadyClock::busyWait(uint32_t ms) {
  // Same contract as the spinning wait, without burning the core: the window thread is
  // blocked either way, and received bytes wait in the port.
  const uint32_t start = tickMs();
  while (static_cast<uint32_t>(tickMs() - start) < ms) {
    std::this_thread::sleep_for(std::chrono::microseconds(200));
  }
}

}  // namespace zorv
