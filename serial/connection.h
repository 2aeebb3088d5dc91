#pragma once
// Port choice, the remembered-port file and (re)opening the link.

#include <string>

namespace zorv {
class Core;

void openAtStart(Core& core);         // window initialisation: open the remembered port, send "?C\r"
void onPortSelected(Core& core);      // a choice in the port list: close, reopen, read back again
void onUpgradeButton(Core& core);     // "Обновить": lock the controls, wait, ask "?W\r" in mode 30
void readRememberedPort(Core& core);  // sets the port number and the list selection from the file
void storePort(Core& core, int n);    // writes n to the remembered-port file (two bytes)

}  // namespace zorv
