#pragma once
// Writing one setting the way every parameter control does it: back to the resting link mode,
// the 7-byte command in one write, bracketed by the data exchange.

namespace zorv {
class Core;

// The command in one write, its end reported as a Setting exchange (Done, Lost when the port was
// not open, Refused for a value outside 0..9999, which is told with a message and not written;
// returns false then).
bool writeSetting(Core& core, char letter, int value);

// LinkMode := 0; controls to members; the command in one write; members to controls.
// A value outside 0..9999 is refused with a message and nothing is written (returns false).
bool sendOneSetting(Core& core, char letter, int value);

}  // namespace zorv
