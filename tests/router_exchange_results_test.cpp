// How each exchange ends, as the router reports it to a second shell: done, refused, lost or
// failed, how far it got, and whether an upgrade's command went out. (Every silence, at every
// command, is in reliability_no_answer_test.cpp.) Each row is what a pilot does and what the
// controller does meanwhile; the end checked is the last one of its exchange.

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
  bool connected;  // the harness starts with the read-back done
  std::function<void(Harness&)> act;
  ExchangeKind exchange;
  Outcome outcome;
  int done, total;
  bool upgradeCommandSent;
  const char* says;  // in the message; "" for an empty one
  int count = 1;     // ends of the exchange reported; the first is checked
};

void typeCells(Harness& h, const char* first) {
  const std::pair<int, const char*> cells[] = {{1084, first}, {1086, "412"}, {1087, "409"}, {1088, "411"}};
  for (const auto& [box, text] : cells) h.win.userType(box, text);
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

void startDisplay(Harness& h) { h.win.userPress(ids::kDisplayButton); }

// Calibrating, the controller answers with a reverse setting's echo: the flags are read back.
void reverseEchoInCalibration(Harness& h) {
  typeCells(h, "410");
  h.ctrl.faults.muteAfterCommands = 0;
  h.win.userPress(ids::kBatterySaveButton);
  h.inject("SN0005\r\n");
  h.pump();
  h.inject("?N\r 0005\r\n");
}

void PrintTo(const EndRow& row, std::ostream* os) { *os << row.name; }

class ExchangeEnds : public ::testing::TestWithParam<EndRow> {};

TEST_P(ExchangeEnds, AreReportedOnceWithHowFarTheyGot) {
  const EndRow& row = GetParam();
  Harness h(row.connected);
  const size_t before = h.ends.size();
  row.act(h);
  h.pump();
  const ExchangeResult* end = nullptr;
  int count = 0;
  for (size_t i = before; i < h.ends.size(); ++i) {
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

INSTANTIATE_TEST_SUITE_P(
    Router, ExchangeEnds,
    ::testing::Values(
        EndRow{"ReadBackDone", false, [](Harness& h) { h.connect(); }, ExchangeKind::ReadBack, Outcome::Done, 37, 37,
               false, ""},
        EndRow{"ReadBackNotesValuesBeyondTheScale", false,
               [](Harness& h) {
                 h.ctrl.setValue('C', 150);
                 h.connect();
               },
               ExchangeKind::ReadBack, Outcome::Done, 37, 37, false, "Stability level 150 (0 to 100)"},
        EndRow{"ReadBackOfAnotherKind", false,
               [](Harness& h) {
                 h.ctrl.kind = "PXOJ";
                 h.connect();
               },
               ExchangeKind::ReadBack, Outcome::Refused, 37, 37, false, "reports firmware kind PXOJ"},
        EndRow{"ReadBackWithADamagedIdentity", false,
               [](Harness& h) {
                 h.ctrl.faults.muteAfterCommands = 37;  // 36 queries and SH0051; "?W" goes unanswered
                 h.connect();
                 h.inject("?W\r t#vr00\r\n");
               },
               ExchangeKind::ReadBack, Outcome::Failed, 36, 37, false, "was damaged"},
        EndRow{"ReadBackWithAnOverlongIdentity", false,
               [](Harness& h) {
                 h.ctrl.faults.muteAfterCommands = 37;
                 h.connect();
                 h.inject("?W\r TKVR00\r\n\r\n");
               },
               ExchangeKind::ReadBack, Outcome::Failed, 36, 37, false, "longer than 12 bytes"},
        EndRow{"ReadBackLost", false,
               [](Harness& h) {
                 h.ctrl.faults.vanishAfterBytes = 55;
                 h.connect();
               },
               ExchangeKind::ReadBack, Outcome::Lost, 5, 37, false, kGone.c_str()},
        EndRow{"ReadBackOnAPortThatWouldNotOpen", false,
               [](Harness& h) {
                 h.port.failOpen = true;
                 h.connect();
               },
               ExchangeKind::ReadBack, Outcome::Lost, 0, 37, false, "the port is not open"},
        EndRow{"ReadBackReplacedByAPortPick", true,
               [](Harness& h) {
                 h.ctrl.faults.muteAfterCommands = 3;
                 pickPortAgain(h);
                 h.ctrl.restart();
                 pickPortAgain(h);
               },
               ExchangeKind::ReadBack, Outcome::Failed, 3, 37, false, "the port was picked again", 2},
        EndRow{"SettingDone", true, [](Harness& h) { h.win.userSetSlider(ids::kAlarmSlider, 300); },
               ExchangeKind::Setting, Outcome::Done, 0, 0, false, ""},
        EndRow{"SettingOnAClosedPort", true,
               [](Harness& h) {
                 h.port.close();
                 h.win.userClick(bitGroups()[kSensorGroup].boxes[0]);
               },
               ExchangeKind::Setting, Outcome::Lost, 0, 0, false, "the port is not open"},
        EndRow{"DefaultSetDone", true, [](Harness& h) { h.win.userSelect(ids::kLoadList, 1); },
               ExchangeKind::DefaultSet, Outcome::Done, 0, 0, false, ""},
        EndRow{"FileLoadDone", true, saveAndLoad, ExchangeKind::FileLoad, Outcome::Done, 27, 27, false, ""},
        EndRow{"FileLoadLost", true,
               [](Harness& h) {
                 h.ctrl.faults.vanishAfterBytes = 8 * 6 + 4;  // "Sj0004" and five settings answered
                 saveAndLoad(h);
               },
               ExchangeKind::FileLoad, Outcome::Lost, 5, 27, false, kGone.c_str()},
        EndRow{"FileLoadOfNoParameterFile", true,
               [](Harness& h) {
                 std::ofstream(h.path("notes.txt")) << "milk\r\n";
                 h.prompts.files.push_back(h.path("notes.txt"));
                 h.win.userSelect(ids::kLoadList, 4);
               },
               ExchangeKind::FileLoad, Outcome::Refused, 0, 0, false, "it is not a parameter file saved by this tool"},
        EndRow{"FileLoadEndedByASettingMeanwhile", true,
               [](Harness& h) {
                 h.ctrl.faults.muteAfterCommands = 3;
                 saveAndLoad(h);
                 h.pump();
                 h.win.userSetSlider(1038, 20);
                 h.silence();
               },
               ExchangeKind::FileLoad, Outcome::Failed, 2, 27, false, "another exchange took the link"},
        EndRow{"FileSaveDone", true,
               [](Harness& h) {
                 h.prompts.files.push_back(h.path("saved.txt"));
                 h.win.userPress(ids::kSaveButton);
               },
               ExchangeKind::FileSave, Outcome::Done, 0, 0, false, "saved.txt"},
        EndRow{"FileSaveIntoNoFolder", true,
               [](Harness& h) {
                 h.prompts.files.push_back(h.path("no/such/folder/saved.txt"));
                 h.win.userPress(ids::kSaveButton);
               },
               ExchangeKind::FileSave, Outcome::Failed, 0, 0, false, "No such file or directory"},
        EndRow{"ImageOfAWrongName", true,
               [](Harness& h) {
                 h.prompts.files.push_back(h.path("fw.BIN"));
                 h.win.userPress(ids::kChooseImageButton);
               },
               ExchangeKind::ImageChoice, Outcome::Refused, 0, 0, false, "its name does not end in \"bin\""},
        EndRow{"UpgradeDone", true, upgrade, ExchangeKind::Upgrade, Outcome::Done, 5, 5, true, ""},
        EndRow{"UpgradeNotConfirmed", true,
               [](Harness& h) {
                 chooseImage(h);
                 h.prompts.answers.push_back(Prompts::Answer::Cancel);
                 h.win.userPress(ids::kUpgradeButton);
               },
               ExchangeKind::Upgrade, Outcome::Refused, 0, 5, false, "not confirmed"},
        EndRow{"UpgradeWithADataError", true,
               [](Harness& h) {
                 h.ctrl.faults.wrongSequence = true;
                 upgrade(h);
               },
               ExchangeKind::Upgrade, Outcome::Failed, 0, 5, true, "(a data error)"},
        EndRow{"UpgradeLostInThePackets", true,
               [](Harness& h) {
                 h.ctrl.faults.vanishAfterBytes = 12 + 6 + 64 * 2 + 30;  // kind, RADY, two replies, part of a third
                 upgrade(h);
               },
               ExchangeKind::Upgrade, Outcome::Lost, 2, 5, true, kGone.c_str()},
        EndRow{"UpgradeBrokenOffByAPortPick", true,
               [](Harness& h) {
                 h.ctrl.faults.muteAfterCommands = 3;  // the kind query, the upgrade command, the start packet
                 upgrade(h);
                 h.pump();
                 pickPortAgain(h);
               },
               ExchangeKind::Upgrade, Outcome::Failed, 1, 5, true, "the port was picked again"},
        EndRow{"CalibrationDone", true,
               [](Harness& h) {
                 typeCells(h, "410");
                 h.win.userPress(ids::kBatterySaveButton);
               },
               ExchangeKind::Calibration, Outcome::Done, 4, 4, false, ""},
        EndRow{"CalibrationOfCellsPast9999", true,
               [](Harness& h) {
                 typeCells(h, "9000");
                 h.win.userPress(ids::kBatterySaveButton);
               },
               ExchangeKind::Calibration, Outcome::Refused, 0, 4, false, "add up to 10232"},
        EndRow{"CalibrationLost", true,
               [](Harness& h) {
                 h.ctrl.faults.vanishAfterBytes = 8 * 2 + 3;
                 typeCells(h, "410");
                 h.win.userPress(ids::kBatterySaveButton);
               },
               ExchangeKind::Calibration, Outcome::Lost, 2, 4, false, kGone.c_str()},
        EndRow{"CalibrationAnsweredByAReverseEcho", true, reverseEchoInCalibration, ExchangeKind::Calibration,
               Outcome::Failed, 0, 4, false, "reverse setting's echo"},
        EndRow{"ReverseReadBackDone", true, reverseEchoInCalibration, ExchangeKind::ReverseReadBack, Outcome::Done,
               0, 0, false, ""},
        EndRow{"DisplayStartDone", true,
               [](Harness& h) {
                 startDisplay(h);
                 h.port.advance(100);
               },
               ExchangeKind::DisplayStart, Outcome::Done, 0, 0, false, ""},
        EndRow{"DisplayStartUnanswered", true,
               [](Harness& h) {
                 h.ctrl.faults.muteAfterCommands = 0;
                 startDisplay(h);
                 h.silence();
               },
               ExchangeKind::DisplayStart, Outcome::NoAnswer, 0, 0, false, "the display stays on"},
        EndRow{"DisplayStoppedBeforeAnyRecord", true,
               [](Harness& h) {
                 startDisplay(h);
                 startDisplay(h);
               },
               ExchangeKind::DisplayStart, Outcome::Failed, 0, 0, false, "stopped before any record came"},
        EndRow{"DisplayStopDone", true,
               [](Harness& h) {
                 startDisplay(h);
                 h.pump();
                 startDisplay(h);
               },
               ExchangeKind::DisplayStop, Outcome::Done, 0, 0, false, ""},
        EndRow{"DisplayEndedByTheLostPort", true,
               [](Harness& h) {
                 startDisplay(h);
                 h.pump();
                 h.ctrl.faults.vanishAfterBytes = 10;
                 h.port.advance(100);
               },
               ExchangeKind::DisplayStop, Outcome::Lost, 0, 0, false, kGone.c_str()}),
    [](const ::testing::TestParamInfo<EndRow>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zorv::test
