#include "core/watchdog.h"

#include <utility>

namespace zorv {

uint32_t answerLimitMs(Exchange e) {
  switch (e) {
    case Exchange::UpgradeCommand:
    case Exchange::LoaderPacket:
      return answer_limits::kLoaderReplyMs;
    case Exchange::Display:
      return answer_limits::kRecordMs;
    default:
      return answer_limits::kReplyMs;
  }
}

void Watchdog::arm(Awaited what) {
  limit_ = answerLimitMs(what.exchange);
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
  return due;
}

}  // namespace zorv
