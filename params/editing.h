#pragma once
// Handlers of the parameter controls: sliders and number boxes, lists, the flight-mode matrix,
// the sensor and reverse boxes, and the caption buttons' help texts.

namespace zorv {
class Core;

void onSliderMoved(Core& core, int sliderId);
void onSliderReleased(Core& core, int sliderId);
void onEditChanged(Core& core, int editId);
void onParamListChanged(Core& core, int comboId);  // 1032, 1033, 1215
void onMatrixClicked(Core& core, int boxId);
void onSensorClicked(Core& core, int boxId);
void onReverseClicked(Core& core, int boxId);
bool isHelpButton(int id);
void showHelp(Core& core, int buttonId);

}  // namespace zorv
