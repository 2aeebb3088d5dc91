#include "tests/support/qt_pty_sim.h"

#include <stdlib.h>

#include <QElapsedTimer>
#include <fstream>

#include "tests/support/qt_app.h"

namespace zorv::test {

namespace fs = std::filesystem;

void PtySimTest::SetUp() {
  qtApp();
  char pattern[] = "/tmp/zorv-pty-XXXXXX";
  ASSERT_NE(mkdtemp(pattern), nullptr);
  dir_ = pattern;
  config_.emplace("XDG_CONFIG_HOME", (dir_ / "cfg").string());
  link_ = dir_ / "cfg" / "zorv" / "ports" / "COM3";
  std::ofstream(dir_ / "tkvrconfig.ini", std::ios::binary).write("3\0", 2);
}

void PtySimTest::TearDown() {
  sim_.stop();
  config_.reset();
  std::error_code ec;
  fs::remove_all(dir_, ec);
}

bool PtySimTest::startSim(const std::vector<std::string>& extra) {
  std::vector<std::string> args = {ZORV_BINARY_DIR "/sim/corvex-sim", "--quiet", "--link", link_.string()};
  args.insert(args.end(), extra.begin(), extra.end());
  std::string error;
  if (!sim_.start(args, {}, "", false, error)) return false;
  return until([this] { return fs::exists(link_); }, 5000);
}

bool PtySimTest::until(const std::function<bool()>& done, int ms) { return spinUntil(done, ms); }

}  // namespace zorv::test
