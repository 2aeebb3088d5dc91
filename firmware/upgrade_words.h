#pragma once
// What the window says about an upgrade: the question before anything is sent, the words for an
// upgrade that ended unfinished, and why an answer to the kind query started none. Pure code.

#include <cstdint>
#include "core/text.h"
#include <string>
#include <string_view>

namespace zorv {

// 20480 as "20,480".
std::string withThousands(int64_t n);

// The port as the question names it: "COM3 (ttyACM0)" from the list's "COM3 (ttyACM0 · Corvex FC)";
// a label without a device stays as it is ("COM3").
std::string portAndDevice(const std::string& shown);

// "Upgrade the controller on COM3 (ttyACM0) with fw.bin (20,480 bytes, 369 packets)? Keep the
// cable in and the power on until it says it has finished."
std::string upgradeQuestion(const std::string& port, const std::string& file, int64_t bytes, int64_t packets);
Text upgradeQuestionWords(const std::string& port, const std::string& file, int64_t bytes, int64_t packets);

// What an upgrade that ended after the upgrade command went out leaves, and what to do.
constexpr char kIncompleteFirmware[] =
    ZORV_NOOP("Messages", "The controller may now hold an incomplete firmware and must be upgraded again before it flies: press "
    "\"Обновить\" again (the image is still loaded).");
// How far it got: "The upgrade with fw.bin stopped after the controller had taken 12 of its 369 packets."
std::string upgradeStoppedAt(const std::string& file, int taken, int packets);

// What a whole answer to the kind query ("?W") that started no upgrade was: nothing at all,
// damaged, a kind this tool upgrades gathered from pieces that each named none, or another kind.
enum class KindReply { None, Damaged, InPieces, OtherKind };
KindReply judgeKindReply(std::string_view reply);

// Why the answer to the kind query ("?W") started no upgrade, once its limit has ended the wait:
// a whole reply naming another kind says that kind; a whole reply naming a kind this tool
// upgrades, gathered from pieces that each named none, says it came in pieces; anything else is
// a damaged reply. `reply` is every byte that came, a zero byte as '\0'; when it is empty nothing
// came, which is no answer, and "" is returned.
std::string kindReplyWords(std::string_view reply);
Text kindReplyText(std::string_view reply);

}  // namespace zorv
