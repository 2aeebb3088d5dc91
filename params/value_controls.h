#pragma once
// Sliders with their number boxes, and the three parameter lists.

namespace zorv {
class Core;

void onSliderMoved(Core& core, int sliderId);
void onSliderReleased(Core& core, int sliderId);
void onEditChanged(Core& core, int editId);
void onParamListChanged(Core& core, int comboId);  // 1032, 1033, 1215

}  // namespace zorv
