// The live display and the battery calibration under faults. The display needs nothing from the
// window once on: whatever happens to one record, the next records put the boxes right. The
// calibration awaits each echo; one that never comes whole leaves it waiting until the user
// presses the button again.

#include <gtest/gtest.h>

#include "monitor/display.h"
#include "tests/reliability.h"

namespace zorv::test {
namespace {

using namespace reliability;


// Display on, the echo of "S~0001" taken.
void displayOn(Harness& h) {
  h.win.userPress(ids::kDisplayButton);
  h.pump();
  h.sent();
}

TEST(ReliabilityMonitor, FaultOnOneRecord) {
  enum class Shown { AsSent, Missed, FieldGarbled, StreamStopped };
  struct Row {
    Fault fault;
    Shown shown;  // what the first record (receiver channels) shows
  };
  std::vector<Row> rows;
  for (const Fault& f : everySplit(38)) rows.push_back({f, Shown::AsSent});
  const Row more[] = {
      {drop(), Shown::Missed},
      {corrupt(0), Shown::Missed},  // no known tag
      {corrupt(7), Shown::FieldGarbled},  // no check sum: CH1 shows the digits before the bad one
      {corrupt(37), Shown::AsSent},  // the closing characters are not read
      {extra("\r\n"), Shown::AsSent},
      {extra("\r\n", true), Shown::AsSent},
      {extra("CHDA 12"), Shown::AsSent},
      {restarted(), Shown::StreamStopped},
  };
  rows.insert(rows.end(), std::begin(more), std::end(more));

  Harness ref;
  displayOn(ref);
  stream(ref, 20);
  const WindowState firstRecord = stateOf(ref.win);
  stream(ref, 60);
  const WindowState threeMore = stateOf(ref.win);

  for (const Row& row : rows) {
    SCOPED_TRACE(row.fault.name);
    Harness h;
    displayOn(h);
    const WindowState before = stateOf(h.win);
    row.fault.arm(h.ctrl, 38);
    stream(h, 20);
    switch (row.shown) {
      case Shown::AsSent:
        EXPECT_EQ(differences(stateOf(h.win), firstRecord), "");
        break;
      case Shown::Missed:
      case Shown::StreamStopped:
        EXPECT_EQ(differences(stateOf(h.win), before), "");
        break;
      case Shown::FieldGarbled:
        EXPECT_EQ(differences(stateOf(h.win), firstRecord),
                  "text 1102: " + firstRecord.texts.at(ids::kFirstChannelReadout).substr(0, 3) + " instead of " +
                      firstRecord.texts.at(ids::kFirstChannelReadout) + "\n");
        break;
    }
    EXPECT_EQ(h.core.st.LinkMode, LinkMode::Monitor);
    EXPECT_LT(h.core.st.ReceiveBuffer.size(), 38u);
    if (row.shown == Shown::StreamStopped) {
      // Nothing more comes; the user stops and starts the display, and the stream is back.
      stream(h, 60);
      EXPECT_EQ(differences(stateOf(h.win), before), "");
      h.win.userPress(ids::kDisplayButton);
      h.win.userPress(ids::kDisplayButton);
      EXPECT_EQ(h.sent(), "S~0000\rS~0001\r");
      h.pump();
      stream(h, 20);
      EXPECT_NE(h.win.text(ids::kFirstChannelReadout), before.texts.at(ids::kFirstChannelReadout));
      continue;
    }
    stream(h, 60);  // the next receiver record puts everything right
    EXPECT_EQ(differences(stateOf(h.win), threeMore), "");
    EXPECT_EQ(h.sent(), "");
  }
}

// Picking the port while the display runs switches the display off first: the controller stops
// streaming, and the read-back is not drowned in records.
TEST(ReliabilityMonitor, PortPickedWhileDisplaying) {
  Harness h;
  displayOn(h);
  stream(h, 40);
  pickPortAgain(h);
  EXPECT_EQ(h.sent().substr(0, 10), "S~0000\r?C\r");
  EXPECT_FALSE(h.ctrl.monitorOn());
  EXPECT_EQ(h.core.st.MonitorStopped, 1);
  EXPECT_EQ(h.win.text(ids::kDisplayButton), "Display Data");
  stream(h, 100);
  expectConnected(h);
  for (int id : displayControls()) EXPECT_FALSE(h.win.isEnabled(id)) << id;
}

const char* const kSteps = "S00410\rS10822\rS21231\rS31642\r";

void typeCellsAndCalibrate(Harness& h) {
  typeCells(h);
  h.sent();
  h.win.userPress(ids::kBatterySaveButton);
}

void expectCalibrated(Harness& h) {
  EXPECT_EQ(h.core.st.LinkMode, LinkMode::Rest);
  EXPECT_EQ(h.prompts.shown.back().text, "校准完成！");
  const std::pair<char, int> cells[] = {{'4', 4100}, {'5', 4120}, {'6', 4090}, {'7', 4110}};
  for (const auto& [letter, value] : cells) EXPECT_EQ(h.ctrl.value(letter), value) << letter;
}

TEST(ReliabilityCalibration, FaultOnOneEcho) {
  struct Target {
    const char* name;
    const char* after;
  };
  const Target targets[] = {{"first echo", ""}, {"second echo", "S00410\r"}, {"last echo", "S21231\r"}};
  enum class Ends { Calibrated, Waits, Lost };
  struct Row {
    Fault fault;
    Ends ends[3];
  };
  std::vector<Row> rows;
  for (const Fault& f : everySplit(8)) rows.push_back({f, {Ends::Calibrated, Ends::Calibrated, Ends::Calibrated}});
  const Row more[] = {
      {drop(), {Ends::Waits, Ends::Waits, Ends::Waits}},
      {corrupt(0), {Ends::Waits, Ends::Waits, Ends::Waits}},  // no known echo
      {corrupt(4), {Ends::Calibrated, Ends::Calibrated, Ends::Calibrated}},
      // Exactly eight bytes are awaited; a stray line end after an echo is counted into the next.
      {extra("\r\n"), {Ends::Waits, Ends::Waits, Ends::Waits}},
      {extra("\r\n", true), {Ends::Waits, Ends::Waits, Ends::Calibrated}},
      {restarted(), {Ends::Calibrated, Ends::Calibrated, Ends::Calibrated}},
      {vanishAfter(3), {Ends::Lost, Ends::Lost, Ends::Lost}},
  };
  rows.insert(rows.end(), std::begin(more), std::end(more));

  for (const Row& row : rows) {
    for (size_t t = 0; t < std::size(targets); ++t) {
      SCOPED_TRACE(std::string(targets[t].name) + ", " + row.fault.name);
      Harness h;
      if (!*targets[t].after) row.fault.arm(h.ctrl, 8);
      typeCellsAndCalibrate(h);
      ASSERT_TRUE(untilHeard(h, targets[t].after));
      if (*targets[t].after) row.fault.arm(h.ctrl, 8);
      h.pump();
      const std::string sent = h.sent();
      EXPECT_EQ(sent, std::string(kSteps).substr(0, sent.size()));  // only the steps, in order
      switch (row.ends[t]) {
        case Ends::Calibrated:
          EXPECT_EQ(sent, kSteps);
          expectCalibrated(h);
          continue;
        case Ends::Waits:
          EXPECT_EQ(h.core.st.LinkMode, LinkMode::CalibrationEcho);
          EXPECT_NE(h.prompts.shown.back().text, "校准完成！");
          h.win.userPress(ids::kBatterySaveButton);  // pressed again: from the first step
          break;
        case Ends::Lost:
          expectLost(h);
          plugInAndPickPort(h);
          expectConnected(h);  // the cell boxes show what the controller holds: typed again
          typeCellsAndCalibrate(h);
          break;
      }
      h.pump();
      EXPECT_EQ(h.sent(), kSteps);
      expectCalibrated(h);
    }
  }
}

}  // namespace
}  // namespace zorv::test
