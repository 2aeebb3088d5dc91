#include "sim/replay.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace zorv::sim {

namespace {

bool startsWith(const std::string& s, const std::string& prefix) {
  return s.size() >= prefix.size() && s.compare(0, prefix.size(), prefix) == 0;
}

bool isOpenEvent(const std::string& text) { return text.rfind("opened", 0) == 0; }

}  // namespace

std::string describeBytes(const std::string& bytes) {
  if (bytes.empty()) return "nothing";
  const std::string shown = bytes.substr(0, kDescribedBytes);
  const std::string line = trafficLine(0, Traffic::Written, shown);
  // The line without its time and direction: "3F 43 0D   ...  ?C."; the padding made one blank.
  const size_t hexFrom = kTrafficTimeColumns + 3;
  const size_t hexEnd = hexFrom + 3 * shown.size() - 1;
  std::string out = line.substr(hexFrom, hexEnd - hexFrom) + " (" + line.substr(line.size() - shown.size()) + ")";
  if (bytes.size() > shown.size()) out += " and " + std::to_string(bytes.size() - shown.size()) + " bytes more";
  return out;
}

Replay::Replay(const std::vector<TraceChunk>& trace, std::string name) : name_(std::move(name)) {
  int64_t lastUs = 0;
  for (const TraceChunk& c : trace) {
    lastLine_ = c.line;
    if (c.direction == Traffic::Event) {
      if (!isOpenEvent(c.bytes)) continue;
      steps_.push_back({true, {}, c.line, {}});
    } else if (c.direction == Traffic::Written) {
      if (c.bytes.empty()) continue;
      steps_.push_back({false, c.bytes, c.line, {}});
      ++commands_;
    } else {
      if (steps_.empty()) continue;  // the answer to a command the log no longer holds
      const int64_t gapUs = std::clamp<int64_t>(c.timeUs - lastUs, 0, int64_t{kMaxGapMs} * 1000);
      steps_.back().answers.push_back({static_cast<uint32_t>((gapUs + 500) / 1000), c.bytes});
    }
    lastUs = c.timeUs;
  }
  for (size_t i = 0; i < steps_.size(); ++i) {
    if (!steps_[i].open) byFirstByte_[static_cast<uint8_t>(steps_[i].bytes[0])].push_back(i);
  }
}

void Replay::portOpened() {
  // Whatever was still to come went to a port that was closed meanwhile.
  due_.clear();
  if (cursor_ < steps_.size() && steps_[cursor_].open) fire(cursor_++);
}

void Replay::receive(const uint8_t* data, size_t n) {
  input_.append(reinterpret_cast<const char*>(data), n);
  if (input_.size() > kMaxInput) {
    addLog("not in the log: " + describeBytes(input_.substr(0, input_.size() - kMaxInput)));
    input_.erase(0, input_.size() - kMaxInput);
  }
  match();
}

void Replay::match() {
  while (!input_.empty()) {
    while (cursor_ < steps_.size() && steps_[cursor_].open) ++cursor_;  // the session did not reopen here
    if (cursor_ < steps_.size()) {
      const std::string& expected = steps_[cursor_].bytes;
      if (startsWith(input_, expected)) {
        addLog(expected);
        input_.erase(0, expected.size());
        ++matched_;
        fire(cursor_++);
        continue;
      }
      if (startsWith(expected, input_)) return;  // the rest of the command is on its way
    }
    if (!follow()) return;
  }
}

bool Replay::follow() {
  if (departedAt_ == 0) {
    if (cursor_ < steps_.size()) {
      departedAt_ = steps_[cursor_].line;
      note("the session departs from " + name_ + " at line " + std::to_string(departedAt_) + ": the log has " +
           describeBytes(steps_[cursor_].bytes) + " written next, the window wrote " +
           describeBytes(input_.substr(0, std::max<size_t>(steps_[cursor_].bytes.size(), 3))));
    } else {
      departedAt_ = lastLine_ + 1;
      note("the session goes on past the end of " + name_ + ": the window wrote " + describeBytes(input_) +
           ", which is not answered");
    }
  }
  // The next command of the log that the window's bytes begin with (or may begin with, once the
  // rest has come).
  const std::vector<size_t>& candidates = byFirstByte_[static_cast<uint8_t>(input_[0])];
  for (auto it = std::upper_bound(candidates.begin(), candidates.end(), cursor_); it != candidates.end(); ++it) {
    const std::string& bytes = steps_[*it].bytes;
    if (startsWith(input_, bytes)) {
      note("following the window from line " + std::to_string(steps_[*it].line) + " of " + name_ + " on");
      addLog(bytes);
      input_.erase(0, bytes.size());
      ++matched_;
      cursor_ = *it + 1;
      fire(*it);
      return true;
    }
    if (startsWith(bytes, input_)) return false;
  }
  // No command of the log from here on starts like this: the bytes up to the next one that may
  // start a command (or a line end) go unanswered.
  size_t n = 1;
  while (n < input_.size() && input_[n - 1] != '\r' && unheardCount_ + n < kUnheardPerEntry &&
         !mayStartCommand(input_[n]))
    ++n;
  unheard_.append(input_, 0, std::min(n, kDescribedBytes + 1 - std::min(unheard_.size(), kDescribedBytes + 1)));
  unheardCount_ += n;
  const bool lineEnd = input_[n - 1] == '\r';
  input_.erase(0, n);
  if (lineEnd || unheardCount_ >= kUnheardPerEntry) flushUnheard();  // a command's end, or a packet's
  return true;
}

bool Replay::mayStartCommand(char byte) const {
  const std::vector<size_t>& candidates = byFirstByte_[static_cast<uint8_t>(byte)];
  return !candidates.empty() && candidates.back() > cursor_;
}

void Replay::flushUnheard() {
  if (unheardCount_ == 0) return;
  addLog("not in the log: " + describeBytes(unheard_) +
         (unheardCount_ > unheard_.size() ? " (" + std::to_string(unheardCount_) + " bytes)" : ""));
  unheard_.clear();
  unheardCount_ = 0;
}

void Replay::fire(size_t step) {
  flushUnheard();
  if (steps_[step].open) {
    due_.clear();
  } else {
    // The window went on before all the log had for its last command came: it comes now.
    for (Due& d : due_) output_.emplace_back(d.bytes.begin(), d.bytes.end());
    due_.clear();
  }
  uint64_t at = nowMs_;
  for (const Answer& a : steps_[step].answers) {
    at += a.gapMs;
    due_.push_back({at, a.bytes});
  }
  releaseDue();
}

void Replay::releaseDue() {
  while (!due_.empty() && due_.front().atMs <= nowMs_) {
    output_.emplace_back(due_.front().bytes.begin(), due_.front().bytes.end());
    due_.pop_front();
  }
}

void Replay::advance(uint32_t ms) {
  nowMs_ += ms;
  releaseDue();
}

uint32_t Replay::msUntilDue() const {
  if (due_.empty()) return std::numeric_limits<uint32_t>::max();
  return static_cast<uint32_t>(std::min<uint64_t>(due_.front().atMs - std::min(due_.front().atMs, nowMs_),
                                                  std::numeric_limits<uint32_t>::max() - 1));
}

std::vector<std::vector<uint8_t>> Replay::takeOutput() { return std::exchange(output_, {}); }

std::vector<std::string> Replay::takeNotes() { return std::exchange(notes_, {}); }

void Replay::note(const std::string& text) {
  if (notesGiven_ < kMaxNotes) {
    notes_.push_back(text);
  } else if (notesGiven_ == kMaxNotes) {
    notes_.push_back("further departures from " + name_ + " are not shown");
  }
  ++notesGiven_;
}

void Replay::addLog(std::string entry) {
  if (log_.size() >= kMaxLogEntries) log_.erase(log_.begin(), log_.begin() + static_cast<std::ptrdiff_t>(kMaxLogEntries / 2));
  log_.push_back(std::move(entry));
}

}  // namespace zorv::sim
