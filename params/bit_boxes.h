#pragma once
// The check boxes that make up a setting byte: the flight-mode matrix, the sensors, the reverse boxes.

namespace zorv {
class Core;

void onMatrixClicked(Core& core, int boxId);
void onSensorClicked(Core& core, int boxId);
void onReverseClicked(Core& core, int boxId);

}  // namespace zorv
