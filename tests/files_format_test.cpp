// The saved parameter file as bytes, and the chain that sends a read file back.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "files/load_chain.h"
#include "files/param_file_format.h"

namespace zorv {
namespace {

std::array<int32_t, kParamCount> sampleValues() {
  std::array<int32_t, kParamCount> v{};
  const int firstNineteen[] = {5, 3, 2, 45, 33, 66, 12, 88, 21, 79, 50, 60, -50, 70, 355, 415, 416, 414, 415};
  for (int i = 0; i < 19; ++i) v[static_cast<size_t>(i)] = firstNineteen[i];
  for (int i = 19; i < kParamCount; ++i) v[static_cast<size_t>(i)] = (i * 7 % 3) == 0 ? 1 : 0;
  return v;
}

std::vector<std::string> linesOf(const std::string& bytes, const std::string& end) {
  std::vector<std::string> out;
  size_t start = 0;
  for (size_t at; (at = bytes.find(end, start)) != std::string::npos; start = at + end.size())
    out.push_back(bytes.substr(start, at - start));
  EXPECT_EQ(start, bytes.size()) << "bytes after the last line end";
  return out;
}

std::string replaceAll(std::string s, const std::string& from, const std::string& to) {
  for (size_t at = 0; (at = s.find(from, at)) != std::string::npos; at += to.size()) s.replace(at, from.size(), to);
  return s;
}

TEST(FilesFormat, ValueFieldsFollowTheFileLayout) {
  struct Case {
    int index, value;
    const char* line;
  } cases[] = {
      {0, 5, "MultiAxisMode0005"},
      {3, 45, "Stabili_level0045"},
      {3, 0, "Stabili_level0000"},
      {12, 0, "PTZ PitchRate0100-100"},
      {12, -100, "PTZ PitchRate0000-100"},
      {13, 100, "PTZ Roll Rate0200-100"},
      {13, -91, "PTZ Roll Rate0009-100"},
      {14, 280, "Alarm Voltage0280"},
      {14, 355, "Alarm Voltage0355"},
      {3, -12, "Stabili_level-12"},      // a negative value as "%d"
      {15, 1234, "Battery1 Volt01234"},  // a cell (never sent) keeps "0%d" whatever its width
      {16, 999, "Battery2 Volt0999"},
      {2, 2, "RudderOutMode0002"},
      {19, 1, "  Battery    1"},
      {43, 0, "AutoSta CH5 L0"},
      {114, 1, "AutoLandCH7 H1"},
  };
  for (const Case& c : cases) EXPECT_EQ(paramFileLine(c.index, c.value), c.line) << c.index << " " << c.value;
}

TEST(FilesFormat, WholeFileIsPortLineThenOneLinePerParameterEndedCrCrLf) {
  const auto values = sampleValues();
  const std::string bytes = writeParamFile(12, values);
  EXPECT_EQ(bytes, writeParamFile(12, values)) << "saving twice gives the same bytes";

  const std::vector<std::string> lines = linesOf(bytes, "\r\r\n");
  ASSERT_EQ(lines.size(), 116u);
  EXPECT_EQ(lines[0], "Current   COM12");
  for (size_t n = 1; n < lines.size(); ++n) {
    EXPECT_EQ(lines[n], paramFileLine(static_cast<int>(n - 1), values[n - 1]));
    EXPECT_EQ(lines[n].find_first_of("\r\n"), std::string::npos) << n;
  }
}

TEST(FilesFormat, WrittenFileReadsBackWithAnyLineEnd) {
  const auto values = sampleValues();
  const std::string written = writeParamFile(3, values);
  const std::string noFinalEnd = written.substr(0, written.size() - 3);
  const std::string variants[] = {written, replaceAll(written, "\r\r\n", "\r\n"), replaceAll(written, "\r\r\n", "\n"),
                                  noFinalEnd, "\xEF\xBB\xBF" + written, written + "\r\n\r\n"};
  for (const std::string& bytes : variants) {
    const ParamFileReading r = readParamFile(bytes);
    ASSERT_TRUE(r.ok) << r.refusal;
    ASSERT_GE(r.lines.size(), 116u);
    EXPECT_EQ(r.lines[0], "3");
    EXPECT_EQ(r.lines[4], "0045");
    EXPECT_EQ(r.lines[13], "0050");  // gimbal pitch -50 plus 100
    EXPECT_EQ(r.lines[14], "0170");
    EXPECT_EQ(r.lines[15], "0355");
    for (size_t n = 20; n < 116; ++n) {
      EXPECT_EQ(r.lines[n], std::to_string(values[n - 1])) << n;
      EXPECT_EQ(r.values[n], values[n - 1]) << n;
    }
  }
}

TEST(FilesFormat, FilesThatCannotBeSentFaithfullyAreRefused) {
  const std::string good = writeParamFile(3, sampleValues());
  auto withLine = [&](size_t n, const std::string& text) {
    std::vector<std::string> lines = linesOf(good, "\r\r\n");
    lines[n] = text;
    std::string out;
    for (const std::string& l : lines) out += l + "\r\r\n";
    return out;
  };
  std::string garbage;
  for (int i = 0; i < 3000; ++i) garbage += static_cast<char>((i * 151 + 7) % 256);

  struct Case {
    const char* name;
    std::string bytes;
    const char* why;  // part of the refusal
  } cases[] = {
      {"empty", "", "empty"},
      {"short", good.substr(0, good.rfind("AutoLandCH7 H")), "115 lines"},
      {"binary garbage", garbage, "lines"},
      {"no port line", withLine(0, "Currently COM3"), "Current   COM"},
      {"wrong label", withLine(5, "AUX Stabilty 0033"), "line 6 does not start with the label \"AUX Stability\""},
      {"label only", withLine(4, "Stabili_level"), "four-digit"},
      {"non-digit value", withLine(4, "Stabili_level00x5"), "line 5 (\"Stabili_level\") does not hold a four-digit"},
      {"five digits", withLine(15, "Alarm Voltage03550"), "four-digit"},
      {"the controller's own negative field", withLine(4, "Stabili_level-012"), "four-digit"},
      {"plus sign", withLine(15, "Alarm Voltage+355"), "four-digit"},
      {"more digits than an int", withLine(15, "Alarm Voltage123456789012"), "four-digit"},
      {"check box 2", withLine(44, "AutoSta CH5 L2"), "line 45 (\"AutoSta CH5 L\") holds \"2\""},
      {"check box empty", withLine(20, "  Battery    "), "0 or 1"},
      {"cell value text", withLine(16, "Battery1 Voltabc"), "cell value"},
  };
  for (const Case& c : cases) {
    const ParamFileReading r = readParamFile(c.bytes);
    EXPECT_FALSE(r.ok) << c.name;
    EXPECT_NE(r.refusal.find(c.why), std::string::npos) << c.name << ": " << r.refusal;
  }

  // Cell voltages are never sent: a negative one, as written, is taken.
  auto negativeCell = sampleValues();
  negativeCell[15] = -3;
  EXPECT_TRUE(readParamFile(writeParamFile(3, negativeCell)).ok);
}

struct Loaded {
  std::array<std::string, kLoadedLineCount> lines;
  std::array<int32_t, kLoadedLineCount> values{};
};

Loaded load(const std::array<int32_t, kParamCount>& v) {
  const ParamFileReading r = readParamFile(writeParamFile(1, v));
  EXPECT_TRUE(r.ok) << r.refusal;
  Loaded l;
  for (size_t n = 0; n < r.lines.size(); ++n) l.lines[n] = r.lines[n];
  l.values = r.values;
  return l;
}

TEST(FilesChain, ForeignTagsAreDroppedUnsendableDigitsSkippedAndBadBitsStopTheChain) {
  Loaded l = load(sampleValues());
  for (const char* tag : {"sj", "?C", "CH", "S", "", "Sx", "SH"})
    EXPECT_EQ(chainStepAfter(tag, l.lines, l.values).kind, ChainStep::Unknown) << tag;

  struct Case {
    const char* name;
    std::function<void(Loaded&)> change;
    const char* tag;
    ChainStep::Kind kind;
    const char* command;
  } cases[] = {
      {"stability that cannot go out", [](Loaded& b) { b.lines[4] = "-12"; }, "Sj", ChainStep::Send, "SA0005\r"},
      {"the last setting skipped", [](Loaded& b) { b.lines[15].clear(); }, "SK", ChainStep::Send, "Sa"},
      {"gimbal beyond +100, as it stands", [](Loaded& b) { b.lines[13] = "0201"; }, "ST", ChainStep::Send,
       "SJ0201\r"},
      {"flight-mode box 2", [](Loaded& b) { b.values[44] = 2; }, "SL", ChainStep::Broken, ""},
  };
  for (const Case& c : cases) {
    Loaded b = l;
    c.change(b);
    const ChainStep step = chainStepAfter(c.tag, b.lines, b.values);
    EXPECT_EQ(step.kind, c.kind) << c.name;
    EXPECT_EQ(step.command.rfind(c.command, 0), 0u) << c.name << ": " << step.command;
  }
}

}  // namespace
}  // namespace zorv
