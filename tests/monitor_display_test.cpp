// The live display against the simulated controller: the toggle, the stream, and records that
// arrive split, joined, garbled or in bursts.

#include <gtest/gtest.h>

#include <array>

#include <string>
#include <vector>

#include "core/control_ids.h"
#include "core/control_layout.h"
#include "core/param_catalogue.h"
#include "sim/monitor_records.h"
#include "tests/support/harness.h"

namespace zorv::test {
namespace {

const std::vector<int> kChannelBoxes = {1102, 1103, 1104, 1105, 1106, 1107, 1108, 1109};
const std::vector<int> kMotorBoxes = {1121, 1122, 1123, 1124, 1125, 1126, 1127, 1128};
const std::vector<int> kSensorBoxes = {ids::kCompassReadout, ids::kSonarReadout, ids::kBarometerReadout};

// A record with these eight values, as the controller sends it.
std::string record(const char* tag, const std::array<int, 8>& values) { return sim::monitorRecordText(tag, values); }

// The fields of a record as the controller formats them, read independently of the window.
std::vector<int> fieldsOf(const std::string& rec) {
  std::vector<int> v;
  for (size_t f = 0; f < 8; ++f) v.push_back(std::stoi(rec.substr(4 + 4 * f, 4)));
  return v;
}

std::vector<std::string> texts(const Harness& h, const std::vector<int>& ids) {
  std::vector<std::string> v;
  for (int id : ids) v.push_back(h.win.text(id));
  return v;
}

std::vector<std::string> asTexts(const std::vector<int>& values) {
  std::vector<std::string> v;
  for (int x : values) v.push_back(std::to_string(x));
  return v;
}

// Channel boxes show fields 1, 2, 4, 3, 5..8.
std::vector<std::string> channelsShown(const std::vector<int>& f) {
  return asTexts({f[0], f[1], f[3], f[2], f[4], f[5], f[6], f[7]});
}

struct MonitorDisplayOn : ::testing::Test {
  Harness h;
  void SetUp() override {
    h.win.userPress(ids::kDisplayButton);
    h.pump();  // the echo of "S~0001"
    h.sent();
  }
};

struct ControlState {
  int id;
  bool whileOn;   // enabled while the display runs
  bool afterOff;  // enabled after it is stopped
};

TEST(MonitorDisplay, ToggleSwitchesStreamModeCaptionAndControls) {
  Harness h;
  h.sent();
  const std::vector<ControlState> table = {
      {ids::kFirstChannelReadout, true, false}, {ids::kLastChannelReadout, true, false},  // read-outs
      {ids::kFirstMotorReadout, true, false}, {ids::kLastMotorReadout, true, false},
      {ids::kCompassReadout, true, false}, {ids::kSonarReadout, true, false},  // sensors
      {ids::kBarometerReadout, true, false},
      {1197, true, false}, {1204, true, false}, {1205, true, false}, {1214, true, false},  // reverse
      {1038, false, true}, {1063, false, true}, {ids::kAlarmSlider, false, true},  // sliders, boxes
      {ids::kAlarmEdit, false, true},
      {1081, false, true}, {1004, false, true}, {1054, false, true},                       // caption buttons
      {ids::kModelTypeList, false, true}, {ids::kEscRateList, false, true},  // lists
      {ids::kServoRateList, false, true}, {ids::kFirstLabelButton, false, true},
      {matrixCheckId(0, 0), false, true}, {matrixCheckId(8, 7), false, true},              // flight modes
      {1056, false, true}, {1065, false, true},                                            // sensor selection
      {ids::kSaveButton, false, true}, {ids::kBatterySaveButton, false, true}, {ids::kLoadList, false, true},
      {ids::kLoadButton, false, true}, {ids::kFirmwareHint, false, true}, {ids::kChooseImageButton, false, true},
      {ids::kUpgradeButton, false, false},  // the upgrade waits for a firmware file chosen again
      {ids::kDisplayButton, true, true}, {kCellEdits[0], true, true}, {ids::kPortList, true, true},
  };

  h.win.userPress(ids::kDisplayButton);
  EXPECT_EQ(h.sent(), "S~0001\r");
  EXPECT_EQ(h.core.st.LinkMode, LinkMode::Monitor);
  EXPECT_EQ(h.core.st.MonitorStopped, 0);
  EXPECT_EQ(h.win.text(ids::kDisplayButton), "Stop Display");
  EXPECT_TRUE(h.ctrl.monitorOn());
  for (const ControlState& c : table) EXPECT_EQ(h.win.isEnabled(c.id), c.whileOn) << "display on, control " << c.id;

  h.pump();
  h.win.userPress(ids::kDisplayButton);
  EXPECT_EQ(h.sent(), "S~0000\r");
  EXPECT_EQ(h.core.st.LinkMode, LinkMode::Rest);
  EXPECT_EQ(h.core.st.MonitorStopped, 1);
  EXPECT_EQ(h.win.text(ids::kDisplayButton), "Display Data");
  EXPECT_EQ(h.win.text(ids::kFirmwareHint),
            "<-Please select the upgrade fireware(*.bin) first,then click the upgrade !");
  EXPECT_FALSE(h.ctrl.monitorOn());
  for (const ControlState& c : table) EXPECT_EQ(h.win.isEnabled(c.id), c.afterOff) << "display off, control " << c.id;
}

TEST(MonitorDisplay, NumberBoxOutOfRangeIsReportedOnceAndTheDisplayWaits) {
  Harness h;
  h.sent();
  h.win.putText(1063, "150");  // typed past the stability range
  const size_t before = h.prompts.shown.size();
  h.win.userPress(ids::kDisplayButton);
  EXPECT_EQ(h.prompts.shown.size(), before + 1);
  EXPECT_EQ(h.sent(), "");
  EXPECT_EQ(h.core.st.LinkMode, LinkMode::Rest);
  EXPECT_EQ(h.core.st.MonitorStopped, 1);

  h.win.putText(1063, "50");
  h.win.userPress(ids::kDisplayButton);
  EXPECT_EQ(h.sent(), "S~0001\r");
}

TEST_F(MonitorDisplayOn, StreamedRecordsShowAndTheWindowKeepsUp) {
  // The controller's clock has not moved since power-on: record n is due at 20 n ms.
  h.port.advance(60);
  h.pump();
  EXPECT_EQ(texts(h, kChannelBoxes), channelsShown(fieldsOf(sim::monitorRecord(0, 20))));
  EXPECT_EQ(texts(h, kMotorBoxes), asTexts(fieldsOf(sim::monitorRecord(1, 40))));
  const std::vector<int> s = fieldsOf(sim::monitorRecord(2, 60));
  EXPECT_EQ(texts(h, kSensorBoxes), asTexts({s[0], s[1], s[2]}));
  for (size_t i = 0; i < 8; ++i) EXPECT_EQ(h.core.st.MonitorReadings[16 + i], s[i]);  // all kept, three shown

  for (int i = 3; i < 300; ++i) {  // six seconds, one record at a time
    h.port.advance(20);
    h.pump();
    ASSERT_LT(h.core.st.ReceiveBuffer.size(), 38u);
  }
  EXPECT_EQ(texts(h, kChannelBoxes), channelsShown(fieldsOf(sim::monitorRecord(0, 5960))));
  EXPECT_EQ(texts(h, kMotorBoxes), asTexts(fieldsOf(sim::monitorRecord(1, 5980))));
  EXPECT_EQ(h.win.text(ids::kCompassReadout), std::to_string(fieldsOf(sim::monitorRecord(2, 6000))[0]));
  EXPECT_EQ(h.sent(), "");  // the window asks nothing while the display runs
}

TEST_F(MonitorDisplayOn, ABurstInOneEventShowsTheNewestOfEachKind) {
  std::string burst;
  for (uint32_t t = 20; t <= 1000; t += 20) burst += sim::monitorRecord(static_cast<int>((t / 20 - 1) % 3), t);
  h.inject(burst);  // 50 records in one receive event, as after the window was held up
  EXPECT_EQ(h.pump(), 1);
  EXPECT_EQ(texts(h, kChannelBoxes), channelsShown(fieldsOf(sim::monitorRecord(0, 980))));
  EXPECT_EQ(texts(h, kMotorBoxes), asTexts(fieldsOf(sim::monitorRecord(1, 1000))));
  const std::vector<int> s = fieldsOf(sim::monitorRecord(2, 960));
  EXPECT_EQ(texts(h, kSensorBoxes), asTexts({s[0], s[1], s[2]}));
  EXPECT_EQ(h.core.st.ReceiveBuffer, "");
  EXPECT_EQ(h.core.st.ReceivedCount, 0);
}

TEST_F(MonitorDisplayOn, ChannelsThreeAndFourAreShownCrosswise) {
  h.inject(record("CHDA", {1101, 1102, 1103, 1104, 1105, 1106, 1107, 1108}));
  h.pump();
  EXPECT_EQ(texts(h, kChannelBoxes),
            (std::vector<std::string>{"1101", "1102", "1104", "1103", "1105", "1106", "1107", "1108"}));
  EXPECT_EQ(h.core.st.MonitorReadings[2], 1103);
  EXPECT_EQ(h.core.st.MonitorReadings[3], 1104);
}

struct SplitCase {
  const char* name;
  std::vector<std::string> events;
  std::vector<std::string> ch1AfterEach;  // what CH1 shows after each event
};

TEST(MonitorDisplay, RecordsSplitOverEventsShowOnceReadable) {
  const std::string a = record("CHDA", {1111, 1500, 1500, 1500, 1000, 1000, 1000, 1000});
  const std::string b = record("CHDA", {1222, 1500, 1500, 1500, 1000, 1000, 1000, 1000});
  const std::vector<SplitCase> cases = {
      {"whole", {a, b}, {"1111", "1222"}},
      {"36 then closing and the next", {a.substr(0, 36), a.substr(36) + b}, {"1111", "1222"}},
      {"37 then the rest", {a.substr(0, 37), a.substr(37) + b}, {"1111", "1222"}},
      {"byte by byte",
       {a.substr(0, 10), a.substr(10, 10), a.substr(20, 15), a.substr(35, 1), a.substr(36) + b.substr(0, 30),
        b.substr(30)},
       {"0", "0", "0", "1111", "1111", "1222"}},
      {"closing characters first", {"\r\n" + a.substr(0, 34), a.substr(34), b}, {"0", "1111", "1222"}},
      {"cut short by lost bytes", {a.substr(0, 30), b}, {"0", "1222"}},
  };
  for (const SplitCase& c : cases) {
    SCOPED_TRACE(c.name);
    Harness fresh;
    fresh.win.userPress(ids::kDisplayButton);
    fresh.pump();
    for (size_t i = 0; i < c.events.size(); ++i) {
      fresh.inject(c.events[i]);
      fresh.pump();
      EXPECT_EQ(fresh.win.text(ids::kFirstChannelReadout), c.ch1AfterEach[i]) << "after event " << i;
    }
  }
}

TEST_F(MonitorDisplayOn, NoiseNeitherClearsTheBoxesNorGrowsTheBuffer) {
  h.inject(record("CHDA", {1333, 1500, 1500, 1500, 1000, 1000, 1000, 1000}));
  h.pump();
  h.inject(record("XXDA", {1444, 1500, 1500, 1500, 1000, 1000, 1000, 1000}));
  h.pump();
  EXPECT_EQ(h.win.text(ids::kFirstChannelReadout), "1333");
  for (int i = 0; i < 200; ++i) {  // 200 KiB without a known tag
    h.inject(std::string(1024, static_cast<char>('0' + i % 10)));
    h.pump();
    ASSERT_LE(h.core.st.ReceiveBuffer.size(), 3u);
    ASSERT_LE(h.core.st.ReceivedCount, 3);
  }
  EXPECT_EQ(h.win.text(ids::kFirstChannelReadout), "1333");
  h.inject(record("CHDA", {1555, 1500, 1500, 1500, 1000, 1000, 1000, 1000}));
  h.pump();
  EXPECT_EQ(h.win.text(ids::kFirstChannelReadout), "1555");
}

TEST_F(MonitorDisplayOn, TypingInACellBoxSurvivesTheRecords) {
  h.win.userType(1084, "407");
  h.port.advance(100);
  h.pump();
  EXPECT_EQ(h.win.text(1084), "407");
  h.win.userPress(ids::kDisplayButton);
  EXPECT_EQ(h.win.text(1084), "407");
}

}  // namespace
}  // namespace zorv::test
