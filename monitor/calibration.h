#pragma once
// Battery calibration: the save button and the echo step of its four settings.

#include "core/watchdog.h"

namespace zorv {
class Core;

void onCalibrate(Core& core);  // button 1096
void onEchoStep(Core& core);   // mode 15
// The controller stopped answering a calibration step or the reverse read-back.
void onCalibrationSilent(Core& core, const Awaited& due);

}  // namespace zorv
