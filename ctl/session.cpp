#include "ctl/session.h"

#include <cstdio>

#include "core/control_ids.h"
#include "ctl/words.h"

namespace zorv {

namespace {

constexpr int kQuietMs = 300;  // no byte for this long: the answers to the settings are in
constexpr int kQuietStepMs = 50;

}  // namespace

Session::Session(SerialPort& port, Clock& clock, Pump& pump, std::ostream& out, std::ostream& err, Setup setup)
    : tap_(port),
      router_(tap_, win_, prompts_, clock, setup.settingsPath),
      pump_(pump),
      out_(out),
      err_(err),
      setup_(std::move(setup)) {
  win_.router = &router_;
  snapshots_.setFolder(setup_.snapshotFolder);
  snapshots_.tell = [this](std::string text) {
    for (size_t at; (at = text.find("\r\r")) != std::string::npos;) text.replace(at, 2, " ");
    say(text);
  };
  router_.onExchangeEnd = [this](const ExchangeResult& end) { ends_.push_back(end); };
  tap_.onReceive = [this] {
    router_.onReceive();
    if (onReceived) onReceived();
  };
  tap_.onLost = [this](const std::string& reason) {
    lost_ = true;
    lostReason_ = reason;
    router_.onPortLost(reason);
  };
}

// --- The link ---

std::string Session::where() const {
  switch (setup_.link) {
    case Options::Link::Device:
      return setup_.device;
    case Options::Link::Demo:
      return "the simulated controller";
    case Options::Link::Number:
    case Options::Link::Remembered:
      break;
  }
  const int number = tap_.portNumber();
  const std::string device = setup_.deviceOf ? setup_.deviceOf(number) : "";
  return "port " + std::to_string(number) + (device.empty() ? "" : " (" + device + ")");
}

int Session::connect(bool needSettings) {
  router_.portFileUse =
      setup_.link == Options::Link::Remembered ? Core::PortFileUse::ReadOnly : Core::PortFileUse::None;
  if (setup_.link != Options::Link::Remembered) tap_.setPortNumber(setup_.portNumber);
  pump_.setLimit(setup_.timeoutMs);
  const size_t since = mark();
  router_.initialise();  // as the window opens: the port, then the first query of the read-back
  if (!tap_.isOpen()) return portWouldNotOpen();
  // Without needSettings a controller of another kind goes on: the job shows what it read, and
  // says itself that the kind is another.
  return awaitReadBack(since, "reading the settings back", !needSettings);
}

int Session::awaitReadBack(size_t since, const std::string& doing, bool otherKindTaken) {
  const Pump::Stop stop = waitFor(ExchangeKind::ReadBack, since, &readBack_);
  if (stop == Pump::Stop::Interrupted) return interrupted();
  if (stop == Pump::Stop::TimedOut) return timedOut(doing);
  if (readBack_.outcome == Outcome::Done) {
    // Values beyond the tool's scale: said once, however often the settings are read back.
    if (!readBack_.message.empty() && readBack_.message != noteShown_) {
      noteShown_ = readBack_.message;
      say(readBack_.message);
    }
    return kExitDone;
  }
  if (readBack_.outcome == Outcome::Refused) {
    if (otherKindTaken) return kExitDone;
    say(where() + ": the controller reports firmware kind " + readBack_.reported +
        "; zorvctl changes the settings of TKVR controllers only, so it sent none of those given.");
    say("sent " + sent() + ".");
    return kExitFailed;
  }
  return failed(readBack_, doing);
}

int Session::portWouldNotOpen() {
  for (const std::string& line : openFailureWords(tap_.openFailure(), where())) say(line);
  return kExitPort;
}

int Session::readAgain() {
  if (const int rc = waitQuiet(kQuietMs)) return rc;
  const size_t since = mark();
  win_.userSelect(ids::kPortList, tap_.portNumber() - 1);
  if (!tap_.isOpen()) return portWouldNotOpen();
  return awaitReadBack(since, "reading the settings back to check them");
}

// --- Waiting ---

const ExchangeResult* Session::endOf(ExchangeKind kind, size_t since) const {
  for (size_t i = since; i < ends_.size(); ++i)
    if (ends_[i].exchange == kind) return &ends_[i];
  return nullptr;
}

Pump::Stop Session::waitFor(ExchangeKind kind, size_t since, ExchangeResult* end) {
  const Pump::Stop stop = pump_.runUntil([&] { return endOf(kind, since) || lost_; });
  if (stop != Pump::Stop::Done) return stop;
  if (const ExchangeResult* e = endOf(kind, since)) {
    *end = *e;
  } else {
    *end = {kind, Outcome::Lost, lostReason_};
  }
  return stop;
}

int Session::waitQuiet(int ms) {
  uint64_t seen = tap_.bytesRead();
  int quiet = 0;
  while (quiet < ms) {
    const Pump::Stop stop = pump_.runFor(kQuietStepMs, [] { return false; });
    if (stop == Pump::Stop::Interrupted) return interrupted();
    if (stop == Pump::Stop::TimedOut) {
      say(where() + ": the controller kept sending; gave up waiting for the line to fall quiet.");
      return kExitFailed;
    }
    if (tap_.bytesRead() == seen) {
      quiet += kQuietStepMs;
    } else {
      seen = tap_.bytesRead();
      quiet = 0;
    }
  }
  return kExitDone;
}

// --- Words ---

void Session::say(const std::string& line) {
  // A text of the window's may carry its box's line breaks: each line gets its own opening.
  const std::string text = terminalText(line);
  size_t from = 0;
  while (from <= text.size()) {
    const size_t to = text.find('\n', from);
    const std::string piece = text.substr(from, to == std::string::npos ? std::string::npos : to - from);
    err_ << (piece.empty() ? "zorvctl:" : "zorvctl: " + piece) << "\n";
    if (to == std::string::npos) break;
    from = to + 1;
  }
}

std::string Session::sent() const {
  const std::vector<std::string>& kept = tap_.writes();
  return sentSummary(kept, tap_.writeCount() - kept.size());
}

int Session::failed(const ExchangeResult& end, const std::string& doing, const std::string& leaves) {
  say(endWords(end, where(), doing));
  say("sent " + sent() + ".");
  if (!leaves.empty()) say(leaves);
  if (const std::string advice = adviceFor(end.outcome); !advice.empty()) say(advice);
  return kExitFailed;
}

std::string Session::seconds(int ms) {
  char text[32];
  std::snprintf(text, sizeof text, "%g s", ms / 1000.0);
  return text;
}

int Session::timedOut(const std::string& doing) {
  say(where() + ": the " + seconds(setup_.timeoutMs) + " of --timeout ran out while " + doing + ".");
  say("sent " + sent() + ".");
  say(adviceFor(Outcome::NoAnswer));
  return kExitFailed;
}

int Session::interrupted(const std::string& state) {
  const std::string& said = state.empty() ? stateOnStop_ : state;
  say("stopped by Ctrl-C." + (said.empty() ? "" : " " + said));
  say("sent " + sent() + ".");
  return kExitInterrupted;
}

}  // namespace zorv
