#pragma once
// Which entries (control ids, member slots) were written since someone last asked: the data
// exchange asks, and looks again only at those. When it cannot tell — a log nobody asked for a
// long time, a whole copied over — the log says "everything", which is always safe.

#include <cstddef>
#include <vector>

namespace zorv {

template <class T>
class WriteLog {
 public:
  WriteLog() = default;
  // A log copied with its owner belongs to a new whole: everything in it counts as written.
  WriteLog(const WriteLog&) {}
  WriteLog& operator=(const WriteLog&) {
    noteAll();
    return *this;
  }

  void note(T entry) {
    if (all_) return;
    if (entries_.size() >= kMaxEntries) {
      noteAll();
      return;
    }
    entries_.push_back(entry);
  }
  void noteAll() {
    entries_.clear();
    all_ = true;
  }

  // Adds what was written since the last call to `out` (repeats possible) and returns true, or
  // returns false when everything counts as written. Starts the log again either way.
  template <class U>
  bool take(std::vector<U>& out) {
    const bool known = !all_;
    if (known) out.insert(out.end(), entries_.begin(), entries_.end());
    entries_.clear();
    all_ = false;
    return known;
  }

 private:
  static constexpr size_t kMaxEntries = 1024;
  std::vector<T> entries_;
  bool all_ = true;  // a new log knows nothing of what came before it
};

}  // namespace zorv
