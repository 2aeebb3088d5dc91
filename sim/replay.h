#pragma once
// A recorded session played back as the controller: each command the window sends is answered
// with the bytes that followed the same command in the traffic log, in order, with the pauses the
// log recorded (each cut to kMaxGapMs). Bytes that came after an open of the port (a board's
// noise at power-up) come after the next open. The live session is matched against the log byte
// by byte, whatever pieces the bytes arrive in; where it first departs from the log, a note says
// so, and the replay then follows the window to the next command of the log that it does send.

#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "serial/traffic_line.h"
#include "sim/peer.h"

namespace zorv::sim {

class Replay : public Peer {
 public:
  static constexpr uint32_t kMaxGapMs = 5000;
  static constexpr size_t kMaxInput = 4096;       // bytes of the window not matched yet
  static constexpr size_t kMaxNotes = 12;
  static constexpr size_t kMaxLogEntries = 100000;
  static constexpr size_t kUnheardPerEntry = 64;  // unanswered bytes logged together at most

  // `name` is how the notes call the trace (its file name).
  Replay(const std::vector<TraceChunk>& trace, std::string name);

  void receive(const uint8_t* data, size_t n) override;
  void receive(const std::string& bytes) { receive(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()); }
  void portOpened() override;
  void advance(uint32_t ms) override;
  uint32_t msUntilDue() const override;
  std::vector<std::vector<uint8_t>> takeOutput() override;
  std::vector<std::string> takeNotes() override;

  // Every command the window sent, as matched (or not) against the log, oldest first.
  const std::vector<std::string>& log() const { return log_; }
  void clearLog() { log_.clear(); }

  // Commands (writes) in the log, and how many of them the session has sent.
  size_t commandsInTrace() const { return commands_; }
  size_t commandsMatched() const { return matched_; }
  // The log's line where the session first departed from it; 0 while it follows the log.
  size_t departedAtLine() const { return departedAt_; }
  // Bytes still to be sent at their recorded time.
  bool answersPending() const { return !due_.empty(); }

 private:
  struct Answer {
    uint32_t gapMs;  // after the step or the answer before it
    std::string bytes;
  };
  struct Step {
    bool open;          // the port was opened; otherwise one write
    std::string bytes;  // what was written
    size_t line;
    std::vector<Answer> answers;
  };
  struct Due {
    uint64_t atMs;
    std::string bytes;
  };

  void match();
  // Sends what is due still now, then schedules the step's answers from now.
  void fire(size_t step);
  // The live input departs from the log at the cursor: finds the step it continues with.
  bool follow();
  void note(const std::string& text);
  void addLog(std::string entry);
  std::string lineOf(size_t step) const;
  void releaseDue();
  // Logs the bytes that went unanswered since the last command (up to a line end or 64 bytes).
  void flushUnheard();
  bool mayStartCommand(char byte) const;

  std::string name_;
  std::vector<Step> steps_;
  size_t commands_ = 0;
  size_t cursor_ = 0;
  size_t matched_ = 0;
  size_t departedAt_ = 0;
  size_t lastLine_ = 0;  // of the log's last chunk
  std::string input_;
  std::deque<Due> due_;
  uint64_t nowMs_ = 0;
  std::vector<std::vector<uint8_t>> output_;
  std::vector<std::string> notes_;
  size_t notesGiven_ = 0;
  std::vector<std::string> log_;
  // The writes of the log by their first byte, in order: where a departed session may go on.
  std::array<std::vector<size_t>, 256> byFirstByte_;
  std::string unheard_;  // the first of them, for the log
  size_t unheardCount_ = 0;
};

// A few bytes for a note: hex and characters, as in the log ("3F 43 0D (?C.)"), cut after 24.
inline constexpr size_t kDescribedBytes = 24;
std::string describeBytes(const std::string& bytes);

}  // namespace zorv::sim
