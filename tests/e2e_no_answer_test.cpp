// End to end with a controller that falls silent: the window with its real serial port and real
// clock, COM3 pinned to corvex-sim's pseudo-terminal, and the simulator told to go quiet after a
// number of commands. The window says "No answer" once the limit has passed (the time it took is
// printed, not asserted), and the simulator's log shows that nothing more was sent meanwhile.

#include <gtest/gtest.h>

#include <stdlib.h>

#include <QElapsedTimer>
#include <QLineEdit>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "core/control_ids.h"
#include "core/no_answer.h"
#include "gui/zorv_dlg.h"
#include "qtsys/serial_port.h"
#include "tests/support/fakes.h"
#include "tests/support/qt_app.h"
#include "tests/support/read_file.h"
#include "tests/support/qt_pty_sim.h"

namespace zorv::test {
namespace {

namespace fs = std::filesystem;

int lines(const std::string& text) { return static_cast<int>(std::count(text.begin(), text.end(), '\n')); }

class SilentController : public PtySimTest {
 protected:
  // corvex-sim silent after `answered` commands.
  bool startSimulator(int answered) {
    return startSim({"--log", log_.string(), "--mute-after", std::to_string(answered)});
  }
  std::filesystem::path log_ = "";
};

TEST_F(SilentController, WindowSaysNoAnswerAndSendsNothingMore) {
  struct Case {
    int answered;
    const char* lastHeard;  // the command that got no answer
  } cases[] = {
      {0, "?C\\r"},   // a port where nothing answers
      {10, "?K\\r"},  // the board stops midway through the read-back
  };
  log_ = dir_ / "sim.log";
  for (const Case& k : cases) {
    SCOPED_TRACE(k.lastHeard);
    ASSERT_TRUE(startSimulator(k.answered));
    {
      QtSerialPort port;
      SteadyClock clock;
      ScriptedPrompts prompts;
      CZorvDlg window(port, &prompts, clock, (dir_ / "tkvrconfig.ini").string());
      port.onReceive = [&window] { window.core().onReceive(); };
      window.setPortLabelSource([&port] { return port.relabel(); });
      auto* status = qobject_cast<QLineEdit*>(window.control(ids::kPortStatus));
      ASSERT_NE(status, nullptr);

      QElapsedTimer sinceOpen;
      sinceOpen.start();
      window.initialise();
      while (status->text() != kNoAnswerStatus && sinceOpen.elapsed() < 10000) spinEvents(5);
      const qint64 shownAfter = sinceOpen.elapsed();
      ASSERT_EQ(status->text().toStdString(), kNoAnswerStatus) << "never said so";
      std::printf("[          ] \"No answer\" %lld ms after the open\n", static_cast<long long>(shownAfter));
      EXPECT_GE(shownAfter, static_cast<qint64>(answer_limits::kReplyMs)) << "not before the limit";
      EXPECT_NE(status->toolTip().toStdString().find("COM3 (pts/"), std::string::npos)
          << status->toolTip().toStdString();

      spinEvents(1500);  // nothing is sent to wake it
      const std::string log = readFile(log_);
      EXPECT_EQ(lines(log), k.answered + 1) << log;
      EXPECT_EQ(log.substr(log.size() - std::string(k.lastHeard).size() - 1), std::string(k.lastHeard) + "\n");
    }
    sim_.stop();
    fs::remove(log_);
  }
}

}  // namespace
}  // namespace zorv::test
