// monitor: the live display switched on, one line per record it reads, and switched off again
// however the job ends (but for a port that went away).

#include <array>

#include "core/control_ids.h"
#include "ctl/jobs.h"
#include "ctl/output.h"
#include "ctl/words.h"
#include "monitor/live_history.h"
#include "monitor/record.h"

namespace zorv {

namespace {

constexpr int kLastWordsMs = 100;     // for the display's off command to leave before the exit
constexpr size_t kSensorsShown = 3;   // compass, sonar, barometer: the sensor boxes of the window
constexpr size_t kKinds = 3;

// One line per record the display step has read: the record's group of values new, the others as
// they last came. Lines start once a record of every kind has come, so that none shows a value
// the controller never sent.
class Printer {
 public:
  Printer(Session& s, bool json) : s_(s), json_(json), seen_(s.router().live.added()) {}

  void printNew() {
    const LiveHistory& history = s_.router().live;
    if (history.added() < seen_) seen_ = 0;  // the display started again
    const uint64_t fresh = std::min<uint64_t>(history.added() - seen_, history.size());
    seen_ = history.added();
    if (fresh == 0) return;
    for (size_t i = history.size() - static_cast<size_t>(fresh); i < history.size(); ++i) {
      const LiveSample& sample = history.at(i);
      const auto kind = static_cast<size_t>(sample.kind);
      const size_t first = kind * kRecordFieldCount;
      const size_t n = sample.kind == RecordKind::Sensors ? kSensorsShown : kRecordFieldCount;
      for (size_t k = 0; k < n; ++k) readings_[first + k] = sample.values[k];
      arrived_[kind] = true;
      if (!arrived_[0] || !arrived_[1] || !arrived_[2]) continue;
      s_.out() << (json_ ? monitorJsonLine(sample.timeMs, readings_) : monitorCsvLine(sample.timeMs, readings_));
    }
    s_.out() << std::flush;
    s_.pump().setLimit(s_.setup().timeoutMs);  // records come: the limit is for the next one
  }

 private:
  Session& s_;
  bool json_;
  uint64_t seen_;  // records of the router's live history already read
  std::vector<int> readings_ = std::vector<int>(2 * kRecordFieldCount + kSensorsShown, 0);
  std::array<bool, kKinds> arrived_{};
};

}  // namespace

int monitorJob(Session& s, bool json, int ms) {
  if (const int rc = s.connect(false)) return rc;
  if (!json) s.out() << monitorCsvHeader() << std::flush;
  const size_t mark = s.mark();
  if (!s.window().userPress(ids::kDisplayButton)) {
    s.say("the window keeps its display button locked; the live display was not started");
    return kExitFailed;
  }
  Printer printer(s, json);
  s.onReceived = [&printer] { printer.printNew(); };
  s.pump().setLimit(s.setup().timeoutMs);
  // A reader that went away (the end of a pipe) ends the display like Ctrl-C, without the message.
  auto over = [&] { return s.lost() || !s.out().good(); };
  const Pump::Stop stop = ms > 0 ? s.pump().runFor(ms, over) : s.pump().runUntil(over);
  s.onReceived = nullptr;
  if (!s.lost()) {
    s.window().userPress(ids::kDisplayButton);  // the display off: the controller stops streaming
    s.pump().setLimit(-1);
    s.pump().runFor(kLastWordsMs, [] { return false; });
  }
  if (stop == Pump::Stop::Interrupted) return s.interrupted("The live display is off again.");
  if (const ExchangeResult* end = s.endOf(ExchangeKind::DisplayStop, mark); end && end->outcome != Outcome::Done)
    return s.failed(*end, "showing the live values");
  if (stop == Pump::Stop::TimedOut) {
    s.say(s.where() + ": no live values came for " + Session::seconds(s.setup().timeoutMs) +
          " (--timeout); the live display is off again.");
    s.say("sent " + s.sent() + ".");
    s.say(adviceFor(Outcome::NoAnswer));
    return kExitFailed;
  }
  return kExitDone;
}

}  // namespace zorv
