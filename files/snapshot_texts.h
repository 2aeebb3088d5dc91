#pragma once
// Every text the snapshots and the comparison of settings show a pilot, in one place: each
// message is a template whose %1, %2 … fillText() fills in order (zorvctl) or a Text's arg() fills
// for the window, which shows them in the pilot's language (marked in the "Messages" context).

#include <initializer_list>
#include <string>
#include <string_view>

#include "core/text.h"

namespace zorv {

// "%1 → %2" with {"50", "40"}: "50 → 40". A %n without a value stays as it is.
std::string fillText(std::string_view textTemplate, std::initializer_list<std::string_view> values);

namespace snapshot_text {

// Values as the window shows them.
constexpr char kOn[] = ZORV_NOOP("Messages", "on");
constexpr char kOff[] = ZORV_NOOP("Messages", "off");
constexpr char kNotInList[] = ZORV_NOOP("Messages", "%1 (not in the list)");
// One difference: the window's caption, the file's label, the value before and after.
constexpr char kDifference[] = ZORV_NOOP("Messages", "%1 (%2) %3 → %4");
// A list cut short: "%1, … and 4 more".
constexpr char kAndMore[] = ZORV_NOOP("Messages", "%1 and %2 more");

// Why a snapshot was written, as its name says it ("before-upgrade") and in words.
constexpr char kConnected[] = ZORV_NOOP("Messages", "connected");
constexpr char kAfterDefaultSet[] = ZORV_NOOP("Messages", "after a default set");
constexpr char kAfterLoad[] = ZORV_NOOP("Messages", "after a file was sent");
constexpr char kAfterUpgrade[] = ZORV_NOOP("Messages", "after an upgrade");
constexpr char kBeforeDefaultSet[] = ZORV_NOOP("Messages", "before a default set");
constexpr char kBeforeLoad[] = ZORV_NOOP("Messages", "before a file was sent");
constexpr char kBeforeUpgrade[] = ZORV_NOOP("Messages", "before an upgrade");

// The one message when a snapshot cannot be written (the folder, the system's reason).
constexpr char kCannotWrite[] =
    ZORV_NOOP("Messages", "The controller's settings could not be kept as a snapshot in %1: %2.\r\rNothing was sent or changed "
    "because of it, and the work goes on. Free some disk space or make that folder writable to keep "
    "snapshots again; this is said only once.");

// The questions before a snapshot goes to the controller. %1: the differences ("7 settings
// differ: …" or kSameSettings), %2: the commands sent, %3: values the tool does not know, or "".
constexpr char kSendQuestion[] =
    ZORV_NOOP("Messages", "Send this snapshot? %1\r\rThe whole file is sent, %2 commands; cell values never are.%3");
constexpr char kSettingsDiffer[] = ZORV_NOOP("Messages", "%1 settings differ: %2.");
constexpr char kOneSettingDiffers[] = ZORV_NOOP("Messages", "1 setting differs: %1.");
constexpr char kSameSettings[] = ZORV_NOOP("Messages", "It holds the settings the controller holds now.");
constexpr char kUnknownInSnapshot[] =
    ZORV_NOOP("Messages", "\r\rIt holds values this tool does not know, sent as they stand where they fit four digits: %1.");
// After an upgrade: %1 how many, %2 the first differences.
constexpr char kUpgradeChanged[] =
    ZORV_NOOP("Messages", "The upgrade changed %1 settings (%2). Send back the settings you had before the upgrade?");
constexpr char kUpgradeChangedOne[] =
    ZORV_NOOP("Messages", "The upgrade changed 1 setting (%1). Send back the settings you had before the upgrade?");
constexpr char kQuestionCaption[] = "Zorv";

// The window: its background menu, the snapshot window and the comparison with a file.
constexpr char kMenuSnapshots[] = ZORV_NOOP("Messages", "Snapshots…");
constexpr char kMenuCompare[] = ZORV_NOOP("Messages", "Compare with file…");
constexpr char kWindowTitle[] = ZORV_NOOP("Messages", "Snapshots");
constexpr char kColumnTime[] = ZORV_NOOP("Messages", "Time");
constexpr char kColumnReason[] = ZORV_NOOP("Messages", "Reason");
constexpr char kColumnKind[] = ZORV_NOOP("Messages", "Kind");
constexpr char kColumnDiffer[] = ZORV_NOOP("Messages", "Differs from the controller");
constexpr char kSendButton[] = ZORV_NOOP("Messages", "Send to controller");
constexpr char kOpenFolderButton[] = ZORV_NOOP("Messages", "Open folder");
constexpr char kCloseButton[] = ZORV_NOOP("Messages", "Close");
constexpr char kNoSnapshots[] =
    ZORV_NOOP("Messages", "No snapshots yet. Zorv keeps one each time it reads a controller's settings, and one right before a "
    "default set, a file or an upgrade replaces them.");
constexpr char kDemoNoSnapshots[] = ZORV_NOOP("Messages", "The demo keeps no snapshots.");
constexpr char kPickOne[] = ZORV_NOOP("Messages", "Select a snapshot to see how it differs from the controller.");
constexpr char kNoControllerYet[] =
    ZORV_NOOP("Messages", "No controller has been read yet, so there is nothing to compare with: pick the port first.");
constexpr char kSnapshotSame[] = ZORV_NOOP("Messages", "This snapshot holds the settings the controller holds now.");
constexpr char kSnapshotDiffers[] = ZORV_NOOP("Messages", "Sending this snapshot would change:");
constexpr char kCompareCaption[] = ZORV_NOOP("Messages", "Compare with file");
constexpr char kOneSetting[] = ZORV_NOOP("Messages", "1 setting");
constexpr char kSettingsCount[] = ZORV_NOOP("Messages", "%1 settings");
constexpr char kCompareSame[] = ZORV_NOOP("Messages", "%1 holds the settings the controller holds now.");
constexpr char kCompareDiffers[] = ZORV_NOOP("Messages", "%1 differs from the controller in %2:\r\r%3\r\r(controller → file)");
constexpr char kCompareRefused[] = ZORV_NOOP("Messages", "%1 cannot be compared: %2. It is not a parameter file saved by this tool.");
constexpr char kFolderNotOpened[] = ZORV_NOOP("Messages", "The snapshot folder %1 could not be opened in the file manager.");

// A snapshot in a list: how it compares with the controller now.
constexpr char kCannotBeRead[] = ZORV_NOOP("Messages", "cannot be read: %1");
constexpr char kNoDifference[] = ZORV_NOOP("Messages", "the same settings");
constexpr char kOneDifference[] = ZORV_NOOP("Messages", "1 setting differs");
constexpr char kDifferences[] = ZORV_NOOP("Messages", "%1 settings differ");

}  // namespace snapshot_text
}  // namespace zorv
