// End to end: the built zorv under the offscreen platform, COM3 linked to corvex-sim's
// pseudo-terminal. The simulator's log shows the whole read-back; the port file is written.

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <fcntl.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

std::string slurp(const fs::path& p) {
  std::ifstream f(p, std::ios::binary);
  std::stringstream ss;
  ss << f.rdbuf();
  return ss.str();
}

pid_t spawn(const std::vector<std::string>& args, const fs::path& cwd, const std::vector<std::string>& env) {
  const pid_t pid = fork();
  if (pid == 0) {
    if (chdir(cwd.c_str()) != 0) _exit(126);
    for (const std::string& e : env) putenv(const_cast<char*>(e.c_str()));
    std::vector<char*> argv;
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    int devnull = ::open("/dev/null", O_WRONLY);
    if (devnull >= 0) {
      dup2(devnull, 1);
      dup2(devnull, 2);
    }
    execv(argv[0], argv.data());
    _exit(127);
  }
  return pid;
}

void stop(pid_t pid) {
  if (pid <= 0) return;
  kill(pid, SIGTERM);
  for (int i = 0; i < 100; ++i) {
    if (waitpid(pid, nullptr, WNOHANG) == pid) return;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  kill(pid, SIGKILL);
  waitpid(pid, nullptr, 0);
}

TEST(EndToEnd, ZorvReadsBackFromCorvexSimOverAPseudoTerminal) {
  const fs::path bin = ZORV_BINARY_DIR;
  const fs::path dir = fs::temp_directory_path() / ("zorv-e2e-" + std::to_string(getpid()));
  fs::remove_all(dir);
  fs::create_directories(dir / "cfg");
  const fs::path link = dir / "cfg" / "zorv" / "ports" / "COM3";
  const fs::path log = dir / "sim.log";

  const pid_t sim = spawn({(bin / "sim" / "corvex-sim").string(), "--link", link.string(), "--log", log.string(),
                           "--quiet"},
                          dir, {});
  for (int i = 0; i < 200 && !fs::is_symlink(link); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
  ASSERT_TRUE(fs::is_symlink(link)) << "corvex-sim made no link";

  const std::string xdg = "XDG_CONFIG_HOME=" + (dir / "cfg").string();
  const std::string runtime = "XDG_RUNTIME_DIR=" + dir.string();
  const pid_t zorv = spawn({(bin / "app" / "zorv").string()}, dir, {"QT_QPA_PLATFORM=offscreen", xdg, runtime});

  std::string text;
  for (int i = 0; i < 1000 && text.find("?W") == std::string::npos; ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
    text = slurp(log);
  }
  stop(zorv);
  stop(sim);

  // The log holds one command a line, CR written as "\r".
  std::string queries;
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);)
    if (!line.empty() && line[0] == '?') queries += line.substr(0, 2) + " ";
  EXPECT_EQ(queries,
            "?C ?A ?B ?D ?E ?F ?G ?H ?I ?J ?K ?L ?R ?T ?Y ?Z ?4 ?5 ?6 ?7 ?M ?N ?O ?P ?V ?a ?b ?c ?d ?e ?f ?g ?h "
            "?i ?k ?j ?W ")
      << text;
  EXPECT_EQ(slurp(dir / "tkvrconfig.ini"), std::string("3\0", 2));
  fs::remove_all(dir);
}

}  // namespace
