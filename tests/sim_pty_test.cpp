// corvex-sim end to end: the program serves the controller on a pseudo-terminal that a client
// can open, close and open again, through the device or the link, and it cleans up on SIGTERM.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "tests/support/child_process.h"
#include "tests/support/read_file.h"

namespace {

namespace fs = std::filesystem;

constexpr int kTimeoutMs = 5000;

// Reads until `n` bytes or a line end (when n is 0) arrived, or the time is up.
std::string readFrom(int fd, size_t n, bool untilNewline = false, int timeoutMs = kTimeoutMs) {
  std::string got;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  while ((untilNewline ? got.find('\n') == std::string::npos : got.size() < n) &&
         std::chrono::steady_clock::now() < deadline) {
    pollfd p{fd, POLLIN, 0};
    if (poll(&p, 1, 100) <= 0) continue;
    char buffer[256];
    const ssize_t k = read(fd, buffer, untilNewline ? 1 : std::min(sizeof buffer, n - got.size()));
    if (k <= 0) break;
    got.append(buffer, static_cast<size_t>(k));
  }
  return got;
}

class CorvexSimProgram : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/zorv-sim-test-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    dir_ = pattern;
    link_ = (dir_ / "ports" / "COM3").string();
    log_ = (dir_ / "commands.log").string();
  }

  void TearDown() override {
    child_.stop();
    std::error_code ec;
    fs::remove_all(dir_, ec);
  }

  // Starts the program and returns the device path it prints first.
  std::string start(std::vector<std::string> args) {
    args.insert(args.begin(), ZORV_BINARY_DIR "/sim/corvex-sim");
    std::string error;
    if (!child_.start(args, {}, "", true, error)) return "";
    std::string line = readFrom(child_.out, 0, true);
    if (!line.empty() && line.back() == '\n') line.pop_back();
    return line;
  }

  // Asks SIGTERM to stop the program; true when it exits with status 0.
  bool stop() { return child_.endsCleanly(); }

  static std::string ask(const std::string& device, const std::string& command, size_t answerSize,
                         int timeoutMs = kTimeoutMs) {
    const int fd = open(device.c_str(), O_RDWR | O_NOCTTY);
    if (fd < 0) return "cannot open " + device;
    if (write(fd, command.data(), command.size()) != static_cast<ssize_t>(command.size())) {
      close(fd);
      return "cannot write";
    }
    std::string answer = readFrom(fd, answerSize, false, timeoutMs);
    close(fd);
    return answer;
  }

  fs::path dir_;
  std::string link_, log_;
  zorv::test::Child child_;
};

TEST_F(CorvexSimProgram, AnswersThroughTheDeviceAndTheLinkAcrossReopens) {
  const std::string device = start({"--quiet", "--link", link_, "--log", log_});
  ASSERT_EQ(device.rfind("/dev/", 0), 0u) << "first line must be the device, got '" << device << "'";
  ASSERT_TRUE(fs::is_symlink(link_));
  EXPECT_EQ(fs::read_symlink(link_).string(), device);

  EXPECT_EQ(ask(device, "?C\r", 10), "?C\r 0050\r\n");
  EXPECT_EQ(ask(link_, "SC0007\r", 8), "SC0007\r\n");   // closed and opened again in between
  EXPECT_EQ(ask(device, "?C\r", 10), "?C\r 0007\r\n");
  EXPECT_EQ(ask(link_, "?W\r", 12), "?W\r TKVR01\r\n");

  EXPECT_TRUE(stop());
  EXPECT_FALSE(fs::exists(fs::symlink_status(link_))) << "the link is removed on exit";
  const std::string logged = zorv::test::readFile(log_);
  EXPECT_EQ(logged, "?C\\r\nSC0007\\r\n?C\\r\n?W\\r\n");
}

TEST_F(CorvexSimProgram, StreamsMonitorRecordsAtThePacedRate) {
  const std::string device = start({"--quiet", "--pace", "--kind", "PXOJ"});
  ASSERT_EQ(device.rfind("/dev/", 0), 0u);
  const int fd = open(device.c_str(), O_RDWR | O_NOCTTY);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(write(fd, "?W\rS~0001\r", 10), 10);
  const std::string got = readFrom(fd, 12 + 8 + 3 * 38);
  close(fd);
  ASSERT_EQ(got.size(), 12u + 8 + 3 * 38);
  EXPECT_EQ(got.substr(0, 20), "?W\r PXOJ01\r\nS~0001\r\n");
  EXPECT_EQ(got.substr(20, 4), "CHDA");
  EXPECT_EQ(got.substr(58, 4), "MSDA");
  EXPECT_EQ(got.substr(96, 4), "SSDA");
  EXPECT_TRUE(stop());
}

TEST_F(CorvexSimProgram, FallsSilentAfterTheCommandsItWasToldToAnswer) {
  const std::string device = start({"--quiet", "--mute-after", "2", "--log", log_});
  ASSERT_EQ(device.rfind("/dev/", 0), 0u);
  EXPECT_EQ(ask(device, "?C\r", 10), "?C\r 0050\r\n");
  EXPECT_EQ(ask(device, "S~0001\r", 8), "S~0001\r\n");
  // Not even the monitor records it was asked for: a generous wait brings nothing.
  EXPECT_EQ(ask(device, "?W\r", 12, 500), "");
  EXPECT_TRUE(stop());
  const std::string logged = zorv::test::readFile(log_);
  EXPECT_EQ(logged, "?C\\r\nS~0001\\r\n?W\\r\n") << "the silent controller still hears";
}

struct PacedExchange {
  const char* name;
  std::string request;
  size_t answerSize;
};

TEST_F(CorvexSimProgram, PacedAnswersComeNoSoonerThanTheLineCarriesBothWays) {
  constexpr double kByteUs = 10.0 * 1e6 / 115200.0;
  const std::vector<PacedExchange> cases = {
      {"a query", "?C\r", 10},
      {"a setting", "SC0009\r", 8},
      {"the identity query", "?W\r", 12},
      {"two queries in one write", "?A\r?B\r", 20},
  };
  const std::string device = start({"--quiet", "--pace"});
  ASSERT_EQ(device.rfind("/dev/", 0), 0u);
  for (const PacedExchange& c : cases) {
    const int fd = open(device.c_str(), O_RDWR | O_NOCTTY);
    ASSERT_GE(fd, 0);
    const auto t0 = std::chrono::steady_clock::now();
    ASSERT_EQ(write(fd, c.request.data(), c.request.size()), static_cast<ssize_t>(c.request.size()));
    const std::string got = readFrom(fd, c.answerSize);
    const double us = std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - t0).count();
    close(fd);
    EXPECT_EQ(got.size(), c.answerSize) << c.name;
    EXPECT_EQ(got.substr(0, 3), c.request.substr(0, 3)) << c.name << ": the answer begins with the request's echo";
    // The request's bytes cross before the controller hears them, then the answer's.
    EXPECT_GE(us, static_cast<double>(c.request.size() + c.answerSize) * kByteUs) << c.name;
  }
  EXPECT_TRUE(stop());
}

// A board that boots for a while after each open and sends a stray byte or two as it comes up.
TEST_F(CorvexSimProgram, EachOpenBringsTheNoiseAndTheBootDelay) {
  const std::string device = start({"--quiet", "--boot-delay", "300", "--noise-on-open", "00 FF"});
  ASSERT_EQ(device.rfind("/dev/", 0), 0u);
  for (int open = 0; open < 2; ++open) {
    SCOPED_TRACE(open == 0 ? "first open" : "second open");
    const int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY);
    ASSERT_GE(fd, 0);
    const auto opened = std::chrono::steady_clock::now();
    EXPECT_EQ(readFrom(fd, 2, false, 1000), std::string("\0\xFF", 2));
    ASSERT_EQ(write(fd, "?C\r", 3), 3);
    EXPECT_EQ(readFrom(fd, 10, false, 150), "") << "still booting";
    // Well after the boot: the simulator may see the open late on a busy machine.
    std::this_thread::sleep_until(opened + std::chrono::milliseconds(700));
    ASSERT_EQ(write(fd, "?C\r", 3), 3);
    EXPECT_EQ(readFrom(fd, 10), "?C\r 0050\r\n");
    close(fd);
  }
  EXPECT_TRUE(stop());
}

// A pilot's saved log played back: what the window sends is answered as the log recorded; what
// the log does not have is not, and the log file says where the session departed.
TEST_F(CorvexSimProgram, ReplaysATrace) {
  const std::string trace = (dir_ / "pilot.log").string();
  std::ofstream(trace) << "# saved by a pilot\n"
                       << "    0.000 * opened COM3\n"
                       << "   12.345 > 3F 43 0D                      ?C.\n"
                       << "   12.871 < 3F 43 0D 20 30 30 34 35 0D 0A  ?C. 0045..\n"
                       << "   20.000 > 3F 41 0D                      ?A.\n"
                       << "   21.000 < 3F 41 0D 20 30 30 30 37 0D 0A  ?A. 0007..\n";
  const std::string device = start({"--quiet", "--replay", trace, "--log", log_});
  ASSERT_EQ(device.rfind("/dev/", 0), 0u);
  EXPECT_EQ(ask(device, "?C\r", 10), "?C\r 0045\r\n");
  EXPECT_EQ(ask(device, "?B\r", 10, 300), "") << "not in the log";
  EXPECT_EQ(ask(device, "?A\r", 10), "?A\r 0007\r\n");
  EXPECT_TRUE(stop());
  const std::string logged = zorv::test::readFile(log_);
  EXPECT_NE(logged.find("# the session departs from pilot.log at line 5: the log has 3F 41 0D (?A.) written next, "
                             "the window wrote 3F 42 0D (?B.)"),
            std::string::npos)
      << logged;
}

TEST_F(CorvexSimProgram, RefusesATraceWithoutCommands) {
  const std::string trace = (dir_ / "empty.log").string();
  std::ofstream(trace) << "hello\n";
  EXPECT_EQ(start({"--quiet", "--replay", trace}), "");
  int status = 0;
  ASSERT_EQ(waitpid(child_.pid, &status, 0), child_.pid);
  child_.pid = -1;
  EXPECT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 1);
}

TEST_F(CorvexSimProgram, RefusesUnknownOptions) {
  const std::string device = start({"--kind", "ABCD"});
  EXPECT_EQ(device, "");
  int status = 0;
  ASSERT_EQ(waitpid(child_.pid, &status, 0), child_.pid);
  child_.pid = -1;
  EXPECT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 2);
}

}  // namespace
