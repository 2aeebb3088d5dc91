// The jobs of the saved parameter file and the default sets: save, load FILE, load --default K.

#include <algorithm>
#include <filesystem>

#include "core/control_ids.h"
#include "core/control_layout.h"
#include "ctl/jobs.h"
#include "files/param_files.h"

namespace zorv {

namespace {

// Settings of the file written since `mark` writes ago: every setting after the announcement, up
// to the read-back that ends the chain. What Ctrl-C leaves in the controller is told from these.
int settingsWritten(const TapPort& tap, uint64_t mark) {
  const auto& w = tap.writes();
  const uint64_t since = tap.writeCount() - mark;
  int n = 0;
  for (size_t i = w.size() - std::min<size_t>(w.size(), since) + 1; i < w.size(); ++i) {
    if (w[i].empty() || w[i][0] != 'S') break;
    ++n;
  }
  return n;
}

}  // namespace

int saveJob(Session& s, const std::string& path) {
  if (const int rc = s.connect(true)) return rc;
  s.prompts().confirm = true;
  s.prompts().file = path;
  const size_t mark = s.mark();
  if (!s.window().userPress(ids::kSaveButton)) {
    s.say("the window keeps its save button locked; nothing was saved");
    return kExitFailed;
  }
  const ExchangeResult* end = s.endOf(ExchangeKind::FileSave, mark);
  if (!end || end->outcome != Outcome::Done) {
    s.say("cannot save " + path + ": " + (end ? end->message : "the window did not save") +
          ". Any file that was there is unchanged.");
    return kExitFile;
  }
  std::error_code ec;
  const std::filesystem::path full = std::filesystem::absolute(path, ec);
  s.out() << (ec ? path : full.string()) << "\n";
  return kExitDone;
}

int loadJob(Session& s, const std::string& path, bool sendUnknown) {
  if (const int rc = s.connect(true)) return rc;
  return sendFileJob(s, path, sendUnknown);
}

int sendFileJob(Session& s, const std::string& path, bool sendUnknown) {
  s.prompts().file = path;
  s.prompts().confirm = sendUnknown;  // the one question: a file holding values the tool does not know
  const size_t mark = s.mark();
  const uint64_t writes = s.port().writeCount();
  if (!s.window().userSelect(ids::kLoadList, kLoadFileItem)) {
    s.say("the window keeps its load list locked; nothing of the file was sent");
    return kExitFailed;
  }
  auto stopped = [&] {
    return "The controller holds the first " + std::to_string(settingsWritten(s.port(), writes)) +
           " settings of the file, the rest are as they were. Run the load again.";
  };
  ExchangeResult end;
  const Pump::Stop stop = s.waitFor(ExchangeKind::FileLoad, mark, &end);
  if (stop == Pump::Stop::Interrupted) return s.interrupted(stopped());
  if (stop == Pump::Stop::TimedOut) return s.timedOut("sending " + path);
  if (end.outcome == Outcome::Refused) {
    const bool notConfirmed = end.message.rfind(kUnknownValuesNotSent, 0) == 0;
    s.say(path + ": " + (notConfirmed ? end.message : "refused: " + end.message + "."));
    s.say("sent " + s.sent() + ", none of the file's settings" +
          (notConfirmed ? "; 'zorvctl load --yes " + path + "' sends the file as it stands." : "."));
    return kExitFile;
  }
  if (end.outcome != Outcome::Done)
    return s.failed(end, "sending " + path,
                    "the controller took " + std::to_string(end.done) + " of the " + std::to_string(end.total) +
                        " settings of the file; the rest are as they were: run the same load command again.");
  // The chain ends with a read-back of what the controller now holds.
  if (const int rc = s.awaitReadBack(mark, "reading the settings back after " + path)) return rc;
  s.out() << settingsWritten(s.port(), writes) << " settings sent from " << path << "\n";
  return kExitDone;
}

int loadDefaultJob(Session& s, int set) {
  if (const int rc = s.connect(true)) return rc;
  const size_t mark = s.mark();
  if (!s.window().userSelect(ids::kLoadList, set - 1)) {
    s.say("the window keeps its load list locked; nothing was sent");
    return kExitFailed;
  }
  const std::string name = "default set " + std::to_string(set) + " (" +
                           comboItems(ids::kLoadList)[static_cast<size_t>(set - 1)] + ")";
  ExchangeResult end;
  const Pump::Stop stop = s.waitFor(ExchangeKind::DefaultSet, mark, &end);
  if (stop == Pump::Stop::Interrupted)
    return s.interrupted("The controller may or may not have loaded " + name + "; 'zorvctl read' shows what it holds.");
  if (stop == Pump::Stop::TimedOut) return s.timedOut("loading " + name);
  if (end.outcome != Outcome::Done)
    return s.failed(end, "loading " + name,
                    "the controller may or may not have loaded it: 'zorvctl read' shows what it holds.");
  // The controller's answer restarts the read-back, which shows what the set holds.
  if (const int rc = s.awaitReadBack(mark, "reading " + name + " back")) return rc;
  s.out() << name << " loaded\n";
  return kExitDone;
}

}  // namespace zorv
