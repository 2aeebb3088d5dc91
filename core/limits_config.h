#pragma once
// The answer limits a pilot may raise for a board slower than ours: [limits] reply_ms, loader_ms
// and default_set_ms in zorv.ini. Both programs read them here; zorvctl's --reply-ms,
// --loader-ms and --default-set-ms take the same ranges.

#include <string>
#include <vector>

#include "core/user_config.h"
#include "core/watchdog.h"

namespace zorv {

struct LimitRange {
  const char* key;      // the key in [limits], and zorvctl's option without "--" and with '-'
  uint32_t AnswerLimits::*field;
  int lo;
  int hi;
};

// reply_ms 100..10000, loader_ms 500..30000, default_set_ms 100..30000.
const std::vector<LimitRange>& limitRanges();

// The limits in `config`, each outside its range or not a number left at its default with a
// line in `warnings` saying so.
AnswerLimits limitsFromConfig(const UserConfig& config, std::vector<std::string>* warnings = nullptr);

}  // namespace zorv
