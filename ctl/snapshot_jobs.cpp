// The jobs of the snapshots: list them, compare a file with the controller, send one back.

#include <filesystem>

#include "ctl/jobs.h"
#include "files/settings_compare.h"
#include "files/snapshot_folder.h"
#include "files/snapshot_texts.h"

namespace zorv {

namespace {

namespace fs = std::filesystem;

// The controller's settings as the read-back left them, when it answered with them.
const Settings* controllerNow(Session& s) {
  const std::optional<SnapshotKeeper::Known>& k = s.snapshots().controller();
  return k ? &k->values : nullptr;
}

// "3 settings differ", "the same settings", "cannot be read: <reason>"; "" without a controller.
std::string differencesWords(const SnapshotContent& c, const Settings* now) {
  if (!c.ok) return fillText(snapshot_text::kCannotBeRead, {c.refusal});
  if (!now) return "";
  const size_t n = compareSettings(*now, c.values).size();
  if (n == 0) return snapshot_text::kNoDifference;
  return fillText(n == 1 ? snapshot_text::kOneDifference : snapshot_text::kDifferences, {std::to_string(n)});
}

// SNAPSHOT as a path, or as a name the folder holds.
std::string snapshotPath(Session& s, const std::string& given) {
  std::error_code ec;
  if (given.find('/') == std::string::npos && !s.snapshots().folder().empty()) {
    const fs::path inFolder = fs::u8path(s.snapshots().folder()) / fs::u8path(given);
    if (fs::exists(inFolder, ec)) return inFolder.u8string();
  }
  return given;
}

}  // namespace

int snapshotsJob(Session& s) {
  const std::string& folder = s.snapshots().folder();
  if (folder.empty()) {
    s.say("the demo keeps no snapshots");
    return kExitDone;
  }
  // The differences when a controller answers; the list is printed all the same when none does.
  const Settings* now = s.connect(false) == kExitDone ? controllerNow(s) : nullptr;
  std::string error;
  const std::vector<SnapshotEntry> all = listSnapshots(folder, &error);
  if (!error.empty()) s.say("cannot read " + folder + ": " + error);
  for (const SnapshotEntry& e : all) {
    s.out() << e.fileName << "\t" << shownTime(e.name) << "\t" << reasonWords(e.name.reason) << "\t" << e.name.kind
            << "\t" << differencesWords(readSnapshot(e.path), now) << "\n";
  }
  if (all.empty()) s.say("no snapshots in " + folder + " yet");
  return kExitDone;
}

int diffJob(Session& s, const std::string& path) {
  const SnapshotContent file = readSnapshot(path);
  if (!file.ok) {
    s.say(path + ": refused: " + file.refusal + "; it is not a parameter file saved by this tool.");
    return kExitFile;
  }
  const int rc = s.connect(false);
  const Settings* now = controllerNow(s);
  if (rc != kExitDone || !now) return kExitNoController;
  const std::vector<SettingDifference> d = compareSettings(*now, file.values);
  for (const SettingDifference& x : d) s.out() << differenceText(x) << "\n";
  return d.empty() ? kExitDone : kExitFailed;
}

int restoreJob(Session& s, const std::string& which) {
  const std::string& folder = s.snapshots().folder();
  std::string path;
  if (which != "--last" && which != "--before-upgrade") {
    path = snapshotPath(s, which);
    return loadJob(s, path, false);
  }
  if (folder.empty()) {
    s.say("the demo keeps no snapshots; nothing was sent");
    return kExitFile;
  }
  if (const int rc = s.connect(true)) return rc;
  const Settings* now = controllerNow(s);
  for (const SnapshotEntry& e : listSnapshots(folder)) {
    if (which == "--before-upgrade") {
      if (e.name.reason != SnapshotReason::BeforeUpgrade) continue;
    } else {
      const SnapshotContent c = readSnapshot(e.path);
      if (!c.ok || (now && c.values == *now)) continue;
    }
    path = e.path;
    break;
  }
  if (path.empty()) {
    s.say(which == "--last" ? "no snapshot in " + folder + " differs from what the controller holds; nothing was sent"
                            : "no snapshot in " + folder + " was taken before an upgrade; nothing was sent");
    return kExitFile;
  }
  s.say("sending " + path);
  return sendFileJob(s, path, false);
}

}  // namespace zorv
