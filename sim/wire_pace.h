#pragma once
// One direction of a serial line at 115 200 baud, 8N1, as a timetable: bytes cross one after
// another, ten bit times each, and a chunk is handed over once its last byte has crossed. Pure
// code on a microsecond clock the owner supplies; corvex-sim --pace and the benchmarks' relay
// both release bytes by it.

#include <cstddef>
#include <deque>
#include <limits>
#include <string>

namespace zorv::sim {

class WirePace {
 public:
  static constexpr double kByteUs = 10.0 * 1e6 / 115200.0;

  // Bytes that were ready to go at startUs. They start then, or when the wire has finished what
  // it carries already; returns the time their last byte has crossed.
  double send(double startUs, std::string bytes);
  // Appends every chunk whose last byte has crossed by nowUs, in order; true if there was one.
  // lastDueUs, if given, receives when the last of them crossed.
  bool takeDue(double nowUs, std::string& out, double* lastDueUs = nullptr);
  // When the next chunk is due; infinity when none waits.
  double nextDueUs() const {
    return chunks_.empty() ? std::numeric_limits<double>::infinity() : chunks_.front().dueUs;
  }
  bool empty() const { return chunks_.empty(); }
  size_t queuedBytes() const { return queued_; }
  // Forgets what waits (nobody reads the line); the wire is free from nowUs.
  void clear(double nowUs);

 private:
  struct Chunk {
    double dueUs;
    std::string bytes;
  };
  std::deque<Chunk> chunks_;
  double freeUs_ = -std::numeric_limits<double>::infinity();
  size_t queued_ = 0;
};

// Where an answer starts on the line. The controller answers a request within microseconds of
// its last byte, so an answer starts when the request has crossed, however late the process that
// plays the controller is scheduled to write it; bytes that follow no request (a stream) start
// when they are read.
class AnswerClock {
 public:
  // A request's last byte crossed at dueUs.
  void requestCrossed(double dueUs) {
    requestUs_ = dueUs;
    waiting_ = true;
  }
  // Bytes from the controller read at readUs: the time they started.
  double answerStart(double readUs) {
    const bool answer = waiting_ && requestUs_ <= readUs;
    waiting_ = false;
    return answer ? requestUs_ : readUs;
  }

 private:
  double requestUs_ = 0;
  bool waiting_ = false;
};

}  // namespace zorv::sim
