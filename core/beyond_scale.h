#pragma once
// Values the controller reports beyond what this tool knows for a setting (a slider's scale, a
// list's items). They are kept as reported and shown as far as the control can (a box its
// number, a slider at its end, a list no item); a save records them and a load sends them back
// unchanged, and nothing is sent unless the pilot changes them. The pilot is told once per
// read-back, in one message listing them all.

#include <string>
#include "core/text.h"
#include <utility>
#include <vector>

namespace zorv {

class BeyondScaleReport {
 public:
  void clear() { notes_.clear(); }
  // The read-back stored `value` for parameter `index`: noted when it lies outside the scale,
  // and forgotten again when a later answer for the same parameter lies inside.
  void reported(int index, int value);
  bool empty() const { return notes_.empty(); }
  // "The controller holds values this tool does not know: Model type 20 (1 to 14), Stability
  // level 150 (0 to 100). They are kept and saved as they are; nothing is sent unless you change
  // them."
  std::string message() const;
  // The same as the words it is made of, for the window.
  Text words() const;

 private:
  std::vector<std::pair<int, int>> notes_;  // parameter index and value, in index order
};

constexpr const char* kBeyondScaleOpening = ZORV_NOOP("Messages", "The controller holds values this tool does not know: ");

// A setting's name in messages ("Stability level") for parameters 0..14.
std::string settingName(int index);

}  // namespace zorv
