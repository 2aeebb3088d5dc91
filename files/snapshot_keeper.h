#pragma once
// Automatic snapshots of the controller's settings, so that no tune is ever lost:
//   - after every completed read-back (the identity answered), when the settings differ from the
//     newest snapshot in the folder;
//   - right before a default set, a saved file or an upgrade, always: what the last completed
//     read-back on this port found, with every setting sent since (a typed value not yet sent is
//     not among them); with no such read-back, none.
// The newest kSnapshotsKept are kept. A snapshot that cannot be written is told once, and the
// work goes on. After a successful upgrade, the first completed read-back that finds other
// settings than the snapshot before it may ask to send them back (the window does).
// Nothing here sends a byte unless the pilot says yes to a question.

#include <chrono>
#include <functional>
#include <optional>
#include <string>

#include "core/settings_watch.h"
#include "files/settings_compare.h"
#include "files/snapshot_folder.h"

namespace zorv {
class Core;

class SnapshotKeeper : public SettingsWatch {
 public:
  explicit SnapshotKeeper(Core& core);
  ~SnapshotKeeper() override;
  SnapshotKeeper(const SnapshotKeeper&) = delete;
  SnapshotKeeper& operator=(const SnapshotKeeper&) = delete;

  // $XDG_DATA_HOME/zorv/snapshots (~/.local/share/zorv/snapshots).
  static std::string defaultFolder();
  // Where snapshots go; "" (the start) writes none: the demo, and tests that do not ask for them.
  void setFolder(std::string folder) { folder_ = std::move(folder); }
  const std::string& folder() const { return folder_; }

  // What the controller holds as far as the tool knows: the last completed read-back on this
  // port and every setting sent since; nothing once the port changed or the settings were
  // replaced wholesale, until the next read-back completes.
  struct Known {
    Settings values{};
    int port = 0;      // as the port list shows it, the number a save writes
    std::string kind;  // the firmware kind reported ("TKVR")
  };
  const std::optional<Known>& controller() const { return known_; }

  // The one message when a snapshot cannot be written; unset: a message box through the prompts.
  std::function<void(const std::string&)> tell;
  // The clock of the names (tests pin it).
  std::function<std::chrono::system_clock::time_point()> now = [] { return std::chrono::system_clock::now(); };
  // Told when a snapshot was written or what the controller holds changed (a list refreshes).
  std::function<void()> changed;
  // After a successful upgrade, ask to send back the settings it changed (the window: true).
  bool offerRestoreAfterUpgrade = false;

  // The snapshot written last by this program, or "".
  const std::string& lastWritten() const { return lastWritten_; }

  // Asks once, with what sending would change, whether to send the snapshot at `path`; on yes
  // it goes through the very chain that choosing a file in the load list runs, ending with a
  // read-back. A file the loader refuses is never sent and no question is asked. Returns
  // whether the chain started.
  bool offerToSend(const std::string& path);

  // SettingsWatch
  void replacing(ExchangeKind kind) override;
  void settingSent(char letter, int value) override;
  void ended(const ExchangeResult& end) override;
  void linkChanged() override;

 private:
  // The path written ("" when nothing was written). `always`: even when the newest holds the same.
  std::string write(SnapshotReason reason, const Known& k, bool always);
  void readBackCompleted(const ExchangeResult& end);
  void notifyChanged() {
    if (changed) changed();
  }

  Core& core_;
  std::string folder_;
  std::optional<Known> known_;
  SnapshotReason next_ = SnapshotReason::Connected;  // the reason of the next read-back's snapshot
  // The snapshot written before the upgrade under way, then after its success until the first
  // completed read-back.
  struct BeforeUpgrade {
    std::string path;
    Settings values{};
    int port = 0;
  };
  std::optional<BeforeUpgrade> beforeUpgrade_;
  bool upgraded_ = false;
  bool told_ = false;
  std::string lastWritten_;
};

}  // namespace zorv
