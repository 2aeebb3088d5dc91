// End to end: the built zorv under the offscreen platform, COM3 linked to corvex-sim's
// pseudo-terminal. The simulator's log shows the whole read-back; the port file is written.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

#include "tests/support/child_process.h"
#include "tests/support/read_file.h"

namespace {

namespace fs = std::filesystem;
using zorv::test::readFile;

constexpr const char* kChain =
    "?C ?A ?B ?D ?E ?F ?G ?H ?I ?J ?K ?L ?R ?T ?Y ?Z ?4 ?5 ?6 ?7 ?M ?N ?O ?P ?V ?a ?b ?c ?d ?e ?f ?g ?h ?i ?k ?j ?W ";

// corvex-sim serving COM3 in a fresh folder, logging every command it hears, one a line (CR
// written as "\r").
struct SimRig {
  const fs::path bin = ZORV_BINARY_DIR;
  const fs::path dir = fs::temp_directory_path() / ("zorv-e2e-" + std::to_string(getpid()));
  const fs::path link = dir / "cfg" / "zorv" / "ports" / "COM3";
  const fs::path log = dir / "sim.log";
  zorv::test::Child sim, zorv;

  SimRig() {
    fs::remove_all(dir);
    fs::create_directories(dir / "cfg");
    std::string error;
    EXPECT_TRUE(sim.start({(bin / "sim" / "corvex-sim").string(), "--link", link.string(), "--log", log.string(),
                           "--quiet"},
                          {}, dir.string(), false, error))
        << error;
    for (int i = 0; i < 200 && !fs::is_symlink(link); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_TRUE(fs::is_symlink(link)) << "corvex-sim made no link";
  }
  ~SimRig() {
    zorv.stop();
    sim.stop();
    fs::remove_all(dir);
  }
  bool startZorv() {
    std::string error;
    const std::string xdg = "XDG_CONFIG_HOME=" + (dir / "cfg").string();
    const std::string runtime = "XDG_RUNTIME_DIR=" + dir.string();
    const bool started = zorv.start({(bin / "app" / "zorv").string()}, {"QT_QPA_PLATFORM=offscreen", xdg, runtime},
                                    dir.string(), false, error);
    EXPECT_TRUE(started) << error;
    return started;
  }
  // The log once it holds `what` after `from` (or after 10 s).
  std::string logUntil(const std::string& what, const std::string& from = "") {
    std::string text;
    for (int i = 0; i < 1000; ++i) {
      text = readFile(log);
      const size_t at = text.find(from);
      if (at != std::string::npos && text.find(what, at) != std::string::npos) break;
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return text;
  }
};

// The queries among the log's lines, as "?C ?A ...".
std::string queriesOf(const std::string& text) {
  std::string queries;
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);)
    if (!line.empty() && line[0] == '?') queries += line.substr(0, 2) + " ";
  return queries;
}

TEST(EndToEnd, ZorvReadsBackFromCorvexSimOverAPseudoTerminal) {
  SimRig rig;
  ASSERT_TRUE(rig.startZorv());
  const std::string text = rig.logUntil("?W");
  EXPECT_EQ(queriesOf(text), kChain) << text;
  EXPECT_EQ(readFile(rig.dir / "tkvrconfig.ini"), std::string("3\0", 2));
}

// An earlier session switched the live display on and ended without switching it off: the board
// streams. The next start switches the stream off and reads everything back with no click.
TEST(EndToEnd, ZorvReadsBackFromABoardLeftStreaming) {
  SimRig rig;
  const int earlier = ::open(rig.link.c_str(), O_WRONLY | O_NOCTTY);
  ASSERT_GE(earlier, 0);
  ASSERT_EQ(::write(earlier, "S~0001\r", 7), 7);
  ::close(earlier);
  rig.logUntil("S~0001");
  std::this_thread::sleep_for(std::chrono::milliseconds(200));  // records flow meanwhile
  ASSERT_TRUE(rig.startZorv());
  const std::string text = rig.logUntil("?W", "S~0000");
  const size_t stop = text.find("S~0000");
  ASSERT_NE(stop, std::string::npos) << text;
  EXPECT_EQ(queriesOf(text.substr(stop)), kChain) << text;
  EXPECT_EQ(text.find("S~0000", stop + 1), std::string::npos) << "stopped once: " << text;
}

}  // namespace
