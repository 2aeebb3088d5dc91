#pragma once
// The packet transfer that writes the chosen image into the controller.

#include <cstddef>
#include <cstdint>
#include <string>

#include "core/exchange_result.h"
#include "core/text.h"
#include "core/watchdog.h"

namespace zorv {
class Core;

// "Обновить" was pressed: asks the pilot before anything is sent (the port, the file, its size);
// false when the pilot cancelled. The answer to the kind query is gathered anew from here.
bool beforeUpgrade(Core& core);

void onKindReply(Core& core);    // mode 30: reply to "?W\r" (bytes already appended to ReceiveBuffer)
void onUpgradeAnswer(Core& core);  // mode 2: "RADY"/"RADE" (bytes already appended)
// Modes 3..6: raw reply bytes, gathered into ReplyArea at ReceivedCount.
void onPacketBytes(Core& core, const uint8_t* data, size_t n);

// The link went away, or the user picked the port again, while an upgrade was under way (modes 30
// and 2..6): ends the transfer and gives the two upgrade buttons back, so that the loaded image
// can be sent once more. Does nothing in other modes. To be called before the caller resets
// LinkMode. The upgrade ends as `outcome` (Lost, or Failed when the port was picked again) for
// `why`. Returns how far an upgrade got whose upgrade command had gone out ("" otherwise), for the
// caller to tell the user with tellUpgradeUnfinished.
std::string onTransferAbandoned(Core& core, Outcome outcome, const std::string& why);

// An upgrade ended unfinished after the upgrade command went out: the controller may now hold an
// incomplete firmware. A box says `cause`, then that and what to do; the status box's tooltip says
// how far it got (`stopped`), the same, then `tipMore` (the reason, the no-answer advice).
void tellUpgradeUnfinished(Core& core, const std::string& stopped, const Text& cause,
                           const Text& tipMore = Text());

// The controller has just identified itself at the end of a read-back, so it is out of its
// loader: whatever an upgrade that failed or was broken off left locked comes back (the start
// button follows the image).
void onLinkConfirmed(Core& core);

// The controller stopped answering the kind query, the upgrade command or a packet: the upgrade
// ends as after a data error, with "No answer" in the status box. A kind query that got an answer
// naming no kind this tool upgrades (another kind, a damaged reply) says that instead.
void onTransferSilent(Core& core, const Awaited& due);

}  // namespace zorv
