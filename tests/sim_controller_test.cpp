// The simulated controller against the answers the window relies on: exact bytes of every
// answer, what settings store, default sets, calibration, the monitor stream, the loader, the
// injected faults and robustness against input in odd pieces or plain noise.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "sim/controller.h"
#include "sim/parameter_table.h"
#include "sim/sim_options.h"
#include "sim/sim_port.h"
#include "tests/support/peer_script.h"

namespace zorv::sim {
namespace {

using Bytes = std::vector<uint8_t>;

std::string text(const Bytes& b) { return std::string(b.begin(), b.end()); }

std::vector<std::string> texts(const Chunks& chunks) {
  std::vector<std::string> out;
  for (const Bytes& c : chunks) out.push_back(text(c));
  return out;
}

std::string joined(const Chunks& chunks) {
  std::string out;
  for (const Bytes& c : chunks) out += text(c);
  return out;
}

// Sends one command and returns what came back, write by write.
std::vector<std::string> ask(Controller& c, const std::string& command) {
  c.receive(command);
  return texts(c.takeOutput());
}

// The value of a query answer as the window reads it (characters 4..7).
int queried(Controller& c, char letter) {
  const auto answer = ask(c, std::string{'?', letter, '\r'});
  EXPECT_EQ(answer.size(), 1u) << letter;
  if (answer.size() != 1 || answer[0].size() != 10) return -100000;
  return std::atoi(answer[0].substr(4, 4).c_str());
}

struct Range {
  int lo, hi;
};

// What the window accepts for each letter; a controller outside these would confuse it.
Range rangeOf(char letter) {
  const std::string_view sliders = "CDEFGRTYZ", bits = "MNOabcdefghi", cells = "4567";
  if (sliders.find(letter) != std::string_view::npos) return {0, 100};
  if (bits.find(letter) != std::string_view::npos) return {0, 255};
  if (cells.find(letter) != std::string_view::npos) return {3000, 4350};
  switch (letter) {
    case 'A': return {1, 14};
    case 'B': return {1, 6};
    case 'P': return {1, 2};
    case 'J':
    case 'K': return {0, 200};
    case 'L': return {280, 370};
    case 'V': return {1000, 9999};
    case 'j': return {0, 4};
    default: return {1, 9999};  // internals
  }
}

// ---------------------------------------------------------------- queries

TEST(SimQuery, AnswerIsTenBytesWithTheValueField) {
  struct Case {
    char letter;
    int value;
    std::string answer;
  } cases[] = {
      {'C', 45, "?C\r 0045\r\n"},  {'C', 0, "?C\r 0000\r\n"},    {'C', -12, "?C\r -012\r\n"},
      {'C', -5000, "?C\r -999\r\n"}, {'L', 355, "?L\r 0355\r\n"}, {'V', 2015, "?V\r 2015\r\n"},
      {'4', 4150, "?4\r 4150\r\n"}, {'a', 129, "?a\r 0129\r\n"},  {'k', 3, "?k\r 0003\r\n"},
      {'J', 200, "?J\r 0200\r\n"},  {'P', 1, "?P\r 0001\r\n"},    {'P', 2, "?P\r 0002\r\n"},
      {'P', 3, "?P\r 0002\r\n"},    {'j', 4, "?j\r 0004\r\n"},
  };
  for (const Case& k : cases) {
    Controller c;
    c.setValue(k.letter, k.value);
    EXPECT_EQ(ask(c, std::string{'?', k.letter, '\r'}), std::vector<std::string>{k.answer})
        << k.letter << "=" << k.value;
  }
}

TEST(SimQuery, KindAnswerIsTwelveBytes) {
  for (const std::string kind : {"TKVR", "PXOJ"}) {
    Controller c;
    c.kind = kind;
    EXPECT_EQ(ask(c, "?W\r"), std::vector<std::string>{"?W\r " + kind + "01\r\n"});
  }
}

TEST(SimQuery, UnknownLettersGetNoAnswer) {
  for (const std::string query : {"?X\r", "?z\r", "?0\r", "?~\r", "?S\r", "?\r"}) {
    Controller c;
    EXPECT_TRUE(ask(c, query).empty()) << query;
    EXPECT_FALSE(c.hasOutput());
  }
}

// A zero read back makes the window ask three more times; power-on values avoid that.
TEST(SimQuery, PowerOnValuesAreNonzeroAndInRange) {
  Controller c;
  for (char letter : kQueryLetters) {
    const int v = queried(c, letter);
    EXPECT_NE(v, 0) << letter;
    EXPECT_GE(v, rangeOf(letter).lo) << letter;
    EXPECT_LE(v, rangeOf(letter).hi) << letter;
  }
  EXPECT_EQ(queried(c, 'V'), 2015);
}

// ---------------------------------------------------------------- settings

TEST(SimSetting, EchoIsTheCommandFollowedByLf) {
  for (const std::string command : {"SC0007\r", "SJ0200\r", "Sj0004\r", "Sj0002\r", "S~0000\r", "S00410\r",
                                    "S31642\r", "SH0051\r", "Sa0129\r", "SX1234\r", "SC00-7\r"}) {
    Controller c;
    EXPECT_EQ(ask(c, command), std::vector<std::string>{command + "\n"}) << command;
  }
}

TEST(SimSetting, StoredValueIsReadBack) {
  struct Case {
    std::string setting;
    char letter;
    int readBack;
  } cases[] = {
      {"SC0007\r", 'C', 7},   {"SA0014\r", 'A', 14},  {"SP0003\r", 'P', 2},   {"SP0002\r", 'P', 2},
      {"SP0001\r", 'P', 1},   {"SJ0000\r", 'J', 0},   {"SJ0200\r", 'J', 200}, {"SK0150\r", 'K', 150},
      {"SL0280\r", 'L', 280}, {"Sa0129\r", 'a', 129}, {"SM0012\r", 'M', 12},  {"SN0004\r", 'N', 4},
      {"SO0128\r", 'O', 128}, {"SH0000\r", 'H', 0},   {"SC9999\r", 'C', 9999},
  };
  for (const Case& k : cases) {
    Controller c;
    ask(c, k.setting);
    EXPECT_EQ(queried(c, k.letter), k.readBack) << k.setting;
  }
}

TEST(SimSetting, ValueThatIsNotFourDigitsIsNotStored) {
  Controller c;
  const int before = c.value('C');
  ask(c, "SC00-7\r");
  EXPECT_EQ(c.value('C'), before);
}

// ---------------------------------------------------------------- default sets

TEST(SimDefaultSet, EachSetLoadsItsOwnValidValues) {
  std::set<std::vector<int>> seen;
  for (int k = 0; k < kDefaultSetCount; ++k) {
    Controller c;
    c.setValue('C', 99);  // in no set: must be overwritten
    const std::string command = "Sj000" + std::to_string(k) + "\r";
    EXPECT_EQ(ask(c, command), std::vector<std::string>{command + "\n"});
    EXPECT_EQ(queried(c, 'j'), k);
    EXPECT_EQ(c.lastDefaultSet, k);

    std::vector<int> values;
    for (char letter : kDefaultSetLetters) {
      const int v = queried(c, letter);
      EXPECT_GE(v, rangeOf(letter).lo) << "set " << k << " " << letter;
      EXPECT_LE(v, rangeOf(letter).hi) << "set " << k << " " << letter;
      values.push_back(v);
    }
    EXPECT_NE(c.value('C'), 99) << "set " << k;
    // The rules the window enforces between flight-mode rows hold in every set.
    EXPECT_EQ(c.value('a') & c.value('b'), 0) << "set " << k;
    EXPECT_EQ(c.value('d') & c.value('e'), 0) << "set " << k;
    EXPECT_EQ(c.value('i') & ~c.value('c'), 0) << "set " << k;
    seen.insert(values);
  }
  EXPECT_EQ(seen.size(), static_cast<size_t>(kDefaultSetCount)) << "the default sets must differ";
}

TEST(SimDefaultSet, AnnouncingASavedFileChangesNoValue) {
  Controller c;
  ask(c, "SC0077\r");
  EXPECT_EQ(ask(c, "Sj0004\r"), std::vector<std::string>{"Sj0004\r\n"});
  EXPECT_EQ(queried(c, 'C'), 77);
  EXPECT_EQ(queried(c, 'j'), 4);
}

// ---------------------------------------------------------------- calibration

TEST(SimCalibration, CumulativeSumsBecomeCellVoltagesAfterTheLastStep) {
  struct Case {
    int sums[4];
    int cells[4];
  } cases[] = {
      {{410, 822, 1231, 1642}, {4100, 4120, 4090, 4110}},
      {{300, 650, 1000, 1350}, {3000, 3500, 3500, 3500}},
  };
  for (const Case& k : cases) {
    Controller c;
    const int before = queried(c, '4');
    for (int step = 0; step < 4; ++step) {
      char command[16];
      std::snprintf(command, sizeof command, "S%d%04d\r", step, k.sums[step]);
      EXPECT_EQ(ask(c, command), std::vector<std::string>{std::string(command) + "\n"});
      if (step < 3) {
        EXPECT_EQ(queried(c, '4'), before) << "cells change only after the last step";
      }
    }
    for (int cell = 0; cell < 4; ++cell) EXPECT_EQ(queried(c, static_cast<char>('4' + cell)), k.cells[cell]);
  }
}

// ---------------------------------------------------------------- monitor

struct Record {
  std::string tag;
  int fields[8];
};

Record parseRecord(const std::string& r) {
  Record out{r.substr(0, 4), {}};
  for (int i = 0; i < 8; ++i) {
    const std::string field = r.substr(4 + 4 * static_cast<size_t>(i), 4);
    const size_t digits = field.find_first_not_of(' ');
    EXPECT_NE(digits, std::string::npos) << r;
    EXPECT_EQ(field.find_first_not_of("0123456789", digits), std::string::npos) << "field " << i << " of " << r;
    out.fields[i] = std::atoi(field.c_str());
  }
  return out;
}

TEST(SimMonitor, OneRecordEvery20msCyclingTags) {
  Controller c;
  EXPECT_EQ(ask(c, "S~0001\r"), std::vector<std::string>{"S~0001\r\n"});
  EXPECT_TRUE(c.monitorOn());
  struct Step {
    uint32_t ms;
    std::vector<std::string> tags;
  } steps[] = {
      {19, {}},           {1, {"CHDA"}}, {20, {"MSDA"}}, {10, {}}, {10, {"SSDA"}},
      {100, {"CHDA", "MSDA", "SSDA", "CHDA", "MSDA"}},
  };
  for (const Step& s : steps) {
    c.advance(s.ms);
    std::vector<std::string> tags;
    for (const std::string& record : texts(c.takeOutput())) {
      EXPECT_EQ(record.size(), 38u) << record;
      EXPECT_EQ(record.substr(36), "\r\n");
      tags.push_back(record.substr(0, 4));
    }
    EXPECT_EQ(tags, s.tags) << "after " << s.ms << " ms";
  }
}

TEST(SimMonitor, ValuesMoveWithinTheirRanges) {
  Controller c;
  ask(c, "S~0001\r");
  std::set<int> throttle, motor1, heading;
  for (int i = 0; i < 3000; ++i) {
    c.advance(20);
    const std::string record = joined(c.takeOutput());
    ASSERT_EQ(record.size(), 38u);
    const Record r = parseRecord(record);
    for (int f = 0; f < 8; ++f) {
      const int v = r.fields[f];
      if (r.tag == "CHDA" || r.tag == "MSDA") {
        EXPECT_GE(v, 1000) << record;
        EXPECT_LE(v, 2000) << record;
      }
    }
    if (r.tag == "CHDA") throttle.insert(r.fields[2]);
    if (r.tag == "MSDA") motor1.insert(r.fields[0]);
    if (r.tag == "SSDA") {
      heading.insert(r.fields[0]);
      EXPECT_LE(r.fields[0], 359) << record;
      EXPECT_GT(r.fields[1], 0) << "sonar " << record;
      EXPECT_GE(r.fields[2], 0) << "barometer " << record;
    }
  }
  EXPECT_GT(throttle.size(), 20u);
  EXPECT_GT(motor1.size(), 20u);
  EXPECT_GT(heading.size(), 100u);
}

TEST(SimMonitor, StopEndsTheStream) {
  Controller c;
  ask(c, "S~0001\r");
  c.advance(40);
  c.takeOutput();
  EXPECT_EQ(ask(c, "S~0000\r"), std::vector<std::string>{"S~0000\r\n"});
  c.advance(1000);
  EXPECT_FALSE(c.hasOutput());
  EXPECT_FALSE(c.monitorOn());
}

TEST(SimMonitor, UntakenOutputStaysBounded) {
  Controller c;
  ask(c, "S~0001\r");
  for (int hour = 0; hour < 10; ++hour) c.advance(3600u * 1000u);
  EXPECT_LE(c.queuedOutput(), Controller::kOutputLimit);
  EXPECT_LE(joined(c.takeOutput()).size(), Controller::kOutputLimit);
  c.advance(20);
  EXPECT_EQ(joined(c.takeOutput()).size(), 38u) << "the stream goes on once the queue is taken";
}

// ---------------------------------------------------------------- loader

Bytes packet(uint8_t kind, uint32_t sequence, const Bytes& payload = {}) {
  Bytes p(64, 0);
  p[0] = kind;
  for (int i = 0; i < 4; ++i) p[4 + static_cast<size_t>(i)] = static_cast<uint8_t>(sequence >> (8 * i));
  std::copy(payload.begin(), payload.begin() + static_cast<std::ptrdiff_t>(std::min<size_t>(payload.size(), 56)),
            p.begin() + 8);
  return p;
}

Bytes le32(uint32_t v) { return {uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24)}; }

uint32_t readLe32(const Bytes& b, size_t at) {
  return uint32_t(b[at]) | uint32_t(b[at + 1]) << 8 | uint32_t(b[at + 2]) << 16 | uint32_t(b[at + 3]) << 24;
}

struct Reply {
  uint8_t kind = 0;
  uint32_t sequence = 0, sum = 0;
};

// Sends one packet and returns the single 64-byte reply, checking its fixed zero bytes.
Reply sendPacket(Controller& c, const Bytes& p) {
  c.receive(p.data(), p.size());
  const auto out = c.takeOutput();
  EXPECT_EQ(out.size(), 1u);
  if (out.size() != 1 || out[0].size() != 64) {
    ADD_FAILURE() << "no 64-byte reply";
    return {};
  }
  const Bytes& r = out[0];
  EXPECT_EQ(r[1] | r[2] | r[3], 0);
  EXPECT_TRUE(std::all_of(r.begin() + 12, r.end(), [](uint8_t b) { return b == 0; }));
  return {r[0], readLe32(r, 4), readLe32(r, 8)};
}

Bytes testImage(size_t size) {
  Bytes image(size);
  for (size_t i = 0; i < size; ++i) image[i] = static_cast<uint8_t>(i * 37 + 11);
  return image;
}

// The whole upload as the window makes it; returns the final reply.
Reply upload(Controller& c, const Bytes& image) {
  EXPECT_EQ(ask(c, "UP" + c.kind + "\r"), std::vector<std::string>{"RADY\r\n"});
  EXPECT_TRUE(c.inLoader());
  uint32_t seq = 1, sum = 0;
  Reply r = sendPacket(c, packet(0xA0, seq));
  EXPECT_EQ(r.kind, 0xA0);
  EXPECT_EQ(r.sequence, seq + 1);
  EXPECT_EQ(r.sum, 0u);
  for (size_t at = 0; at < image.size(); at += 56) {
    Bytes data(image.begin() + static_cast<std::ptrdiff_t>(at),
               image.begin() + static_cast<std::ptrdiff_t>(std::min(at + 56, image.size())));
    data.resize(56, 0);
    for (uint8_t b : data) sum += b;
    r = sendPacket(c, packet(0xA5, ++seq, data));
    EXPECT_EQ(r.kind, 0xA5);
    EXPECT_EQ(r.sequence, seq + 1);
    EXPECT_EQ(r.sum, sum);
  }
  r = sendPacket(c, packet(0xC8, ++seq, le32(sum)));
  EXPECT_EQ(r.sequence, seq + 1);
  EXPECT_EQ(r.sum, sum);
  EXPECT_TRUE(c.lastSumMatched());
  return sendPacket(c, packet(0xA6, ++seq));
}

TEST(SimLoader, UploadCommitsTheImageWithItsZeroFill) {
  for (size_t size : {1u, 55u, 56u, 57u, 1000u}) {
    Controller c;
    const Bytes image = testImage(size);
    const size_t packets = (size + 55) / 56;
    const Reply last = upload(c, image);
    EXPECT_EQ(last.kind, 0xA6);
    EXPECT_EQ(last.sequence, packets + 4) << "the finish reply expects N + 3";
    Bytes expected = image;
    expected.resize(packets * 56, 0);
    EXPECT_EQ(c.flash(), expected) << size << " bytes";
    EXPECT_FALSE(c.inLoader());
    EXPECT_EQ(c.restarts(), 1);
    EXPECT_EQ(ask(c, "?V\r"), std::vector<std::string>{"?V\r 2015\r\n"}) << "the application answers again";
  }
}

TEST(SimLoader, OnlyTheMatchingKindEntersTheLoader) {
  struct Case {
    std::string kind, command;
    bool enters;
  } cases[] = {
      {"TKVR", "UPTKVR\r", true},
      {"TKVR", "UPPXOJ\r", false},
      {"PXOJ", "UPPXOJ\r", true},
      {"PXOJ", "UPTKVR\r", false},
  };
  for (const Case& k : cases) {
    Controller c;
    c.kind = k.kind;
    EXPECT_EQ(ask(c, k.command), k.enters ? std::vector<std::string>{"RADY\r\n"} : std::vector<std::string>{})
        << k.kind << " " << k.command;
    EXPECT_EQ(c.inLoader(), k.enters);
    if (!k.enters) {
      EXPECT_EQ(queried(c, 'V'), 2015);
    }
  }
}

TEST(SimLoader, OutOfSequencePacketIsRefusedWithTheSequenceExpected) {
  Controller c;
  ask(c, "UPTKVR\r");
  sendPacket(c, packet(0xA0, 1));
  Reply r = sendPacket(c, packet(0xA5, 5, Bytes(56, 1)));
  EXPECT_EQ(r.sequence, 2u);
  EXPECT_EQ(r.sum, 0u) << "refused data is not summed";
  r = sendPacket(c, packet(0xA5, 2, Bytes(56, 1)));
  EXPECT_EQ(r.sequence, 3u);
  EXPECT_EQ(r.sum, 56u);
}

TEST(SimLoader, SumPacketRecordsWhetherTheWindowAgreed) {
  Controller c;
  ask(c, "UPTKVR\r");
  sendPacket(c, packet(0xA0, 1));
  sendPacket(c, packet(0xA5, 2, Bytes(56, 2)));
  sendPacket(c, packet(0xC8, 3, le32(113)));
  EXPECT_FALSE(c.lastSumMatched());
}

TEST(SimLoader, StartPacketBeginsAFreshImage) {
  Controller c;
  ask(c, "UPTKVR\r");
  sendPacket(c, packet(0xA0, 1));
  sendPacket(c, packet(0xA5, 2, Bytes(56, 9)));
  const Reply r = sendPacket(c, packet(0xA0, 1));
  EXPECT_EQ(r.sequence, 2u);
  EXPECT_EQ(r.sum, 0u);
  sendPacket(c, packet(0xA5, 2, Bytes(56, 4)));
  sendPacket(c, packet(0xC8, 3, le32(56 * 4)));
  sendPacket(c, packet(0xA6, 4));
  EXPECT_EQ(c.flash(), Bytes(56, 4));
}

TEST(SimLoader, IdleLoaderRestartsTheApplication) {
  Controller c;
  ask(c, "UPTKVR\r");
  c.receive(Bytes(10, 0xA0).data(), 10);  // a packet begun and never finished
  c.advance(Controller::kLoaderIdleMs - 1);
  EXPECT_TRUE(c.inLoader());
  c.advance(1);
  EXPECT_FALSE(c.inLoader());
  EXPECT_EQ(c.restarts(), 1);
  EXPECT_EQ(queried(c, 'V'), 2015);
}

// ---------------------------------------------------------------- faults

TEST(SimFaults, ShapeTheNextAnswerOnly) {
  struct Case {
    const char* name;
    void (*arm)(Faults&);
    std::vector<std::string> first;
    bool vanishes;
  } cases[] = {
      {"split", [](Faults& f) { f.splitAt = {3, 7}; }, {"?C\r", " 004", "5\r\n"}, false},
      {"split unordered, out of range", [](Faults& f) { f.splitAt = {20, 5, 0, 10}; }, {"?C\r 0", "045\r\n"}, false},
      {"drop", [](Faults& f) { f.dropAnswers = 1; }, {}, false},
      {"corrupt", [](Faults& f) { f.corruptByte = 4; }, {std::string("?C\r ") + "\x10" + "045\r\n"}, false},
      {"corrupt past end", [](Faults& f) { f.corruptByte = 10; }, {"?C\r 0045\r\n"}, false},
      {"extra", [](Faults& f) { f.extraBytes = {'x', 'y'}; }, {"?C\r 0045\r\nxy"}, false},
      {"extra then split",
       [](Faults& f) {
         f.extraBytes = {'x', 'y'};
         f.splitAt = {11};
       },
       {"?C\r 0045\r\nx", "y"},
       false},
      {"vanish inside", [](Faults& f) { f.vanishAfterBytes = 5; }, {"?C\r 0"}, true},
      {"vanish at end", [](Faults& f) { f.vanishAfterBytes = 10; }, {"?C\r 0045\r\n"}, true},
      {"vanish later", [](Faults& f) { f.vanishAfterBytes = 11; }, {"?C\r 0045\r\n"}, false},
  };
  for (const Case& k : cases) {
    Controller c;
    c.setValue('C', 45);
    k.arm(c.faults);
    const bool vanishArmed = c.faults.vanishAfterBytes >= 0;
    EXPECT_EQ(ask(c, "?C\r"), k.first) << k.name;
    EXPECT_EQ(c.vanished(), k.vanishes) << k.name;
    const auto second = ask(c, "?C\r");
    if (k.vanishes) {
      EXPECT_TRUE(second.empty()) << k.name;
    } else if (!vanishArmed) {
      EXPECT_EQ(second, std::vector<std::string>{"?C\r 0045\r\n"}) << k.name << ": fault must be used up";
    }
  }
}

TEST(SimFaults, VanishedControllerHearsNothingUntilRestarted) {
  Controller c;
  c.faults.vanishAfterBytes = 0;
  EXPECT_TRUE(c.vanished());
  EXPECT_TRUE(ask(c, "S~0001\r").empty());
  EXPECT_FALSE(c.monitorOn());
  c.restart();
  EXPECT_FALSE(c.vanished());
  EXPECT_EQ(queried(c, 'V'), 2015);
}

TEST(SimFaults, LoaderReplyReportsWrongSumOrSequenceOnce) {
  struct Case {
    bool wrongSum, wrongSequence;
  } cases[] = {{true, false}, {false, true}, {true, true}};
  for (const Case& k : cases) {
    Controller c;
    ask(c, "UPTKVR\r");
    sendPacket(c, packet(0xA0, 1));
    c.faults.wrongSum = k.wrongSum;
    c.faults.wrongSequence = k.wrongSequence;
    Reply r = sendPacket(c, packet(0xA5, 2, Bytes(56, 1)));
    EXPECT_EQ(r.sum, k.wrongSum ? 57u : 56u);
    EXPECT_EQ(r.sequence, k.wrongSequence ? 4u : 3u);
    r = sendPacket(c, packet(0xA5, 3, Bytes(56, 1)));
    EXPECT_EQ(r.sum, 112u);
    EXPECT_EQ(r.sequence, 4u);
  }
}

TEST(SimFaults, RestartForgetsPartialInputAndLeavesEveryMode) {
  Controller c;
  ask(c, "S~0001\r");
  c.receive("?C");
  c.restart();
  EXPECT_FALSE(c.monitorOn());
  EXPECT_TRUE(ask(c, "\r").empty());
  c.advance(100);
  EXPECT_FALSE(c.hasOutput());

  ask(c, "UPTKVR\r");
  c.receive(Bytes(30, 0xA5).data(), 30);
  c.restart();
  EXPECT_FALSE(c.inLoader());
  EXPECT_EQ(c.restarts(), 2);
  EXPECT_EQ(queried(c, 'V'), 2015);
}

TEST(SimFaults, MuteAnswersNCommandsOrPacketsThenNothing) {
  const Bytes a0 = packet(0xA0, 1), a5 = packet(0xA5, 2, Bytes(56, 1));
  struct Step {
    std::string command;
    bool answered;
  };
  struct Case {
    const char* name;
    int muteAfter;
    std::vector<Step> steps;
    int valueOfC;  // what "?C" holds afterwards: a command not answered is not acted on either
  } cases[] = {
      {"silent from the start", 0, {{"?C\r", false}, {"SC0007\r", false}, {"?W\r", false}}, 50},
      {"two then silent", 2, {{"?C\r", true}, {"SC0007\r", true}, {"SC0009\r", false}, {"?C\r", false}}, 7},
      {"an unknown query counts as heard", 1, {{"?Q\r", false}, {"?C\r", false}}, 50},
      {"noise is not a command", 1, {{"\r\r", false}, {"?C\r", true}, {"?C\r", false}}, 50},
      {"the loader stops midway", 2,
       {{"UPTKVR\r", true}, {text(a0), true}, {text(a5), false}, {text(packet(0xA5, 3)), false}}, 50},
      {"never", -1, {{"?C\r", true}, {"SC0007\r", true}, {"?C\r", true}}, 7},
  };
  for (const Case& k : cases) {
    Controller c;
    c.faults.muteAfterCommands = k.muteAfter;
    size_t heard = 0;
    for (const Step& step : k.steps) {
      EXPECT_EQ(!ask(c, step.command).empty(), step.answered) << k.name << ": " << step.command;
      if (step.command.find_first_not_of('\r') != std::string::npos) ++heard;
    }
    EXPECT_EQ(c.log().size(), heard) << k.name << ": a silent controller still hears every command";
    EXPECT_EQ(c.muted(), k.muteAfter >= 0) << k.name;
    c.restart();
    EXPECT_FALSE(c.muted()) << k.name << ": a power cycle brings it back";
    EXPECT_EQ(queried(c, 'C'), k.valueOfC) << k.name;
  }
}

TEST(SimFaults, MuteStopsTheMonitorStreamToo) {
  Controller c;
  c.faults.muteAfterCommands = 1;
  EXPECT_EQ(ask(c, "S~0001\r"), std::vector<std::string>{"S~0001\r\n"});
  EXPECT_TRUE(c.muted());
  c.advance(200);
  EXPECT_FALSE(c.hasOutput()) << "the start is echoed, then not one record";

  Controller d;
  ask(d, "S~0001\r");
  d.advance(60);
  EXPECT_EQ(d.takeOutput().size(), 3u);
  d.faults.muteAfterCommands = 0;  // silent at once, midway through the stream
  d.advance(200);
  EXPECT_FALSE(d.hasOutput());
}

// ---------------------------------------------------------------- input framing

std::string sessionScript() {
  std::string s = "?C\rSC0007\r?C\rSP0003\r?P\rSj0002\r?j\rS~0001\rS~0000\r?W\r?Q\rUPTKVR\r";
  auto add = [&](const Bytes& p) { s.append(p.begin(), p.end()); };
  add(packet(0xA0, 1));
  add(packet(0xA5, 2, Bytes(56, 3)));
  add(packet(0xC8, 3, le32(168)));
  add(packet(0xA6, 4));
  return s + "?V\r";
}

TEST(SimInput, PiecesOfAnySizeAnswerLikeTheWhole) {
  const std::string script = sessionScript();
  Controller whole;
  whole.receive(script);
  const Chunks expected = whole.takeOutput();
  ASSERT_EQ(expected.size(), 16u);  // 10 commands answered, RADY, 4 packets, ?V
  for (size_t piece : {1u, 2u, 5u, 63u, 64u, 65u}) {
    Controller c;
    for (size_t at = 0; at < script.size(); at += piece) c.receive(std::string_view(script).substr(at, piece));
    EXPECT_EQ(c.takeOutput(), expected) << "pieces of " << piece;
    EXPECT_EQ(c.log(), whole.log()) << "pieces of " << piece;
    EXPECT_EQ(c.flash(), Bytes(56, 3));
  }
}

TEST(SimInput, NoiseWithoutCrStaysBoundedAndResyncs) {
  Controller c;
  const std::string noise(4096, 'x');
  for (int i = 0; i < 256; ++i) {
    c.receive(noise);
    ASSERT_LE(c.bufferedInput(), Controller::kMaxLine);
  }
  EXPECT_FALSE(c.hasOutput());
  EXPECT_EQ(queried(c, 'V'), 2015);
}

TEST(SimInput, NoiseBeforeACommandIsIgnored) {
  struct Case {
    std::string input;
    std::vector<std::string> answer;
  } cases[] = {
      {"\n\n?V\r", {"?V\r 2015\r\n"}},
      {"xyzSC0007\r", {"SC0007\r\n"}},
      {"\x01\x02UPTKVR\r", {"RADY\r\n"}},
      {"\r\r\r", {}},
      {"V\r", {}},
  };
  for (const Case& k : cases) {
    Controller c;
    EXPECT_EQ(ask(c, k.input), k.answer);
  }
}

TEST(SimLog, KeepsEveryCommandAndPacketAndCountsBytes) {
  Controller c;
  ask(c, "?C\r");
  ask(c, "SC0007\r");
  ask(c, "?Q\r");
  ask(c, "UPTKVR\r");
  sendPacket(c, packet(0xA0, 1));
  sendPacket(c, packet(0xA5, 2));
  EXPECT_EQ(c.log(), (std::vector<std::string>{"?C\r", "SC0007\r", "?Q\r", "UPTKVR\r", "PKT A0 seq=1", "PKT A5 seq=2"}));
  EXPECT_EQ(c.bytesReceived(), 3u + 7 + 3 + 7 + 64 + 64);
  EXPECT_EQ(c.bytesSent(), 10u + 8 + 6 + 64 + 64);
}

// ---------------------------------------------------------------- ways of a real board

TEST(SimRealBoard, BootDelayNoiseOnOpenAndSlowFlash) {
  using namespace zorv::test;
  const std::string noise("\0\xFF\r", 3);
  const std::string answerC = "?C\r 0050\r\n";
  struct Case {
    const char* name;
    uint32_t bootDelayMs, slowFlashMs;
    std::string noise;
    std::vector<PeerStep> script;
  } cases[] = {
      {"an open changes nothing by default", 0, 0, "", {opened(), dueIn(UINT32_MAX), sent("?C\r"), out(answerC)}},
      {"booting: deaf until the delay has passed",
       1500, 0, "",
       {opened(), dueIn(1500), sent("?C\r"), out(""), after(1499), sent("?C\r"), out(""), after(1), sent("?C\r"),
        out(answerC)}},
      {"booting: again after each open",
       100, 0, "",
       {opened(), after(100), sent("?C\r"), out(answerC), opened(), sent("?C\r"), out(""), after(100), sent("?C\r"),
        out(answerC)}},
      {"booting: a command cut by the end of the boot is not taken",
       100, 0, "", {opened(), sent("?C"), after(100), sent("\r"), out(""), sent("?C\r"), out(answerC)}},
      {"booting: the stream sends nothing meanwhile and goes on after",
       50, 0, "",
       {opened(), after(50), sent("S~0001\r"), out("S~0001\r\n"), after(20), outSize(38), opened(), after(40), out(""),
        after(20), outSize(38)}},
      {"noise: once each time the port opens, before anything else",
       0, 0, noise, {opened(), out(noise), sent("?C\r"), out(answerC), opened(), out(noise)}},
      {"noise and booting: the noise, then silence",
       300, 0, noise, {opened(), out(noise), sent("?C\r"), out(""), after(300), sent("?C\r"), out(answerC)}},
      {"slow flash: RADY comes late",
       0, 2000, "", {sent("UPTKVR\r"), out(""), dueIn(2000), after(1999), out(""), after(1), out("RADY\r\n")}},
      {"slow flash: the loader does not give up while it erases",
       0, 5000, "", {sent("UPTKVR\r"), after(4999), out(""), after(1), out("RADY\r\n"), dueIn(Controller::kLoaderIdleMs)}},
      {"slow flash: other answers are not held", 0, 2000, "", {sent("?C\r"), out(answerC), sent("?W\r"), out("?W\r TKVR01\r\n")}},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.name);
    Controller c;
    c.bootDelayMs = k.bootDelayMs;
    c.slowFlashMs = k.slowFlashMs;
    c.noiseOnOpen.assign(k.noise.begin(), k.noise.end());
    runPeerScript(c, k.script);
  }
}

TEST(SimRealBoard, SlowFlashHoldsTheFinishReplyAndTheCommit) {
  Controller c;
  c.slowFlashMs = 1000;
  c.receive("UPTKVR\r");
  c.advance(1000);
  EXPECT_EQ(texts(c.takeOutput()), std::vector<std::string>{"RADY\r\n"});
  sendPacket(c, packet(0xA0, 1));
  sendPacket(c, packet(0xA5, 2, Bytes(56, 7)));
  sendPacket(c, packet(0xC8, 3, le32(56 * 7)));
  const Bytes finish = packet(0xA6, 4);
  c.receive(finish.data(), finish.size());
  EXPECT_FALSE(c.hasOutput());
  EXPECT_TRUE(c.inLoader()) << "still writing";
  EXPECT_TRUE(c.flash().empty());
  EXPECT_EQ(c.msUntilDue(), 1000u);
  c.advance(Controller::kLoaderIdleMs - 1);
  const auto out = c.takeOutput();
  ASSERT_EQ(out.size(), 1u);
  EXPECT_EQ(out[0][0], 0xA6);
  EXPECT_EQ(readLe32(out[0], 4), 5u);
  EXPECT_EQ(c.flash(), Bytes(56, 7));
  EXPECT_FALSE(c.inLoader());
  EXPECT_EQ(c.restarts(), 1);
}

TEST(SimRealBoard, SettingsSurviveAnUpgradeOrComeBackAsDefaultSetZero) {
  const int setZeroStability = defaultSet(0)[0].value;
  ASSERT_EQ(defaultSet(0)[0].letter, 'C');
  for (const bool defaults : {false, true}) {
    SCOPED_TRACE(defaults ? "defaults after upgrade" : "settings survive");
    Controller c;
    c.defaultsAfterUpgrade = defaults;
    ask(c, "SC0077\r");
    ask(c, "SL0345\r");
    upload(c, testImage(100));
    EXPECT_EQ(queried(c, 'C'), defaults ? setZeroStability : 77);
    EXPECT_EQ(queried(c, 'L'), defaults ? defaultSet(0)[14].value : 345);
    EXPECT_EQ(queried(c, 'j'), defaults ? 0 : kPowerOnDefaultSet);
    EXPECT_EQ(queried(c, 'V'), 2015) << "values outside the sets stay";
  }
}

// SimPort opens the controller: what it sends at the open comes as a receive event of its own,
// after the window has discarded what was pending.
TEST(SimRealBoard, NoiseOnOpenReachesTheWindowAfterItsDiscard) {
  SimPort port;
  port.controller().noiseOnOpen = {0x00, 0xFF};
  std::vector<std::vector<uint8_t>> events;
  port.onReceive = [&] { events.push_back(port.readAll()); };
  for (int open = 0; open < 2; ++open) {
    ASSERT_TRUE(port.open());
    port.discardInput();
    port.write("?C\r");
    port.deliverAll();
    port.close();
  }
  const std::string reply = "?C\r 0050\r\n";
  const std::vector<std::vector<uint8_t>> expected = {
      {0x00, 0xFF}, {reply.begin(), reply.end()}, {0x00, 0xFF}, {reply.begin(), reply.end()}};
  EXPECT_EQ(events, expected);
}

TEST(SimRealBoard, CommandLineOptions) {
  struct Case {
    std::vector<std::string> args;
    int exitCode;
    uint32_t bootDelayMs, slowFlashMs;
    std::vector<uint8_t> noise;
    bool defaults;
    std::string replay, mentions;
  } cases[] = {
      {{"--boot-delay", "1500", "--slow-flash", "2500"}, -1, 1500, 2500, {}, false, "", ""},
      {{"--noise-on-open", "00 ff:0D,0a", "--defaults-after-upgrade"}, -1, 0, 0, {0x00, 0xFF, 0x0D, 0x0A}, true, "", ""},
      {{"--replay", "t.log", "--pace", "--quiet"}, -1, 0, 0, {}, false, "t.log", ""},
      {{"--boot-delay", "600001"}, 2, 0, 0, {}, false, "", "--boot-delay takes milliseconds from 0 to 600000, not '600001'"},
      {{"--slow-flash", "-5"}, 2, 0, 0, {}, false, "", "--slow-flash takes milliseconds"},
      {{"--boot-delay"}, 2, 0, 0, {}, false, "", "Missing value after '--boot-delay'"},
      {{"--noise-on-open", "0"}, 2, 0, 0, {}, false, "", "bytes in hexadecimal, such as '00 FF 0D', not '0'"},
      {{"--noise-on-open", "GG"}, 2, 0, 0, {}, false, "", "not 'GG'"},
      {{"--noise-on-open", ""}, 2, 0, 0, {}, false, "", "not ''"},
      {{"--noise-on-open", std::string(3 * 257, ' ') + std::string(2 * 257, 'A')}, 2, 0, 0, {}, false, "", "1 to 256 bytes"},
      {{"--replay"}, 2, 0, 0, {}, false, "", "Missing value after '--replay'"},
      {{"--replay", "t.log", "--kind", "PXOJ"}, 2, 0, 0, {}, false, "", "--kind cannot go with it"},
      {{"--boot-delay", "10", "--replay", "t.log"}, 2, 0, 0, {}, false, "", "--boot-delay cannot go with it"},
  };
  for (const Case& k : cases) {
    std::vector<std::string> arguments{"corvex-sim"};
    arguments.insert(arguments.end(), k.args.begin(), k.args.end());
    SCOPED_TRACE(k.args[0] + (k.args.size() > 1 ? " " + k.args[1].substr(0, 20) : ""));
    const SimCommandLine got = parseSimCommandLine(arguments);
    ASSERT_EQ(got.exitCode, k.exitCode) << got.err;
    if (k.exitCode == 2) {
      EXPECT_NE(got.err.find(k.mentions), std::string::npos) << got.err;
      continue;
    }
    EXPECT_EQ(got.options.bootDelayMs, k.bootDelayMs);
    EXPECT_EQ(got.options.slowFlashMs, k.slowFlashMs);
    EXPECT_EQ(got.options.noiseOnOpen, k.noise);
    EXPECT_EQ(got.options.defaultsAfterUpgrade, k.defaults);
    EXPECT_EQ(got.options.replayPath, k.replay);
  }
}

}  // namespace
}  // namespace zorv::sim
