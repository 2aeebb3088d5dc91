#pragma once
// The live display: its button, the step that shows each record, and the on and off steps
// shared by the button and the reverse read-back.

namespace zorv {
class Core;

void onDisplayToggle(Core& core);  // button 1118
void onMonitorStep(Core& core);    // mode 10 (bytes already appended)

// LinkMode 10, read-outs and reverse boxes unlocked, parameter controls locked, "S~0001\r" sent.
void startDisplay(Core& core);
// LinkMode 0, "S~0000\r" sent, parameter controls unlocked; a firmware file must be chosen again.
void stopDisplay(Core& core);
// The window's part of stopping it alone, for a link that is gone: nothing is sent.
void showDisplayStopped(Core& core);

}  // namespace zorv
