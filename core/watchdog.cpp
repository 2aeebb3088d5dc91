#include "core/watchdog.h"

#include <utility>

namespace zorv {

uint32_t AnswerLimits::forExchange(Exchange e) const {
  switch (e) {
    case Exchange::UpgradeCommand:
    case Exchange::LoaderPacket:
      return loaderMs;
    case Exchange::DefaultSet:
      return defaultSetMs;
    case Exchange::Display:
      return answer_limits::kRecordMs;
    default:
      return replyMs;
  }
}

uint32_t answerLimitMs(Exchange e) { return AnswerLimits{}.forExchange(e); }

uint32_t limitOf(const Awaited& due) { return due.limitMs > 0 ? due.limitMs : answerLimitMs(due.exchange); }

Text limitText(uint32_t ms) {
  if (ms == 1000) return ZORV_TEXT("Messages", "1 second");
  if (ms % 1000 == 0) return ZORV_TEXT("Messages", "%1 seconds").arg(std::to_string(ms / 1000));
  // Tenths are enough for a message; a limit under a second reads "0.5 seconds".
  const uint32_t tenths = (ms + 50) / 100;
  return ZORV_TEXT("Messages", "%1 seconds").arg(std::to_string(tenths / 10) + "." + std::to_string(tenths % 10));
}

std::string limitWords(uint32_t ms) { return limitText(ms).original(); }

void Watchdog::arm(Awaited what) {
  limit_ = limits_.forExchange(what.exchange);
  what.limitMs = limit_;
  since_ = clock_.tickMs();
  awaited_ = std::move(what);
  stale_ = false;
}

void Watchdog::release() {
  if (held_ > 0 && --held_ == 0) since_ = clock_.tickMs();
}

std::optional<Awaited> Watchdog::overdue() {
  if (!awaited_ || held_ > 0 || static_cast<uint32_t>(clock_.tickMs() - since_) < limit_) return std::nullopt;
  std::optional<Awaited> due = std::exchange(awaited_, std::nullopt);
  stale_ = due->exchange != Exchange::Display;
  gaveUpOn_ = due->exchange;
  return due;
}

}  // namespace zorv
