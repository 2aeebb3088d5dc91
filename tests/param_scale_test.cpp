// No value outside a parameter's scale is held in ParamValues, saved, or sent from a file: what
// a user types beyond a slider's scale stays in its box, what a controller reports beyond it is
// shown but kept at the end of the scale (and the user is told), a saved file holding such a
// value is refused naming its line, and every value the table can hold is saved and loaded back
// unchanged.

#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "files/param_file_format.h"
#include "core/param_catalogue.h"
#include "core/text_number.h"
#include "tests/support/harness.h"
#include "tests/support/read_file.h"

namespace zorv::test {
namespace {

// The value field of line n of a saved file.
std::string savedField(const std::string& file, int n) {
  size_t at = 0;
  for (int i = 0; i < n; ++i) at = file.find('\n', at) + 1;
  return file.substr(at + 13, 4);
}

std::string save(Harness& h) {
  const std::string path = h.path("saved.txt");
  h.prompts.files.push_back(path);
  h.win.userPress(1015);
  return readFile(path);
}

struct Typed {
  int box;
  int slider;
  int index;
  const char* text;
  int released;  // what the slider's release sends and the table then holds
};

class TypedBeyondTheScale : public ::testing::TestWithParam<Typed> {};

TEST_P(TypedBeyondTheScale, StaysInTheBoxUntilTheReleaseBringsItIn) {
  const Typed& t = GetParam();
  Harness h;
  const SliderParam* p = sliderByIndex(t.index);
  const int held = h.core.st.ParamValues[static_cast<size_t>(t.index)];
  ASSERT_EQ(held, h.ctrl.value(p->letter) - p->wireOffset);
  h.sent();
  h.prompts.answers.push_back(Prompts::Answer::Ok);  // a range warning, where the box has one
  h.win.userType(t.box, t.text);
  EXPECT_EQ(h.win.text(t.box), t.text) << "the box keeps what was typed";
  EXPECT_EQ(h.core.st.ParamValues[static_cast<size_t>(t.index)], held);
  const std::string file = save(h);
  EXPECT_EQ(leadingInt(savedField(file, t.index + 1)) - p->wireOffset, held);
  EXPECT_EQ(h.sent(), "");

  const size_t told = h.prompts.shown.size();
  h.win.userRelease(t.slider);
  const int wire = t.released + p->wireOffset;
  EXPECT_EQ(h.sent(), std::string("S") + p->letter + (wire < 100 ? (wire < 10 ? "000" : "00") : "0") +
                          std::to_string(wire) + "\r");
  EXPECT_EQ(h.core.st.ParamValues[static_cast<size_t>(t.index)], t.released);
  EXPECT_EQ(h.win.text(t.box), std::to_string(t.released));
  ASSERT_GT(h.prompts.shown.size(), told) << "the user is told the value was brought into range";
  EXPECT_NE(h.prompts.shown.back().text.find(std::to_string(t.released) + " was sent"), std::string::npos)
      << h.prompts.shown.back().text;
}

INSTANTIATE_TEST_SUITE_P(Boxes, TypedBeyondTheScale,
                         ::testing::Values(Typed{1074, 1055, 14, "5000", 370}, Typed{1074, 1055, 14, "3", 280},
                                           Typed{1063, 1038, 3, "150", 100},
                                           Typed{1072, 1046, 12, "-150", -100}));

TEST(TypedBeyondTheScale, TypingTheAlarmVoltageDigitByDigitStillWorks) {
  Harness h;
  const int held = h.core.st.ParamValues[14];
  for (const char* partial : {"3", "35"}) {
    h.win.userType(1074, partial);
    EXPECT_EQ(h.win.text(1074), partial);
    EXPECT_EQ(h.core.st.ParamValues[14], held) << partial;
  }
  h.win.userType(1074, "355");
  EXPECT_EQ(h.core.st.ParamValues[14], 355);
  EXPECT_EQ(h.win.sliderPos(1055), 355);
  h.sent();
  h.win.userRelease(1055);
  EXPECT_EQ(h.sent(), "SL0355\r");
}

struct Reported {
  char letter;
  int stored;     // what the controller holds
  int index;
  int kept;       // ParamValues after the read-back
  const char* shown;  // the box
  bool told;
};

class ReportedBeyondTheScale : public ::testing::TestWithParam<Reported> {};

TEST_P(ReportedBeyondTheScale, IsShownKeptInTheScaleAndTold) {
  const Reported& r = GetParam();
  Harness h(false);
  h.ctrl.setValue(r.letter, r.stored);
  h.connect();
  const SliderParam* p = sliderByIndex(r.index);
  EXPECT_EQ(h.core.st.ParamValues[static_cast<size_t>(r.index)], r.kept);
  EXPECT_EQ(h.win.text(p->edit), r.shown);
  int told = 0;
  for (const auto& box : h.prompts.shown)
    if (box.text.find("The controller reports") == 0) ++told;
  EXPECT_EQ(told, r.told ? 1 : 0);
  EXPECT_TRUE(h.win.isEnabled(1015)) << "the read-back went on to the end";
  EXPECT_EQ(leadingInt(savedField(save(h), r.index + 1)) - p->wireOffset, r.kept);
}

INSTANTIATE_TEST_SUITE_P(
    Replies, ReportedBeyondTheScale,
    ::testing::Values(Reported{'C', -12, 3, 0, "-12", true}, Reported{'C', 150, 3, 100, "150", true},
                      Reported{'L', 400, 14, 370, "400", true},
                      // Zero is asked again three times; the user is told once it is taken.
                      Reported{'L', 0, 14, 280, "0", true}, Reported{'J', 250, 12, 100, "150", true},
                      Reported{'D', 55, 4, 55, "55", false}, Reported{'L', 280, 14, 280, "280", false}));

struct Refused {
  int line;
  const char* field;
  const char* why;  // part of the reason given
};

class FileBeyondTheScale : public ::testing::TestWithParam<Refused> {};

TEST_P(FileBeyondTheScale, IsRefusedNamingItsLine) {
  const Refused& r = GetParam();
  std::array<int32_t, kParamCount> values{};
  for (int i = 0; i < kParamCount; ++i) values[static_cast<size_t>(i)] = paramScale(i).lo;
  std::string file = writeParamFile(3, values);
  size_t at = 0;
  for (int i = 0; i < r.line; ++i) at = file.find('\n', at) + 1;
  file.replace(at + 13, 4, r.field);
  const ParamFileReading reading = readParamFile(file);
  EXPECT_FALSE(reading.ok);
  EXPECT_EQ(reading.refusal.rfind("line " + std::to_string(r.line + 1) + " ", 0), 0u) << reading.refusal;
  EXPECT_NE(reading.refusal.find(r.why), std::string::npos) << reading.refusal;
}

INSTANTIATE_TEST_SUITE_P(Lines, FileBeyondTheScale,
                         ::testing::Values(Refused{1, "0000", "outside 0001 to 0014"},
                                           Refused{1, "0015", "outside 0001 to 0014"},
                                           Refused{2, "0007", "outside 0001 to 0006"},
                                           Refused{3, "0003", "outside 0001 to 0002"},
                                           Refused{4, "0150", "outside 0000 to 0100"},
                                           Refused{13, "0201", "outside 0000 to 0200"},
                                           Refused{15, "5000", "outside 0280 to 0370"},
                                           Refused{15, "0279", "outside 0280 to 0370"}));

// Every value each parameter can hold, the others at the ends of their scales: the file the
// tool writes is taken back by its own reader, field for field.
TEST(SavedFile, EveryValueTheTableCanHoldLoadsBackUnchanged) {
  for (int index = 0; index < 19; ++index) {
    const ParamScale scale = paramScale(index);
    std::vector<int> tried;
    if (index >= 15) {
      tried = {scale.lo, -12, -1, 0, 1, 999, 1000, scale.hi};  // the cells: a sample
    } else {
      for (int v = scale.lo; v <= scale.hi; ++v) tried.push_back(v);
    }
    for (int v : tried) {
      std::array<int32_t, kParamCount> values{};
      for (int i = 0; i < kParamCount; ++i) values[static_cast<size_t>(i)] = (i + v) % 2 ? paramScale(i).hi : paramScale(i).lo;
      values[static_cast<size_t>(index)] = v;
      const std::string file = writeParamFile(3, values);
      const ParamFileReading r = readParamFile(file);
      ASSERT_TRUE(r.ok) << "parameter " << index << " = " << v << ": " << r.refusal;
      const std::string line = paramFileLine(index, v);
      EXPECT_EQ(r.lines[static_cast<size_t>(index) + 1], line.substr(13, 4)) << index << " = " << v;
    }
  }
}

}  // namespace
}  // namespace zorv::test
