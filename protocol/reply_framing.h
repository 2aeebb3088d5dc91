#pragma once
// Telling the controller's short answers apart at the head of what was received: the 8-byte
// echo of a setting, the echo of a default set, and line ends left over from an answer taken in
// another link mode.

#include <string>

#include "core/main_state.h"

namespace zorv {

// 'S', a letter or digit, four characters, CR, LF at the head of `received`: the controller's
// answer to a setting.
bool isSettingEcho(const std::string& received);

// The answer to a default set, "Sj0" and three more characters up to its CR, complete at the
// head of `received`. Its LF may still be on the way: a line end left at the head is dropped.
bool isDefaultSetEcho(const std::string& received);

// Drops the CRs and LFs at the head of ReceiveBuffer, counting them off ReceivedCount.
void dropLineEnds(MainState& st);

}  // namespace zorv
