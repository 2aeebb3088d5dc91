#pragma once
// The no-answer watchdog: one deadline for the one exchange that waits for the controller.
//
// A sender arms it with what it asked, just before the write; the reply handler that takes the
// answer either arms it again for the next question or disarms it. Nothing here has a timer:
// the shell calls the router's onTick() now and then, and the router asks overdue(), which
// compares the clock with the deadline (unsigned difference, so a wrap of the tick counter does
// not matter). The watchdog never sends: what the window does about a silent controller is up to
// the handler of the exchange that waited.

#include <cstdint>
#include <optional>
#include <string>

#include "core/text.h"

#include "core/clock.h"
#include "core/link_mode.h"

namespace zorv {

// Every exchange that waits for the controller.
enum class Exchange {
  ReadBack,         // one query of the 36-query read-back
  Identity,         // "?W" at the end of the read-back
  DefaultSet,       // "Sj000k": the echo that starts the read-back
  KindQuery,        // "?W" before an upgrade
  UpgradeCommand,   // "UPTKVR"/"UPPXOJ": the loader's "RADY"
  LoaderPacket,     // one 64-byte packet: the loader's 64-byte reply
  FileChain,        // one setting of a saved file: its echo
  Calibration,      // one calibration step: its echo
  ReverseReadBack,  // "?N"/"?O" after a reverse echo
  Display,          // the live display: a monitor record
};

// How long each answer may take unless the pilot raised it. A 10-byte reply or an 8-byte echo is
// on the wire in under a millisecond at 115 200 baud and the controller answers at once: a second
// is ample for a slow USB stack or a busy computer, and short enough that a wrong port is noticed
// at once. The loader writes to flash before it answers, so it gets two. A default set is loaded
// before its echo goes out. The display streams a record every 20 ms: a second without one means
// the stream has stopped.
namespace answer_limits {
constexpr uint32_t kReplyMs = 1000;
constexpr uint32_t kLoaderReplyMs = 2000;
constexpr uint32_t kDefaultSetMs = 1000;
constexpr uint32_t kRecordMs = 1000;
// How often the shell asks: a limit is noticed at most this late.
constexpr uint32_t kTickMs = 100;
}  // namespace answer_limits

// The limits a pilot may raise for a board slower than ours ([limits] in zorv.ini, zorvctl's
// --reply-ms, --loader-ms, --default-set-ms; core/limits_config.h reads them). The display's
// limit is not among them: it only tells that the stream has stopped.
struct AnswerLimits {
  uint32_t replyMs = answer_limits::kReplyMs;        // a query's reply, a setting's echo
  uint32_t loaderMs = answer_limits::kLoaderReplyMs; // the loader's "RADY" and packet replies
  uint32_t defaultSetMs = answer_limits::kDefaultSetMs;
  uint32_t forExchange(Exchange e) const;
};

// The limit of an exchange as the program starts, before any is raised.
uint32_t answerLimitMs(Exchange e);

// What an armed watchdog waits for.
struct Awaited {
  Exchange exchange = Exchange::ReadBack;
  std::string asked;  // for the user: "for its settings (query ?D)"
  LinkMode mode = LinkMode::Rest;  // the link mode the answer is expected in
  int done = 0;       // steps answered before this one (settings of a file, calibration steps)
  int steps = 0;      // steps in the whole exchange, 0 when it does not count them
  uint32_t limitMs = 0;  // the limit it was given when armed (0: the default limit)
  Text askedWords{};  // `asked` as the words it is made of, for the window (empty: `asked` alone)
};

// "1 second", "2.5 seconds": a limit in the words of the messages that name it.
std::string limitWords(uint32_t ms);
Text limitText(uint32_t ms);
// The limit an awaited answer was given.
uint32_t limitOf(const Awaited& due);

class Watchdog {
 public:
  explicit Watchdog(Clock& clock) : clock_(clock) {}

  // The limits from the next arm() on.
  void setLimits(const AnswerLimits& limits) { limits_ = limits; }
  const AnswerLimits& limits() const { return limits_; }

  // Waits for the answer to what is about to be sent; replaces whatever was awaited before.
  void arm(Awaited what);
  // The answer came and nothing more is awaited.
  void disarm() { awaited_.reset(); }
  bool armed() const { return awaited_.has_value(); }
  const Awaited* awaited() const { return awaited_ ? &*awaited_ : nullptr; }

  // The exchange whose answer is overdue, once: the watchdog is disarmed by it and, unless it
  // was the display, stays stale until the next arm().
  std::optional<Awaited> overdue();

  // After an overdue answer and until the next exchange is armed, anything that arrives is a
  // late answer to a question given up on: the receive step throws it away.
  bool stale() const { return stale_; }
  // What was given up on last (meaningful while stale()): a default set's late echo is still
  // taken, since the controller did load the set and the read-back it starts shows what it holds.
  Exchange gaveUpOn() const { return gaveUpOn_; }

  // While a message box or a file dialog waits for the pilot, no limit runs: the controller is
  // not late because the pilot is reading. When the last one closes, the answer awaited (if
  // any) gets its whole limit again, counted from then. Boxes may nest.
  void hold() { ++held_; }
  void release();
  bool held() const { return held_ > 0; }

 private:
  Clock& clock_;
  AnswerLimits limits_;
  std::optional<Awaited> awaited_;
  uint32_t since_ = 0;
  uint32_t limit_ = 0;
  bool stale_ = false;
  Exchange gaveUpOn_ = Exchange::ReadBack;
  int held_ = 0;
};

}  // namespace zorv
