#pragma once
// The 36-query read-back and the identity check that ends it.

#include <string>

#include "core/watchdog.h"

namespace zorv {
class Core;

// Mode 0: ReceivedCount has just reached exactly 10 (already set back to 0).
void readbackReply(Core& core);
// Mode 1, after each receive event: once exactly 12 bytes are in, the identity answer is checked
// ("TKVR" unlocks the settings); the read-back ends when the count has reached 12 or passed it, or
// an event brought nothing, and reports how it ended.
void identityStep(Core& core);
// Sends a query between a read and a write exchange, after discarding pending input; the
// watchdog waits for its reply.
void sendQuery(Core& core, char letter);
// The controller did not answer a query of the read-back or the identity query: the chain stops
// where it is and the controls stay as they are. Picking the port again starts it anew.
void onReadbackSilent(Core& core, const Awaited& due);
// The read-back has ended (the identity answer came, or the controller fell silent): one
// message lists the values it reported beyond the tool's scale, if any.
void tellValuesBeyondScale(Core& core);

}  // namespace zorv

