#pragma once
// The live display's on and off steps, shared by the toggle button and the reverse read-back,
// and the controls each of them unlocks or locks.

#include <vector>

namespace zorv {
class Core;

// LinkMode 10, read-outs and reverse boxes unlocked, parameter controls locked, "S~0001\r" sent.
void startDisplay(Core& core);
// LinkMode 0, "S~0000\r" sent, parameter controls unlocked; a firmware file must be chosen again.
void stopDisplay(Core& core);
// The window's part of stopping it alone, for a link that is gone: nothing is sent.
void showDisplayStopped(Core& core);

}  // namespace zorv
