#include "sim/controller.h"

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <limits>
#include <utility>

#include "sim/monitor_records.h"
#include "sim/parameter_table.h"

namespace zorv::sim {

namespace {

constexpr uint8_t kPacketStart = 0xA0;
constexpr uint8_t kPacketData = 0xA5;
constexpr uint8_t kPacketSum = 0xC8;
constexpr uint8_t kPacketFinish = 0xA6;
constexpr size_t kPacketDataOffset = 8;
constexpr size_t kRecordTailAfterStop = 20;

uint32_t readLe32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 | static_cast<uint32_t>(p[2]) << 16 |
         static_cast<uint32_t>(p[3]) << 24;
}

void writeLe32(uint8_t* p, uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(v >> (8 * i));
}

bool isStoreLetter(char c) { return static_cast<unsigned char>(c) < 128; }

// The 4-character value field of a query answer: "0045", or "-012" for a negative value.
std::string valueField(int v) {
  char text[8];
  if (v < 0) {
    std::snprintf(text, sizeof text, "-%03d", std::min(-std::max(v, -999), 999));
  } else {
    std::snprintf(text, sizeof text, "%04d", std::min(v, 9999));
  }
  return text;
}

bool allDigits(std::string_view s) {
  return std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

Controller::Controller() : lastDefaultSet(kPowerOnDefaultSet) {
  loadDefaultSet(kPowerOnDefaultSet);
  for (const LetterValue& lv : kPowerOnExtras) setValue(lv.letter, lv.value);
}

int Controller::value(char letter) const {
  if (letter == 'j') return lastDefaultSet;
  if (!isStoreLetter(letter)) return 0;
  return values_[static_cast<unsigned char>(letter)];
}

void Controller::setValue(char letter, int v) {
  if (letter == 'j') {
    lastDefaultSet = v;
  } else if (isStoreLetter(letter)) {
    values_[static_cast<unsigned char>(letter)] = v;
  }
}

void Controller::receive(const uint8_t* data, size_t n) {
  if (vanished()) return;
  bytesReceived_ += n;
  if (booting()) {  // not listening yet: the bytes are lost
    addLog("(booting, not heard) " + std::string(reinterpret_cast<const char*>(data), std::min(n, kMaxLine)));
    return;
  }
  for (size_t i = 0; i < n; ++i) {
    const uint8_t b = data[i];
    if (inLoader_) {
      loaderIdleMs_ = 0;
      packet_.push_back(b);
      if (packet_.size() == kPacketSize) {
        onPacket();
        countTowardsMute();
        packet_.clear();
      }
      continue;
    }
    line_.push_back(static_cast<char>(b));
    if (b == '\r') {
      const std::string line = std::move(line_);
      line_.clear();
      onLine(line);
    } else if (line_.size() >= kMaxLine) {
      // No CR for far longer than any command: keep only the tail, so that a command sent
      // after the noise is still recognised when its CR arrives.
      line_.erase(0, line_.size() - kMaxLine / 2);
    }
  }
}

// A command is recognised by its last bytes, so noise in front of it does no harm.
void Controller::onLine(const std::string& line) {
  const size_t n = line.size();
  if (n == 1) return;  // a lone CR
  addLog(line);
  if (muted()) return;
  if (n >= 3 && line[n - 3] == '?') {
    onQuery(line[n - 2]);
  } else if (n >= 7 && line[n - 7] == 'U' && line[n - 6] == 'P') {
    onUpgrade(std::string_view(line).substr(n - 5, 4));
  } else if (n >= 7 && line[n - 7] == 'S') {
    onSetting(line[n - 6], line.substr(n - 5, 4), line.substr(n - 7));
  }
  countTowardsMute();  // after the answer: this command is still one of those answered
}

void Controller::onQuery(char letter) {
  const std::string echo = {'?', letter, '\r'};
  if (letter == 'W') {
    std::string k = kind;
    k.resize(4, ' ');
    send(echo + " " + k + "01\r\n");
    return;
  }
  if (kQueryLetters.find(letter) == std::string_view::npos) return;
  int v = value(letter);
  // The servo rate is written as 1 (50 Hz) or 3 (270 Hz) by the list and as 1 or 2 by a saved
  // file; both 270 Hz spellings read back as 2.
  if (letter == 'P' && (v == 2 || v == 3)) v = 2;
  send(echo + " " + valueField(v) + "\r\n");
}

void Controller::onSetting(char letter, const std::string& digits, const std::string& raw) {
  // A value that is not four digits (a negative calibration cell) is answered but not stored.
  if (allDigits(digits)) {
    const int v = std::stoi(digits);
    switch (letter) {
      case 'j':
        if (v >= 0 && v < kDefaultSetCount) loadDefaultSet(v);
        if (v >= 0 && v <= kDefaultSetCount) lastDefaultSet = v;
        break;
      case '~':
        if (v != 0 && !monitorOn_) {
          monitorElapsed_ = 0;
          monitorNext_ = 0;
        }
        if (v == 0 && monitorOn_ && recordsAfterStop > 0) {
          // The record on its way is finished before the answer; one more may follow it.
          const std::string rest = monitorRecord(monitorNext_, timeMs_, movingSticks);
          send(std::string_view(rest).substr(rest.size() - kRecordTailAfterStop));
          send(raw + "\n");
          if (recordsAfterStop > 1) send(monitorRecord((monitorNext_ + 1) % kMonitorRecordKinds, timeMs_, movingSticks));
          monitorNext_ = (monitorNext_ + 2) % kMonitorRecordKinds;
          monitorOn_ = false;
          setValue(letter, v);
          return;
        }
        monitorOn_ = v != 0;
        setValue(letter, v);
        break;
      default:
        setValue(letter, v);
        if (letter == '3') applyCalibration();
        break;
    }
  }
  send(raw + "\n");
}

void Controller::onUpgrade(std::string_view wantedKind) {
  if (wantedKind != kind) return;  // the loader of another kind stays silent
  monitorOn_ = false;
  inLoader_ = true;
  loaderIdleMs_ = 0;
  expectedSequence_ = 1;
  packet_.clear();
  const std::string_view ready = "RADY\r\n";
  if (slowFlashMs > 0) {
    hold(std::vector<uint8_t>(ready.begin(), ready.end()), false);  // erasing the flash first
  } else {
    send(ready);
  }
}

void Controller::onPacket() {
  const uint8_t kind = packet_[0];
  const uint32_t sequence = readLe32(&packet_[4]);
  char entry[32];
  std::snprintf(entry, sizeof entry, "PKT %02X seq=%u", kind, sequence);
  addLog(entry);
  if (muted()) return;

  bool finished = false;
  if (kind == kPacketStart) {
    sum_ = 0;
    staging_.clear();
    expectedSequence_ = sequence + 1;
  } else if (sequence == expectedSequence_) {
    switch (kind) {
      case kPacketData:
        for (size_t i = kPacketDataOffset; i < kPacketSize; ++i) {
          sum_ += packet_[i];
          if (staging_.size() < kMaxImage) staging_.push_back(packet_[i]);
        }
        ++expectedSequence_;
        break;
      case kPacketSum:
        lastSumMatched_ = readLe32(&packet_[kPacketDataOffset]) == sum_;
        ++expectedSequence_;
        break;
      case kPacketFinish:
        finished = true;
        ++expectedSequence_;
        break;
      default:
        break;  // unknown kind: answered, nothing taken
    }
  }
  // Out of sequence: nothing is taken and the answer names the sequence still expected.

  std::vector<uint8_t> reply(kPacketSize, 0);
  reply[0] = kind;
  writeLe32(&reply[4], expectedSequence_ + (faults.wrongSequence ? 1 : 0));
  writeLe32(&reply[8], sum_ + (faults.wrongSum ? 1 : 0));
  faults.wrongSequence = false;
  faults.wrongSum = false;
  if (finished && slowFlashMs > 0) {
    hold(std::move(reply), true);  // writing the flash first
    return;
  }
  send(std::move(reply));
  if (finished) commitFlash();
}

void Controller::commitFlash() {
  flash_ = staging_;
  inLoader_ = false;
  ++restarts_;
  if (defaultsAfterUpgrade) {
    loadDefaultSet(0);
    lastDefaultSet = 0;
  }
}

void Controller::hold(std::vector<uint8_t> reply, bool commit) {
  if (held_.size() >= kMaxHeld) return;  // a window that floods the loader loses the surplus
  held_.push_back({clockMs_ + slowFlashMs, std::move(reply), commit});
}

uint32_t Controller::releaseHeld(uint32_t ms) {
  size_t due = 0;
  while (due < held_.size() && held_[due].dueMs <= clockMs_) ++due;
  if (due == 0) return ms;
  const uint64_t lastDue = held_[due - 1].dueMs;
  std::vector<Held> released(std::make_move_iterator(held_.begin()),
                             std::make_move_iterator(held_.begin() + static_cast<std::ptrdiff_t>(due)));
  held_.erase(held_.begin(), held_.begin() + static_cast<std::ptrdiff_t>(due));
  for (Held& h : released) {
    send(std::move(h.reply));
    if (h.commit) commitFlash();
  }
  loaderIdleMs_ = 0;  // the loader was busy, not idle, until the last reply went
  return static_cast<uint32_t>(std::min<uint64_t>(ms, clockMs_ - lastDue));
}

void Controller::portOpened() {
  if (vanished()) return;
  bootLeftMs_ = bootDelayMs;
  // The noise is the board's own, not an answer: no fault shapes it.
  if (!noiseOnOpen.empty() && !muted() && queuedBytes_ + noiseOnOpen.size() <= kOutputLimit) {
    queuedBytes_ += noiseOnOpen.size();
    bytesSent_ += noiseOnOpen.size();
    output_.push_back(noiseOnOpen);
  }
}

void Controller::loadDefaultSet(int k) {
  for (const LetterValue& lv : defaultSet(k)) setValue(lv.letter, lv.value);
}

// The four calibration steps carry cumulative sums of the cells in hundredths of a volt; each
// cell is the difference of two sums and is kept in thousandths.
void Controller::applyCalibration() {
  int previous = 0;
  for (int cell = 0; cell < 4; ++cell) {
    const int sum = value(static_cast<char>('0' + cell));
    setValue(static_cast<char>('4' + cell), (sum - previous) * 10);
    previous = sum;
  }
}

void Controller::advance(uint32_t ms) {
  timeMs_ += ms;
  clockMs_ += ms;
  if (vanished()) return;
  bootLeftMs_ -= std::min(bootLeftMs_, ms);
  const uint32_t idle = releaseHeld(ms);
  if (inLoader_ && held_.empty()) {
    loaderIdleMs_ = idle >= kLoaderIdleMs - loaderIdleMs_ ? kLoaderIdleMs : loaderIdleMs_ + idle;
    if (loaderIdleMs_ >= kLoaderIdleMs) {
      // Nothing heard for a long time: the loader gives up and starts the application again.
      leaveModes();
      packet_.clear();
      ++restarts_;
    }
  }
  if (!monitorOn_) return;
  monitorElapsed_ += ms;
  // Records that could not be queued anyway are skipped rather than built.
  const uint64_t cap = kOutputLimit / kMonitorRecordSize + 1;
  const uint64_t due = monitorElapsed_ / kMonitorPeriodMs;
  if (due > cap) {
    const uint64_t skip = due - cap;
    monitorNext_ = static_cast<int>((static_cast<uint64_t>(monitorNext_) + skip) % kMonitorRecordKinds);
    monitorElapsed_ -= skip * kMonitorPeriodMs;
  }
  while (monitorElapsed_ >= kMonitorPeriodMs && monitorOn_) {
    monitorElapsed_ -= kMonitorPeriodMs;
    const uint32_t at = timeMs_ - static_cast<uint32_t>(monitorElapsed_);
    send(monitorRecord(monitorNext_, at, movingSticks));
    monitorNext_ = (monitorNext_ + 1) % kMonitorRecordKinds;
  }
}

uint32_t Controller::msUntilDue() const {
  uint32_t due = std::numeric_limits<uint32_t>::max();
  if (vanished()) return due;
  if (monitorOn_) due = static_cast<uint32_t>(kMonitorPeriodMs - monitorElapsed_);
  if (inLoader_ && held_.empty()) due = std::min(due, kLoaderIdleMs - loaderIdleMs_);
  if (!held_.empty()) {
    const uint64_t left = held_.front().dueMs - std::min(held_.front().dueMs, clockMs_);
    due = static_cast<uint32_t>(std::min<uint64_t>(due, left));
  }
  if (bootLeftMs_ > 0) due = std::min(due, bootLeftMs_);
  return due;
}

std::vector<std::vector<uint8_t>> Controller::takeOutput() {
  queuedBytes_ = 0;
  return std::exchange(output_, {});
}

void Controller::restart() {
  line_.clear();
  packet_.clear();
  leaveModes();
  held_.clear();
  bootLeftMs_ = 0;
  vanished_ = false;
  faults.vanishAfterBytes = -1;
  faults.muteAfterCommands = -1;
  ++restarts_;
}

void Controller::countTowardsMute() {
  if (faults.muteAfterCommands > 0) --faults.muteAfterCommands;
}

void Controller::leaveModes() {
  monitorOn_ = false;
  inLoader_ = false;
  loaderIdleMs_ = 0;
}

void Controller::send(std::vector<uint8_t> bytes) {
  if (muted() || booting()) return;
  if (vanished()) {
    vanished_ = true;
    return;
  }
  bool goneNow = false;
  for (auto& chunk : shapeAnswer(faults, std::move(bytes), goneNow)) {
    // A full queue loses what comes next, as a line does when nobody reads it.
    if (queuedBytes_ + chunk.size() > kOutputLimit) continue;
    queuedBytes_ += chunk.size();
    bytesSent_ += chunk.size();
    output_.push_back(std::move(chunk));
  }
  if (goneNow) vanished_ = true;
}

void Controller::addLog(std::string entry) {
  if (log_.size() >= kLogLimit) log_.erase(log_.begin(), log_.begin() + static_cast<std::ptrdiff_t>(kLogLimit / 2));
  log_.push_back(std::move(entry));
}

}  // namespace zorv::sim
