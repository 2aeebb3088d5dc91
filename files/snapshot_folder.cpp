#include "files/snapshot_folder.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <system_error>
#include <tuple>

#include "files/file_store.h"
#include "files/load_chain.h"
#include "files/param_file_format.h"
#include "files/snapshot_texts.h"

namespace zorv {

namespace fs = std::filesystem;

namespace {

struct Reason {
  SnapshotReason reason;
  const char* name;
  const char* words;
};
constexpr Reason kReasons[] = {
    {SnapshotReason::Connected, "connected", snapshot_text::kConnected},
    {SnapshotReason::AfterDefaultSet, "after-default-set", snapshot_text::kAfterDefaultSet},
    {SnapshotReason::AfterLoad, "after-load", snapshot_text::kAfterLoad},
    {SnapshotReason::AfterUpgrade, "after-upgrade", snapshot_text::kAfterUpgrade},
    {SnapshotReason::BeforeDefaultSet, "before-default-set", snapshot_text::kBeforeDefaultSet},
    {SnapshotReason::BeforeLoad, "before-load", snapshot_text::kBeforeLoad},
    {SnapshotReason::BeforeUpgrade, "before-upgrade", snapshot_text::kBeforeUpgrade},
};
constexpr int kMaxSequence = 999;
constexpr size_t kMaxListed = 100000;  // a folder flooded with files is read this far

const Reason& reasonOf(SnapshotReason r) {
  for (const Reason& x : kReasons)
    if (x.reason == r) return x;
  return kReasons[0];
}

// Reads exactly `digits` decimal digits at `at` into *value, within lo..hi.
bool number(std::string_view s, size_t& at, size_t digits, int lo, int hi, int* value) {
  if (s.size() - at < digits) return false;
  int v = 0;
  for (size_t i = 0; i < digits; ++i) {
    const char c = s[at + i];
    if (c < '0' || c > '9') return false;
    v = v * 10 + (c - '0');
  }
  if (v < lo || v > hi) return false;
  at += digits;
  *value = v;
  return true;
}

bool take(std::string_view s, size_t& at, char c) {
  if (at >= s.size() || s[at] != c) return false;
  ++at;
  return true;
}

}  // namespace

const char* reasonName(SnapshotReason reason) { return reasonOf(reason).name; }
const char* reasonWords(SnapshotReason reason) { return reasonOf(reason).words; }

std::string snapshotFileName(const SnapshotName& n) {
  char time[40];
  std::snprintf(time, sizeof time, "%04d-%02d-%02d_%02d-%02d-%02d.%03d", n.year, n.month, n.day, n.hour, n.minute,
                n.second, n.millisecond);
  std::string out = time;
  if (n.sequence > 1) out += "-" + std::to_string(n.sequence);
  return out + "_" + n.kind + "_" + reasonName(n.reason) + ".txt";
}

std::optional<SnapshotName> parseSnapshotName(std::string_view s) {
  if (s.size() > kSnapshotNameMax) return std::nullopt;
  SnapshotName n;
  size_t at = 0;
  if (!(number(s, at, 4, 1970, 9999, &n.year) && take(s, at, '-') && number(s, at, 2, 1, 12, &n.month) &&
        take(s, at, '-') && number(s, at, 2, 1, 31, &n.day) && take(s, at, '_') &&
        number(s, at, 2, 0, 23, &n.hour) && take(s, at, '-') && number(s, at, 2, 0, 59, &n.minute) &&
        take(s, at, '-') && number(s, at, 2, 0, 60, &n.second)))
    return std::nullopt;
  if (take(s, at, '.') && !number(s, at, 3, 0, 999, &n.millisecond)) return std::nullopt;
  if (take(s, at, '-')) {
    // "-2" to "-999", as written: no leading zero.
    size_t digits = 0;
    while (at + digits < s.size() && digits < 4 && s[at + digits] >= '0' && s[at + digits] <= '9') ++digits;
    if (digits == 0 || digits > 3 || s[at] == '0' || !number(s, at, digits, 2, kMaxSequence, &n.sequence))
      return std::nullopt;
  }
  if (!take(s, at, '_') || s.size() - at < 5) return std::nullopt;
  for (size_t i = 0; i < 4; ++i) {
    const char c = s[at + i];
    if (!((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))) return std::nullopt;
  }
  n.kind = std::string(s.substr(at, 4));
  at += 4;
  if (!take(s, at, '_')) return std::nullopt;
  for (const Reason& r : kReasons) {
    if (s.substr(at) == std::string(r.name) + ".txt") {
      n.reason = r.reason;
      return n;
    }
  }
  return std::nullopt;
}

bool newer(const SnapshotName& a, const SnapshotName& b) {
  const auto key = [](const SnapshotName& n) {
    return std::make_tuple(n.year, n.month, n.day, n.hour, n.minute, n.second, n.millisecond, n.sequence);
  };
  return key(a) > key(b);
}

std::string shownTime(const SnapshotName& n) {
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", n.year, n.month, n.day, n.hour, n.minute,
                n.second);
  return text;
}

std::vector<SnapshotEntry> listSnapshots(const std::string& folder, std::string* error) {
  std::vector<SnapshotEntry> out;
  std::error_code ec;
  const fs::path dir = fs::u8path(folder);
  if (!fs::exists(dir, ec)) return out;
  fs::directory_iterator it(dir, ec), end;
  size_t seen = 0;
  for (; !ec && it != end && seen < kMaxListed; it.increment(ec), ++seen) {
    const std::string fileName = it->path().filename().u8string();
    const std::optional<SnapshotName> name = parseSnapshotName(fileName);
    std::error_code typeError;
    // A link or a folder with such a name is not one the tool wrote.
    if (!name || !it->is_regular_file(typeError) || it->is_symlink(typeError)) continue;
    out.push_back({it->path().u8string(), fileName, *name});
  }
  if (ec && error) *error = ec.message();
  std::sort(out.begin(), out.end(), [](const SnapshotEntry& a, const SnapshotEntry& b) {
    return newer(a.name, b.name) || (!newer(b.name, a.name) && a.fileName > b.fileName);
  });
  return out;
}

SnapshotContent readSnapshot(const std::string& path) {
  SnapshotContent c;
  const BoundedRead file = readFileBounded(path, kParamFileMaxBytes);
  if (file.result == BoundedRead::TooLarge) {
    c.refusal = ZORV_NOOP("Messages", "it is larger than 64 KiB");
    return c;
  }
  if (file.result != BoundedRead::Ok) {
    c.refusal = file.error;
    return c;
  }
  const ParamFileReading reading = readParamFile(file.bytes);
  if (!reading.ok) {
    c.refusal = reading.refusal;
    return c;
  }
  c.ok = true;
  c.values = reading.params;
  std::array<std::string, kLoadedLineCount> lines;
  for (size_t n = 0; n < reading.lines.size() && n < lines.size(); ++n) lines[n] = reading.lines[n];
  c.commands = 1;  // "Sj0004"
  for (size_t i = 1; i < sizeof kLoadChain; ++i)
    if (!chainCommand(kLoadChain[i], lines, reading.values).empty()) ++c.commands;
  for (const ParamFileReading::Unknown& u : reading.unknown)
    c.unknown.push_back("line " + std::to_string(u.line) + " (\"" + u.label + "\") " + u.field);
  return c;
}

WrittenSnapshot writeSnapshot(const std::string& folder, SnapshotName name, std::string_view bytes) {
  WrittenSnapshot w;
  std::error_code ec;
  fs::create_directories(fs::u8path(folder), ec);
  if (ec) {
    w.error = ec.message();
    return w;
  }
  for (name.sequence = 1; name.sequence <= kMaxSequence; ++name.sequence) {
    const std::string path = (fs::u8path(folder) / fs::u8path(snapshotFileName(name))).u8string();
    const NewFile f = writeNewFile(path, bytes);
    if (f.result == NewFile::Written) {
      w.path = path;
      return w;
    }
    if (f.result == NewFile::Failed) {
      w.error = f.error;
      return w;
    }
  }
  w.error = "every name for this moment is taken";
  return w;
}

void pruneSnapshots(const std::string& folder, size_t keep) {
  const std::vector<SnapshotEntry> all = listSnapshots(folder);
  std::error_code ec;
  // Another program may be pruning too: a file already gone is no trouble.
  for (size_t i = keep; i < all.size(); ++i) fs::remove(fs::u8path(all[i].path), ec);
}

}  // namespace zorv
