// End to end, the board unplugged and plugged back: the window with its real serial port and
// real clock, COM3 pinned to corvex-sim's pseudo-terminal. The simulator ends (its device goes
// away), a new one comes under the same link, and the window reads it back without a click; a
// board still booting is read after the retries; one that never answers is given up on after
// three retries with a message. The time from plug to the first "?C" is printed, not asserted.

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "gui/reconnect.h"
#include "gui/zorv_dlg.h"
#include "programs/reconnect_devices.h"
#include "qtsys/serial_port.h"
#include "serial/traffic_port.h"
#include "tests/support/fakes.h"
#include "tests/support/qt_app.h"
#include "tests/support/read_file.h"
#include "tests/support/qt_pty_sim.h"
#include "tests/support/test_names.h"

namespace zorv::test {
namespace {

namespace fs = std::filesystem;

struct PlugCase {
  const char* name;
  int bootDelayMs;     // the board plugged back answers nothing for this long after each open
  bool readBack;       // it is read back in the end
};
void PrintTo(const PlugCase& c, std::ostream* os) { *os << c.name; }

class Replug : public PtySimTest, public ::testing::WithParamInterface<PlugCase> {
 protected:
  bool plug(const fs::path& log, int bootDelayMs) {
    std::vector<std::string> extra = {"--log", log.string()};
    if (bootDelayMs > 0) extra.insert(extra.end(), {"--boot-delay", std::to_string(bootDelayMs)});
    return startSim(extra);
  }
};

TEST_P(Replug, TheBoardPluggedBackIsReadWithoutAClick) {
  const PlugCase& c = GetParam();
  const fs::path first = dir_ / "first.log", second = dir_ / "second.log";
  ASSERT_TRUE(plug(first, 0));
  QtSerialPort real;
  TrafficPort port(real);
  SteadyClock clock;
  ScriptedPrompts prompts;
  CZorvDlg window(port, &prompts, clock, (dir_ / "tkvrconfig.ini").string());
  Reconnect reconnect(window, reconnectDevices(real, window));
  port.onReceive = [&window] { window.receive(); };
  port.onLost = [&window, &reconnect](const std::string& reason) {
    window.portLost(reason);
    reconnect.portLost();
  };
  window.initialise();
  ASSERT_TRUE(until([&] { return readFile(first).find("?W") != std::string::npos; }, 5000)) << "first read-back";

  sim_.stop();  // unplugged
  ASSERT_TRUE(until([&] { return !port.isOpen(); }, 3000)) << "the window never heard the board go";
  EXPECT_TRUE(reconnect.watching());
  spinEvents(1500);  // a while without the board

  const size_t shown = prompts.shown.size();
  ASSERT_TRUE(plug(second, c.bootDelayMs));
  QElapsedTimer sincePlug;
  sincePlug.start();
  auto asked = [&] {
    int n = 0;
    std::vector<TrafficChunk> chunks;
    port.log().read(0, TrafficLog::kMaxChunks, chunks);
    for (const TrafficChunk& k : chunks) n += k.direction == Traffic::Written && k.bytes == "?C\r";
    return n;
  };
  const int askedBefore = asked();
  ASSERT_TRUE(until([&] { return asked() > askedBefore; }, 5000)) << "never asked";
  std::printf("[          ] plug to first ?C: %lld ms\n", static_cast<long long>(sincePlug.elapsed()));

  if (c.readBack) {
    EXPECT_TRUE(until([&] { return readFile(second).find("?W") != std::string::npos; }, 10000)) << readFile(second);
    // The simulator logs "?W" as it takes it; the window ends its read-back when the answer is in.
    EXPECT_TRUE(until([&] { return !reconnect.watching(); }, 3000)) << "still watching after the read-back";
    EXPECT_EQ(prompts.shown.size(), shown) << "no message";
  } else {
    const std::string gaveUp = Reconnect::gaveUpText(3);
    EXPECT_TRUE(until([&] { return prompts.sawMessage(gaveUp); }, 15000));
    EXPECT_EQ(asked() - askedBefore, 1 + Reconnect::kRetries) << "the read-back and three more";
    EXPECT_FALSE(reconnect.watching());
    spinEvents(2000);
    EXPECT_EQ(asked() - askedBefore, 1 + Reconnect::kRetries) << "and nothing after it gave up";
  }
}

INSTANTIATE_TEST_SUITE_P(Boards, Replug,
                         ::testing::Values(PlugCase{"PluggedBack", 0, true}, PlugCase{"StillBooting", 1500, true},
                                           PlugCase{"NeverAnswers", 60000, false}),
                         RowName());

}  // namespace
}  // namespace zorv::test
