#pragma once
// Every text the snapshots and the comparison of settings show a pilot, in one place: each
// message is a template whose %1, %2 … fillText() fills in order.

#include <initializer_list>
#include <string>
#include <string_view>

namespace zorv {

// "%1 → %2" with {"50", "40"}: "50 → 40". A %n without a value stays as it is.
std::string fillText(std::string_view textTemplate, std::initializer_list<std::string_view> values);

namespace snapshot_text {

// Values as the window shows them.
constexpr char kOn[] = "on";
constexpr char kOff[] = "off";
constexpr char kNotInList[] = "%1 (not in the list)";
// One difference: the window's caption, the file's label, the value before and after.
constexpr char kDifference[] = "%1 (%2) %3 → %4";
// A list cut short: "%1, … and 4 more".
constexpr char kAndMore[] = "%1 and %2 more";

// Why a snapshot was written, as its name says it ("before-upgrade") and in words.
constexpr char kConnected[] = "connected";
constexpr char kAfterDefaultSet[] = "after a default set";
constexpr char kAfterLoad[] = "after a file was sent";
constexpr char kAfterUpgrade[] = "after an upgrade";
constexpr char kBeforeDefaultSet[] = "before a default set";
constexpr char kBeforeLoad[] = "before a file was sent";
constexpr char kBeforeUpgrade[] = "before an upgrade";

// The one message when a snapshot cannot be written (the folder, the system's reason).
constexpr char kCannotWrite[] =
    "The controller's settings could not be kept as a snapshot in %1: %2.\r\rNothing was sent or changed "
    "because of it, and the work goes on. Free some disk space or make that folder writable to keep "
    "snapshots again; this is said only once.";

// The questions before a snapshot goes to the controller. %1: the differences ("7 settings
// differ: …" or kSameSettings), %2: the commands sent, %3: values the tool does not know, or "".
constexpr char kSendQuestion[] =
    "Send this snapshot? %1\r\rThe whole file is sent, %2 commands; cell values never are.%3";
constexpr char kSettingsDiffer[] = "%1 settings differ: %2.";
constexpr char kOneSettingDiffers[] = "1 setting differs: %1.";
constexpr char kSameSettings[] = "It holds the settings the controller holds now.";
constexpr char kUnknownInSnapshot[] =
    "\r\rIt holds values this tool does not know, sent as they stand where they fit four digits: %1.";
// After an upgrade: %1 how many, %2 the first differences.
constexpr char kUpgradeChanged[] =
    "The upgrade changed %1 settings (%2). Send back the settings you had before the upgrade?";
constexpr char kUpgradeChangedOne[] =
    "The upgrade changed 1 setting (%1). Send back the settings you had before the upgrade?";
constexpr char kQuestionCaption[] = "Zorv";

// The window: its background menu, the snapshot window and the comparison with a file.
constexpr char kMenuSnapshots[] = "Snapshots…";
constexpr char kMenuCompare[] = "Compare with file…";
constexpr char kWindowTitle[] = "Snapshots";
constexpr char kColumnTime[] = "Time";
constexpr char kColumnReason[] = "Reason";
constexpr char kColumnKind[] = "Kind";
constexpr char kColumnDiffer[] = "Differs from the controller";
constexpr char kSendButton[] = "Send to controller";
constexpr char kOpenFolderButton[] = "Open folder";
constexpr char kCloseButton[] = "Close";
constexpr char kNoSnapshots[] =
    "No snapshots yet. Zorv keeps one each time it reads a controller's settings, and one right before a "
    "default set, a file or an upgrade replaces them.";
constexpr char kDemoNoSnapshots[] = "The demo keeps no snapshots.";
constexpr char kPickOne[] = "Select a snapshot to see how it differs from the controller.";
constexpr char kNoControllerYet[] =
    "No controller has been read yet, so there is nothing to compare with: pick the port first.";
constexpr char kSnapshotSame[] = "This snapshot holds the settings the controller holds now.";
constexpr char kSnapshotDiffers[] = "Sending this snapshot would change:";
constexpr char kCompareCaption[] = "Compare with file";
constexpr char kOneSetting[] = "1 setting";
constexpr char kSettingsCount[] = "%1 settings";
constexpr char kCompareSame[] = "%1 holds the settings the controller holds now.";
constexpr char kCompareDiffers[] = "%1 differs from the controller in %2:\r\r%3\r\r(controller → file)";
constexpr char kCompareRefused[] = "%1 cannot be compared: %2. It is not a parameter file saved by this tool.";
constexpr char kFolderNotOpened[] = "The snapshot folder %1 could not be opened in the file manager.";

// A snapshot in a list: how it compares with the controller now.
constexpr char kCannotBeRead[] = "cannot be read: %1";
constexpr char kNoDifference[] = "the same settings";
constexpr char kOneDifference[] = "1 setting differs";
constexpr char kDifferences[] = "%1 settings differ";

}  // namespace snapshot_text
}  // namespace zorv
