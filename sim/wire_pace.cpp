#include "sim/wire_pace.h"

#include <algorithm>
#include <utility>

namespace zorv::sim {

double WirePace::send(double startUs, std::string bytes) {
  if (bytes.empty()) return std::max(freeUs_, startUs);
  freeUs_ = std::max(freeUs_, startUs) + static_cast<double>(bytes.size()) * kByteUs;
  queued_ += bytes.size();
  chunks_.push_back({freeUs_, std::move(bytes)});
  return freeUs_;
}

bool WirePace::takeDue(double nowUs, std::string& out, double* lastDueUs) {
  bool any = false;
  while (!chunks_.empty() && chunks_.front().dueUs <= nowUs) {
    if (lastDueUs) *lastDueUs = chunks_.front().dueUs;
    out += chunks_.front().bytes;
    queued_ -= chunks_.front().bytes.size();
    chunks_.pop_front();
    any = true;
  }
  return any;
}

void WirePace::clear(double nowUs) {
  chunks_.clear();
  queued_ = 0;
  freeUs_ = nowUs;
}

}  // namespace zorv::sim
