#pragma once
// What the window shows when the controller does not answer, shared by every exchange that
// waits: the status box says "No answer" and its tooltip says what was asked, of which port, and
// what to check. The exchange's own handler adds what is particular to it.

#include <string>
#include "core/text.h"

#include "core/watchdog.h"

namespace zorv {
class Core;

constexpr const char* kNoAnswerStatus = ZORV_NOOP("Messages", "No answer");
constexpr int kReadbackQueries = 36;

// What a query of the read-back asks, for the user: "for its settings (query ?D, 4 of 36)";
// position counts from 1. "?W", the identity query, has no position.
Text readbackAsked(char letter, int position = 0);

// The port in use as the list shows it ("COM3 (ttyACM0 · Corvex FC)"), or "COM3" when the list's
// entry is another number's.
std::string portAsShown(Core& core);

// The status box's tooltip. `port` is the port as the list shows it ("COM3 (ttyACM0 · Corvex FC)").
Text noAnswerTip(const std::string& port, const Awaited& due);

// Ends the exchange that waited: LinkMode 0, the receive buffer and the port's pending input
// emptied, "No answer" in the status box with its tooltip. Sends nothing.
void reportNoAnswer(Core& core, const Awaited& due);

// A read-back has just completed: a "No answer" left by an earlier exchange gives way to the
// text the port was opened with.
void answerCameBack(Core& core);

}  // namespace zorv
