#include "serial/traffic_log.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace zorv {

namespace {
constexpr int kDirectionShift = 24;
constexpr uint32_t kLengthMask = (1u << kDirectionShift) - 1;
static_assert(kTrafficMaxChunk <= kLengthMask, "a chunk's length must fit its slot");
static_assert(kTrafficMaxChunk <= TrafficLog::kMaxBytes, "a chunk must fit the ring");
}  // namespace

TrafficLog::TrafficLog() = default;

size_t TrafficLog::capacityBytes() { return kMaxBytes + kMaxChunks * sizeof(Slot); }

void TrafficLog::record(int64_t timeUs, Traffic direction, const uint8_t* data, size_t n) {
  if (n == 0 && direction != Traffic::Event) return;
  if (direction == Traffic::Event) n = std::min(n, kTrafficMaxEventText);
  do {
    const size_t piece = std::min(n, kTrafficMaxChunk);
    keep(timeUs, direction, data, piece);
    data += piece;
    n -= piece;
  } while (n > 0);
}

void TrafficLog::keep(int64_t timeUs, Traffic direction, const uint8_t* data, size_t n) {
  if (!area_) {
    // Left uninitialised: the pages are taken from the system only as the ring fills them.
    area_.reset(new uint8_t[kMaxBytes]);
    slots_.reset(new Slot[kMaxChunks]);
  }
  while (count_ > 0 && (count_ == kMaxChunks || used_ + n > kMaxBytes)) {
    used_ -= slot(first_).length & kLengthMask;
    ++first_;
    --count_;
  }
  Slot& s = slots_[(first_ + count_) % kMaxChunks];
  s.timeUs = timeUs;
  s.offset = static_cast<uint32_t>(head_);
  s.length = static_cast<uint32_t>(n) | static_cast<uint32_t>(static_cast<uint8_t>(direction)) << kDirectionShift;
  const size_t toEnd = std::min(n, kMaxBytes - head_);
  if (toEnd > 0) std::memcpy(area_.get() + head_, data, toEnd);
  if (n > toEnd) std::memcpy(area_.get(), data + toEnd, n - toEnd);
  head_ = (head_ + n) % kMaxBytes;
  used_ += n;
  ++count_;
  if (sink_) {
    line_.clear();
    appendTrafficLine(line_, timeUs, direction, data, n);
    sink_->line(line_);
  }
}

void TrafficLog::copyOut(uint32_t offset, size_t n, std::string& out) const {
  const char* area = reinterpret_cast<const char*>(area_.get());
  const size_t toEnd = std::min(n, kMaxBytes - offset);
  out.append(area + offset, toEnd);
  out.append(area, n - toEnd);
}

uint64_t TrafficLog::read(uint64_t from, size_t max, std::vector<TrafficChunk>& out) const {
  uint64_t s = std::max(from, first_);
  for (; s < endSequence() && max > 0; ++s, --max) {
    const Slot& sl = slot(s);
    TrafficChunk c;
    c.sequence = s;
    c.timeUs = sl.timeUs;
    c.direction = static_cast<Traffic>(static_cast<char>(sl.length >> kDirectionShift));
    copyOut(sl.offset, sl.length & kLengthMask, c.bytes);
    out.push_back(std::move(c));
  }
  return std::max(s, from);
}

uint64_t TrafficLog::readLines(uint64_t from, size_t max, std::string& out) const {
  uint64_t s = std::max(from, first_);
  std::string bytes;
  for (; s < endSequence() && max > 0; ++s, --max) {
    const Slot& sl = slot(s);
    bytes.clear();
    copyOut(sl.offset, sl.length & kLengthMask, bytes);
    appendTrafficLine(out, sl.timeUs, static_cast<Traffic>(static_cast<char>(sl.length >> kDirectionShift)),
                      reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    out.push_back('\n');
  }
  return std::max(s, from);
}

std::string TrafficLog::text() const {
  std::string out;
  readLines(first_, count_, out);
  return out;
}

void TrafficLog::clear() {
  first_ += count_;
  count_ = 0;
  head_ = 0;
  used_ = 0;
}

TraceFile::~TraceFile() {
  if (file_) std::fclose(file_);
}

bool TraceFile::open(const std::string& path, uint64_t limitBytes) {
  if (file_) std::fclose(file_);
  path_ = path;
  limit_ = limitBytes;
  written_ = 0;
  error_.clear();
  file_ = std::fopen(path.c_str(), "w");
  if (!file_) error_ = "cannot write " + path + ": " + std::strerror(errno);
  return file_ != nullptr;
}

void TraceFile::line(std::string_view text) {
  if (!file_) return;
  if (written_ + text.size() + 1 > limit_) {
    stop(path_ + " reached its size limit of " + std::to_string(limit_) + " bytes; later traffic is not in it");
    return;
  }
  const bool ok = std::fwrite(text.data(), 1, text.size(), file_) == text.size() && std::fputc('\n', file_) != EOF &&
                  std::fflush(file_) == 0;
  if (!ok) {
    stop("cannot write " + path_ + ": " + std::strerror(errno));
    return;
  }
  written_ += text.size() + 1;
}

void TraceFile::stop(const std::string& why) {
  error_ = why;
  // The last line says why the trace ends here, if the file takes it.
  const std::string note = "# " + why + "\n";
  std::fwrite(note.data(), 1, note.size(), file_);
  std::fclose(file_);
  file_ = nullptr;
}

}  // namespace zorv
