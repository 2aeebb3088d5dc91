#include "core/quiet_line.h"

#include "core/core.h"

namespace zorv {

void waitForQuietLine(Core& core) {
  const uint32_t start = core.clock.tickMs();
  core.port.discardInput();
  for (int i = 0; i < kQuietMaxWaits && core.clock.tickMs() - start < kQuietLimitMs; ++i) {
    if (!core.port.waitForInput(kQuietMs)) break;
    core.port.discardInput();
  }
}

}  // namespace zorv
