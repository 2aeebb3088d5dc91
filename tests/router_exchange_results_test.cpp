// How each exchange ends, as the router reports it to a second shell: done, refused, lost or
// failed, how far it got, and whether an upgrade's command went out. (Every silence, at every
// command, is in reliability_no_answer_test.cpp.) Each row is what the controller does and what
// the pilot does; the end checked is the first of its exchange after the connection.

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <string>

#include "core/control_ids.h"
#include "core/param_catalogue.h"
#include "tests/reliability.h"

namespace zorv::test {
namespace {

using namespace reliability;

struct EndRow {
  const char* name;
  // Before the harness connects (a fault armed, the controller changed), then the pilot's acts.
  std::function<void(Harness&)> arm, act;
  ExchangeKind exchange;
  Outcome outcome;
  int done, total;
  bool upgradeCommandSent;
  const char* says;  // in the message; "" for an empty one
  int count = 1;     // ends of the exchange reported; the first is checked
};

void PrintTo(const EndRow& row, std::ostream* os) { *os << row.name; }

void typeCells(Harness& h, const char* first) {
  const std::pair<int, const char*> cells[] = {{1084, first}, {1086, "412"}, {1087, "409"}, {1088, "411"}};
  for (const auto& [box, text] : cells) h.win.userType(box, text);
}

void calibrate(Harness& h) {
  typeCells(h, "410");
  h.win.userPress(ids::kBatterySaveButton);
}

void saveAndLoad(Harness& h) {
  h.prompts.files.push_back(h.path("p.txt"));
  h.win.userPress(ids::kSaveButton);
  h.prompts.files.push_back(h.path("p.txt"));
  h.win.userSelect(ids::kLoadList, 4);
}

void upgrade(Harness& h) {
  chooseImage(h);
  pressUpgrade(h);
}

void toggleDisplay(Harness& h) { h.win.userPress(ids::kDisplayButton); }

// Calibrating, the controller answers with a reverse setting's echo: the flags are read back.
void reverseEchoInCalibration(Harness& h) {
  h.ctrl.faults.muteAfterCommands = 0;
  calibrate(h);
  h.inject("SN0005\r\n");
  h.pump();
  h.inject("?N\r 0005\r\n");
}

void none(Harness&) {}
void mute(Harness& h, int after) { h.ctrl.faults.muteAfterCommands = after; }
void vanish(Harness& h, int after) { h.ctrl.faults.vanishAfterBytes = after; }

class ExchangeEnds : public ::testing::TestWithParam<EndRow> {};

TEST_P(ExchangeEnds, AreReportedOnceWithHowFarTheyGot) {
  const EndRow& row = GetParam();
  Harness h(false);
  row.arm(h);
  h.connect();
  // The read-back rows look at the connection's read-back too.
  const size_t from = row.exchange == ExchangeKind::ReadBack ? 0 : h.ends.size();
  row.act(h);
  h.pump();
  const ExchangeResult* end = nullptr;
  int count = 0;
  for (size_t i = from; i < h.ends.size(); ++i) {
    if (h.ends[i].exchange != row.exchange) continue;
    if (!end) end = &h.ends[i];
    ++count;
  }
  ASSERT_NE(end, nullptr) << "no end reported";
  EXPECT_EQ(count, row.count);
  EXPECT_EQ(end->outcome, row.outcome) << outcomeName(end->outcome) << ": " << end->message;
  EXPECT_EQ(end->done, row.done);
  EXPECT_EQ(end->total, row.total);
  EXPECT_EQ(end->upgradeCommandSent, row.upgradeCommandSent);
  if (*row.says) {
    EXPECT_NE(end->message.find(row.says), std::string::npos) << end->message;
  } else {
    EXPECT_EQ(end->message, "");
  }
}

const std::string kGone = "Port closed: device gone (unplugged or switched off)";
using K = ExchangeKind;
using O = Outcome;

INSTANTIATE_TEST_SUITE_P(
    Router, ExchangeEnds,
    ::testing::Values(
        EndRow{"ReadBackDone", none, none, K::ReadBack, O::Done, 37, 37, false, ""},
        EndRow{"ReadBackNotesValuesBeyondTheScale", [](Harness& h) { h.ctrl.setValue('C', 150); }, none, K::ReadBack,
               O::Done, 37, 37, false, "Stability level 150 (0 to 100)"},
        EndRow{"ReadBackOfAnotherKind", [](Harness& h) { h.ctrl.kind = "PXOJ"; }, none, K::ReadBack, O::Refused, 37,
               37, false, "reports firmware kind PXOJ"},
        // 36 queries and SH0051 answered; the identity query's answer comes from the test.
        EndRow{"ReadBackWithADamagedIdentity", [](Harness& h) { mute(h, 37); },
               [](Harness& h) { h.inject("?W\r t#vr00\r\n"); }, K::ReadBack, O::Failed, 36, 37, false, "was damaged"},
        EndRow{"ReadBackWithAnOverlongIdentity", [](Harness& h) { mute(h, 37); },
               [](Harness& h) { h.inject("?W\r TKVR00\r\n\r\n"); }, K::ReadBack, O::Failed, 36, 37, false,
               "longer than 12 bytes"},
        EndRow{"ReadBackLost", [](Harness& h) { vanish(h, 55); }, none, K::ReadBack, O::Lost, 5, 37, false,
               kGone.c_str()},
        EndRow{"ReadBackOnAPortThatWouldNotOpen", [](Harness& h) { h.port.failOpen = true; }, none, K::ReadBack,
               O::Lost, 0, 37, false, "the port is not open"},
        EndRow{"ReadBackReplacedByAPortPick", [](Harness& h) { mute(h, 3); },
               [](Harness& h) {
                 h.ctrl.restart();
                 pickPortAgain(h);
               },
               K::ReadBack, O::Failed, 3, 37, false, "the port was picked again", 2},
        EndRow{"SettingDone", none, [](Harness& h) { h.win.userSetSlider(ids::kAlarmSlider, 300); }, K::Setting,
               O::Done, 0, 0, false, ""},
        EndRow{"SettingOnAClosedPort", none,
               [](Harness& h) {
                 h.port.close();
                 h.win.userClick(bitGroups()[kSensorGroup].boxes[0]);
               },
               K::Setting, O::Lost, 0, 0, false, "the port is not open"},
        EndRow{"DefaultSetDone", none, [](Harness& h) { h.win.userSelect(ids::kLoadList, 1); }, K::DefaultSet,
               O::Done, 0, 0, false, ""},
        EndRow{"FileLoadDone", none, saveAndLoad, K::FileLoad, O::Done, 27, 27, false, ""},
        // "Sj0004" and five settings answered.
        EndRow{"FileLoadLost", none,
               [](Harness& h) {
                 vanish(h, 8 * 6 + 4);
                 saveAndLoad(h);
               },
               K::FileLoad, O::Lost, 5, 27, false, kGone.c_str()},
        EndRow{"FileLoadOfNoParameterFile", none,
               [](Harness& h) {
                 std::ofstream(h.path("notes.txt")) << "milk\r\n";
                 h.prompts.files.push_back(h.path("notes.txt"));
                 h.win.userSelect(ids::kLoadList, 4);
               },
               K::FileLoad, O::Refused, 0, 0, false, "it is not a parameter file saved by this tool"},
        EndRow{"FileLoadEndedByASettingMeanwhile", none,
               [](Harness& h) {
                 mute(h, 3);
                 saveAndLoad(h);
                 h.pump();
                 h.win.userSetSlider(1038, 20);
                 h.silence();
               },
               K::FileLoad, O::Failed, 2, 27, false, "another exchange took the link"},
        EndRow{"FileSaveDone", none,
               [](Harness& h) {
                 h.prompts.files.push_back(h.path("saved.txt"));
                 h.win.userPress(ids::kSaveButton);
               },
               K::FileSave, O::Done, 0, 0, false, "saved.txt"},
        EndRow{"FileSaveIntoNoFolder", none,
               [](Harness& h) {
                 h.prompts.files.push_back(h.path("no/such/folder/saved.txt"));
                 h.win.userPress(ids::kSaveButton);
               },
               K::FileSave, O::Failed, 0, 0, false, "No such file or directory"},
        EndRow{"ImageOfAWrongName", none,
               [](Harness& h) {
                 h.prompts.files.push_back(h.path("fw.BIN"));
                 h.win.userPress(ids::kChooseImageButton);
               },
               K::ImageChoice, O::Refused, 0, 0, false, "its name does not end in \"bin\""},
        EndRow{"UpgradeDone", none, upgrade, K::Upgrade, O::Done, 5, 5, true, ""},
        EndRow{"UpgradeNotConfirmed", none,
               [](Harness& h) {
                 chooseImage(h);
                 h.prompts.answers.push_back(Prompts::Answer::Cancel);
                 h.win.userPress(ids::kUpgradeButton);
               },
               K::Upgrade, O::Refused, 0, 5, false, "not confirmed"},
        EndRow{"UpgradeWithADataError", none,
               [](Harness& h) {
                 h.ctrl.faults.wrongSequence = true;
                 upgrade(h);
               },
               K::Upgrade, O::Failed, 0, 5, true, "(a data error)"},
        // The kind answer, RADY, two replies and part of a third.
        EndRow{"UpgradeLostInThePackets", none,
               [](Harness& h) {
                 vanish(h, 12 + 6 + 64 * 2 + 30);
                 upgrade(h);
               },
               K::Upgrade, O::Lost, 2, 5, true, kGone.c_str()},
        // The kind query, the upgrade command and the start packet answered.
        EndRow{"UpgradeBrokenOffByAPortPick", none,
               [](Harness& h) {
                 mute(h, 3);
                 upgrade(h);
                 h.pump();
                 pickPortAgain(h);
               },
               K::Upgrade, O::Failed, 1, 5, true, "the port was picked again"},
        EndRow{"CalibrationDone", none, calibrate, K::Calibration, O::Done, 4, 4, false, ""},
        EndRow{"CalibrationOfCellsPast9999", none,
               [](Harness& h) {
                 typeCells(h, "9000");
                 h.win.userPress(ids::kBatterySaveButton);
               },
               K::Calibration, O::Refused, 0, 4, false, "add up to 10232"},
        EndRow{"CalibrationLost", none,
               [](Harness& h) {
                 vanish(h, 8 * 2 + 3);
                 calibrate(h);
               },
               K::Calibration, O::Lost, 2, 4, false, kGone.c_str()},
        EndRow{"CalibrationAnsweredByAReverseEcho", none, reverseEchoInCalibration, K::Calibration, O::Failed, 0, 4,
               false, "reverse setting's echo"},
        EndRow{"ReverseReadBackDone", none, reverseEchoInCalibration, K::ReverseReadBack, O::Done, 0, 0, false, ""},
        EndRow{"DisplayStartDone", none,
               [](Harness& h) {
                 toggleDisplay(h);
                 h.port.advance(100);
               },
               K::DisplayStart, O::Done, 0, 0, false, ""},
        EndRow{"DisplayStartUnanswered", none,
               [](Harness& h) {
                 mute(h, 0);
                 toggleDisplay(h);
                 h.silence();
               },
               K::DisplayStart, O::NoAnswer, 0, 0, false, "the display stays on"},
        // Stopped before any record: the start failed, the stop is done.
        EndRow{"DisplayStoppedBeforeAnyRecord", none,
               [](Harness& h) {
                 toggleDisplay(h);
                 toggleDisplay(h);
               },
               K::DisplayStart, O::Failed, 0, 0, false, "stopped before any record came"},
        EndRow{"DisplayStopDone", none,
               [](Harness& h) {
                 toggleDisplay(h);
                 toggleDisplay(h);
               },
               K::DisplayStop, O::Done, 0, 0, false, ""},
        EndRow{"DisplayEndedByTheLostPort", none,
               [](Harness& h) {
                 toggleDisplay(h);
                 vanish(h, 10);
                 h.port.advance(100);
               },
               K::DisplayStop, O::Lost, 0, 0, false, kGone.c_str()}),
    [](const ::testing::TestParamInfo<EndRow>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zorv::test
