// End to end: the built zorv under the offscreen platform, COM3 linked to corvex-sim's
// pseudo-terminal. The simulator's log shows the whole read-back; the port file is written.

#include <gtest/gtest.h>

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

TEST(EndToEnd, ZorvReadsBackFromCorvexSimOverAPseudoTerminal) {
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

  const std::string xdg = "XDG_CONFIG_HOME=" + (dir / "cfg").string();
  const std::string runtime = "XDG_RUNTIME_DIR=" + dir.string();
  ASSERT_TRUE(zorv.start({(bin / "app" / "zorv").string()}, {"QT_QPA_PLATFORM=offscreen", xdg, runtime}, dir.string(),
                         false, error))
      << error;

  std::string text;
  for (int i = 0; i < 1000 && text.find("?W") == std::string::npos; ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
    text = readFile(log);
  }
  zorv.stop();
  sim.stop();

  // The log holds one command a line, CR written as "\r".
  std::string queries;
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);)
    if (!line.empty() && line[0] == '?') queries += line.substr(0, 2) + " ";
  EXPECT_EQ(queries,
            "?C ?A ?B ?D ?E ?F ?G ?H ?I ?J ?K ?L ?R ?T ?Y ?Z ?4 ?5 ?6 ?7 ?M ?N ?O ?P ?V ?a ?b ?c ?d ?e ?f ?g ?h "
            "?i ?k ?j ?W ")
      << text;
  EXPECT_EQ(readFile(dir / "tkvrconfig.ini"), std::string("3\0", 2));
  fs::remove_all(dir);
}

}  // namespace
