#pragma once
// The groups of controls that are enabled or locked together, each in one place.

#include <vector>

namespace zorv {

// Everything that could send to the controller or start another exchange during an upgrade:
// the servo-rate list 1215, save 1015, the 16 reverse boxes, the 16 receiver and motor read-outs,
// the firmware-file button 1001, the label buttons 1002..1013, 1054, 1076, 1079, the twelve
// slider boxes and twelve sliders, the lists 1032 and 1033, the battery boxes, the eight sensor
// boxes, battery save 1096, the upgrade button 1043, the display button 1118, the load list 1099
// and load button 1100, and the 72 flight-mode boxes. The port list 1061, the label buttons
// 1000 and 1014 and the boxes 1044, 1041 and 1029 are not in it.
const std::vector<int>& upgradeLockedControls();

// The 16 receiver and motor read-outs and the 16 reverse boxes: they stay disabled after an
// upgrade (the read-back of the reverse flags enables the boxes when it is run).
const std::vector<int>& readoutAndReverseControls();

// Controls the identity check enables and disables; before it, the enabled ones stay locked.
// It disables the read-outs and reverse boxes above.
const std::vector<int>& identityEnableList();
const std::vector<int>& identityDisableList();

// The channel, motor and sensor read-outs the live display writes into.
const std::vector<int>& readouts();
// Usable only while the display runs: the read-outs and the reverse boxes.
const std::vector<int>& displayControls();
// Locked while the display runs: every control that writes a setting or starts another exchange.
const std::vector<int>& lockedWhileDisplaying();

}  // namespace zorv
