#pragma once
// The live display: its button, the step that shows each record, and the on and off steps
// shared by the button and the reverse read-back.

#include <vector>

#include "core/watchdog.h"
#include "monitor/record.h"

namespace zorv {
class Core;

void onDisplayToggle(Core& core);  // button 1118
// Mode 10 (bytes already appended): shows every record gathered since the last event and
// returns them, oldest first, for whoever keeps a history of them.
std::vector<MonitorRecord> onMonitorStep(Core& core);

// LinkMode 10, read-outs and reverse boxes unlocked, parameter controls locked, "S~0001\r" sent.
void startDisplay(Core& core);
// LinkMode 0, "S~0000\r" sent, parameter controls unlocked; a firmware file must be chosen again.
// Ends the display (DisplayStop), and its start if no record had come yet.
void stopDisplay(Core& core);
// The window's part of stopping it alone, for a link that is gone: nothing is sent.
void showDisplayStopped(Core& core);
// No monitor record for a while: the hint box says so; the display stays on. The first silence
// after a start ends the start as NoAnswer.
void onDisplaySilent(Core& core, const Awaited& due);

}  // namespace zorv
