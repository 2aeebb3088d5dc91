// Button 1001: choosing, checking and loading the firmware image; what the window shows and
// whether the upgrade button 1043 may be used.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "core/control_ids.h"
#include "sim/sim_port.h"
#include "tests/support/fake_clock.h"
#include "tests/support/harness.h"

namespace zorv::test {
namespace {

constexpr const char* kChooseHint = "<-Please select the upgrade file(*.bin)first,then click the upgrade button!";
constexpr const char* kLoadFailed = "fireware error，please select it again!";
constexpr const char* kBadName = "Fireware error，Please select it again";
constexpr const char* kNoName = "you have not select the upgrade fireware,please select it again!";
constexpr const char* kTooLong =
    "The firmware file is longer than 65536 bytes and does not fit into the image area. "
    "Nothing was loaded; please select another file.";

std::string writeFile(const Harness& h, const std::string& name, size_t length, uint8_t seed) {
  std::string bytes(length, '\0');
  for (size_t i = 0; i < length; ++i) bytes[i] = static_cast<char>(seed + i * 13);
  std::ofstream(h.path(name), std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(length));
  return h.path(name);
}

void choose(Harness& h, std::optional<std::string> path) {
  h.prompts.files.push_back(std::move(path));
  h.win.userPress(ids::kChooseImageButton);
}

TEST(FirmwareChoice, AcceptedImageEnablesTheUpgradeButton) {
  Harness h;
  EXPECT_FALSE(h.win.isEnabled(ids::kUpgradeButton));
  h.sent();
  const std::string path = writeFile(h, "fw.bin", 2, 0x41);
  choose(h, path);
  const MainState& st = h.core.st;
  EXPECT_TRUE(h.prompts.shown.empty());
  EXPECT_EQ(h.sent(), "");  // choosing never talks to the controller
  EXPECT_TRUE(h.win.isEnabled(ids::kUpgradeButton));
  EXPECT_EQ(h.win.text(ids::kFirmwareHint), path);
  EXPECT_EQ(st.FirmwarePath, "fw.bin");
  EXPECT_EQ(st.FirmwareFullPath, path);
  EXPECT_EQ(st.FirmwareFileLength, 2);
  EXPECT_EQ(st.FirmwareSize, 3);
  EXPECT_EQ(st.FirmwarePacketCount, 2);
  EXPECT_EQ(st.FirmwareImage[0], 0x41);
  EXPECT_EQ(st.FirmwareImage[1], 0x41 + 13);
  EXPECT_EQ(st.FirmwareImage[2], 0);
}

struct ChoiceCase {
  const char* name;
  const char* file;   // created in the test folder unless empty
  size_t length;
  bool cancel;
  bool missing;       // the file is not created
  const char* message;  // nullptr: accepted silently
  int32_t packets;    // of the accepted image
};

// Each case starts from an accepted 1000-byte image, so a refusal must leave that image, its
// counts and the hint of the last choice, and disable the button that the earlier choice enabled.
TEST(FirmwareChoice, RefusedAndAcceptedFiles) {
  const std::vector<ChoiceCase> cases = {
      {"upper-case BIN", "FW.BIN", 100, false, false, kBadName, 0},
      {"other extension", "fw.hex", 100, false, false, kBadName, 0},
      {"empty path", "", 0, false, false, kNoName, 0},
      {"cancelled", "", 0, true, false, kLoadFailed, 0},
      {"missing file", "gone.bin", 0, false, true, kLoadFailed, 0},
      {"empty file", "empty.bin", 0, false, false, kLoadFailed, 0},
      {"one byte", "one.bin", 1, false, false, kLoadFailed, 0},
      {"longer than the image area", "big.bin", 65537, false, false, kTooLong, 0},
      {"name without a dot", "firmwarebin", 300, false, false, nullptr, 7},
      {"two bytes", "two.bin", 2, false, false, nullptr, 2},
      {"size a whole packet", "whole.bin", 55, false, false, nullptr, 2},
      {"image area full", "full.bin", 65536, false, false, nullptr, 1172},
  };
  for (const ChoiceCase& c : cases) {
    SCOPED_TRACE(c.name);
    Harness h;
    choose(h, writeFile(h, "first.bin", 1000, 7));
    ASSERT_TRUE(h.win.isEnabled(ids::kUpgradeButton));
    const auto before = h.core.st.FirmwareImage;
    h.prompts.shown.clear();
    h.sent();

    std::optional<std::string> path;
    if (!c.cancel) path = *c.file ? (c.missing ? h.path(c.file) : writeFile(h, c.file, c.length, 99)) : "";
    choose(h, path);

    const MainState& st = h.core.st;
    EXPECT_EQ(h.sent(), "");  // choosing never talks to the controller
    if (c.message) {
      ASSERT_EQ(h.prompts.shown.size(), 1u);
      EXPECT_EQ(h.prompts.shown[0].text, c.message);
      EXPECT_EQ(h.prompts.shown[0].caption, "Tarvik Warning:");
      EXPECT_FALSE(h.win.isEnabled(ids::kUpgradeButton));
      EXPECT_EQ(st.FirmwareFileLength, 1000);
      EXPECT_EQ(st.FirmwareSize, 1001);
      EXPECT_EQ(st.FirmwarePacketCount, 19);
      EXPECT_TRUE(st.FirmwareImage == before);
      EXPECT_EQ(h.win.text(ids::kFirmwareHint), c.cancel ? std::string(kChooseHint) : *path);
    } else {
      EXPECT_TRUE(h.prompts.shown.empty());
      EXPECT_TRUE(h.win.isEnabled(ids::kUpgradeButton));
      EXPECT_EQ(st.FirmwareFileLength, static_cast<int32_t>(c.length));
      EXPECT_EQ(st.FirmwareSize, static_cast<int32_t>(c.length + 1));
      EXPECT_EQ(st.FirmwarePacketCount, c.packets);
      EXPECT_EQ(st.FirmwarePath, c.file);
      EXPECT_EQ(h.win.text(ids::kFirmwareHint), *path);
      // The rest of the area is zero: nothing of the earlier, longer image survives.
      EXPECT_TRUE(std::all_of(st.FirmwareImage.begin() + static_cast<std::ptrdiff_t>(c.length),
                              st.FirmwareImage.end(), [](uint8_t b) { return b == 0; }));
    }
  }
}

// The dialog is asked for the .bin default extension; a recording prompt shows it.
struct RecordingPrompts : ScriptedPrompts {
  std::string defaultExt;
  std::optional<std::string> openFile(const std::string& filter, const std::string& ext) override {
    defaultExt = ext;
    return ScriptedPrompts::openFile(filter, ext);
  }
};

TEST(FirmwareChoice, DialogAsksForBinFiles) {
  sim::SimPort port;
  FakeWindow win;
  RecordingPrompts prompts;
  FakeClock clock;
  Router core(port, win, prompts, clock, "/nonexistent/zorv/tkvrconfig.ini");
  win.router = &core;
  win.userPress(ids::kChooseImageButton);
  EXPECT_EQ(prompts.defaultExt, "*.bin");
  EXPECT_EQ(prompts.fileFilters.at(0), "Tarvik Upgrade Firware(*.bin)|*.bin|All File(*.*)|*.*||");
}

}  // namespace
}  // namespace zorv::test
