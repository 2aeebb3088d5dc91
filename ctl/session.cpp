#include "ctl/session.h"

#include <filesystem>

#include "core/beyond_scale.h"
#include "core/control_ids.h"
#include "core/control_layout.h"
#include "core/no_answer.h"
#include "core/param_catalogue.h"
#include "ctl/output.h"
#include "monitor/live_history.h"
#include "monitor/record.h"

namespace zorv {

namespace {

constexpr int kQuietMs = 300;       // no byte for this long: the answers to the settings are in
constexpr int kQuietStepMs = 50;
constexpr int kLastWordsMs = 100;   // for the display's off command to leave before the exit
constexpr int kLoadFileItem = 4;    // "Load from file saved by yourself"
constexpr char kKindChecked[] = "TKVR";
constexpr char kDoneCaption[] = "Tarvik Congratulations:";
constexpr char kCalibratedCaption[] = "Tarvik航模提示:";
// The window's words for an upgrade that ended unfinished, with the terminal's way to go on.
constexpr char kIncompleteFirmwareHere[] =
    "The controller may now hold an incomplete firmware and must be upgraded again before it flies: run the "
    "same flash command again.";

// What the window's question boxes use: nothing in them reports a failure.
bool isQuestion(const AnsweredPrompts::Shown& s) { return s.buttons != Prompts::Buttons::Ok; }

// The read-back's note on values beyond the tool's scale: printed, and no failure either.
bool isNote(const AnsweredPrompts::Shown& s) { return s.text.rfind(kBeyondScaleOpening, 0) == 0; }

constexpr size_t kSensorsShown = 3;  // compass, sonar, barometer: the sensor boxes of the window

std::string printable(const std::string& bytes) {
  std::string out;
  for (unsigned char c : bytes) {
    if (c == '\r') {
      out += "\\r";
    } else if (c >= 0x20 && c < 0x7f) {
      out += static_cast<char>(c);
    } else {
      out += '.';
    }
  }
  return out;
}

}  // namespace

void Session::CtlRouter::linkConfirmed() {
  Router::linkConfirmed();
  ++session_.confirmations_;
}

Session::Session(SerialPort& port, Clock& clock, Pump& pump, std::ostream& out, std::ostream& err, Setup setup)
    : tap_(port),
      router_(*this, tap_, win_, prompts_, clock, setup.settingsPath),
      clock_(clock),
      pump_(pump),
      out_(out),
      err_(err),
      setup_(std::move(setup)) {
  win_.router = &router_;
  tap_.onReceive = [this] {
    const LinkMode before = router_.st.LinkMode;
    const int confirmed = confirmations_;
    router_.onReceive();
    printNewRecords();
    // The identity answer has been taken and named another kind: the read-back is over.
    if (before == LinkMode::Identity && router_.st.LinkMode == LinkMode::Rest && confirmations_ == confirmed) {
      refused_ = true;
      refusedKind_ = router_.st.ReceiveBuffer;
    }
  };
  tap_.onLost = [this](const std::string& reason) {
    lost_ = true;
    lostReason_ = reason;
    router_.onPortLost(reason);
  };
  win_.onProgress = [this] { showProgress(); };
  prompts_.onShown = [this](const AnsweredPrompts::Shown& s) {
    if (!isNote(s) || s.text == noteShown_) return;
    noteShown_ = s.text;
    err_ << "zorvctl: " << terminalText(s.text) << "\n";
  };
}

int Session::run(const Options& o) {
  // Every name and value is checked before the port is opened: a typo sends nothing.
  std::string error;
  std::vector<int> indexes;
  std::vector<Assignment> changes;
  if (o.command == "get") {
    for (const std::string& name : o.args) {
      const std::optional<int> i = findParam(name, &error);
      if (!i) {
        err_ << "zorvctl: " << error << "\n";
        return kExitUsage;
      }
      indexes.push_back(*i);
    }
  } else if (o.command == "set") {
    for (const std::string& arg : o.args) {
      const std::optional<Assignment> a = parseAssignment(arg, &error);
      if (!a) {
        err_ << "zorvctl: " << error << "; nothing was sent\n";
        return kExitUsage;
      }
      changes.push_back(*a);
    }
  }

  if (o.command == "read") return read(o.json);
  if (o.command == "get") return get(indexes);
  if (o.command == "set") return set(changes);
  if (o.command == "save") return save(o.args[0]);
  if (o.command == "load") return o.defaultSet ? loadDefault(o.defaultSet) : loadFile(o.args[0], o.yes);
  if (o.command == "flash") return flash(o.args[0]);
  if (o.command == "monitor") return monitor(o.json, o.seconds);
  if (o.command == "calibrate") return calibrate(o.cells);
  err_ << "zorvctl: unknown command '" << o.command << "'\n";
  return kExitUsage;
}

// --- Waiting ---

int Session::connect(bool needSettings) {
  router_.portFileUse =
      setup_.link == Options::Link::Remembered ? Core::PortFileUse::ReadOnly : Core::PortFileUse::None;
  if (setup_.link != Options::Link::Remembered) tap_.setPortNumber(setup_.portNumber);
  pump_.setLimit(setup_.timeoutMs);
  const size_t shown = prompts_.shown().size();
  router_.initialise();  // as the window opens: the port, then the first query of the read-back
  if (!tap_.isOpen()) {
    std::string reason = win_.toolTip(ids::kPortStatus);
    if (reason.empty() && prompts_.shown().size() > shown) reason = terminalText(prompts_.shown().back().text);
    err_ << "zorvctl: cannot open port COM" << tap_.portNumber() << ": " << (reason.empty() ? "unknown reason" : reason)
         << "\n";
    return kExitPort;
  }
  if (const int rc = awaitReadback("reading the settings back")) return rc;
  if (needSettings && confirmations_ == 0) {
    err_ << "zorvctl: the controller reports firmware kind '" << printable(refusedKind_) << "', not " << kKindChecked
         << "; the window keeps its settings locked, so nothing was sent\n";
    return kExitFailed;
  }
  return kExitDone;
}

int Session::awaitReadback(const char* what) {
  const int before = confirmations_;
  refused_ = false;
  const Pump::Stop stop =
      pump_.runUntil([&] { return confirmations_ > before || refused_ || lost_ || noAnswer(); });
  if (stop == Pump::Stop::Interrupted) return interrupted("");
  if (noAnswer()) return reportNoAnswer(what);
  if (lost_) {
    err_ << "zorvctl: the port went away while " << what << ": " << lostReason_ << "\n";
    return kExitFailed;
  }
  if (stop == Pump::Stop::TimedOut) {
    err_ << "zorvctl: the controller did not answer while " << what << " (the last command sent was "
         << printable(lastQuery()) << ")\n";
    return kExitFailed;
  }
  return kExitDone;
}

// The window's way to see what the controller now holds: the port chosen again.
int Session::rereadAfterChanges() {
  if (const int rc = waitQuiet(kQuietMs)) return rc;
  win_.userSelect(ids::kPortList, win_.comboIndex(ids::kPortList));
  if (!tap_.isOpen()) {
    err_ << "zorvctl: cannot open the port again: " << win_.toolTip(ids::kPortStatus) << "\n";
    return kExitPort;
  }
  return awaitReadback("reading the settings back to check them");
}

// Lets the answers to what was sent arrive: returns once no byte came for ms.
int Session::waitQuiet(int ms) {
  uint64_t seen = tap_.bytesRead();
  int quiet = 0;
  while (quiet < ms) {
    const Pump::Stop stop = pump_.runFor(kQuietStepMs, [] { return false; });
    if (stop == Pump::Stop::Interrupted) return interrupted("");
    if (stop == Pump::Stop::TimedOut) {
      err_ << "zorvctl: the controller kept sending; gave up waiting for the line to fall quiet\n";
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

bool Session::noAnswer() const { return win_.text(ids::kPortStatus) == kNoAnswerStatus; }

// What the window's status box says about the silence, without its advice to pick the port.
int Session::reportNoAnswer(const char* what) {
  std::string tip = win_.toolTip(ids::kPortStatus);
  const size_t pick = tip.find("\n\nThen pick the port again");
  if (pick != std::string::npos) tip.erase(pick);
  err_ << "zorvctl: the controller did not answer while " << what << ". " << tip << "\n";
  return kExitFailed;
}

int Session::interrupted(const std::string& state) {
  const std::string& said = state.empty() ? stateOnStop_ : state;
  err_ << "zorvctl: stopped by Ctrl-C. " << (said.empty() ? "Nothing was changed in the controller." : said) << "\n";
  return kExitInterrupted;
}

std::string Session::lastQuery() const {
  const auto& w = tap_.writes();
  return w.empty() ? std::string("nothing") : w.back().substr(0, 16);
}

std::string Session::kind() const { return confirmations_ > 0 ? kKindChecked : refusedKind_; }

// A box shown since `since` that reports a failure (questions do not).
bool Session::newWarning(size_t since, std::string* text) const {
  const auto& shown = prompts_.shown();
  for (size_t i = since; i < shown.size(); ++i) {
    if (isQuestion(shown[i]) || isNote(shown[i]) || shown[i].caption == kDoneCaption || shown[i].caption == kCalibratedCaption)
      continue;
    *text = terminalText(shown[i].text);
    return true;
  }
  return false;
}

// --- Jobs ---

int Session::read(bool json) {
  if (const int rc = connect(false)) return rc;
  const std::string version = win_.text(ids::kVersionBox);
  out_ << (json ? readJson(router_.st.ParamValues, version, kind()) : readText(router_.st.ParamValues, version, kind()));
  if (confirmations_ == 0) {
    err_ << "zorvctl: the controller reports firmware kind '" << printable(refusedKind_) << "', not " << kKindChecked
         << "\n";
    return kExitFailed;
  }
  return kExitDone;
}

int Session::get(const std::vector<int>& indexes) {
  if (const int rc = connect(false)) return rc;
  for (int i : indexes) out_ << paramLine(i, router_.st.ParamValues[static_cast<size_t>(i)]) << "\n";
  return confirmations_ > 0 ? kExitDone : kExitFailed;
}

// One change through its control, as a user makes it.
bool Session::apply(const Assignment& a, bool* displayOn, std::string* error) {
  const ParamRange range = paramRange(a.index);
  bool done = false;
  switch (range.control) {
    case ParamControl::Slider:
      done = win_.userSetSlider(sliderByIndex(a.index)->slider, a.value);
      break;
    case ParamControl::List:
      for (const ListParam& p : listParams())
        if (p.index == a.index) done = win_.userSelect(p.combo, a.value - 1);
      break;
    case ParamControl::Reverse:
      // The reverse boxes can be used only while the live display runs.
      if (!*displayOn) {
        if (!win_.userPress(ids::kDisplayButton)) break;
        *displayOn = true;
      }
      [[fallthrough]];
    case ParamControl::Sensor:
    case ParamControl::Matrix: {
      for (const BitGroup& g : bitGroups()) {
        const int bit = a.index - g.firstIndex;
        if (bit < 0 || bit >= 8) continue;
        const int box = g.boxes[static_cast<size_t>(bit)];
        done = win_.checkState(box) == a.value || win_.userClick(box);
      }
      break;
    }
    case ParamControl::Cell:
      break;
  }
  if (!done) *error = "the window keeps the control of '" + labelOf(a.index) + "' locked; nothing was sent for it";
  return done;
}

int Session::set(const std::vector<Assignment>& changes) {
  if (const int rc = connect(true)) return rc;
  const auto before = router_.st.ParamValues;
  bool displayOn = false;
  int rc = kExitDone;
  // The reverse boxes come last: the live display they need locks every other control.
  std::vector<Assignment> ordered;
  for (bool reverse : {false, true})
    for (const Assignment& a : changes)
      if ((paramRange(a.index).control == ParamControl::Reverse) == reverse) ordered.push_back(a);
  std::vector<bool> applied(kParamCount, false);
  for (const Assignment& a : ordered) {
    std::string error;
    if (apply(a, &displayOn, &error)) {
      applied[static_cast<size_t>(a.index)] = true;
    } else {
      err_ << "zorvctl: " << error << "\n";
      rc = kExitFailed;
    }
  }
  if (displayOn) win_.userPress(ids::kDisplayButton);
  stateOnStop_ = "The settings were sent but not yet checked; 'zorvctl read' shows what the controller holds.";
  const auto expected = router_.st.ParamValues;

  for (int i = 0; i < kParamCount; ++i) {
    const auto k = static_cast<size_t>(i);
    if (before[k] != expected[k])
      out_ << i << "\t" << paramLabels()[k] << "\t" << before[k] << " -> " << expected[k] << "\n";
  }
  // A flight-mode rule may undo an earlier change of the same command.
  for (const Assignment& a : changes) {
    if (!applied[static_cast<size_t>(a.index)] || expected[static_cast<size_t>(a.index)] == a.value) continue;
    err_ << "zorvctl: '" << labelOf(a.index) << "' is " << expected[static_cast<size_t>(a.index)] << ", not "
         << a.value << ": the window's rules between the flight-mode rows changed it again\n";
    rc = kExitFailed;
  }

  if (const int reread = rereadAfterChanges()) return reread;
  const auto& now = router_.st.ParamValues;
  for (int i = 0; i < kParamCount; ++i) {
    const auto k = static_cast<size_t>(i);
    if (now[k] == expected[k]) continue;
    err_ << "zorvctl: the controller holds " << now[k] << " for '" << labelOf(i) << "', not " << expected[k] << "\n";
    rc = kExitFailed;
  }
  return rc;
}

int Session::save(const std::string& path) {
  if (const int rc = connect(true)) return rc;
  prompts_.confirm = true;
  prompts_.file = path;
  const size_t shown = prompts_.shown().size();
  if (!win_.userPress(ids::kSaveButton)) {
    err_ << "zorvctl: the window keeps its save button locked\n";
    return kExitFailed;
  }
  std::string warning;
  if (newWarning(shown, &warning)) {
    err_ << "zorvctl: " << warning << "\n";
    return kExitFile;
  }
  std::error_code ec;
  const std::filesystem::path full = std::filesystem::absolute(path, ec);
  out_ << (ec ? path : full.string()) << "\n";
  return kExitDone;
}

int Session::loadFile(const std::string& path, bool sendUnknown) {
  if (const int rc = connect(true)) return rc;
  prompts_.file = path;
  prompts_.confirm = sendUnknown;  // the one question: a file holding values the tool does not know
  const size_t shown = prompts_.shown().size();
  const uint64_t mark = tap_.writeCount();
  if (!win_.userSelect(ids::kLoadList, kLoadFileItem)) {
    err_ << "zorvctl: the window keeps its load list locked\n";
    return kExitFailed;
  }
  std::string warning;
  if (newWarning(shown, &warning)) {
    err_ << "zorvctl: " << warning << "\n";
    return kExitFile;
  }
  if (tap_.writeCount() == mark && prompts_.shown().size() > shown) {
    // The window asked before sending values it does not know, and the answer was No.
    std::string question = terminalText(prompts_.shown().back().text);
    question.erase(std::min(question.size(), question.rfind("\n\n")));
    err_ << "zorvctl: " << question << "\nzorvctl: nothing was sent; 'zorvctl load --yes " << path
         << "' sends the file as it stands\n";
    return kExitFile;
  }
  // The settings of the chain: every setting written after the announcement, up to the
  // read-back that ends it.
  auto settingsSent = [&] {
    const auto& w = tap_.writes();
    const uint64_t sinceMark = tap_.writeCount() - mark;
    int n = 0;
    for (size_t i = w.size() - std::min<size_t>(w.size(), sinceMark) + 1; i < w.size(); ++i) {
      if (w[i].empty() || w[i][0] != 'S') break;
      ++n;
    }
    return n;
  };
  const int before = confirmations_;
  refused_ = false;
  const Pump::Stop stop =
      pump_.runUntil([&] { return confirmations_ > before || refused_ || lost_ || noAnswer(); });
  if (stop == Pump::Stop::Interrupted)
    return interrupted("The controller holds the first " + std::to_string(settingsSent()) +
                       " settings of the file, the rest are as they were. Run the load again.");
  if (stop == Pump::Stop::TimedOut || lost_ || noAnswer()) {
    err_ << "zorvctl: the controller stopped answering after " << settingsSent()
         << " settings of the file; it holds those, the rest are as they were\n";
    return kExitFailed;
  }
  out_ << settingsSent() << " settings sent from " << path << "\n";
  return kExitDone;
}

int Session::loadDefault(int k) {
  if (const int rc = connect(true)) return rc;
  if (!win_.userSelect(ids::kLoadList, k - 1)) {
    err_ << "zorvctl: the window keeps its load list locked\n";
    return kExitFailed;
  }
  // The controller's answer restarts the read-back, which shows what the set holds.
  if (const int rc = awaitReadback("loading the default set")) return rc;
  out_ << "default set " << k << " (" << comboItems(ids::kLoadList)[static_cast<size_t>(k - 1)] << ") loaded\n";
  return kExitDone;
}

void Session::showProgress() {
  if (!win_.progressVisible() || win_.progressHi() <= win_.progressLo()) return;
  const int percent = std::min(100, (win_.progressPos() - win_.progressLo()) * 100 / (win_.progressHi() - win_.progressLo()));
  if (percent == lastPercent_) return;
  lastPercent_ = percent;
  err_ << (setup_.progressBar ? progressBar(percent) : progressLine(percent)) << std::flush;
}

int Session::flash(const std::string& path) {
  if (const int rc = connect(false)) return rc;
  prompts_.file = path;
  size_t shown = prompts_.shown().size();
  win_.userPress(ids::kChooseImageButton);
  std::string warning;
  if (newWarning(shown, &warning)) {
    err_ << "zorvctl: " << warning << "\n";
    return kExitFile;
  }
  shown = prompts_.shown().size();
  auto finished = [&] {
    const auto& s = prompts_.shown();
    for (size_t i = shown; i < s.size(); ++i)
      if (s[i].caption == kDoneCaption) return true;
    std::string w;
    return newWarning(shown, &w);
  };
  prompts_.confirm = true;  // the command is the pilot's answer to the window's question
  if (!win_.userPress(ids::kUpgradeButton)) {
    err_ << "zorvctl: the window keeps its upgrade button locked\n";
    return kExitFailed;
  }
  const Pump::Stop stop = pump_.runUntil([&] { return finished() || lost_ || noAnswer(); });
  if (setup_.progressBar && lastPercent_ >= 0) err_ << "\n";
  if (stop == Pump::Stop::Interrupted)
    return interrupted("The upgrade was broken off: the controller may be left in its loader without a whole "
                       "firmware. Run the flash again before flying.");
  // Past the upgrade command the controller may hold half a firmware: say how far it got.
  const std::string& stopped = router_.st.UpgradeUnfinished;
  if (newWarning(shown, &warning)) {
    const size_t said = warning.find("\n\n");
    err_ << "zorvctl: the upgrade failed: " << (stopped.empty() ? warning : warning.substr(0, said)) << "\n";
    if (!stopped.empty()) err_ << "zorvctl: " << stopped << " " << kIncompleteFirmwareHere << "\n";
    return kExitFailed;
  }
  if (lost_ || stop == Pump::Stop::TimedOut) {
    err_ << "zorvctl: the controller stopped answering during the upgrade"
         << (lost_ ? " (" + lostReason_ + ")" : std::string()) << "; run the flash again before flying\n";
    return kExitFailed;
  }
  out_ << "upgraded with " << path << "\n";
  return kExitDone;
}

// One line per record the display step has read: the record's group of values new, the others
// as they last came.
void Session::printNewRecords() {
  const LiveHistory& history = router_.live;
  if (history.added() < recordsSeen_) recordsSeen_ = 0;  // the display started again
  const uint64_t fresh = std::min<uint64_t>(history.added() - recordsSeen_, history.size());
  recordsSeen_ = history.added();
  if (!printing_ || fresh == 0) return;
  readings_.resize(2 * kRecordFieldCount + kSensorsShown, 0);
  for (size_t i = history.size() - static_cast<size_t>(fresh); i < history.size(); ++i) {
    const LiveSample& s = history.at(i);
    const size_t first = static_cast<size_t>(s.kind) * kRecordFieldCount;
    const size_t n = s.kind == RecordKind::Sensors ? kSensorsShown : kRecordFieldCount;
    for (size_t k = 0; k < n; ++k) readings_[first + k] = s.values[k];
    out_ << (monitorJson_ ? monitorJsonLine(readings_) : monitorCsvLine(readings_));
  }
  out_ << std::flush;
  pump_.setLimit(setup_.timeoutMs);  // records come: the limit is for the next one
}

int Session::monitor(bool json, int seconds) {
  if (const int rc = connect(false)) return rc;
  monitorJson_ = json;
  if (!json) out_ << monitorCsvHeader() << std::flush;
  if (!win_.userPress(ids::kDisplayButton)) {
    err_ << "zorvctl: the window keeps its display button locked\n";
    return kExitFailed;
  }
  recordsSeen_ = router_.live.added();
  printing_ = true;
  pump_.setLimit(setup_.timeoutMs);
  // A reader that went away (the end of a pipe) ends the display like Ctrl-C, without the message.
  auto over = [&] { return lost_ || !out_.good(); };
  const Pump::Stop stop = seconds > 0 ? pump_.runFor(seconds, over) : pump_.runUntil(over);
  printing_ = false;
  if (!lost_) {
    win_.userPress(ids::kDisplayButton);  // the display off: the controller stops streaming
    pump_.setLimit(-1);
    pump_.runFor(kLastWordsMs, [] { return false; });
  }
  if (stop == Pump::Stop::Interrupted) {
    err_ << "zorvctl: stopped by Ctrl-C. The live display is off again.\n";
    return kExitInterrupted;
  }
  if (lost_) {
    err_ << "zorvctl: the port went away: " << lostReason_ << "\n";
    return kExitFailed;
  }
  if (stop == Pump::Stop::TimedOut) {
    err_ << "zorvctl: the controller sent no live values for " << setup_.timeoutMs / 1000.0 << " s\n";
    return kExitFailed;
  }
  return kExitDone;
}

int Session::calibrate(const std::vector<int>& cells) {
  if (const int rc = connect(true)) return rc;
  for (size_t i = 0; i < kCellEdits.size() && i < cells.size(); ++i)
    win_.userType(kCellEdits[i], std::to_string(cells[i]));
  prompts_.confirm = true;
  const size_t shown = prompts_.shown().size();
  if (!win_.userPress(ids::kBatterySaveButton)) {
    err_ << "zorvctl: the window keeps its calibration button locked\n";
    return kExitFailed;
  }
  std::string warning;
  if (newWarning(shown, &warning)) {
    err_ << "zorvctl: " << warning << "\n";
    out_ << "not done\n";
    return kExitUsage;
  }
  const Pump::Stop stop = pump_.runUntil([&] {
    const auto& s = prompts_.shown();
    for (size_t i = shown; i < s.size(); ++i)
      if (s[i].caption == kCalibratedCaption) return true;
    std::string w;
    return lost_ || noAnswer() || newWarning(shown, &w);
  });
  if (stop == Pump::Stop::Interrupted)
    return interrupted("The calibration was broken off; run it again before relying on the battery reading.");
  if (newWarning(shown, &warning)) {
    out_ << "not done\n";
    err_ << "zorvctl: " << warning << "\n";
    return kExitFailed;
  }
  if (stop == Pump::Stop::TimedOut || lost_ || noAnswer()) {
    out_ << "not done\n";
    err_ << "zorvctl: the controller stopped answering during the calibration\n";
    return kExitFailed;
  }
  out_ << "done\n";
  return kExitDone;
}

}  // namespace zorv
