// The command lines of zorv and corvex-sim: what each accepts, the one-line error and exit code 2
// for anything else, --help and --version without a display, and zorv ending cleanly on a signal.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QStringList>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "gui/command_line.h"
#include "qtsys/signal_quit.h"
#include "sim/sim_options.h"
#include "tests/support/qt_app.h"
#include "tests/support/read_file.h"
#include "tests/support/test_names.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;
using zorv::test::readFile;
using zorv::test::RowName;
using zorv::test::testName;

std::string firstLine(const std::string& text) { return text.substr(0, text.find('\n')); }
std::string secondLine(const std::string& text) {
  const size_t start = text.find('\n');
  return start == std::string::npos ? "" : firstLine(text.substr(start + 1));
}

// --- zorv's parser ---

struct ZorvCase {
  const char* name;
  std::vector<const char*> args;
  int exitCode;          // -1: the window starts
  int port;              // when it starts
  bool demo;             // when it starts
  const char* mentions;  // in the error line (exit 2) or in stdout (exit 0)
};

template <typename Args>
std::string joined(const Args& args) {
  std::string text;
  for (const auto& a : args) text += std::string(text.empty() ? "" : " ") + "'" + std::string(a) + "'";
  return "[" + text + "]";
}

void PrintTo(const ZorvCase& c, std::ostream* os) { *os << joined(c.args); }

// "SIGTERM", for the name of a row.
std::string signalName(int signal) { return std::string("SIG") + sigabbrev_np(signal); }

class ZorvCommandLine : public ::testing::TestWithParam<ZorvCase> {};

TEST_P(ZorvCommandLine, Parses) {
  const ZorvCase& c = GetParam();
  QStringList arguments{QStringLiteral("/usr/bin/zorv")};
  for (const char* a : c.args) arguments << QString::fromUtf8(a);
  const zorv::CommandLine got = zorv::parseCommandLine(arguments);
  ASSERT_EQ(got.exitCode, c.exitCode) << got.err;
  if (c.exitCode < 0) {
    EXPECT_EQ(got.options.port, c.port);
    EXPECT_EQ(got.options.demo, c.demo);
    EXPECT_EQ(got.out, "");
    EXPECT_EQ(got.err, "");
  } else if (c.exitCode == 0) {
    EXPECT_NE(got.out.find(c.mentions), std::string::npos) << got.out;
    EXPECT_EQ(got.err, "");
  } else {
    // One line naming the fault, then the usage with the plain program name.
    EXPECT_EQ(got.out, "");
    EXPECT_EQ(firstLine(got.err).rfind("zorv: ", 0), 0u) << got.err;
    EXPECT_NE(firstLine(got.err).find(c.mentions), std::string::npos) << got.err;
    EXPECT_EQ(secondLine(got.err), "Usage: zorv [options]") << got.err;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Table, ZorvCommandLine,
    ::testing::Values(ZorvCase{"NoArguments", {}, -1, 0, false, ""},  //
                      ZorvCase{"Demo", {"--demo"}, -1, 0, true, ""},  //
                      ZorvCase{"Port1", {"--port", "1"}, -1, 1, false, ""},  //
                      ZorvCase{"PortEquals20", {"--port=20"}, -1, 20, false, ""},  //
                      ZorvCase{"Port7Demo", {"--port", "7", "--demo"}, -1, 7, true, ""},  //
                      ZorvCase{"Port0", {"--port", "0"}, 2, 0, false, "from 1 to 20"},  //
                      ZorvCase{"Port21", {"--port", "21"}, 2, 0, false, "not '21'"},  //
                      ZorvCase{"PortX", {"--port", "x"}, 2, 0, false, "not 'x'"},  //
                      ZorvCase{"PortMinus3", {"--port", "-3"}, 2, 0, false, "not '-3'"},  //
                      ZorvCase{"Port3Point5", {"--port", "3.5"}, 2, 0, false, "not '3.5'"},  //
                      ZorvCase{"PortEmpty", {"--port", ""}, 2, 0, false, "not ''"},  //
                      ZorvCase{"PortWithoutValue", {"--port"}, 2, 0, false, "Missing value"},  //
                      ZorvCase{"UnknownLongOption", {"--bogus"}, 2, 0, false, "Unknown option 'bogus'"},  //
                      ZorvCase{"DemoThenUnknownShortOption", {"--demo", "-x"}, 2, 0, false, "Unknown option 'x'"},  //
                      ZorvCase{"PortNameAsArgument", {"COM3"}, 2, 0, false, "Unexpected argument 'COM3'"},  //
                      // A component runtime's start options, in each spelling: taken, nothing else changes.
                      ZorvCase{"EmbeddingTwoSpellings", {"-Embedding", "/embedding"}, -1, 0, false, ""},  //
                      ZorvCase{"EmbeddingUpperCaseDemoAutomation", {"--EMBEDDING", "--demo", "-automation"}, -1, 0,
                               true, ""},  //
                      ZorvCase{"SlashAutomationPort4", {"/Automation", "--port", "4"}, -1, 4, false, ""},  //
                      ZorvCase{"SlashEmbeddingsIsNoStartOption", {"/Embeddings"}, 2, 0, false,
                               "Unexpected argument '/Embeddings'"},  //
                      ZorvCase{"Help", {"--help"}, 0, 0, false, "--port <N>"},  //
                      ZorvCase{"ShortHelpThenUnknownOption", {"-h", "--bogus"}, 2, 0, false, "Unknown option"},  //
                      ZorvCase{"ShortHelp", {"-h"}, 0, 0, false, "Usage: zorv [options]\n"},  //
                      ZorvCase{"Version", {"--version"}, 0, 0, false, "zorv " ZORV_VERSION "\n"},
                      ZorvCase{"ShortVersion", {"-v"}, 0, 0, false, "zorv " ZORV_VERSION "\n"}),
    RowName());

// --- corvex-sim's parser ---

struct SimCase {
  const char* name;
  std::vector<std::string> args;
  int exitCode;
  std::string link, log, kind;
  bool pace, quiet;
  const char* mentions;
  int muteAfter = -1;
};

void PrintTo(const SimCase& c, std::ostream* os) { *os << joined(c.args); }

class SimCommandLine : public ::testing::TestWithParam<SimCase> {};

TEST_P(SimCommandLine, Parses) {
  const SimCase& c = GetParam();
  std::vector<std::string> arguments{"corvex-sim"};
  arguments.insert(arguments.end(), c.args.begin(), c.args.end());
  const zorv::sim::SimCommandLine got = zorv::sim::parseSimCommandLine(arguments);
  ASSERT_EQ(got.exitCode, c.exitCode) << got.err;
  if (c.exitCode < 0) {
    EXPECT_EQ(got.options.link, c.link);
    EXPECT_EQ(got.options.logPath, c.log);
    EXPECT_EQ(got.options.kind, c.kind);
    EXPECT_EQ(got.options.pace, c.pace);
    EXPECT_EQ(got.options.quiet, c.quiet);
    EXPECT_EQ(got.options.muteAfter, c.muteAfter);
  } else if (c.exitCode == 0) {
    EXPECT_NE(got.out.find(c.mentions), std::string::npos) << got.out;
    EXPECT_EQ(got.err, "");
  } else {
    EXPECT_EQ(got.out, "");
    EXPECT_EQ(firstLine(got.err).rfind("corvex-sim: ", 0), 0u) << got.err;
    EXPECT_NE(firstLine(got.err).find(c.mentions), std::string::npos) << got.err;
    EXPECT_EQ(secondLine(got.err), "Usage: corvex-sim [options]") << got.err;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Table, SimCommandLine,
    ::testing::Values(
        SimCase{"NoArguments", {}, -1, "", "", "TKVR", false, false, ""},
        SimCase{"EveryOption", {"--link", "/tmp/COM3", "--log", "c.log", "--pace", "--kind", "PXOJ", "--quiet"}, -1,
                "/tmp/COM3", "c.log", "PXOJ", true, true, ""},
        SimCase{"UnknownKind", {"--kind", "XXXX"}, 2, "", "", "", false, false, "TKVR or PXOJ, not 'XXXX'"},
        SimCase{"LinkWithoutValue", {"--link"}, 2, "", "", "", false, false, "Missing value after '--link'"},
        SimCase{"LogWithoutValue", {"--log"}, 2, "", "", "", false, false, "Missing value after '--log'"},
        SimCase{"UnknownOption", {"--bogus"}, 2, "", "", "", false, false, "Unknown option '--bogus'"},
        SimCase{"MuteAfter0", {"--mute-after", "0"}, -1, "", "", "TKVR", false, false, "", 0},
        SimCase{"MuteAfter12Quiet", {"--mute-after", "12", "--quiet"}, -1, "", "", "TKVR", false, true, "", 12},
        SimCase{"MuteAfterMinus1", {"--mute-after", "-1"}, 2, "", "", "", false, false,
                "a number of commands, not '-1'"},
        SimCase{"MuteAfterX", {"--mute-after", "x"}, 2, "", "", "", false, false, "a number of commands, not 'x'"},
        SimCase{"MuteAfterWithoutValue", {"--mute-after"}, 2, "", "", "", false, false,
                "Missing value after '--mute-after'"},
        SimCase{"DeviceAsArgument", {"/dev/pts/3"}, 2, "", "", "", false, false, "Unexpected argument '/dev/pts/3'"},
        SimCase{"Help", {"--help"}, 0, "", "", "", false, false, "--kind KIND"},
        SimCase{"QuietThenShortHelp", {"--quiet", "-h"}, 0, "", "", "", false, false, "Usage: corvex-sim [options]\n"},
        SimCase{"Version", {"--version"}, 0, "", "", "", false, false, "corvex-sim " ZORV_VERSION "\n"}),
    RowName());

// --- the built programs ---

struct ProgramRun {
  int status = -1;  // exit code, or -1 when killed or not started
  std::string out, err;
};

std::string drain(int fd) {
  std::string text;
  char buffer[4096];
  for (ssize_t n; (n = read(fd, buffer, sizeof buffer)) > 0;) text.append(buffer, static_cast<size_t>(n));
  return text;
}

// Runs a program with no display at all: help and version must not need one.
ProgramRun runProgram(const std::vector<std::string>& args) {
  ProgramRun run;
  int out[2], err[2];
  if (pipe(out) != 0 || pipe(err) != 0) return run;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
  posix_spawn_file_actions_adddup2(&actions, err[1], STDERR_FILENO);
  posix_spawn_file_actions_addclose(&actions, out[0]);
  posix_spawn_file_actions_addclose(&actions, err[0]);
  std::vector<std::string> env{"PATH=/usr/bin:/bin", "HOME=/nonexistent"};
  std::vector<char*> argv, envp;
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  for (std::string& e : env) envp.push_back(e.data());
  envp.push_back(nullptr);
  pid_t pid = -1;
  const int rc = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
  posix_spawn_file_actions_destroy(&actions);
  close(out[1]);
  close(err[1]);
  if (rc == 0) {
    run.out = drain(out[0]);  // both outputs are far below a pipe's capacity
    run.err = drain(err[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    if (WIFEXITED(status)) run.status = WEXITSTATUS(status);
  }
  close(out[0]);
  close(err[0]);
  return run;
}

struct ProgramCase {
  const char* program;  // below the build folder
  std::vector<std::string> args;
  int status;
  const char* firstOutLine;
  const char* firstErrLine;
};

void PrintTo(const ProgramCase& c, std::ostream* os) { *os << c.program << " " << joined(c.args); }

class BuiltProgram : public ::testing::TestWithParam<ProgramCase> {};

TEST_P(BuiltProgram, AnswersWithoutADisplay) {
  const ProgramCase& c = GetParam();
  std::vector<std::string> args{std::string(ZORV_BINARY_DIR) + "/" + c.program};
  args.insert(args.end(), c.args.begin(), c.args.end());
  const ProgramRun run = runProgram(args);
  EXPECT_EQ(run.status, c.status) << run.err;
  EXPECT_EQ(firstLine(run.out), c.firstOutLine);
  EXPECT_EQ(firstLine(run.err), c.firstErrLine);
}

INSTANTIATE_TEST_SUITE_P(
    Table, BuiltProgram,
    ::testing::Values(
        ProgramCase{"app/zorv", {"--version"}, 0, "zorv " ZORV_VERSION, ""},
        ProgramCase{"app/zorv", {"--help"}, 0, "Usage: zorv [options]", ""},
        ProgramCase{"app/zorv",
                    {"--port", "21"},
                    2,
                    "",
                    "zorv: --port takes a port number from 1 to 20 (COM1 to COM20), not '21'."},
        ProgramCase{"sim/corvex-sim", {"--help"}, 0, "Usage: corvex-sim [options]", ""},
        ProgramCase{"sim/corvex-sim", {"--version"}, 0, "corvex-sim " ZORV_VERSION, ""},
        ProgramCase{"sim/corvex-sim", {"--speed"}, 2, "", "corvex-sim: Unknown option '--speed'."}),
    [](const auto& info) {  // "CorvexSimVersion"
      const std::string program = info.param.program;
      return testName(program.substr(program.rfind('/') + 1) + " " + joined(info.param.args));
    });

// --- zorv --demo ends cleanly on a signal ---

struct SignalCase {
  std::vector<std::string> args;
  int signal;
};

// What the last real session remembered; a demo opens its simulated COM3 and leaves this alone.
const std::string kRememberedBefore("7\0", 2);

void PrintTo(const SignalCase& c, std::ostream* os) { *os << joined(c.args) << " signal " << c.signal; }

class ZorvDemoProcess : public ::testing::TestWithParam<SignalCase> {};

TEST_P(ZorvDemoProcess, EndsWithExitCodeZeroOnSignal) {
  const SignalCase& c = GetParam();
  char pattern[] = "/tmp/zorv-signal-test-XXXXXX";
  ASSERT_NE(mkdtemp(pattern), nullptr);
  const fs::path dir = pattern;  // mode 0700, as a runtime directory must be
  std::vector<std::string> args{std::string(ZORV_BINARY_DIR) + "/app/zorv"};
  args.insert(args.end(), c.args.begin(), c.args.end());
  std::vector<std::string> env{"QT_QPA_PLATFORM=offscreen", "XDG_RUNTIME_DIR=" + dir.string(),
                               "XDG_CONFIG_HOME=" + (dir / "cfg").string(), "HOME=" + dir.string()};
  std::vector<char*> argv, envp;
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  for (std::string& e : env) envp.push_back(e.data());
  envp.push_back(nullptr);

  // The port file lives in the working directory.
  {
    std::ofstream(dir / "tkvrconfig.ini", std::ios::binary) << kRememberedBefore;
  }
  const fs::path before = fs::current_path();
  fs::current_path(dir);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  pid_t pid = -1;
  const int rc = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
  posix_spawn_file_actions_destroy(&actions);
  fs::current_path(before);
  ASSERT_EQ(rc, 0);

  // The automation socket appears once the signal handlers are in place, just before the window
  // opens its port.
  const fs::path socket = dir / "Zorv.Application";
  for (int i = 0; i < 1000 && !fs::exists(socket); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
  EXPECT_TRUE(fs::exists(socket));
  kill(pid, c.signal);
  int status = 0;
  bool ended = false;
  for (int i = 0; i < 1000 && !ended; ++i) {
    ended = waitpid(pid, &status, WNOHANG) == pid;
    if (!ended) std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  if (!ended) {
    kill(pid, SIGKILL);
    waitpid(pid, &status, 0);
  }
  EXPECT_TRUE(ended) << "zorv did not end on signal " << c.signal;
  EXPECT_TRUE(WIFEXITED(status)) << "ended by signal " << (WIFSIGNALED(status) ? WTERMSIG(status) : 0);
  EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, 0);
  EXPECT_EQ(readFile(dir / "tkvrconfig.ini"), kRememberedBefore);
  std::error_code ec;
  fs::remove_all(dir, ec);
}

INSTANTIATE_TEST_SUITE_P(Table, ZorvDemoProcess,
                         ::testing::Values(SignalCase{{"--demo"}, SIGTERM}, SignalCase{{"--demo", "--port", "12"}, SIGINT},
                                           SignalCase{{"--port=3", "--demo"}, SIGHUP}),
                         [](const auto& info) {  // "DemoPort12_SIGINT"
                           return testName(joined(info.param.args)) + "_" + signalName(info.param.signal);
                         });

// --- the handler inside the process ---

std::vector<int> caught;
void previousHandler(int signal) { caught.push_back(-signal); }

class SignalQuitHandler : public ::testing::TestWithParam<int> {};

TEST_P(SignalQuitHandler, ReportsOnTheEventLoopAndPutsBackThePreviousHandler) {
  const int signal = GetParam();
  zorv::test::qtApp();
  caught.clear();
  struct sigaction mine {}, original {};
  mine.sa_handler = previousHandler;
  sigemptyset(&mine.sa_mask);
  sigaction(signal, &mine, &original);
  {
    zorv::SignalQuit quit([](int s) { caught.push_back(s); });
    ASSERT_TRUE(quit.installed());
    raise(signal);
    EXPECT_TRUE(caught.empty()) << "reported inside the signal handler";
    zorv::test::spinEvents(50);
    EXPECT_EQ(caught, std::vector<int>{signal});
  }
  caught.clear();
  raise(signal);
  EXPECT_EQ(caught, std::vector<int>{-signal});
  sigaction(signal, &original, nullptr);
}

INSTANTIATE_TEST_SUITE_P(Table, SignalQuitHandler, ::testing::Values(SIGTERM, SIGINT, SIGHUP),
                         [](const auto& info) { return signalName(info.param); });

}  // namespace
