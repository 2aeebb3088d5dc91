#pragma once
// Letting the line go quiet before asking: a controller that was streaming monitor records may
// still be finishing one, or send one more, after it was told to stop. Whatever arrives is
// thrown away until no byte has come for kQuietMs, or the wait has lasted kQuietLimitMs.

#include <cstdint>

namespace zorv {
class Core;

constexpr int kQuietMs = 30;
constexpr uint32_t kQuietLimitMs = 500;  // a stream that never stops is waited for no longer
constexpr int kQuietMaxWaits = 64;       // the same bound when the clock does not move

void waitForQuietLine(Core& core);

}  // namespace zorv
