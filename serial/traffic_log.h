#pragma once
// The traffic log: the newest chunks written to and read from the port, with their times, in a
// ring of fixed size (the last 20,000 chunks and at most 2 MiB of bytes), so that a session of a
// day costs no more than one of a minute. Each chunk gets a sequence number, so that a viewer can
// read what came since it last looked; a line sink (the trace file) gets each chunk's line as it
// is recorded. Not thread-safe: the port's thread records and reads.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "serial/traffic_line.h"

namespace zorv {

// Takes the log's lines as they are recorded.
class TrafficLineSink {
 public:
  virtual ~TrafficLineSink() = default;
  virtual void line(std::string_view text) = 0;
};

struct TrafficChunk {
  uint64_t sequence = 0;
  int64_t timeUs = 0;
  Traffic direction = Traffic::Written;
  std::string bytes;
};

class TrafficLog {
 public:
  static constexpr size_t kMaxChunks = 20000;
  static constexpr size_t kMaxBytes = 2 * 1024 * 1024;

  TrafficLog();
  TrafficLog(const TrafficLog&) = delete;
  TrafficLog& operator=(const TrafficLog&) = delete;

  // Keeps a chunk, dropping the oldest ones as needed. A read longer than kTrafficMaxChunk is kept
  // as several chunks with the same time. Empty chunks are not kept (an event's text may be empty).
  void record(int64_t timeUs, Traffic direction, const uint8_t* data, size_t n);
  void record(int64_t timeUs, Traffic direction, std::string_view bytes) {
    record(timeUs, direction, reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
  }

  // Sequence numbers held: [firstSequence, endSequence). Numbers start at 0 and never repeat.
  uint64_t firstSequence() const { return first_; }
  uint64_t endSequence() const { return first_ + count_; }
  size_t chunkCount() const { return count_; }
  size_t byteCount() const { return used_; }

  // Appends to `out` the chunks from sequence `from` on (from the oldest held when `from` was
  // dropped already), at most `max`. Returns the sequence to ask for next time.
  uint64_t read(uint64_t from, size_t max, std::vector<TrafficChunk>& out) const;
  // The same as text: one line each, each ended by '\n'.
  uint64_t readLines(uint64_t from, size_t max, std::string& out) const;
  // Every chunk held, as text.
  std::string text() const;

  void clear();

  // Receives every line as it is recorded (nullptr: none). The sink must outlive the log or be
  // taken off first.
  void setSink(TrafficLineSink* sink) { sink_ = sink; }

  // What the ring takes when full: its byte area and its chunk table.
  static size_t capacityBytes();

 private:
  struct Slot {
    int64_t timeUs;
    uint32_t offset;  // where the bytes start in the area (they may wrap past its end)
    uint32_t length;  // the bytes' count; the direction in the top byte
  };
  void keep(int64_t timeUs, Traffic direction, const uint8_t* data, size_t n);
  void copyOut(uint32_t offset, size_t n, std::string& out) const;
  const Slot& slot(uint64_t sequence) const { return slots_[sequence % kMaxChunks]; }

  // Allocated when the first chunk comes and never touched beyond what is used, so that an
  // unused log costs nothing.
  std::unique_ptr<uint8_t[]> area_;
  std::unique_ptr<Slot[]> slots_;
  uint64_t first_ = 0;
  size_t count_ = 0;
  size_t head_ = 0;  // where the next bytes go
  size_t used_ = 0;
  TrafficLineSink* sink_ = nullptr;
  std::string line_;  // the sink's line, kept to reuse its memory
};

// A line sink into a file, flushed after each line, so that the lines written before a crash are
// on disk. Stops (and says why) when the file cannot be written or reaches its size limit.
class TraceFile : public TrafficLineSink {
 public:
  static constexpr uint64_t kDefaultLimit = 1024ull * 1024 * 1024;

  TraceFile() = default;
  TraceFile(const TraceFile&) = delete;
  TraceFile& operator=(const TraceFile&) = delete;
  ~TraceFile() override;

  // Creates or empties the file. False with error() set when it cannot be opened.
  bool open(const std::string& path, uint64_t limitBytes = kDefaultLimit);
  void line(std::string_view text) override;
  bool writing() const { return file_ != nullptr; }
  // Why the file is not (any longer) written; empty while it is.
  const std::string& error() const { return error_; }

 private:
  void stop(const std::string& why);
  FILE* file_ = nullptr;
  std::string path_;
  uint64_t written_ = 0;
  uint64_t limit_ = kDefaultLimit;
  std::string error_;
};

}  // namespace zorv
