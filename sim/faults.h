#pragma once
// Faults the simulated controller can inject into what it sends, so that tests can show how the
// window copes with a flaky link. Each is armed by setting a field and is used up by the answer
// (or loader reply) it applies to. Monitor records count as answers too.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace zorv::sim {

struct Faults {
  // Cut the next answer before each of these byte offsets, so it goes out as several writes.
  // Offsets of 0 or past the end are ignored.
  std::vector<size_t> splitAt;
  // The next N answers are not sent at all.
  int dropAnswers = 0;
  // Byte k of the next answer is sent with bit 5 flipped (k past the end: no effect). -1: off.
  int corruptByte = -1;
  // Appended to the next answer, as if line noise followed it.
  std::vector<uint8_t> extraBytes;
  // The next loader reply reports a running sum one higher than the true one.
  bool wrongSum = false;
  // The next loader reply reports a sequence one higher than the one expected.
  bool wrongSequence = false;
  // After this many further bytes the controller is gone (unplugged): nothing more goes out and
  // nothing more is heard. -1: never.
  int64_t vanishAfterBytes = -1;
  // The controller answers this many further commands or loader packets and then falls silent:
  // it still hears (and logs) what comes, but acts on nothing and sends nothing, the monitor
  // stream included, until restarted. 0: silent from now on. -1: never.
  int muteAfterCommands = -1;
};

using Chunks = std::vector<std::vector<uint8_t>>;

// Applies the armed faults to one answer and disarms those it used. Returns the writes to make
// (none when dropped). Sets `vanished` when the byte budget ran out during this answer.
Chunks shapeAnswer(Faults& faults, std::vector<uint8_t> answer, bool& vanished);

}  // namespace zorv::sim
