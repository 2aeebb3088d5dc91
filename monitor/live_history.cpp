// The live data window's memory of the display: a ring of the newest records and what the
// window reads from it.

#include "monitor/live_history.h"

#include <algorithm>
#include <cstdio>

namespace zorv {

namespace {

size_t kindIndex(RecordKind kind) { return static_cast<size_t>(kind); }

// The record's fields in the order the window shows them; receiver channels 3 and 4 come
// crosswise from the controller.
std::array<int, kRecordFieldCount> shownValues(const MonitorRecord& r) {
  std::array<int, kRecordFieldCount> v = r.fields;
  if (r.kind == RecordKind::Channels) {
    const std::vector<ShownReading>& shown = shownReadings(RecordKind::Channels);
    for (size_t i = 0; i < kRecordFieldCount && i < shown.size(); ++i)
      v[i] = r.fields[static_cast<size_t>(shown[i].reading)];
  }
  return v;
}

}  // namespace

LiveHistory::LiveHistory(size_t capacity) : ring_(std::max<size_t>(capacity, 1)) {}

void LiveHistory::restart(uint32_t nowMs) {
  first_ = 0;
  count_ = 0;
  added_ = 0;
  startMs_ = nowMs;
  started_ = true;
  haveLatest_.fill(false);
}

void LiveHistory::add(uint32_t nowMs, const MonitorRecord& record) {
  if (!started_) restart(nowMs);
  LiveSample s;
  s.timeMs = sinceStart(nowMs);
  s.kind = record.kind;
  s.values = shownValues(record);

  // Drop what has grown older than a minute, then the oldest if the ring is still full.
  while (count_ > 0 && s.timeMs - ring_[first_].timeMs > kKeepMs) {
    first_ = (first_ + 1) % ring_.size();
    --count_;
  }
  if (count_ == ring_.size()) {
    first_ = (first_ + 1) % ring_.size();
    --count_;
  }
  ring_[(first_ + count_) % ring_.size()] = s;
  ++count_;
  ++added_;
  latest_[kindIndex(s.kind)] = s;
  haveLatest_[kindIndex(s.kind)] = true;
}

const LiveSample& LiveHistory::at(size_t i) const { return ring_[(first_ + i) % ring_.size()]; }

const LiveSample* LiveHistory::latest(RecordKind kind) const {
  return haveLatest_[kindIndex(kind)] ? &latest_[kindIndex(kind)] : nullptr;
}

const char* recordTag(RecordKind kind) {
  switch (kind) {
    case RecordKind::Channels: return "CHDA";
    case RecordKind::Motors: return "MSDA";
    case RecordKind::Sensors: return "SSDA";
  }
  return "";
}

std::string liveHistoryCsv(const LiveHistory& history) {
  std::string out = "time_ms,tag,value1,value2,value3,value4,value5,value6,value7,value8\n";
  out.reserve(out.size() + history.size() * 48);
  char line[128];
  for (size_t i = 0; i < history.size(); ++i) {
    const LiveSample& s = history.at(i);
    const auto& v = s.values;
    std::snprintf(line, sizeof line, "%u,%s,%d,%d,%d,%d,%d,%d,%d,%d\n", static_cast<unsigned>(s.timeMs),
                  recordTag(s.kind), v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7]);
    out += line;
  }
  return out;
}

BarPosition barPosition(int value, int lo, int hi) {
  if (hi <= lo) return {0.0, 0};
  if (value < lo) return {0.0, -1};
  if (value > hi) return {1.0, 1};
  return {static_cast<double>(value - lo) / static_cast<double>(hi - lo), 0};
}

void traceOf(const LiveHistory& history, RecordKind kind, uint32_t untilMs, uint32_t spanMs, size_t buckets,
             Traces* out) {
  for (auto& line : *out) line.clear();
  if (history.empty() || spanMs == 0 || buckets == 0) return;
  const int64_t until = untilMs;
  const int64_t from = until - static_cast<int64_t>(spanMs);

  // Records are kept in time order: walk back from the newest to the first one inside the span.
  size_t begin = history.size();
  while (begin > 0 && static_cast<int64_t>(history.at(begin - 1).timeMs) > from) --begin;

  struct Extremes {
    size_t lo, hi;  // record indices of the lowest and highest value in the bucket
  };
  std::array<Extremes, kRecordFieldCount> ext{};
  int64_t bucket = -1;
  auto point = [&](size_t i, size_t f) {
    const LiveSample& s = history.at(i);
    return TracePoint{static_cast<double>(static_cast<int64_t>(s.timeMs) - until) / 1000.0, s.values[f]};
  };
  size_t newest = 0;  // the last record of the kind inside the span
  auto flush = [&](bool last) {
    if (bucket < 0) return;
    for (size_t f = 0; f < kRecordFieldCount; ++f) {
      const size_t a = std::min(ext[f].lo, ext[f].hi), b = std::max(ext[f].lo, ext[f].hi);
      (*out)[f].push_back(point(a, f));
      if (b != a) (*out)[f].push_back(point(b, f));
      if (last && newest > b) (*out)[f].push_back(point(newest, f));  // the line reaches the newest record
    }
  };

  for (size_t i = begin; i < history.size(); ++i) {
    const LiveSample& s = history.at(i);
    if (static_cast<int64_t>(s.timeMs) > until) break;  // newer than the moment shown (paused)
    if (s.kind != kind) continue;
    newest = i;
    const int64_t b = std::min<int64_t>((static_cast<int64_t>(s.timeMs) - from - 1) *
                                            static_cast<int64_t>(buckets) / static_cast<int64_t>(spanMs),
                                        static_cast<int64_t>(buckets) - 1);
    if (b != bucket) {
      flush(false);
      bucket = b;
      for (auto& e : ext) e = {i, i};
      continue;
    }
    for (size_t f = 0; f < kRecordFieldCount; ++f) {
      if (s.values[f] < history.at(ext[f].lo).values[f]) ext[f].lo = i;
      if (s.values[f] > history.at(ext[f].hi).values[f]) ext[f].hi = i;
    }
  }
  flush(true);
}

}  // namespace zorv
