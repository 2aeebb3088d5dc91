// Which controls the identity check, the upgrade button and the live display enable and lock.
// The lists are written out here control by control, not taken from the program, and after
// every step the enable state of the whole window is compared, so a control missing from a
// list, or one too many, fails.

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "core/control_layout.h"
#include "tests/support/harness.h"
#include "tests/support/pilot.h"
#include "tests/support/test_names.h"

namespace zorv::test {
namespace {

using Ids = std::vector<int>;
using EnableState = std::map<int, bool>;

Ids range(int first, int last) {
  Ids v;
  for (int id = first; id <= last; ++id) v.push_back(id);
  return v;
}

Ids join(std::initializer_list<Ids> parts) {
  Ids v;
  for (const Ids& p : parts) v.insert(v.end(), p.begin(), p.end());
  return v;
}

Ids matrixBoxes() {
  Ids v;
  for (int row = 0; row < 9; ++row)
    for (int col = 0; col < 8; ++col) v.push_back(matrixCheckId(row, col));
  return v;
}

// The twelve caption buttons whose help texts describe a parameter control.
const Ids kParamHelpButtons = {1002, 1003, 1004, 1005, 1006, 1007, 1008, 1009, 1010, 1011, 1012, 1054};
// The ten slider pairs the identity check unlocks: box and slider of stability, aux stability,
// dynamic stability, balance, aux balance, height lock, aux height lock, the two gimbal rates and
// the alarm voltage (course stability 1077/1078 and compass sensitivity 1080/1081 are not in it).
const Ids kIdentitySliderPairs = {1063, 1038, 1067, 1039, 1066, 1040, 1068, 1034, 1069, 1035,
                                  1070, 1036, 1071, 1037, 1072, 1046, 1073, 1045, 1074, 1055};
const Ids kIdentityOthers = {ids::kLoadList, ids::kLoadButton, ids::kBatterySaveButton, ids::kSaveButton,
                             ids::kServoRateList, ids::kModelTypeList, ids::kEscRateList};
const Ids kReadouts = join({range(ids::kFirstChannelReadout, ids::kLastChannelReadout),
                            range(ids::kFirstMotorReadout, ids::kLastMotorReadout)});
const Ids kReverseBoxes = join({range(1197, 1205), range(1208, 1214)});
const Ids kSensorBoxes = {1056, 1057, 1058, 1059, 1060, 1062, 1064, 1065};
const Ids kAllSliders = {1038, 1039, 1040, 1034, 1035, 1036, 1037, 1046, 1045, 1055, 1078, 1081};
const Ids kAllSliderBoxes = {1063, 1066, 1067, 1068, 1069, 1070, 1071, 1072, 1073, 1074, 1077, 1080};
const Ids kCellBoxes = {1084, 1086, 1087, 1088};
const Ids kSensorReadouts = {ids::kCompassReadout, ids::kSonarReadout, ids::kBarometerReadout};
const Ids kCaptionButtons = range(ids::kFirstLabelButton, ids::kLastLabelButton);

// Everything the upgrade button locks before it asks the controller's kind. The port list, the
// caption buttons "Порт" and "Возможности" and the sensor read-outs stay usable.
Ids upgradeLock() {
  return join({{ids::kServoRateList, ids::kSaveButton}, kReverseBoxes, kReadouts, {ids::kChooseImageButton},
               kCaptionButtons, {1054, 1076, 1079}, kAllSliderBoxes, {ids::kModelTypeList, ids::kEscRateList},
               kAllSliders, kCellBoxes, kSensorBoxes,
               {ids::kBatterySaveButton, ids::kUpgradeButton, ids::kDisplayButton, ids::kLoadList, ids::kLoadButton},
               matrixBoxes()});
}

// What the display unlocks: channel and motor read-outs, the three sensor read-outs, the
// sixteen reverse boxes.
Ids displayUnlock() { return join({kReadouts, kSensorReadouts, kReverseBoxes}); }

// What the display locks: the sliders and their boxes, the three parameter lists and every
// caption button of a parameter control, the flight-mode boxes, save parameters, the firmware
// path box, the load list and button, both firmware buttons. Also the sensor boxes and battery
// save: a sensor write or a calibration would take the stream's mode away from it.
Ids displayLock() {
  return join({kAllSliders, kAllSliderBoxes, {ids::kModelTypeList, ids::kEscRateList, ids::kServoRateList},
               kCaptionButtons, {1054, 1076, 1079}, matrixBoxes(),
               {ids::kSaveButton, ids::kFirmwareHint, ids::kLoadList, ids::kLoadButton, ids::kChooseImageButton,
                ids::kUpgradeButton},
               kSensorBoxes, {ids::kBatterySaveButton}});
}

EnableState wholeWindow(const FakeWindow& win) {
  EnableState s;
  for (const ControlRow& c : controls())
    if (c.id != 0) s[c.id] = win.isEnabled(c.id);
  return s;
}

EnableState with(EnableState s, const Ids& ids, bool enabled) {
  for (int id : ids) {
    EXPECT_TRUE(s.count(id)) << "no control " << id;
    s[id] = enabled;
  }
  return s;
}

// Every control whose state differs, so one failure names them all.
std::string differences(const EnableState& want, const EnableState& got) {
  std::ostringstream out;
  for (const auto& [id, on] : want) {
    auto it = got.find(id);
    if (it == got.end() || it->second != on) out << " " << id << (on ? " should be enabled;" : " should be locked;");
  }
  return out.str();
}

#define EXPECT_WINDOW(want, win) EXPECT_EQ(differences((want), wholeWindow(win)), "")

EnableState allEnabled() {
  EnableState s;
  for (const ControlRow& c : controls())
    if (c.id != 0) s[c.id] = true;
  return s;
}

// Before any answer: the upgrade button waits for a firmware file, the parameter controls for
// the controller's identity, the read-outs and reverse boxes for the display. The help buttons
// send nothing and are usable from the start.
EnableState beforeIdentity() {
  EnableState s = with(allEnabled(), {ids::kUpgradeButton}, false);
  s = with(s, kIdentitySliderPairs, false);
  s = with(s, kIdentityOthers, false);
  s = with(s, kReadouts, false);
  return with(s, kReverseBoxes, false);
}

struct IdentityCase {
  const char* kind;
  bool unlocks;
};
void PrintTo(const IdentityCase& c, std::ostream* os) { *os << c.kind; }

class IdentityEnables : public ::testing::TestWithParam<IdentityCase> {};

TEST_P(IdentityEnables, WholeWindowBeforeAndAfterTheReadBack) {
  Harness h(false);
  h.ctrl.kind = GetParam().kind;
  h.core.initialise();
  const EnableState before = beforeIdentity();
  EXPECT_WINDOW(before, h.win);
  h.pump();
  EnableState after = before;
  if (GetParam().unlocks) {
    after = with(after, join({kParamHelpButtons, kIdentitySliderPairs, kIdentityOthers}), true);
    after = with(after, join({kReadouts, kReverseBoxes}), false);
  }
  EXPECT_WINDOW(after, h.win);
}

INSTANTIATE_TEST_SUITE_P(Kinds, IdentityEnables,
                         ::testing::Values(IdentityCase{"TKVR", true}, IdentityCase{"PXOJ", false}),
                         [](const auto& info) { return std::string(info.param.kind); });

TEST(UpgradeLocks, WholeWindowAfterTheUpgradeButton) {
  Harness h;
  chooseImage(h, std::string(300, 'x'));
  const EnableState before = wholeWindow(h.win);
  h.win.userPress(ids::kUpgradeButton);
  EXPECT_WINDOW(with(before, upgradeLock(), false), h.win);
}

// Display on from several starting states; display off gives back exactly what it locked, except
// the upgrade button, which waits for a firmware file to be chosen again, and locks the read-outs
// and reverse boxes it had unlocked.
struct DisplayCase {
  const char* name;
  bool answered;     // the read-back and identity check completed before the display
  bool imageChosen;  // a firmware file was accepted before the display
};
void PrintTo(const DisplayCase& c, std::ostream* os) { *os << c.name; }

class DisplayEnables : public ::testing::TestWithParam<DisplayCase> {};

TEST_P(DisplayEnables, OnLocksOffGivesBackWhatItLocked) {
  const DisplayCase& c = GetParam();
  Harness h(false);
  h.core.initialise();
  if (c.answered) h.pump();
  if (c.imageChosen) chooseImage(h, std::string(300, 'x'));
  const EnableState before = wholeWindow(h.win);

  h.win.userPress(ids::kDisplayButton);
  EXPECT_WINDOW(with(with(before, displayUnlock(), true), displayLock(), false), h.win);
  h.pump();
  h.port.advance(100);  // records stream in
  h.pump();

  h.win.userPress(ids::kDisplayButton);
  EXPECT_WINDOW(with(with(before, displayUnlock(), false), {ids::kUpgradeButton}, false), h.win);
}

INSTANTIATE_TEST_SUITE_P(States, DisplayEnables,
                         ::testing::Values(DisplayCase{"AfterIdentity", true, false},
                                           DisplayCase{"BeforeAnyAnswer", false, false},
                                           DisplayCase{"WithFirmwareChosen", true, true}),
                         RowName());

}  // namespace
}  // namespace zorv::test
