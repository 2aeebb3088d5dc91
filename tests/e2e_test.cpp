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

// The trace of a whole read-back, once its last answer is on disk (each line is flushed as it
// comes, while the program runs): the 37 queries in order, each answered before the next goes
// out, the times never going back.
void expectTraceOfReadBack(const fs::path& trace) {
  zorv::TraceReading reading;
  std::string written, unanswered, backwards;
  auto read = [&] {
    reading = zorv::readTrace(readFile(trace));
    written.clear(), unanswered.clear(), backwards.clear();
    int64_t last = 0;
    const zorv::TraceChunk* query = nullptr;
    std::string answer;
    for (const zorv::TraceChunk& c : reading.chunks) {
      if (c.timeUs < last) backwards += " " + std::to_string(c.line);
      last = c.timeUs;
      if (c.direction == zorv::Traffic::Read) answer += c.bytes;
      if (c.direction != zorv::Traffic::Written || c.bytes[0] != '?') continue;  // a setting may come between
      if (query && answer.find(query->bytes.substr(0, 2)) == std::string::npos) unanswered += query->bytes;
      query = &c;
      answer.clear();
      written += c.bytes;
    }
    return written == zorv::test::kReadbackChain && answer.find("?W") != std::string::npos;
  };
  for (int i = 0; i < 500 && !read(); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
  EXPECT_EQ(reading.badLines, 0u);
  EXPECT_EQ(written, zorv::test::kReadbackChain);
  EXPECT_EQ(unanswered, "");
  EXPECT_EQ(backwards, "") << "lines whose time goes back";
  ASSERT_FALSE(reading.chunks.empty());
  EXPECT_EQ(reading.chunks.front().bytes, "opened COM3");
}

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
  const std::string data = "XDG_DATA_HOME=" + (dir / "data").string();
  ASSERT_TRUE(zorv.start({(bin / "app" / "zorv").string(), "--trace", (dir / "trace.txt").string()},
                         {"QT_QPA_PLATFORM=offscreen", xdg, runtime, data}, dir.string(), false, error))
      << error;

  std::string text;
  size_t from = 0;  // the read-back that counts: after the stream was switched off
  for (int i = 0; i < 1000 && text.find("?W", from) == std::string::npos; ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
    text = readFile(log);
    if (leftStreaming) from = std::min(text.size(), text.find("S~0000"));
  }
  if (!leftStreaming) expectTraceOfReadBack(dir / "trace.txt");
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

}  // namespace
