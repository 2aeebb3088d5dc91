#pragma once
// The 36-query read-back and the identity check that ends it.

#include <string>

namespace zorv {
class Core;

// Mode 0: ReceivedCount has just reached exactly 10 (already set back to 0).
void readbackReply(Core& core);
// Mode 1: ReceivedCount has just reached exactly 12 (already set back to 0).
void identityCheck(Core& core);
// Sends a query between a read and a write exchange, after discarding pending input.
void sendQuery(Core& core, char letter);

}  // namespace zorv

