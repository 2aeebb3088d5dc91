#include "files/snapshot_keeper.h"

#include <ctime>
#include <filesystem>

#include "core/control_ids.h"
#include "core/core.h"
#include "core/param_catalogue.h"
#include "core/user_config.h"
#include "files/param_file_format.h"
#include "files/param_files.h"
#include "files/snapshot_texts.h"

namespace zorv {

namespace {

constexpr size_t kDifferencesAsked = 5;          // named in the question before sending
constexpr size_t kDifferencesAfterUpgrade = 3;   // named in the question after an upgrade
constexpr char kLastCalibrationStep = '3';       // the cells are the controller's once it is sent
constexpr int kFirstCell = 15;

SnapshotName nameAt(std::chrono::system_clock::time_point t, const std::string& kind, SnapshotReason reason) {
  const std::time_t secs = std::chrono::system_clock::to_time_t(t);
  std::tm local{};
#ifdef _WIN32
  localtime_s(&local, &secs);
#else
  localtime_r(&secs, &local);
#endif
  const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(t.time_since_epoch()).count() % 1000;
  SnapshotName n;
  n.year = local.tm_year + 1900;
  n.month = local.tm_mon + 1;
  n.day = local.tm_mday;
  n.hour = local.tm_hour;
  n.minute = local.tm_min;
  n.second = local.tm_sec;
  n.millisecond = static_cast<int>(ms < 0 ? ms + 1000 : ms);
  n.kind = kind;
  n.reason = reason;
  return n;
}

bool kindForName(const std::string& kind) {
  if (kind.size() != 4) return false;
  for (char c : kind)
    if (!((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))) return false;
  return true;
}

}  // namespace

SnapshotKeeper::SnapshotKeeper(Core& core) : core_(core) { core_.settingsWatch = this; }

SnapshotKeeper::~SnapshotKeeper() {
  if (core_.settingsWatch == this) core_.settingsWatch = nullptr;
}

std::string SnapshotKeeper::defaultFolder() {
  return (std::filesystem::u8path(userDataDir()) / "snapshots").u8string();
}

std::string SnapshotKeeper::write(SnapshotReason reason, const Known& k, bool always) {
  if (folder_.empty() || !kindForName(k.kind)) return "";
  if (!always) {
    const std::vector<SnapshotEntry> all = listSnapshots(folder_);
    if (!all.empty()) {
      const SnapshotContent newest = readSnapshot(all.front().path);
      if (newest.ok && newest.values == k.values) return "";
    }
  }
  const WrittenSnapshot w = writeSnapshot(folder_, nameAt(now(), k.kind, reason), writeParamFile(k.port, k.values));
  if (!w.error.empty()) {
    if (!told_) {
      told_ = true;
      const Text text = Marked{"Messages", snapshot_text::kCannotWrite}.arg(folder_).arg(w.error);
      if (tell) {
        tell(text.original());
      } else {
        core_.prompts.tell(text, Text(snapshot_text::kQuestionCaption), Prompts::Buttons::Ok, Prompts::Icon::Warning);
      }
    }
    return "";
  }
  lastWritten_ = w.path;
  pruneSnapshots(folder_);
  notifyChanged();
  return w.path;
}

void SnapshotKeeper::replacing(ExchangeKind kind) {
  SnapshotReason before = SnapshotReason::BeforeLoad;
  if (kind == ExchangeKind::DefaultSet) {
    before = SnapshotReason::BeforeDefaultSet;
    next_ = SnapshotReason::AfterDefaultSet;
  } else if (kind == ExchangeKind::Upgrade) {
    before = SnapshotReason::BeforeUpgrade;
    beforeUpgrade_.reset();
    upgraded_ = false;
  } else {
    next_ = SnapshotReason::AfterLoad;
  }
  if (!known_) return;
  const std::string path = write(before, *known_, true);
  if (kind == ExchangeKind::Upgrade && !path.empty()) beforeUpgrade_ = BeforeUpgrade{path, known_->values, known_->port};
  // From here on the controller's settings are whatever the exchange leaves; the read-back that
  // follows tells.
  known_.reset();
  notifyChanged();
}

void SnapshotKeeper::settingSent(char letter, int value) {
  if (!known_) return;
  Settings& v = known_->values;
  // What the read-back would store for the letter once the controller holds the value.
  for (const SliderParam& p : sliderParams())
    if (p.letter == letter) v[static_cast<size_t>(p.index)] = value - p.wireOffset;
  for (const ListParam& p : listParams()) {
    // The servo rate's list writes 3 for 270 Hz, which the controller reports as 2.
    if (p.letter == letter) v[static_cast<size_t>(p.index)] = p.letter == 'P' ? (value == 2 || value == 3 ? 2 : 1) : value;
  }
  if (const BitGroup* g = groupByLetter(letter))
    for (int k = 0; k < 8; ++k) v[static_cast<size_t>(g->firstIndex + k)] = bitOf(value, k);
  // The calibration's last step: the controller now holds the cells the window sent.
  if (letter == kLastCalibrationStep)
    for (size_t i = 0; i < 4; ++i) v[kFirstCell + i] = core_.st.ParamValues[kFirstCell + i];
}

void SnapshotKeeper::ended(const ExchangeResult& end) {
  if (end.exchange == ExchangeKind::Upgrade && end.outcome == Outcome::Done) {
    upgraded_ = beforeUpgrade_.has_value();
    next_ = SnapshotReason::AfterUpgrade;
    return;
  }
  if (end.exchange != ExchangeKind::ReadBack) return;
  // Completed: the identity answered with a kind, whether or not it unlocks the settings.
  if (end.outcome == Outcome::Done || (end.outcome == Outcome::Refused && kindForName(end.reported)))
    readBackCompleted(end);
}

void SnapshotKeeper::readBackCompleted(const ExchangeResult& end) {
  known_ = Known{core_.st.ParamValues, core_.win.comboIndex(ids::kPortList) + 1, end.reported};
  const Known now = *known_;
  write(next_, now, false);
  next_ = SnapshotReason::Connected;
  notifyChanged();
  if (!upgraded_) return;
  // The first completed read-back after the upgrade decides, once.
  const BeforeUpgrade before = *beforeUpgrade_;
  upgraded_ = false;
  beforeUpgrade_.reset();
  if (!offerRestoreAfterUpgrade || end.outcome != Outcome::Done || before.port != now.port) return;
  const std::vector<SettingDifference> changes = sentDifferences(compareSettings(before.values, now.values));
  if (changes.empty()) return;
  const Text question =
      changes.size() == 1
          ? Marked{"Messages", snapshot_text::kUpgradeChangedOne}.arg(differenceWords(changes[0]))
          : Marked{"Messages", snapshot_text::kUpgradeChanged}
                .arg(std::to_string(changes.size()))
                .arg(differenceListWords(changes, kDifferencesAfterUpgrade));
  if (core_.prompts.tell(question, Text(snapshot_text::kQuestionCaption), Prompts::Buttons::YesNo,
                         Prompts::Icon::Question, true) == Prompts::Answer::Yes)
    loadParamFile(core_, before.path, true);
}

void SnapshotKeeper::linkChanged() {
  known_.reset();
  // The board's USB device goes away while it restarts after an upgrade: the read-back when it
  // is back is still the one after the upgrade.
  if (next_ != SnapshotReason::AfterUpgrade) next_ = SnapshotReason::Connected;
  notifyChanged();
}

bool SnapshotKeeper::offerToSend(const std::string& path) {
  const SnapshotContent content = readSnapshot(path);
  if (!content.ok) return false;
  Text differ;
  if (known_) {
    const std::vector<SettingDifference> d = compareSettings(known_->values, content.values);
    if (d.empty()) {
      differ = Text(Marked{"Messages", snapshot_text::kSameSettings});
    } else if (d.size() == 1) {
      differ = Marked{"Messages", snapshot_text::kOneSettingDiffers}.arg(differenceWords(d[0]));
    } else {
      differ = Marked{"Messages", snapshot_text::kSettingsDiffer}
                   .arg(std::to_string(d.size()))
                   .arg(differenceListWords(d, kDifferencesAsked));
    }
  }
  std::string unknown;
  for (const std::string& line : content.unknown) unknown += (unknown.empty() ? "" : ", ") + line;
  const Text unknownWords = unknown.empty() ? Text() : Marked{"Messages", snapshot_text::kUnknownInSnapshot}.arg(unknown);
  const Text question = Marked{"Messages", snapshot_text::kSendQuestion}
                            .arg(differ)
                            .arg(std::to_string(content.commands))
                            .arg(unknownWords);
  if (core_.prompts.tell(question, Text(snapshot_text::kQuestionCaption), Prompts::Buttons::YesNo,
                         Prompts::Icon::Question, true) != Prompts::Answer::Yes) {
    core_.ended({ExchangeKind::FileLoad, Outcome::Refused, "sending the snapshot was not confirmed"});
    return false;
  }
  loadParamFile(core_, path, true);
  return true;
}

}  // namespace zorv
