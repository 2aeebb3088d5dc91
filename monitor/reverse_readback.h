#pragma once
// The read-back of the reverse flags that follows a reverse box's write while the display runs.

#include <string>

namespace zorv {
class Core;

// A reverse setting's echo ("SN", "SO") asks for its flags in mode 20; false for any other echo.
bool startReverseReadback(Core& core, const std::string& echo);
// Mode 20: the flags' 10-byte reply, shown in the boxes; the live display runs again.
void onReverseReadback(Core& core);

}  // namespace zorv
