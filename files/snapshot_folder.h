#pragma once
// The snapshot folder: each snapshot is a saved parameter file, byte for byte what the save
// button writes, named so that a listing sorts by time and says why:
//   2026-12-09_14-03-07.123_TKVR_connected.txt
// local time to the millisecond, the firmware kind the controller reported, the reason. A name
// already taken (two programs in the same millisecond) gets "-2", "-3" … after the time. Only
// names in exactly this form are the tool's own: nothing else in the folder is listed or pruned.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "files/settings_compare.h"

namespace zorv {

enum class SnapshotReason {
  Connected,         // a read-back when the port was opened or picked
  AfterDefaultSet,   // the read-back that follows a default set
  AfterLoad,         // the read-back that ends a saved file's chain
  AfterUpgrade,      // the first read-back after an upgrade
  BeforeDefaultSet,  // right before a default set is chosen
  BeforeLoad,        // right before a saved file is sent
  BeforeUpgrade,     // right before an upgrade starts
};

// As the name holds it ("before-upgrade"), and in words for the pilot ("before an upgrade").
const char* reasonName(SnapshotReason reason);
const char* reasonWords(SnapshotReason reason);

struct SnapshotName {
  int year = 2000, month = 1, day = 1, hour = 0, minute = 0, second = 0, millisecond = 0;
  int sequence = 1;  // 2.. when the name with the same time was taken
  std::string kind;  // four capital letters or digits ("TKVR")
  SnapshotReason reason = SnapshotReason::Connected;
};

constexpr size_t kSnapshotsKept = 200;
constexpr size_t kSnapshotNameMax = 64;  // longer names are never the tool's own

std::string snapshotFileName(const SnapshotName& name);
// The name's parts when it is one of the tool's own (the milliseconds may be left out).
std::optional<SnapshotName> parseSnapshotName(std::string_view fileName);
// Later time, or the same time and a later sequence.
bool newer(const SnapshotName& a, const SnapshotName& b);
// "2026-12-09 14:03:07", for lists.
std::string shownTime(const SnapshotName& name);

struct SnapshotEntry {
  std::string path;
  std::string fileName;
  SnapshotName name;
};
// The tool's own snapshots in `folder` (regular files only), newest first. A folder that is not
// there holds none; one that cannot be read gives none and `error` says why.
std::vector<SnapshotEntry> listSnapshots(const std::string& folder, std::string* error = nullptr);

// A snapshot (or any saved file) read and checked as the loader does it.
struct SnapshotContent {
  bool ok = false;
  std::string refusal;  // the loader's reason, when !ok
  Settings values{};
  std::vector<std::string> unknown;  // lines of values the tool does not know ("line 5 …")
  int commands = 0;                  // sent by the load chain, its announcement included
};
SnapshotContent readSnapshot(const std::string& path);

// Writes `bytes` as a new snapshot of `name` in `folder` (made when missing), never over another
// file: the sequence moves on while the name is taken. The path written, or the error.
struct WrittenSnapshot {
  std::string path;
  std::string error;
};
WrittenSnapshot writeSnapshot(const std::string& folder, SnapshotName name, std::string_view bytes);

// Removes the oldest of the tool's own snapshots beyond the newest `keep`.
void pruneSnapshots(const std::string& folder, size_t keep = kSnapshotsKept);

}  // namespace zorv
