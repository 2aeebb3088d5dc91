// Values beyond a parameter's scale. Typed: they stay in the box and the release sends the end
// of the scale. Reported by the controller: kept as reported, shown as far as the control can,
// told once per read-back, no range warning, nothing sent for them, saved as they are; a file
// holding them is taken with its lines listed (zorvctl's tests load one both ways).

#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <string>
#include <vector>

#include "core/beyond_scale.h"
#include "core/param_catalogue.h"
#include "core/text_number.h"
#include "files/param_file_format.h"
#include "tests/support/harness.h"
#include "tests/support/pilot.h"
#include "tests/support/read_file.h"
#include "tests/support/test_names.h"

namespace zorv::test {
namespace {

// The value field of line n of a saved file.
std::string savedField(const std::string& file, int n) {
  size_t at = 0;
  for (int i = 0; i < n; ++i) at = file.find('\n', at) + 1;
  return file.substr(at + 13, file.find('\r', at) - at - 13);
}

std::string save(Harness& h) {
  saveTo(h, h.path("saved.txt"));
  return readFile(h.path("saved.txt"));
}

int boxesStartingWith(const Harness& h, const std::string& start) {
  int n = 0;
  for (const auto& box : h.prompts.shown) n += box.text.rfind(start, 0) == 0;
  return n;
}

struct Typed {
  const char* name;
  int box;
  int slider;
  int index;
  const char* text;
  int released;  // what the slider's release sends and the table then holds
};
void PrintTo(const Typed& t, std::ostream* os) { *os << t.name; }

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
                         ::testing::Values(Typed{"AlarmAbove", 1074, 1055, 14, "5000", 370},
                                           Typed{"AlarmBelow", 1074, 1055, 14, "3", 280},
                                           Typed{"StabilityAbove", 1063, 1038, 3, "150", 100},
                                           Typed{"GimbalBelow", 1072, 1046, 12, "-150", -100}),
                         RowName());

TEST(TypedBeyondTheScale, TypingTheAlarmVoltageDigitByDigitStillWorks) {
  Harness h;
  const int held = h.core.st.ParamValues[14];
  for (const char* partial : {"3", "35"}) {
    h.win.userType(ids::kAlarmEdit, partial);
    EXPECT_EQ(h.win.text(ids::kAlarmEdit), partial);
    EXPECT_EQ(h.core.st.ParamValues[14], held) << partial;
  }
  h.win.userType(ids::kAlarmEdit, "355");
  EXPECT_EQ(h.core.st.ParamValues[14], 355);
  EXPECT_EQ(h.win.sliderPos(ids::kAlarmSlider), 355);
  h.sent();
  h.win.userRelease(ids::kAlarmSlider);
  EXPECT_EQ(h.sent(), "SL0355\r");
}

struct Reported {
  const char* name;
  char letter;
  int stored;         // what the controller holds (as it answers the query)
  int index;
  int kept;           // ParamValues after the read-back
  int control;        // its box, or its list
  const char* shown;  // the box's text, or the list's item ("" for none)
  const char* told;   // the entry in the message, "" for no message
};
void PrintTo(const Reported& r, std::ostream* os) { *os << r.name; }

class ReportedBeyondTheScale : public ::testing::TestWithParam<Reported> {};

TEST_P(ReportedBeyondTheScale, IsKeptShownToldOnceAndSavedAsItIs) {
  const Reported& r = GetParam();
  Harness h(false);
  h.ctrl.setValue(r.letter, r.stored);
  h.connect();
  EXPECT_EQ(h.core.st.ParamValues[static_cast<size_t>(r.index)], r.kept);
  EXPECT_EQ(h.win.text(r.control), r.shown);
  EXPECT_EQ(boxesStartingWith(h, kBeyondScaleOpening), *r.told ? 1 : 0);
  if (*r.told) {
    EXPECT_EQ(h.prompts.shown.front().text, std::string(kBeyondScaleOpening) + r.told +
                                                ". They are kept and saved as they are; nothing is sent unless "
                                                "you change them.");
  }
  EXPECT_TRUE(h.win.isEnabled(ids::kSaveButton)) << "the read-back went on to the end";

  // Later exchanges read the controls without a range warning, and nothing goes out for it.
  h.sent();
  h.win.userSelect(ids::kServoRateList, 1);
  h.win.userSetSlider(1081, 40);
  EXPECT_EQ(h.sent(), "SP0003\rSZ0040\r");
  const std::string file = save(h);
  EXPECT_EQ(boxesStartingWith(h, "Please enter an integer"), 0);
  const std::string expected = paramFileLine(r.index, r.kept).substr(13);
  EXPECT_EQ(savedField(file, r.index + 1), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Replies, ReportedBeyondTheScale,
    ::testing::Values(Reported{"StabilityNegative", 'C', -12, 3, -12, 1063, "-12", "Stability level -12 (0 to 100)"},
                      Reported{"StabilityAbove", 'C', 150, 3, 150, 1063, "150", "Stability level 150 (0 to 100)"},
                      Reported{"AlarmAbove", 'L', 400, 14, 400, 1074, "400", "Alarm voltage 400 (280 to 370)"},
                      // Zero is asked again three times; the pilot is told once it is taken.
                      Reported{"AlarmZero", 'L', 0, 14, 0, 1074, "0", "Alarm voltage 0 (280 to 370)"},
                      Reported{"GimbalAbove", 'J', 250, 12, 150, 1072, "150", "Gimbal pitch 150 (-100 to 100)"},
                      Reported{"ModelTypeNotInTheList", 'A', 20, 0, 20, 1032, "", "Model type 20 (1 to 14)"},
                      Reported{"EscRateNotInTheList", 'B', 7, 1, 7, 1033, "", "ESC rate 7 (1 to 6)"},
                      Reported{"StabilityInside", 'D', 55, 4, 55, 1067, "55", ""},
                      Reported{"ModelTypeInside", 'A', 14, 0, 14, 1032, "14--FIXED_WING", ""}),
    RowName());

TEST(ReportedBeyondTheScale, EveryValueOfOneReadBackIsToldInOneMessage) {
  Harness h(false);
  h.ctrl.setValue('C', 150);
  h.ctrl.setValue('A', 20);
  h.connect();
  ASSERT_EQ(h.prompts.shown.size(), 1u);
  EXPECT_EQ(h.prompts.shown[0].text,
            "The controller holds values this tool does not know: Model type 20 (1 to 14), Stability level 150 "
            "(0 to 100). They are kept and saved as they are; nothing is sent unless you change them.");
}

// A file with one field replaced, read back: the line is listed and the file taken.
struct FileCase {
  const char* name;
  int line;            // counted from 0, as the file's lines
  const char* field;   // put in place of the line's four digits
  const char* listed;  // the value as the loader's question shows it
  bool sent;           // as it stands (true) or skipped
  const char* known;
};
void PrintTo(const FileCase& c, std::ostream* os) { *os << c.name; }

class FileBeyondTheScale : public ::testing::TestWithParam<FileCase> {};

TEST_P(FileBeyondTheScale, IsTakenWithItsLineListed) {
  const FileCase& c = GetParam();
  std::array<int32_t, kParamCount> values{};
  for (int i = 0; i < kParamCount; ++i) values[static_cast<size_t>(i)] = paramScale(i).lo;
  std::string file = writeParamFile(3, values);
  size_t at = 0;
  for (int i = 0; i < c.line; ++i) at = file.find('\n', at) + 1;
  file.replace(at + 13, 4, c.field);
  const ParamFileReading reading = readParamFile(file);
  ASSERT_TRUE(reading.ok) << reading.refusal;
  ASSERT_EQ(reading.unknown.size(), 1u);
  const ParamFileReading::Unknown& u = reading.unknown[0];
  EXPECT_EQ(u.line, c.line + 1);
  EXPECT_EQ(u.label, paramLabels()[static_cast<size_t>(c.line - 1)]);
  EXPECT_EQ(u.field, c.listed);
  EXPECT_EQ(u.sent, c.sent);
  EXPECT_EQ(u.known, c.known);
  EXPECT_EQ(reading.lines[static_cast<size_t>(c.line)], c.sent ? c.listed : "") << "the chain skips an empty line";
}

INSTANTIATE_TEST_SUITE_P(Lines, FileBeyondTheScale,
                         ::testing::Values(FileCase{"ServoRateThree", 3, "0003", "0003", true, "0001 to 0002"},
                                           FileCase{"StabilityFiveDigits", 4, "12345", "12345", false, "0000 to 0100"},
                                           FileCase{"GimbalAbove", 13, "0201", "0201", true, "0000 to 0200"},
                                           FileCase{"GimbalNegative", 13, "-12", "-12", false, "0000 to 0200"},
                                           FileCase{"AlarmBelow", 15, "0279", "0279", true, "0280 to 0370"}),
                         RowName());

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
      EXPECT_TRUE(r.unknown.empty()) << index << " = " << v;
      const std::string line = paramFileLine(index, v);
      EXPECT_EQ(r.lines[static_cast<size_t>(index) + 1], line.substr(13, 4)) << index << " = " << v;
    }
  }
}

}  // namespace
}  // namespace zorv::test
