// End to end: the built zorv under the offscreen platform, COM3 linked to corvex-sim's
// pseudo-terminal. The simulator's log shows the whole read-back; the port file is written.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

#include "serial/traffic_line.h"
#include "tests/support/child_process.h"
#include "tests/support/harness.h"
#include "tests/support/read_file.h"

namespace {

namespace fs = std::filesystem;
using zorv::test::readFile;

// Also from a board that an earlier session left streaming (it switched the live display on and
// ended without switching it off): the window switches the stream off and reads everything back
// with no click.
class EndToEnd : public ::testing::TestWithParam<bool> {};

TEST_P(EndToEnd, ZorvReadsBackFromCorvexSimOverAPseudoTerminal) {
  const fs::path bin = ZORV_BINARY_DIR;
  const fs::path dir = fs::temp_directory_path() / ("zorv-e2e-" + std::to_string(getpid()));
  fs::remove_all(dir);
  fs::create_directories(dir / "cfg");
  const fs::path link = dir / "cfg" / "zorv" / "ports" / "COM3";
  const fs::path log = dir / "sim.log";

  std::string error;
  zorv::test::Child sim, zorv;
  ASSERT_TRUE(sim.start({(bin / "sim" / "corvex-sim").string(), "--link", link.string(), "--log", log.string(),
                         "--quiet"},
                        {}, dir.string(), false, error))
      << error;
  for (int i = 0; i < 200 && !fs::is_symlink(link); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
  ASSERT_TRUE(fs::is_symlink(link)) << "corvex-sim made no link";

  const bool leftStreaming = GetParam();
  if (leftStreaming) {
    const int earlier = ::open(link.c_str(), O_WRONLY | O_NOCTTY);
    ASSERT_GE(earlier, 0);
    ASSERT_EQ(::write(earlier, "S~0001\r", 7), 7);
    ::close(earlier);
    std::this_thread::sleep_for(std::chrono::milliseconds(200));  // records flow meanwhile
  }
  const std::string xdg = "XDG_CONFIG_HOME=" + (dir / "cfg").string();
  const std::string runtime = "XDG_RUNTIME_DIR=" + dir.string();
  ASSERT_TRUE(zorv.start({(bin / "app" / "zorv").string()}, {"QT_QPA_PLATFORM=offscreen", xdg, runtime}, dir.string(),
                         false, error))
      << error;

  std::string text;
  size_t from = 0;  // the read-back that counts: after the stream was switched off
  for (int i = 0; i < 1000 && text.find("?W", from) == std::string::npos; ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
    text = readFile(log);
    if (leftStreaming) from = std::min(text.size(), text.find("S~0000"));
  }
  zorv.stop();
  sim.stop();

  // The log holds one command a line, CR written as "\r".
  std::string queries;
  ASSERT_LT(from, text.size()) << text;
  EXPECT_EQ(text.find("S~0000", from + 1), std::string::npos) << "switched off once: " << text;
  std::istringstream lines(text.substr(from));
  for (std::string line; std::getline(lines, line);)
    if (!line.empty() && line[0] == '?') queries += line.substr(0, 2) + " ";
  EXPECT_EQ(queries,
            "?C ?A ?B ?D ?E ?F ?G ?H ?I ?J ?K ?L ?R ?T ?Y ?Z ?4 ?5 ?6 ?7 ?M ?N ?O ?P ?V ?a ?b ?c ?d ?e ?f ?g ?h "
            "?i ?k ?j ?W ")
      << text;
  EXPECT_EQ(readFile(dir / "tkvrconfig.ini"), std::string("3\0", 2));
  fs::remove_all(dir);
}

INSTANTIATE_TEST_SUITE_P(Board, EndToEnd, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "LeftStreaming" : "Fresh"; });

// zorv --trace FILE writes the traffic as it happens: a read-back's 37 queries in order, each
// followed by its answer, the times never going back.
TEST(EndToEndTrace, ZorvTraceOfAReadBackHoldsEveryQueryAndItsAnswer) {
  const fs::path bin = ZORV_BINARY_DIR;
  const fs::path dir = fs::temp_directory_path() / ("zorv-e2e-trace-" + std::to_string(getpid()));
  fs::remove_all(dir);
  fs::create_directories(dir / "cfg");
  const fs::path link = dir / "cfg" / "zorv" / "ports" / "COM3";
  const fs::path trace = dir / "trace.txt";
  std::ofstream(dir / "tkvrconfig.ini", std::ios::binary).write("3\0", 2);

  std::string error;
  zorv::test::Child sim, zorv;
  ASSERT_TRUE(sim.start({(bin / "sim" / "corvex-sim").string(), "--link", link.string(), "--quiet"}, {}, dir.string(),
                        false, error))
      << error;
  for (int i = 0; i < 200 && !fs::is_symlink(link); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
  ASSERT_TRUE(fs::is_symlink(link)) << "corvex-sim made no link";
  ASSERT_TRUE(zorv.start({(bin / "app" / "zorv").string(), "--trace", trace.string()},
                         {"QT_QPA_PLATFORM=offscreen", "XDG_CONFIG_HOME=" + (dir / "cfg").string(),
                          "XDG_RUNTIME_DIR=" + dir.string()},
                         dir.string(), false, error))
      << error;
  // The last answer is on disk while the program runs: each line is flushed as it comes.
  zorv::TraceReading reading;
  auto answeredLast = [&reading] {
    const auto& c = reading.chunks;
    for (size_t i = 0; i + 1 < c.size(); ++i)
      if (c[i].direction == zorv::Traffic::Written && c[i].bytes == "?W\r" && c[i + 1].direction == zorv::Traffic::Read)
        return true;
    return false;
  };
  for (int i = 0; i < 1000 && !answeredLast(); ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
    reading = zorv::readTrace(readFile(trace));
  }
  zorv.stop();
  sim.stop();

  EXPECT_EQ(reading.badLines, 0u);
  std::string written;
  int64_t last = 0;
  for (size_t i = 0; i < reading.chunks.size(); ++i) {
    const zorv::TraceChunk& c = reading.chunks[i];
    EXPECT_GE(c.timeUs, last) << "line " << c.line;
    last = c.timeUs;
    if (c.direction != zorv::Traffic::Written || c.bytes[0] != '?') continue;  // a setting's echo may come between
    written += c.bytes;
    // Its answer is read before the next query goes out, and names it.
    std::string answer;
    for (size_t j = i + 1; j < reading.chunks.size(); ++j) {
      const zorv::TraceChunk& next = reading.chunks[j];
      if (next.direction == zorv::Traffic::Written && next.bytes[0] == '?') break;
      if (next.direction == zorv::Traffic::Read) answer += next.bytes;
    }
    EXPECT_NE(answer.find(c.bytes.substr(0, 2)), std::string::npos) << "line " << c.line << ": " << answer;
  }
  EXPECT_EQ(written, zorv::test::kReadbackChain);
  ASSERT_FALSE(reading.chunks.empty());
  EXPECT_EQ(reading.chunks.front().bytes, "opened COM3");
  fs::remove_all(dir);
}

}  // namespace
