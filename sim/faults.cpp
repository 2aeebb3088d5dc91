#include "sim/faults.h"

#include <algorithm>

namespace zorv::sim {

Chunks shapeAnswer(Faults& f, std::vector<uint8_t> answer, bool& vanished) {
  if (f.dropAnswers > 0) {
    --f.dropAnswers;
    return {};
  }
  answer.insert(answer.end(), f.extraBytes.begin(), f.extraBytes.end());
  f.extraBytes.clear();
  if (f.corruptByte >= 0) {
    if (static_cast<size_t>(f.corruptByte) < answer.size()) answer[static_cast<size_t>(f.corruptByte)] ^= 0x20;
    f.corruptByte = -1;
  }
  if (f.vanishAfterBytes >= 0) {
    const size_t budget = static_cast<size_t>(f.vanishAfterBytes);
    if (answer.size() >= budget) {
      answer.resize(budget);
      f.vanishAfterBytes = -1;
      vanished = true;
    } else {
      f.vanishAfterBytes -= static_cast<int64_t>(answer.size());
    }
  }

  std::vector<size_t> cuts = f.splitAt;
  f.splitAt.clear();
  std::sort(cuts.begin(), cuts.end());
  Chunks chunks;
  size_t from = 0;
  for (size_t cut : cuts) {
    if (cut <= from || cut >= answer.size()) continue;
    chunks.emplace_back(answer.begin() + static_cast<std::ptrdiff_t>(from),
                        answer.begin() + static_cast<std::ptrdiff_t>(cut));
    from = cut;
  }
  if (from < answer.size()) chunks.emplace_back(answer.begin() + static_cast<std::ptrdiff_t>(from), answer.end());
  return chunks;
}

}  // namespace zorv::sim
