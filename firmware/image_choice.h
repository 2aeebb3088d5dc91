#pragma once
// Choosing the firmware image: the file dialog, its checks and the hint beside the button.

namespace zorv {
class Core;

void onChooseImage(Core& core);  // button 1001 "Обновление ПО"

}  // namespace zorv
