#include "firmware/upgrade_words.h"

namespace zorv {

namespace {

constexpr size_t kKindReplySize = 12;  // "?W" CR, blank, the kind, two characters, CR LF

bool isKindCharacter(char c) { return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'); }

// "?W" CR, one character, four capitals or digits, two characters, CR LF.
bool wellFormed(std::string_view reply) {
  if (reply.size() != kKindReplySize || reply.substr(0, 3) != "?W\r" || reply.substr(10) != "\r\n") return false;
  for (char c : reply.substr(4, 4))
    if (!isKindCharacter(c)) return false;
  return true;
}

}  // namespace

std::string withThousands(int64_t n) {
  const bool negative = n < 0;
  const uint64_t magnitude = negative ? 0 - static_cast<uint64_t>(n) : static_cast<uint64_t>(n);
  std::string digits = std::to_string(magnitude);
  for (size_t at = digits.size(); at > 3; at -= 3) digits.insert(at - 3, ",");
  return negative ? "-" + digits : digits;
}

std::string portAndDevice(const std::string& shown) {
  const size_t open = shown.find(" (");
  if (open == std::string::npos || shown.back() != ')') return shown;
  const size_t more = shown.find(" · ", open);
  if (more == std::string::npos) return shown;
  return shown.substr(0, more) + ")";
}

Text upgradeQuestionWords(const std::string& port, const std::string& file, int64_t bytes, int64_t packets) {
  return ZORV_TEXT("Messages", "Upgrade the controller on %1 with %2 (%3 bytes, %4 packets)? Keep the cable in and the "
                               "power on until it says it has finished.")
      .arg(port)
      .arg(file)
      .arg(withThousands(bytes))
      .arg(withThousands(packets));
}

std::string upgradeQuestion(const std::string& port, const std::string& file, int64_t bytes, int64_t packets) {
  return upgradeQuestionWords(port, file, bytes, packets).original();
}

std::string upgradeStoppedAt(const std::string& file, int taken, int packets) {
  return "The upgrade with " + file + " stopped after the controller had taken " + withThousands(taken) +
         " of its " + withThousands(packets) + " packets.";
}

KindReply judgeKindReply(std::string_view reply) {
  if (reply.empty()) return KindReply::None;
  if (!wellFormed(reply)) return KindReply::Damaged;
  const std::string_view kind = reply.substr(4, 4);
  return kind == "TKVR" || kind == "PXOJ" ? KindReply::InPieces : KindReply::OtherKind;
}

Text kindReplyText(std::string_view reply) {
  const KindReply judged = judgeKindReply(reply);
  if (judged == KindReply::None) return {};
  if (judged == KindReply::Damaged) {
    return ZORV_TEXT("Messages", "The controller's answer to the firmware-kind query (?W) was damaged, so the upgrade "
                                 "did not start and nothing was sent to it. Check the cable, then press \"Обновить\" "
                                 "to ask again.");
  }
  const std::string kind(reply.substr(4, 4));
  if (judged == KindReply::InPieces) {
    return ZORV_TEXT("Messages", "The controller reported firmware kind %1, but its answer came in pieces, so the "
                                 "upgrade did not start and nothing was sent to it. Press \"Обновить\" to ask again.")
        .arg(kind);
  }
  return ZORV_TEXT("Messages", "The controller reports firmware kind %1; this tool upgrades TKVR and PXOJ boards only.")
      .arg(kind);
}

std::string kindReplyWords(std::string_view reply) { return kindReplyText(reply).original(); }

}  // namespace zorv
