// zorvctl's words: parameter names and values, the command line, and what it prints.

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>

#include "core/param_catalogue.h"
#include "ctl/answered_prompts.h"
#include "ctl/options.h"
#include "ctl/output.h"
#include "ctl/param_names.h"
#include "tests/support/read_file.h"

namespace zorv {
namespace {

TEST(ZorvctlNames, EveryLabelNamesItsOwnParameterWithOrWithoutBlanksInAnyCase) {
  std::set<std::string> folded;
  for (int i = 0; i < 115; ++i) {
    const std::string& label = paramLabels()[static_cast<size_t>(i)];
    std::string squeezed, upper;
    for (char c : label) {
      if (c != ' ') squeezed += c;
      upper += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    std::string error;
    EXPECT_EQ(findParam(label, &error), i) << label;
    EXPECT_EQ(findParam(squeezed, &error), i) << squeezed;
    EXPECT_EQ(findParam(upper, &error), i) << upper;
    EXPECT_EQ(findParam(std::to_string(i), &error), i);
    folded.insert(squeezed);
  }
  EXPECT_EQ(folded.size(), 115u) << "two labels would read alike without their blanks";
}

TEST(ZorvctlNames, AssignmentsAreCheckedAgainstTheControlsRange) {
  struct Row {
    const char* arg;
    int index;  // -1: refused
    int value;
    const char* says;
  };
  const Row rows[] = {
      {"Stabili_level=0", 3, 0, ""},
      {"stabili_level=100", 3, 100, ""},
      {"Stabili_level=101", -1, 0, "'Stabili_level' takes a whole number from 0 to 100, not '101'"},
      {"Stabili_level=-1", -1, 0, "from 0 to 100"},
      {"PTZPitchRate=-100", 12, -100, ""},
      {"PTZ Roll Rate=+100", 13, 100, ""},
      {"PTZRollRate=101", -1, 0, "from -100 to 100"},
      {"AlarmVoltage=280", 14, 280, ""},
      {"AlarmVoltage=370", 14, 370, ""},
      {"AlarmVoltage=279", -1, 0, "from 280 to 370"},
      {"AlarmVoltage=3.5", -1, 0, "not '3.5'"},
      {"AlarmVoltage=", -1, 0, "not ''"},
      {"AlarmVoltage=35O", -1, 0, "not '35O'"},
      {"MultiAxisMode=14", 0, 14, ""},
      {"MultiAxisMode=15", -1, 0, "an item number from 1 to 14"},
      {"MultiAxisMode=0", -1, 0, "an item number from 1 to 14"},
      {"ESCOutputMode=6", 1, 6, ""},
      {"RudderOutMode=2", 2, 2, ""},
      {"RudderOutMode=3", -1, 0, "an item number from 1 to 2"},
      {"Battery=1", 19, 1, ""},
      {"GPS Receiver=0", 26, 0, ""},
      {"R_CH8Reverse=1", 34, 1, ""},
      {"O_M/S1Reverse=1", 35, 1, ""},
      {"AutoLandCH7H=1", 114, 1, ""},
      {"HeighLockCH5L=2", -1, 0, "0 (clear) or 1 (ticked)"},
      {"Battery3Volt=400", -1, 0, "'Battery3 Volt' is a battery cell reading; it is set by 'zorvctl calibrate'"},
      {"114=0", 114, 0, ""},
      {"115=0", -1, 0, "there is no parameter 115; the indexes run from 0 to 114"},
      {"-1=0", -1, 0, "there is no parameter -1"},
      {"Stability=5", -1, 0, "there is no parameter named 'Stability'"},
      {"=5", -1, 0, "there is no parameter named ''"},
      {"Stabili_level", -1, 0, "'Stabili_level' is not NAME=VALUE"},
  };
  for (const Row& row : rows) {
    std::string error;
    const std::optional<Assignment> a = parseAssignment(row.arg, &error);
    if (row.index < 0) {
      EXPECT_FALSE(a) << row.arg;
      EXPECT_NE(error.find(row.says), std::string::npos) << row.arg << ": " << error;
      continue;
    }
    ASSERT_TRUE(a) << row.arg << ": " << error;
    EXPECT_EQ(a->index, row.index) << row.arg;
    EXPECT_EQ(a->value, row.value) << row.arg;
  }
}

TEST(ZorvctlCommandLine, OptionsAndCommandWords) {
  struct Row {
    std::vector<std::string> words;
    const char* error;  // nullptr: accepted
    Options::Link link = Options::Link::Remembered;
    std::string command = "";
  };
  const Row rows[] = {
      {{"read"}, nullptr, Options::Link::Remembered, "read"},
      {{"--port", "12", "read", "--json"}, nullptr, Options::Link::Number, "read"},
      {{"--device", "/dev/ttyACM0", "get", "3"}, nullptr, Options::Link::Device, "get"},
      {{"--demo", "--timeout", "2.5", "monitor", "--seconds", "3"}, nullptr, Options::Link::Demo, "monitor"},
      {{"load", "--default", "1"}, nullptr, Options::Link::Remembered, "load"},
      {{"load", "--yes", "backup.txt"}, nullptr, Options::Link::Remembered, "load"},
      {{"calibrate", "410", "412", "409", "411"}, nullptr, Options::Link::Remembered, "calibrate"},
      {{}, "no command given"},
      {{"--port", "0", "read"}, "--port takes a port number from 1 to 20"},
      {{"--port"}, "--port needs a port number"},
      {{"--port", "3", "--demo", "read"}, "give only one of --port, --device and --demo"},
      {{"--timeout", "0", "read"}, "--timeout takes a positive number of seconds, not '0'"},
      {{"--timeout", "soon", "read"}, "not 'soon'"},
      {{"--verbose", "read"}, "unknown option --verbose"},
      {{"erase"}, "unknown command 'erase'"},
      {{"read", "extra"}, "usage: zorvctl [options] read [--json]"},
      {{"get", "--json", "3"}, "'get' has no option --json"},
      {{"get"}, "usage: zorvctl [options] get NAME..."},
      {{"set"}, "usage: zorvctl [options] set NAME=VALUE..."},
      {{"save"}, "usage: zorvctl [options] save FILE"},
      {{"save", "a", "b"}, "usage: zorvctl [options] save FILE"},
      {{"load", "--default", "5"}, "--default takes the number of a default set, 1 to 4, not '5'"},
      {{"load", "--default", "2", "file.txt"}, "usage: zorvctl [options] load [--yes] FILE | load --default K"},
      {{"load"}, "usage: zorvctl [options] load [--yes] FILE | load --default K"},
      {{"load", "--yes", "--default", "2"}, "usage: zorvctl [options] load [--yes] FILE | load --default K"},
      {{"save", "--yes", "f.txt"}, "'save' has no option --yes"},
      {{"flash"}, "usage: zorvctl [options] flash FILE.bin"},
      {{"monitor", "--seconds", "-1"}, "--seconds takes a positive number of seconds"},
      {{"calibrate", "410", "412", "409"}, "usage: zorvctl [options] calibrate C1 C2 C3 C4"},
      {{"calibrate", "410", "412", "409", "-1"}, "not '-1'"},
      {{"calibrate", "410", "412", "409", "4.1"}, "hundredths of a volt (410 for 4.10 V), not '4.1'"},
      {{"--trace", "t.txt", "--reply-ms", "100", "--loader-ms", "30000", "read"}, nullptr, Options::Link::Remembered,
       "read"},
      {{"--trace"}, "--trace needs a file name"},
      {{"--reply-ms", "99", "read"}, "--reply-ms takes a whole number of milliseconds from 100 to 10000, not '99'"},
      {{"--loader-ms", "30001", "read"}, "--loader-ms takes a whole number of milliseconds from 500 to 30000"},
      {{"--default-set-ms", "1.5", "read"}, "not '1.5'"},
      {{"--reply_ms", "1000", "read"}, "unknown option --reply_ms"},
  };
  for (const Row& row : rows) {
    std::string error;
    const std::optional<Options> o = parseOptions(row.words, &error);
    const std::string shown = row.words.empty() ? "(nothing)" : row.words.front() + " ... " + row.words.back();
    if (row.error) {
      EXPECT_FALSE(o) << shown;
      EXPECT_NE(error.find(row.error), std::string::npos) << shown << ": " << error;
      continue;
    }
    ASSERT_TRUE(o) << shown << ": " << error;
    EXPECT_EQ(o->link, row.link) << shown;
    EXPECT_EQ(o->command, row.command) << shown;
  }
}

TEST(ZorvctlCommandLine, ValuesOfTheOptionsArrive) {
  std::string error;
  const auto monitor = parseOptions({"--demo", "--timeout", "2.5", "monitor", "--json", "--seconds", "0.5"}, &error);
  ASSERT_TRUE(monitor) << error;
  EXPECT_EQ(monitor->timeoutMs, 2500);
  EXPECT_EQ(monitor->seconds, 500);
  EXPECT_TRUE(monitor->json);
  const auto port = parseOptions({"--port", "12", "load", "--default", "3"}, &error);
  ASSERT_TRUE(port) << error;
  EXPECT_EQ(port->port, 12);
  EXPECT_EQ(port->defaultSet, 3);
  EXPECT_EQ(port->timeoutMs, -1);
  EXPECT_FALSE(port->yes);
  const auto limits = parseOptions({"--default-set-ms", "4000", "--trace", "s.log", "--reply-ms", "250", "read"}, &error);
  ASSERT_TRUE(limits) << error;
  EXPECT_EQ(limits->trace, "s.log");
  EXPECT_EQ(limits->limits, (std::vector<std::pair<std::string, int>>{{"default_set_ms", 4000}, {"reply_ms", 250}}));
  EXPECT_TRUE(parseOptions({"load", "--yes", "b.txt"}, &error)->yes);
  const auto cal = parseOptions({"calibrate", "410", "0", "9999", "1"}, &error);
  ASSERT_TRUE(cal) << error;
  EXPECT_EQ(cal->cells, (std::vector<int>{410, 0, 9999, 1}));
  EXPECT_TRUE(parseOptions({"read", "--help"}, &error) == std::nullopt) << "help after the command is a word of it";
  EXPECT_TRUE(parseOptions({"--help", "read"}, &error)->help);
  EXPECT_EQ(defaultTimeoutMs("flash"), 180000);
  EXPECT_EQ(defaultTimeoutMs("read"), 10000);
}

bool startsWith(const std::string& s, const std::string& head) { return s.rfind(head, 0) == 0; }
bool endsWith(const std::string& s, const std::string& tail) {
  return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

TEST(ZorvctlOutput, ParameterLinesAndJson) {
  std::array<int32_t, 115> values{};
  for (int i = 0; i < 115; ++i) values[static_cast<size_t>(i)] = i % 2 ? -i : i;
  const std::string text = readText(values, "2.015", "TKVR");
  EXPECT_TRUE(startsWith(text, "0\tMultiAxisMode\t0\n1\tESCOutputMode\t-1\n")) << text;
  EXPECT_NE(text.find("\n19\t  Battery    \t-19\n"), std::string::npos) << "labels keep their blanks";
  EXPECT_TRUE(endsWith(text, "\n114\tAutoLandCH7 H\t114\nversion\t2.015\nkind\tTKVR\n")) << text;
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 117);

  const std::string json = readJson(values, "2.015", "TKVR");
  EXPECT_TRUE(startsWith(json,
                         "{\"kind\": \"TKVR\", \"version\": \"2.015\", \"params\": [{\"index\": 0, \"label\": "
                         "\"MultiAxisMode\", \"value\": 0}, {\"index\": 1, "))
      << json;
  EXPECT_NE(json.find("{\"index\": 36, \"label\": \"O_M/S2Reverse\", \"value\": 36}"), std::string::npos);
  EXPECT_TRUE(endsWith(json, "}, {\"index\": 114, \"label\": \"AutoLandCH7 H\", \"value\": 114}]}\n")) << json;
}

TEST(ZorvctlOutput, JsonStringsEscapeWhatTheControllerMightSend) {
  struct Row {
    std::string in, out;
  };
  const Row rows[] = {
      {"2.015", "\"2.015\""},      {"a\"b", "\"a\\\"b\""},         {"a\\b", "\"a\\\\b\""},
      {"\r\n\t", "\"\\r\\n\\t\""}, {std::string("\x01", 1), "\"\\u0001\""}, {"PXOJ", "\"PXOJ\""},
  };
  for (const Row& row : rows) EXPECT_EQ(jsonString(row.in), row.out);
}

TEST(ZorvctlOutput, MonitorLinesAndProgress) {
  std::vector<int> v;
  for (int i = 0; i < 19; ++i) v.push_back(1000 + i);
  v[16] = -5;
  EXPECT_EQ(monitorCsvHeader(),
            "time_ms,CH1,CH2,CH3,CH4,CH5,CH6,CH7,CH8,M1,M2,M3,M4,M5,M6,M7,M8,compass,sonar,barometer\n");
  const std::string csv = monitorCsvLine(4294967295u, v);
  EXPECT_TRUE(startsWith(csv, "4294967295,1000,1001,")) << csv;
  EXPECT_NE(csv.find(",1015,-5,1017,1018\n"), std::string::npos) << csv;
  const std::string json = monitorJsonLine(20, v);
  EXPECT_TRUE(startsWith(json, "{\"time_ms\": 20, \"CH1\": 1000, \"CH2\": 1001, ")) << json;
  EXPECT_NE(json.find("\"M8\": 1015, \"compass\": -5, \"sonar\": 1017, \"barometer\": 1018}\n"), std::string::npos) << json;

  struct Row {
    int percent;
    std::string bar, line;
  };
  const Row rows[] = {
      {0, "\r[........................................]   0%", "0%\n"},
      {50, "\r[####################....................]  50%", "50%\n"},
      {100, "\r[########################################] 100%", "100%\n"},
      {118, "\r[########################################] 100%", "100%\n"},  // the last steps pass 100
      {-3, "\r[........................................]   0%", "0%\n"},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(progressBar(row.percent), row.bar) << row.percent;
    EXPECT_EQ(progressLine(row.percent), row.line) << row.percent;
  }
}

TEST(ZorvctlOutput, BoxTextsBecomeTerminalLines) {
  struct Row {
    std::string box, terminal;
  };
  const Row rows[] = {
      {"one\r\rtwo", "one\n\ntwo"},
      {"one\r\r\r\rtwo\r", "one\n\ntwo"},
      {"plain", "plain"},
      {"a\rb", "a\nb"},
  };
  for (const Row& row : rows) EXPECT_EQ(terminalText(row.box), row.terminal);
}

// The manual page and --help name every command and every exit status the program has.
TEST(ZorvctlManual, NamesEveryCommandAndExitStatus) {
  const std::string man = test::readFile(std::string(ZORV_SOURCE_DIR) + "/docs/zorvctl.1");
  ASSERT_FALSE(man.empty());
  const std::string help = usageText();
  for (const char* command : {"ports", "read", "get", "set", "save", "load", "flash", "monitor", "calibrate",
                              "snapshots", "diff", "restore"}) {
    const bool inPage = man.find(std::string("\n.B ") + command + "\n") != std::string::npos ||
                        man.find(std::string("\n.BR ") + command + " ") != std::string::npos ||
                        man.find(std::string("\n.BI ") + command + " ") != std::string::npos ||
                        man.find(std::string("\n.BI \"") + command + " ") != std::string::npos;
    EXPECT_TRUE(inPage) << command << " is not described in docs/zorvctl.1";
    EXPECT_NE(help.find(std::string("\n  ") + command), std::string::npos) << command << " is not in --help";
    std::string error;
    EXPECT_TRUE(parseOptions({command}, &error) || error.find("usage") != std::string::npos) << command;
  }
  for (int status : {0, 1, 2, 3, 4, 5, 130}) {
    EXPECT_NE(man.find("\n.B " + std::to_string(status) + "\n"), std::string::npos) << status;
    EXPECT_NE(help.find("\n  " + std::to_string(status) + " "), std::string::npos) << status;
  }
}

}  // namespace
}  // namespace zorv
