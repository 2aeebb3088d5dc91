#pragma once
// Receive dispatcher: every receive event reads what the port holds and runs the reply logic of
// the current link mode.

namespace zorv {
class Core;
class LiveHistory;

void dispatchReceive(Core& core, LiveHistory* live = nullptr);

}  // namespace zorv
