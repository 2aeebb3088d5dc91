#pragma once
// Battery calibration: the save button and the echo step of its four settings.

namespace zorv {
class Core;

void onCalibrate(Core& core);  // button 1096
void onEchoStep(Core& core);   // mode 15

}  // namespace zorv
