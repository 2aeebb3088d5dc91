// zorv.ini: what is read from which text, what a change writes back (everything else kept as it
// stands), and that a file it cannot read is never written over.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/user_config.h"
#include "tests/support/read_file.h"
#include "tests/support/scoped_env.h"
#include "tests/support/test_names.h"

namespace zorv {
namespace {

namespace fs = std::filesystem;

struct ReadCase {
  const char* name;
  const char* text;
  int expected;  // [limits] reply_ms read within 100..10000, 1000 when missing or bad
  bool warned;
};
void PrintTo(const ReadCase& c, std::ostream* os) { *os << c.name; }

class UserConfigRead : public ::testing::TestWithParam<ReadCase> {};

TEST_P(UserConfigRead, TakesAWholeNumberInRangeOrFallsBackAndSaysWhy) {
  const ReadCase& c = GetParam();
  UserConfig config("zorv.ini");
  ASSERT_TRUE(config.parse(c.text));
  std::string warning;
  EXPECT_EQ(config.getInt("limits", "reply_ms", 1000, 100, 10000, &warning), c.expected);
  EXPECT_EQ(!warning.empty(), c.warned) << warning;
  if (c.warned) {
    EXPECT_NE(warning.find("from 100 to 10000; 1000 is used instead"), std::string::npos) << warning;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, UserConfigRead,
    ::testing::Values(ReadCase{"Missing", "", 1000, false},
                      ReadCase{"Plain", "[limits]\nreply_ms=2500\n", 2500, false},
                      ReadCase{"BlanksAndWindowsLineEnds", "[ limits ]\r\n  reply_ms = 2500 \r\n", 2500, false},
                      ReadCase{"HeaderWithTwoLineEnds", "[limits]\r\r\nreply_ms=2500\n", 2500, false},
                      ReadCase{"OtherSection", "[language]\nreply_ms=2500\n", 1000, false},
                      ReadCase{"BeforeAnySection", "reply_ms=2500\n[limits]\n", 1000, false},
                      ReadCase{"LastLineWins", "[limits]\nreply_ms=2000\nreply_ms=3000\n", 3000, false},
                      ReadCase{"CommentedOut", "[limits]\n#reply_ms=2500\n;reply_ms=2600\n", 1000, false},
                      ReadCase{"AtTheBounds", "[limits]\nreply_ms=100\n", 100, false},
                      ReadCase{"BelowRange", "[limits]\nreply_ms=99\n", 1000, true},
                      ReadCase{"AboveRange", "[limits]\nreply_ms=10001\n", 1000, true},
                      ReadCase{"Negative", "[limits]\nreply_ms=-5\n", 1000, true},
                      ReadCase{"NoNumber", "[limits]\nreply_ms=fast\n", 1000, true},
                      ReadCase{"Fraction", "[limits]\nreply_ms=1.5\n", 1000, true},
                      ReadCase{"HugeNumber", "[limits]\nreply_ms=99999999999999999999\n", 1000, true},
                      ReadCase{"EmptyValue", "[limits]\nreply_ms=\n", 1000, true}),
    test::RowName());

struct WriteCase {
  const char* name;
  const char* before;
  const char* section;
  const char* key;
  const char* value;
  const char* after;
};
void PrintTo(const WriteCase& c, std::ostream* os) { *os << c.name; }

class UserConfigWrite : public ::testing::TestWithParam<WriteCase> {};

TEST_P(UserConfigWrite, ChangesOneValueAndKeepsEveryOtherLine) {
  const WriteCase& c = GetParam();
  UserConfig config("zorv.ini");
  ASSERT_TRUE(config.parse(c.before));
  config.set(c.section, c.key, c.value);
  EXPECT_EQ(config.text(), c.after);
  EXPECT_EQ(config.get(c.section, c.key).value_or("<none>"), c.value);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, UserConfigWrite,
    ::testing::Values(
        WriteCase{"IntoAnEmptyFile", "", "language", "choice", "en", "[language]\nchoice=en\n"},
        WriteCase{"InPlaceKeepingCommentsAndUnknownKeys", "# mine\n[language]\nchoice=ru\nfuture=1\n", "language",
                  "choice", "zh", "# mine\n[language]\nchoice=zh\nfuture=1\n"},
        WriteCase{"NewKeyAtTheEndOfItsSection", "[limits]\nreply_ms=2000\n\n[language]\nchoice=ru\n", "limits",
                  "loader_ms", "3000", "[limits]\nreply_ms=2000\nloader_ms=3000\n\n[language]\nchoice=ru\n"},
        WriteCase{"NewSectionAfterABlankLine", "[limits]\nreply_ms=2000\n", "language", "choice", "en",
                  "[limits]\nreply_ms=2000\n\n[language]\nchoice=en\n"},
        WriteCase{"TheLastOfTwoLinesIsTheOneChanged", "[limits]\nreply_ms=1\nreply_ms=2\n", "limits", "reply_ms",
                  "3", "[limits]\nreply_ms=1\nreply_ms=3\n"}),
    test::RowName());

class UserConfigFile : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("zorv-config-" + std::to_string(::getpid()));
    fs::remove_all(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  fs::path dir_;
};

TEST_F(UserConfigFile, FolderCreatedOnSaveAndTheFileReadBack) {
  test::ScopedEnv config("XDG_CONFIG_HOME", dir_.string());
  EXPECT_EQ(UserConfig::defaultPath(), (dir_ / "zorv" / "zorv.ini").string());
  UserConfig written;
  ASSERT_TRUE(written.load());  // missing: empty
  written.set("language", "choice", "ru");
  std::string error;
  ASSERT_TRUE(written.save(&error)) << error;
  UserConfig read;
  ASSERT_TRUE(read.load());
  EXPECT_EQ(read.get("language", "choice").value_or(""), "ru");
  EXPECT_EQ(fs::directory_iterator(dir_ / "zorv")->path().filename(), "zorv.ini");  // no temporary file left
}

TEST_F(UserConfigFile, AFileItCannotReadIsNeverWrittenOver) {
  fs::create_directories(dir_);
  const fs::path path = dir_ / "zorv.ini";
  const std::string longLine = "[limits]\nreply_ms=" + std::string(UserConfig::kMaxLineBytes, '1') + "\n";
  std::ofstream(path) << longLine;
  UserConfig config(path.string());
  std::string error;
  EXPECT_FALSE(config.load(&error));
  EXPECT_NE(error.find("line 2 is too long"), std::string::npos) << error;
  EXPECT_FALSE(config.get("limits", "reply_ms"));
  config.set("language", "choice", "en");
  EXPECT_FALSE(config.save(&error));
  EXPECT_EQ(test::readFile(path), longLine);
}

TEST(UserDirs, FollowTheBaseDirectoryRules) {
  test::ScopedEnv home("HOME", "/home/pilot");
  {
    test::ScopedEnv config("XDG_CONFIG_HOME", "/cfg");
    test::ScopedEnv data("XDG_DATA_HOME", "relative/ignored");
    EXPECT_EQ(userConfigDir(), "/cfg/zorv");
    EXPECT_EQ(userDataDir(), "/home/pilot/.local/share/zorv");
  }
  test::ScopedEnv config("XDG_CONFIG_HOME", "");
  EXPECT_EQ(userConfigDir(), "/home/pilot/.config/zorv");
}

}  // namespace
}  // namespace zorv
