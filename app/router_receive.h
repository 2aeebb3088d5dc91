#pragma once
// Receive dispatcher: every receive event reads what the port holds and runs the reply logic of
// the current link mode.

namespace zorv {
class Core;

void dispatchReceive(Core& core);

}  // namespace zorv
