// The commands themselves, and the two jobs that only read: read and get.

#include "core/control_ids.h"
#include "ctl/jobs.h"
#include "ctl/output.h"

namespace zorv {

namespace {

// The kind as it came, a damaged answer's bytes made printable.
std::string printable(const std::string& bytes) {
  std::string out;
  for (unsigned char c : bytes) {
    if (c == '\r') {
      out += "\\r";
    } else {
      out += c >= 0x20 && c < 0x7f ? static_cast<char>(c) : '.';
    }
  }
  return out;
}

// A read-back that ended with the identity answer naming another kind (or a damaged one): the
// values were read and are printed, but the job did not get what it was for.
int notTheKind(Session& s) {
  const ExchangeResult& end = s.readBack();
  if (end.outcome == Outcome::Done) return kExitDone;
  if (end.outcome == Outcome::Refused) {
    s.say(s.where() + ": the controller reports firmware kind " + printable(end.reported) +
          ", not TKVR: its settings are shown, and zorvctl changes none of them.");
    return kExitFailed;
  }
  return s.failed(end, "reading the settings back");
}

}  // namespace

int runCommand(Session& s, const Options& o) {
  std::string error;
  std::vector<int> indexes;
  std::vector<Assignment> changes;
  if (o.command == "get") {
    for (const std::string& name : o.args) {
      const std::optional<int> i = findParam(name, &error);
      if (!i) {
        s.say(error);
        return kExitUsage;
      }
      indexes.push_back(*i);
    }
  } else if (o.command == "set") {
    for (const std::string& arg : o.args) {
      const std::optional<Assignment> a = parseAssignment(arg, &error);
      if (!a) {
        s.say(error + "; nothing was sent");  // the port is not even opened
        return kExitUsage;
      }
      changes.push_back(*a);
    }
  }

  if (o.command == "read") return readJob(s, o.json);
  if (o.command == "get") return getJob(s, indexes);
  if (o.command == "set") return setJob(s, changes);
  if (o.command == "save") return saveJob(s, o.args[0]);
  if (o.command == "load") return o.defaultSet ? loadDefaultJob(s, o.defaultSet) : loadJob(s, o.args[0], o.yes);
  if (o.command == "flash") return flashJob(s, o.args[0]);
  if (o.command == "monitor") return monitorJob(s, o.json, o.seconds);
  if (o.command == "calibrate") return calibrateJob(s, o.cells);
  if (o.command == "snapshots") return snapshotsJob(s);
  if (o.command == "diff") return diffJob(s, o.args[0]);
  if (o.command == "restore") return restoreJob(s, o.args.empty() ? "--last" : o.args[0]);
  s.say("unknown command '" + o.command + "'");
  return kExitUsage;
}

int readJob(Session& s, bool json) {
  if (const int rc = s.connect(false)) return rc;
  const MainState& st = s.router().st;
  const std::string kind = printable(s.readBack().reported);
  s.out() << (json ? readJson(st.ParamValues, st.bound.text(ids::kVersionBox), kind)
                   : readText(st.ParamValues, st.bound.text(ids::kVersionBox), kind));
  return notTheKind(s);
}

int getJob(Session& s, const std::vector<int>& indexes) {
  if (const int rc = s.connect(false)) return rc;
  for (int i : indexes) s.out() << paramLine(i, s.router().st.ParamValues[static_cast<size_t>(i)]) << "\n";
  return notTheKind(s);
}

}  // namespace zorv
