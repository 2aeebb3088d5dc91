// Saving and loading parameter files through the window, against the simulated controller.

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#ifndef _WIN32
#include <sys/resource.h>
#endif

#include "core/param_catalogue.h"
#include "files/param_file_format.h"
#include "tests/support/harness.h"
#include "tests/support/pilot.h"
#include "tests/support/read_file.h"

namespace zorv {
namespace {

namespace fs = std::filesystem;
using test::Harness;
using test::kLoadFileItem;
using test::readFile;

const char kSaveQuestion[] =
    "you will save the current data now，and it's defaut filename is TKVR_Data.txt,\r\ryou can change the "
    "filename or path。\r\rWarning：you can not edit the file or data format，if you do ,it can not revcover to "
    "corvexe！\r\rAre you sure to save the data？";

struct LetterValue {
  char letter;
  int value;
};

// Every setting the chain sends, with values that differ from set to set.
const std::vector<LetterValue> kSetA = {
    {'C', 45}, {'A', 5},  {'B', 3},  {'P', 2},   {'D', 33},  {'E', 66},  {'F', 12},  {'G', 88},  {'Y', 21},
    {'Z', 79}, {'R', 50}, {'T', 60}, {'J', 150}, {'K', 30},  {'L', 355}, {'a', 129}, {'b', 18},  {'c', 36},
    {'d', 72}, {'e', 3},  {'f', 48}, {'g', 5},   {'h', 80},  {'i', 9},   {'M', 181}, {'N', 15},  {'O', 240}};
const std::vector<LetterValue> kSetB = {
    {'C', 10}, {'A', 2},  {'B', 1},  {'P', 1},   {'D', 20},  {'E', 30},  {'F', 40}, {'G', 50}, {'Y', 60},
    {'Z', 70}, {'R', 80}, {'T', 90}, {'J', 60},  {'K', 140}, {'L', 300}, {'a', 6},  {'b', 0},  {'c', 64},
    {'d', 1},  {'e', 0},  {'f', 2},  {'g', 4},   {'h', 8},   {'i', 16},  {'M', 1},  {'N', 128}, {'O', 0}};

void setOnController(Harness& h, const std::vector<LetterValue>& set) {
  for (const LetterValue& lv : set) h.ctrl.setValue(lv.letter, lv.value);
}

// A full read-back, as the window runs it after a port change.
void readBack(Harness& h) {
  h.core.st.LinkMode = LinkMode::Rest;
  h.core.st.ReceiveBuffer.clear();
  h.core.st.ReceivedCount = 0;
  h.core.send("?C\r");
  h.pump();
  h.sent();
}

void writeBytes(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

int temporaryFilesIn(const fs::path& dir) {
  int n = 0;
  for (const auto& e : fs::directory_iterator(dir))
    if (e.path().extension() == ".tmp") ++n;
  return n;
}

std::string replaceAll(std::string s, const std::string& from, const std::string& to) {
  for (size_t at = 0; (at = s.find(from, at)) != std::string::npos; at += to.size()) s.replace(at, from.size(), to);
  return s;
}

TEST(FilesSave, AskedAndConfirmedSaveWritesTheWindowValuesAndSendsNothing) {
  Harness h;
  h.sent();
  h.win.setComboIndex(ids::kPortList, 11);
  const auto before = h.core.st.ParamValues;
  saveTo(h, h.path("TKVR_Data.txt"));

  ASSERT_EQ(h.prompts.shown.size(), 1u);
  EXPECT_EQ(h.prompts.shown[0].text, kSaveQuestion);
  EXPECT_EQ(h.prompts.shown[0].caption, "Tarvik Warning：");
  EXPECT_EQ(h.prompts.shown[0].buttons, Prompts::Buttons::OkCancel);
  EXPECT_EQ(h.prompts.fileFilters.back(), "TXT File (*.txt)|*.txt||");
  const std::string bytes = readFile(h.path("TKVR_Data.txt"));
  EXPECT_EQ(bytes.substr(0, 18), "Current   COM12\r\r\n");
  EXPECT_EQ(bytes, writeParamFile(12, before));
  EXPECT_EQ(h.core.st.ParamValues, before);
  EXPECT_EQ(h.sent(), "");
}

TEST(FilesSave, CancelAtEitherQuestionWritesNothing) {
  struct Case {
    Prompts::Answer answer;
    bool fileChosen;
  } cases[] = {{Prompts::Answer::Cancel, true}, {Prompts::Answer::Ok, false}};
  for (const Case& c : cases) {
    Harness h;
    h.prompts.answers.push_back(c.answer);
    if (c.fileChosen) h.prompts.files.push_back(h.path("x.txt"));
    h.win.userPress(ids::kSaveButton);
    EXPECT_FALSE(fs::exists(h.path("x.txt")));
    EXPECT_EQ(h.prompts.fileFilters.size(), c.answer == Prompts::Answer::Ok ? 1u : 0u);
  }
}

TEST(FilesSave, SavingOverAnOldFileReplacesItWhole) {
  Harness h;
  writeBytes(h.path("p.txt"), std::string(10000, 'x'));
  saveTo(h, h.path("p.txt"));
  EXPECT_EQ(readFile(h.path("p.txt")), writeParamFile(3, h.core.st.ParamValues));
  EXPECT_EQ(temporaryFilesIn(h.dir), 0);
}

TEST(FilesSave, AFailedSaveSaysSoAndLeavesWhatWasThere) {
  enum Kind { ParentIsAFile, TargetIsAFolder, DiskRefusesTheBytes };
  for (Kind kind : {ParentIsAFile, TargetIsAFolder, DiskRefusesTheBytes}) {
    Harness h;
    h.sent();
    std::string target;
    switch (kind) {
      case ParentIsAFile:
        writeBytes(h.path("plain"), "old");
        target = h.path("plain") + "/p.txt";
        break;
      case TargetIsAFolder:
        fs::create_directory(h.path("p.txt"));
        writeBytes(h.path("p.txt") + "/inside", "old");
        target = h.path("p.txt");
        break;
      case DiskRefusesTheBytes:
        writeBytes(h.path("p.txt"), "old");
        target = h.path("p.txt");
        break;
    }
#ifndef _WIN32
    // A file size limit holds for root as well: the write fails half-way.
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    if (kind == DiskRefusesTheBytes) {
      rlimit small = old;
      small.rlim_cur = 1000;
      setrlimit(RLIMIT_FSIZE, &small);
    }
#else
    if (kind == DiskRefusesTheBytes) continue;
#endif
    saveTo(h, target);
#ifndef _WIN32
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
#endif
    ASSERT_EQ(h.prompts.shown.size(), 2u) << kind;
    EXPECT_EQ(h.prompts.shown[1].caption, "Tarvik Warning：");
    EXPECT_NE(h.prompts.shown[1].text.find("could not be saved"), std::string::npos) << h.prompts.shown[1].text;
    switch (kind) {
      case ParentIsAFile: EXPECT_EQ(readFile(h.path("plain")), "old"); break;
      case TargetIsAFolder: EXPECT_EQ(readFile(h.path("p.txt") + "/inside"), "old"); break;
      case DiskRefusesTheBytes: EXPECT_EQ(readFile(h.path("p.txt")), "old"); break;
    }
    EXPECT_EQ(temporaryFilesIn(h.dir), 0) << kind;
    EXPECT_EQ(h.sent(), "");
  }
}

TEST(FilesLoad, HintButtonOnlyShowsTheHint) {
  Harness h;
  h.sent();
  h.prompts.answers.push_back(Prompts::Answer::Cancel);
  h.win.userPress(ids::kLoadButton);
  ASSERT_EQ(h.prompts.shown.size(), 1u);
  EXPECT_EQ(h.prompts.shown[0].text,
            "Attention：please select the Item to Load Default Data!\r\r1.Load default data。\r\r2.Load from file you "
            "saved \r\r注意：不要改变原有文件的格式，否则恢复的参数可能不正确!");
  EXPECT_EQ(h.prompts.shown[0].caption, "Tarvik航模提示：");
  EXPECT_EQ(h.prompts.shown[0].buttons, Prompts::Buttons::OkCancel);
  EXPECT_EQ(h.sent(), "");
}

TEST(FilesLoad, DefaultSetIsSelectedThenReadBack) {
  for (int k = 0; k < 4; ++k) {
    Harness h;
    h.sent();
    h.core.st.ReceiveBuffer = "junk";  // left by an earlier exchange
    h.win.userSelect(ids::kLoadList, k);
    EXPECT_EQ(h.sent(), "Sj000" + std::to_string(k) + "\r");
    EXPECT_EQ(h.core.st.LinkMode, LinkMode::Rest);
    h.port.deliverOne();  // the controller's answer restarts the read-back
    EXPECT_EQ(h.sent(), "?C\r");
    h.pump();
    EXPECT_EQ(h.ctrl.value('j'), k);
    EXPECT_EQ(h.core.st.ParamValues[3], h.ctrl.value('C')) << k;
    EXPECT_EQ(h.core.st.ParamValues[14], h.ctrl.value('L')) << k;
    EXPECT_EQ(h.win.comboIndex(ids::kLoadList), k);
  }
}

TEST(FilesLoad, SavedFileComesBackIntoControllerAndWindow) {
  Harness h;
  setOnController(h, kSetA);
  readBack(h);
  ASSERT_EQ(h.core.st.ParamValues[12], 50);  // the gimbal as the window holds it
  const auto saved = h.core.st.ParamValues;
  const Bindings savedBound = h.core.st.bound;
  saveTo(h, h.path("TKVR_Data.txt"));

  setOnController(h, kSetB);
  readBack(h);
  ASSERT_NE(h.core.st.ParamValues, saved);

  loadFrom(h, h.path("TKVR_Data.txt"));
  h.pump();
  for (const LetterValue& lv : kSetA) EXPECT_EQ(h.ctrl.value(lv.letter), lv.value) << lv.letter;
  for (int i = 0; i < kParamCount; ++i) {
    if (i >= 15 && i <= 18) continue;  // cell voltages are not in the chain
    EXPECT_EQ(h.core.st.ParamValues[static_cast<size_t>(i)], saved[static_cast<size_t>(i)]) << i;
  }
  for (const SliderParam& p : sliderParams()) {
    if (p.index >= 15 && p.index <= 18) continue;
    EXPECT_EQ(h.core.st.bound.get(p.slider), savedBound.get(p.slider)) << p.slider;
    EXPECT_EQ(h.win.sliderPos(p.slider), savedBound.get(p.slider)) << p.slider;
  }
  for (const BitGroup& g : bitGroups())
    for (int box : g.boxes) EXPECT_EQ(h.win.checkState(box), savedBound.get(box)) << box;
  EXPECT_EQ(h.core.st.LinkMode, LinkMode::Rest);
  EXPECT_EQ(h.win.comboIndex(ids::kLoadList), kLoadFileItem);
}

TEST(FilesLoad, ChainSendsOneSettingPerAnswerInOrderThenReadsBack) {
  Harness h;
  setOnController(h, kSetA);
  readBack(h);
  saveTo(h, h.path("p.txt"));
  h.sent();
  loadFrom(h, h.path("p.txt"));
  EXPECT_EQ(h.prompts.fileFilters.back(), "file self_saved_(*.txt)|*.txt|All file(*.*)|*.*||");
  EXPECT_EQ(h.sent(), "Sj0004\r");
  EXPECT_EQ(h.core.st.LinkMode, LinkMode::FileChain);

  const std::vector<std::string> expected = {
      "SC0045\r", "SA0005\r", "SB0003\r", "SP0002\r", "SD0033\r", "SE0066\r", "SF0012\r", "SG0088\r", "SY0021\r",
      "SZ0079\r", "SR0050\r", "ST0060\r", "SJ0150\r", "SK0030\r", "SL0355\r", "Sa0129\r", "Sb0018\r", "Sc0036\r",
      "Sd0072\r", "Se0003\r", "Sf0048\r", "Sg0005\r", "Sh0080\r", "Si0009\r", "SM0181\r", "SN0015\r", "SO0240\r",
      "?C\r"};
  for (const std::string& next : expected) {
    const int waits = h.clock.waits;
    const uint32_t waited = h.clock.waitedMs;
    ASSERT_TRUE(h.port.deliverOne()) << next;
    EXPECT_EQ(h.sent(), next);
    EXPECT_EQ(h.clock.waits, waits + 1) << next;
    EXPECT_EQ(h.clock.waitedMs, waited + 50) << next;
  }
  EXPECT_EQ(h.core.st.LinkMode, LinkMode::Rest);
}

TEST(FilesLoad, MatrixRowIsSentAsTheByteOfItsBoxes) {
  Harness h;
  auto values = h.core.st.ParamValues;
  for (int c = 0; c < 8; ++c) values[static_cast<size_t>(43 + c)] = 0;
  values[43] = 1;  // "AutoSta CH5 L"
  values[50] = 1;  // "AutoSta CH7 H"
  writeBytes(h.path("row.txt"), writeParamFile(3, values));
  h.sent();
  loadFrom(h, h.path("row.txt"));
  h.pump();
  EXPECT_NE(h.sent().find("SL" + std::string(h.core.st.LoadedLines[15]) + "\rSa0129\rSb"), std::string::npos);
  EXPECT_EQ(h.ctrl.value('a'), 129);
}

// The gimbal rates at the ends of their scale go back as saved: +100 is "0200" in the file and
// "SJ0200" on the wire, -100 "0000" and "SK0000".
TEST(FilesLoad, GimbalRatesAtTheEndsOfTheirScaleGoBackAsSaved) {
  Harness h;
  auto values = h.core.st.ParamValues;
  values[12] = 100;
  values[13] = -100;
  writeBytes(h.path("gimbal.txt"), writeParamFile(3, values));
  h.sent();
  loadFrom(h, h.path("gimbal.txt"));
  h.pump();
  EXPECT_NE(h.sent().find("\rSJ0200\rSK0000\r"), std::string::npos);
  EXPECT_EQ(h.ctrl.value('J'), 200);
  EXPECT_EQ(h.core.st.ParamValues[12], 100);
}

TEST(FilesLoad, FileIsCheckedBeforeAnythingIsSent) {
  Harness h;
  const std::string good = writeParamFile(3, h.core.st.ParamValues);
  auto withLine = [&](const std::string& from, const std::string& to) { return replaceAll(good, from, to); };
  std::string garbage;
  for (int i = 0; i < 5000; ++i) garbage += static_cast<char>((i * 37 + 11) % 256);

  enum Outcome { Refused, Accepted };
  struct Case {
    const char* name;
    std::string bytes;  // written to the file
    Outcome outcome;
  } cases[] = {
      {"as saved", good, Accepted},
      {"CR LF", replaceAll(good, "\r\r\n", "\r\n"), Accepted},
      {"LF", replaceAll(good, "\r\r\n", "\n"), Accepted},
      {"short", good.substr(0, good.size() / 2), Refused},
      {"empty", "", Refused},
      {"binary garbage", garbage, Refused},
      {"wrong label", withLine("DynaStability", "DynaStabilitx"), Refused},
      {"non-digit value", withLine("Alarm Voltage0", "Alarm Voltage?"), Refused},
      {"check box 2", withLine("  Recevier   " + std::to_string(h.core.st.ParamValues[20]), "  Recevier   2"),
       Refused},
      {"no port line", withLine("Current   COM", "Current COM"), Refused},
  };
  for (const Case& c : cases) {
    Harness t;
    t.sent();
    t.prompts.shown.clear();
    const auto linesBefore = t.core.st.LoadedLines;
    writeBytes(t.path("f.txt"), c.bytes);
    loadFrom(t, t.path("f.txt"));
    if (c.outcome == Refused) {
      EXPECT_EQ(t.sent(), "") << c.name;
      EXPECT_EQ(t.core.st.LinkMode, LinkMode::Rest) << c.name;
      EXPECT_EQ(t.core.st.LoadedLines, linesBefore) << c.name;
      ASSERT_EQ(t.prompts.shown.size(), 1u) << c.name;
      EXPECT_EQ(t.prompts.shown[0].caption, "Tarvik Warning：");
      EXPECT_EQ(t.prompts.shown[0].text.rfind("This file cannot be loaded: ", 0), 0u) << t.prompts.shown[0].text;
    } else {
      EXPECT_EQ(t.sent(), "Sj0004\r") << c.name;
      EXPECT_TRUE(t.prompts.shown.empty()) << c.name;
      t.pump();
      EXPECT_EQ(t.core.st.LinkMode, LinkMode::Rest) << c.name;
      EXPECT_EQ(t.ctrl.value('j'), 4) << c.name;
      EXPECT_EQ(t.ctrl.value('L'), h.core.st.ParamValues[14]) << c.name;
    }
  }
}

TEST(FilesLoad, FilesThatAreNoFilesAreRefusedWithoutReadingThem) {
  enum Kind { Missing, Folder, Huge };
  for (Kind kind : {Missing, Folder, Huge}) {
    Harness h;
    h.sent();
    const std::string path = h.path("f.txt");
    if (kind == Folder) fs::create_directory(path);
    if (kind == Huge) {
      writeBytes(path, writeParamFile(3, h.core.st.ParamValues));
      fs::resize_file(path, uintmax_t{1} << 32);  // sparse: reading it all would take long
    }
    loadFrom(h, path);
    EXPECT_EQ(h.sent(), "") << kind;
    ASSERT_EQ(h.prompts.shown.size(), 1u) << kind;
    EXPECT_EQ(h.prompts.shown[0].text.rfind("This file cannot be loaded: ", 0), 0u) << h.prompts.shown[0].text;
  }
}

TEST(FilesLoad, CancelledDialogLeavesTheLinkAsItWas) {
  Harness h;
  h.sent();
  h.win.userSelect(ids::kLoadList, kLoadFileItem);  // no file chosen
  EXPECT_EQ(h.core.st.LinkMode, LinkMode::Rest);
  EXPECT_EQ(h.sent(), "");
  EXPECT_TRUE(h.prompts.shown.empty());
  // The window still takes setting answers and reads back as usual.
  h.win.userSelect(ids::kLoadList, 2);
  h.pump();
  EXPECT_EQ(h.ctrl.value('j'), 2);
  EXPECT_EQ(h.core.st.ParamValues[3], h.ctrl.value('C'));
}

TEST(FilesLoad, AnswerInPiecesKeepsTheChainGoingAndAForeignAnswerStopsIt) {
  {
    Harness h;
    setOnController(h, kSetA);
    readBack(h);
    saveTo(h, h.path("p.txt"));
    setOnController(h, kSetB);
    h.ctrl.faults.splitAt = {7};  // the LF of the first answer comes on its own
    loadFrom(h, h.path("p.txt"));
    h.pump();
    for (const LetterValue& lv : kSetA) EXPECT_EQ(h.ctrl.value(lv.letter), lv.value) << lv.letter;
    EXPECT_EQ(h.core.st.LinkMode, LinkMode::Rest);
  }
  {
    Harness h;
    saveTo(h, h.path("p.txt"));
    h.sent();
    h.ctrl.faults.corruptByte = 0;  // "sj0004": not an answer of the chain
    loadFrom(h, h.path("p.txt"));
    h.pump();
    EXPECT_EQ(h.sent(), "Sj0004\r");
    EXPECT_EQ(h.core.st.LinkMode, LinkMode::FileChain);
  }
}

}  // namespace
}  // namespace zorv
