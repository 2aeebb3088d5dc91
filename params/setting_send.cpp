#include "params/setting_send.h"

#include <string>

#include "core/core.h"

namespace zorv {

bool writeSetting(Core& core, char letter, int value) {
  if (!core.sendSetting(letter, value)) {
    core.ended({ExchangeKind::Setting, Outcome::Refused,
                "the value " + std::to_string(value) + " for setting '" + std::string(1, letter) +
                    "' is outside 0..9999, so it was not sent"});
    return false;
  }
  // Its echo is not awaited: the write ends it, unless the port was gone (or went away in it).
  if (core.port.isOpen()) {
    core.ended({ExchangeKind::Setting, Outcome::Done});
  } else {
    core.ended({ExchangeKind::Setting, Outcome::Lost, "the port is not open"});
  }
  return true;
}

bool sendOneSetting(Core& core, char letter, int value) {
  // Replies to settings are then read as ordinary replies of the resting mode.
  core.st.LinkMode = LinkMode::Rest;
  core.controlsToMembers();
  const bool sent = writeSetting(core, letter, value);
  core.membersToControls();
  return sent;
}

}  // namespace zorv
