#pragma once
// Live display, battery calibration and the reverse read-back.

namespace zorv {
class Core;

void onDisplayToggle(Core& core);   // button 1118
void onMonitorStep(Core& core);     // mode 10 (bytes already appended)
void onCalibrate(Core& core);       // button 1096
void onEchoStep(Core& core);        // mode 15
void onReverseReadback(Core& core); // mode 20

}  // namespace zorv
