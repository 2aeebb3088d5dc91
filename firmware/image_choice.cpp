// Button 1001: choose the firmware image, check its name and length, load it into the image area.
#include <optional>
#include "core/text.h"
#include <string>

#include "core/control_ids.h"
#include "core/core.h"
#include "firmware/image.h"
#include "firmware/image_choice.h"
#include "firmware/transfer.h"

namespace zorv {

namespace {

constexpr const char* kWarning = ZORV_NOOP("Messages", "Tarvik Warning:");
constexpr const char* kLoadFailed = ZORV_NOOP("Messages", "fireware error，please select it again!");
constexpr const char* kTooLong =
    ZORV_NOOP("Messages", "The firmware file is longer than 65536 bytes and does not fit into the image area. "
    "Nothing was loaded; please select another file.");

static_assert(firmware::kImageAreaSize == kFirmwareImageSize, "the image area and MainState disagree");

void setHint(Core& core, const std::string& text) {
  core.controlsToMembers();
  core.st.bound.setText(ids::kFirmwareHint, text);
  core.membersToControls();
}

// `text` for the window, `why` for the exchange's end.
void refuse(Core& core, const char* text, const char* why) {
  core.prompts.message(text, kWarning, Prompts::Buttons::Ok, Prompts::Icon::Warning);
  core.win.setEnabled(ids::kUpgradeButton, false);
  core.ended({ExchangeKind::ImageChoice, Outcome::Refused, why});
}

}  // namespace

void onChooseImage(Core& core) {
  MainState& st = core.st;
  setHint(core, "<-Please select the upgrade file(*.bin)first,then click the upgrade button!");

  const std::optional<std::string> chosen =
      core.prompts.openFile("Tarvik Upgrade Firware(*.bin)|*.bin|All File(*.*)|*.*||", "*.bin");
  std::string path;  // stays empty on Cancel: the load below then fails
  if (chosen) {
    path = *chosen;
    st.FirmwareFullPath = path;
    st.FirmwarePath = firmware::fileNameOf(path);
    setHint(core, path);
    if (!firmware::hasImageName(path)) {
      refuse(core,
             path.empty() ? "you have not select the upgrade fireware,please select it again!"
                          : "Fireware error，Please select it again",
             path.empty() ? "no firmware file was chosen" : "its name does not end in \"bin\"");
      return;
    }
    core.win.setEnabled(ids::kUpgradeButton, true);
  }

  // A refused file leaves the image, its size and packet count as they were.
  const firmware::LoadedImage img = firmware::loadImageFile(path, st.FirmwareImage);
  switch (img.status) {
    case firmware::ImageStatus::OpenFailed:
      refuse(core, kLoadFailed, chosen ? "it cannot be read" : "no firmware file was chosen");
      return;
    case firmware::ImageStatus::TooShort:
      refuse(core, kLoadFailed, "it holds fewer than 2 bytes");
      return;
    case firmware::ImageStatus::TooLong:
      refuse(core, kTooLong, "it is longer than 65,536 bytes and does not fit into the image area");
      return;
    case firmware::ImageStatus::Ok:
      break;
  }
  st.FirmwareFileLength = img.fileLength;
  st.FirmwareSize = img.size;
  st.FirmwarePacketCount = img.packetCount;
  core.ended({ExchangeKind::ImageChoice, Outcome::Done, path});
}

}  // namespace zorv
