#pragma once
// What the live display has received, kept for the live data window: a bounded ring of the
// newest records, the newest record of each kind for the bars, thinned traces for the time graph
// and the CSV text of everything kept. Pure code: the display step feeds it, the window samples
// it on its own repaint timer.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "monitor/record.h"

namespace zorv {

// One record as the live window keeps it: when it arrived, counted from the start of the
// display, and its eight values in the order the window shows them (CH1..CH8, M1..M8, the
// sensor fields in record order).
struct LiveSample {
  uint32_t timeMs = 0;
  RecordKind kind = RecordKind::Channels;
  std::array<int, kRecordFieldCount> values{};
};

class LiveHistory {
 public:
  // A minute of records is kept: older ones are dropped as new ones arrive.
  static constexpr uint32_t kKeepMs = 60000;
  // The wire carries at most about 320 records a second (303 with their closing characters);
  // this holds a minute of them, so the time limit, not the count, is what normally drops.
  static constexpr size_t kCapacity = 20000;

  explicit LiveHistory(size_t capacity = kCapacity);

  // The display starts: the history is emptied and times count from nowMs (a tick count; its
  // wrap does not matter).
  void restart(uint32_t nowMs);
  // A record the display step has read. A record arriving before any restart starts the count.
  void add(uint32_t nowMs, const MonitorRecord& record);

  // Milliseconds from the start of the display to tick nowMs.
  uint32_t sinceStart(uint32_t nowMs) const { return nowMs - startMs_; }

  size_t size() const { return count_; }
  bool empty() const { return count_ == 0; }
  const LiveSample& at(size_t i) const;  // 0 is the oldest kept
  // Records added since the last restart, those already dropped included: a reader that saw
  // the same number has nothing new to show.
  uint64_t added() const { return added_; }
  // The newest record of a kind, or null when none arrived since the restart.
  const LiveSample* latest(RecordKind kind) const;

 private:
  std::vector<LiveSample> ring_;
  size_t first_ = 0;  // index of the oldest kept
  size_t count_ = 0;
  uint64_t added_ = 0;
  uint32_t startMs_ = 0;
  bool started_ = false;
  std::array<LiveSample, 3> latest_{};
  std::array<bool, 3> haveLatest_{};
};

// "CHDA", "MSDA" or "SSDA".
const char* recordTag(RecordKind kind);

// The kept history as CSV text: a header line, then one row per record, oldest first: the time
// in ms since the display started, the tag and the eight values as the window shows them.
std::string liveHistoryCsv(const LiveHistory& history);

// Where a value stands on a bar from lo to hi: 0..1 along it, and whether it lies beyond the
// bar's ends (-1 below lo, +1 above hi, 0 within), so the bar can show it clipped.
struct BarPosition {
  double fraction;
  int clipped;
};
BarPosition barPosition(int value, int lo = 1000, int hi = 2000);

// One point of a graph line: seconds relative to the newest moment shown (negative or 0), value.
struct TracePoint {
  double seconds;
  int value;
};
using Traces = std::array<std::vector<TracePoint>, kRecordFieldCount>;

// The eight lines of one kind over the spanMs before `untilMs` (time since the display started),
// oldest first. Each line is thinned to at most two points per bucket (of `buckets` equal parts
// of the span): the lowest and the highest value of the bucket in their order, so a short spike
// stays visible however many records arrive. The newest record always ends a line (a third point
// in the last bucket). Lines are cleared first, keeping their storage.
void traceOf(const LiveHistory& history, RecordKind kind, uint32_t untilMs, uint32_t spanMs, size_t buckets,
             Traces* out);

}  // namespace zorv
