// The flight-mode matrix, the sensor selection and the reverse boxes against the simulated
// controller: the commands on the wire, the waits between them, the rules between rows.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/control_layout.h"
#include "core/param_catalogue.h"
#include "tests/support/harness.h"

namespace zorv::test {
namespace {

struct Preset {
  char letter;
  int value;
};

// A window connected to a controller that holds the given bytes (every other byte group 0).
struct Connected {
  Harness h{false};
  explicit Connected(const std::vector<Preset>& held) {
    for (char letter : std::string("abcdefghiMNO")) h.ctrl.setValue(letter, 0);
    for (const Preset& p : held) h.ctrl.setValue(p.letter, p.value);
    h.connect();
    h.sent();
    h.clock.waitedMs = 0;
    h.clock.waits = 0;
    h.prompts.shown.clear();
  }
  int rowShown(int row) const {
    int v = 0;
    for (int c = 0; c < 8; ++c) v |= (h.win.checkState(matrixCheckId(row, c)) == 1 ? 1 : 0) << c;
    return v;
  }
  int rowStored(int row) const {
    int v = 0;
    for (int c = 0; c < 8; ++c) v |= h.core.st.ParamValues.at(static_cast<size_t>(43 + 8 * row + c)) << c;
    return v;
  }
};

struct MatrixCase {
  const char* name;
  std::vector<Preset> held;
  int row, col;  // 0-based: row 0 is "Стабильность", column 0 is CH5 L
  const char* wire;
  uint32_t waitedMs;
  int partnerRow;  // -1: none
  int partnerAfter;
};

TEST(ParamsMatrix, RowRulesAndCommands) {
  const std::vector<MatrixCase> cases = {
      {"stability CH5 L on an empty grid", {}, 0, 0, "Sa0001\rSb0000\r", 30, 1, 0},
      {"stability CH6 H clears 3D CH6 H", {{'b', 32 | 2}}, 0, 5, "Sa0032\rSb0002\r", 30, 1, 2},
      {"clearing stability still sends 3D as shown", {{'a', 1}, {'b', 64}}, 0, 0, "Sa0000\rSb0064\r", 30, 1, 64},
      {"3D clears stability", {{'a', 1 | 8}}, 1, 3, "Sb0008\rSa0001\r", 20, 0, 1},
      {"heading lock clears care-free", {{'e', 16 | 1}}, 3, 4, "Sd0016\rSe0001\r", 20, 4, 1},
      {"care-free clears heading lock", {{'d', 4 | 128}}, 4, 7, "Se0128\rSd0004\r", 20, 3, 4},
      {"auto-landing CH7 H ticks height lock", {}, 8, 7, "Si0128\rSc0128\r", 20, 2, 128},
      {"clearing height lock CH5 M clears auto-landing", {{'c', 3}, {'i', 3}}, 2, 1, "Sc0001\rSi0001\r", 20, 8, 1},
      {"eighth height-lock box", {{'c', 127}, {'i', 1}}, 2, 7, "Sc0255\rSi0001\r", 20, 8, 1},
      {"clearing height lock CH6 L", {{'c', 255}, {'i', 1}}, 2, 3, "Sc0247\rSi0001\r", 20, 8, 1},
      {"hold row writes alone", {}, 6, 2, "Sg0004\r", 0, -1, 0},
      {"gimbal row writes alone", {{'f', 1}}, 5, 0, "Sf0000\r", 0, -1, 0},
      {"go-home row writes alone", {}, 7, 7, "Sh0128\r", 0, -1, 0},
  };
  for (const MatrixCase& c : cases) {
    SCOPED_TRACE(c.name);
    Connected w(c.held);
    Harness& h = w.h;
    const auto before = h.core.st.ParamValues;
    h.core.st.LinkMode = LinkMode::Monitor;
    h.win.userClick(matrixCheckId(c.row, c.col));
    EXPECT_EQ(h.sent(), c.wire);
    EXPECT_EQ(h.core.st.LinkMode, LinkMode::Rest);
    EXPECT_EQ(h.clock.waitedMs, c.waitedMs);
    EXPECT_EQ(h.clock.waits, c.waitedMs ? 1 : 0);
    const std::string wire = c.wire;
    const int rowValue = std::stoi(wire.substr(2, 4));
    EXPECT_EQ(w.rowShown(c.row), rowValue);
    EXPECT_EQ(w.rowStored(c.row), rowValue);
    if (c.partnerRow >= 0) {
      EXPECT_EQ(w.rowShown(c.partnerRow), c.partnerAfter);
      EXPECT_EQ(w.rowStored(c.partnerRow), c.partnerAfter);
    }
    // Nothing outside the clicked row and its partner moves.
    for (int i = 0; i < kParamCount; ++i) {
      const int row = i >= 43 ? (i - 43) / 8 : -1;
      if (row == c.row || (row >= 0 && row == c.partnerRow)) continue;
      EXPECT_EQ(h.core.st.ParamValues[static_cast<size_t>(i)], before[static_cast<size_t>(i)]) << i;
    }
    h.pump();
    EXPECT_EQ(h.ctrl.value(wire[1]), rowValue);
    if (c.partnerRow >= 0) {
      EXPECT_EQ(h.ctrl.value(static_cast<char>('a' + c.partnerRow)), c.partnerAfter);
    }
  }
}

TEST(ParamsBits, PendingInputIsDiscardedBeforeWriting) {
  // Boxes whose handlers read and discard what waits in the port before they write.
  for (int box : {matrixCheckId(6, 0), matrixCheckId(0, 0), 1199, 1214}) {
    SCOPED_TRACE(box);
    Connected w({});
    Harness& h = w.h;
    h.win.userClick(box);
    // In a mode that does not read the port, the answer to the first write stays waiting there.
    h.core.st.LinkMode = static_cast<LinkMode>(8);
    ASSERT_TRUE(h.port.deliverOne());
    h.win.userClick(box);
    EXPECT_TRUE(h.port.readAll().empty());
  }
}

struct GroupCase {
  const char* name;
  std::vector<int> clicks;
  const char* lastWire;
};

TEST(ParamsSensors, ByteFromAllEightBoxes) {
  std::vector<int> all(bitGroups()[kSensorGroup].boxes.begin(), bitGroups()[kSensorGroup].boxes.end());
  std::vector<int> allBackwards(all.rbegin(), all.rend());
  const std::vector<GroupCase> cases = {
      {"gyroscope and accelerometer", {1058, 1059}, "SM0012\r"},
      {"every sensor", all, "SM0255\r"},
      {"every sensor, last click on the first box", allBackwards, "SM0255\r"},
      {"ticked and cleared again", {1065, 1056, 1065}, "SM0001\r"},
  };
  for (const GroupCase& c : cases) {
    SCOPED_TRACE(c.name);
    Connected w({});
    Harness& h = w.h;
    h.core.st.LinkMode = LinkMode::Monitor;
    std::string wire;
    for (int box : c.clicks) {
      h.win.userClick(box);
      wire = h.sent();
    }
    EXPECT_EQ(wire, c.lastWire);
    EXPECT_EQ(h.core.st.LinkMode, LinkMode::Rest);
    const int value = std::stoi(wire.substr(2, 4));
    EXPECT_EQ(h.core.st.SensorMask, value);
    for (int k = 0; k < 8; ++k) EXPECT_EQ(h.core.st.ParamValues[static_cast<size_t>(19 + k)], (value >> k) & 1);
    h.pump();
    EXPECT_EQ(h.ctrl.value('M'), value);
  }
}

TEST(ParamsReverse, ByteWrittenAndLinkModeKept) {
  const std::vector<GroupCase> cases = {
      {"receiver CH3", {1199}, "SN0004\r"},
      {"receiver CH1 and CH8", {1197, 1204}, "SN0129\r"},
      {"output M8", {1214}, "SO0128\r"},
      {"output M1 and M2", {1205, 1208}, "SO0003\r"},
  };
  for (const GroupCase& c : cases) {
    SCOPED_TRACE(c.name);
    Connected w({});
    Harness& h = w.h;
    h.core.st.LinkMode = LinkMode::Monitor;  // the live display keeps running
    std::string wire;
    for (int box : c.clicks) {
      h.win.userClick(box);
      wire = h.sent();
    }
    EXPECT_EQ(wire, c.lastWire);
    EXPECT_EQ(h.core.st.LinkMode, LinkMode::Monitor);
    const char letter = wire[1];
    const int value = std::stoi(wire.substr(2, 4));
    const BitGroup* g = groupByLetter(letter);
    for (int k = 0; k < 8; ++k)
      EXPECT_EQ(h.core.st.ParamValues[static_cast<size_t>(g->firstIndex + k)], (value >> k) & 1);
    h.core.st.LinkMode = LinkMode::Rest;
    h.pump();
    EXPECT_EQ(h.ctrl.value(letter), value);
  }
}

}  // namespace
}  // namespace zorv::test
