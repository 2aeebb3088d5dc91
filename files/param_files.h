#pragma once
// Saving the parameters to a file, and loading a default set or a saved file into the controller.

#include <string>

#include "core/watchdog.h"

namespace zorv {

// The load list's item that sends a file saved by the pilot (the four before it are default sets).
inline constexpr int kLoadFileItem = 4;
class Core;

// How the end of a load opens when the file held values this tool does not know and sending it
// was not confirmed; one line per such value follows.
constexpr char kUnknownValuesNotSent[] =
    "the file holds values this tool does not know, and sending it was not confirmed:";

void onSaveParams(Core& core);       // button 1015
void onLoadHint(Core& core);         // button 1100
void onLoadListChanged(Core& core);  // list 1099
// What choosing a file in list 1099 does once the file is chosen: the file read and checked,
// then sent. `confirmed`: the pilot has already said yes to sending this very file (its values
// beyond the tool's scale included), so that question is not asked again.
void loadParamFile(Core& core, const std::string& path, bool confirmed);
void onChainReply(Core& core);       // mode 7 (bytes already appended)
// The controller stopped answering a default set or a saved file: a message says how far it got.
void onLoadSilent(Core& core, const Awaited& due);

}  // namespace zorv
