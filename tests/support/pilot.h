#pragma once
// What a pilot does to the window of a Harness, one act a function, for the tests that need the
// act done and look at what follows.

#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <string>

#include "core/control_ids.h"
#include "core/param_catalogue.h"
#include "tests/support/harness.h"

namespace zorv::test {

// The load list's last item, "load from a file you saved"; the items before it are default sets.
constexpr int kLoadFileItem = 4;

// Types the four battery cells ("1 банка".."4 банка").
inline void typeCellTexts(Harness& h, const std::array<std::string, 4>& cells) {
  for (size_t i = 0; i < cells.size(); ++i) h.win.userType(kCellEdits[i], cells[i]);
}
// The same with 4.10, 4.12, 4.09 and 4.11 V: calibration steps "S00410", "S10822", "S21231", "S31642".
inline void typeCells(Harness& h) { typeCellTexts(h, {"410", "412", "409", "411"}); }

// `ms` pass on the port's clock and every record sent meanwhile is delivered.
inline void stream(Harness& h, uint32_t ms) {
  h.port.advance(ms);
  h.pump();
}

// Saves the settings to `path` ("Сохранить конфиг.", the file dialog answered with it).
inline void saveTo(Harness& h, const std::string& path) {
  h.prompts.files.push_back(path);
  h.win.userPress(ids::kSaveButton);
}

// Loads the settings from `path` (the load list's file item, the file dialog answered with it).
inline void loadFrom(Harness& h, const std::string& path) {
  h.prompts.files.push_back(path);
  h.win.userSelect(ids::kLoadList, kLoadFileItem);
}

// The same with p.txt in the harness's folder.
inline void saveFile(Harness& h) { saveTo(h, h.path("p.txt")); }
inline void chooseFileItem(Harness& h) { loadFrom(h, h.path("p.txt")); }

// Writes `bytes` to fw.bin in the harness's folder and chooses it as the firmware image; the
// upgrade button is then enabled.
inline void chooseImage(Harness& h, const std::string& bytes) {
  std::ofstream(h.path("fw.bin"), std::ios::binary) << bytes;
  h.prompts.files.push_back(h.path("fw.bin"));
  h.win.userPress(ids::kChooseImageButton);
  ASSERT_TRUE(h.win.isEnabled(ids::kUpgradeButton));
}

}  // namespace zorv::test
