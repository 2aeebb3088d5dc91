#pragma once
// The caption buttons' help texts.

namespace zorv {
class Core;

bool isHelpButton(int id);
void showHelp(Core& core, int buttonId);

}  // namespace zorv
