#include "core/limits_config.h"

namespace zorv {

const std::vector<LimitRange>& limitRanges() {
  // Under the low ends a busy computer alone would miss the answer; past the high ends the
  // window would sit silent so long that a wrong port looks like a hang.
  static const std::vector<LimitRange> ranges = {
      {"reply_ms", &AnswerLimits::replyMs, 100, 10000},
      {"loader_ms", &AnswerLimits::loaderMs, 500, 30000},
      {"default_set_ms", &AnswerLimits::defaultSetMs, 100, 30000},
  };
  return ranges;
}

AnswerLimits limitsFromConfig(const UserConfig& config, std::vector<std::string>* warnings) {
  AnswerLimits limits;
  for (const LimitRange& r : limitRanges()) {
    std::string warning;
    const int fallback = static_cast<int>(limits.*r.field);
    limits.*r.field = static_cast<uint32_t>(config.getInt("limits", r.key, fallback, r.lo, r.hi, &warning));
    if (!warning.empty() && warnings) warnings->push_back(warning);
  }
  return limits;
}

}  // namespace zorv
