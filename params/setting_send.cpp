#include "params/setting_send.h"

#include "core/core.h"

namespace zorv {

bool sendOneSetting(Core& core, char letter, int value) {
  // Replies to settings are then read as ordinary replies of the resting mode.
  core.st.LinkMode = LinkMode::Rest;
  core.controlsToMembers();
  const bool sent = core.sendSetting(letter, value);
  core.membersToControls();
  return sent;
}

}  // namespace zorv
