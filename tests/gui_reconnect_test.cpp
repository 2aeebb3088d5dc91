// The reconnect's choice of device, with the devices played by the test: the board that comes
// back under the same path, a pinned number, or (by its recorded USB serial number) under another
// path is opened and read back without a click; another device under the number, or a board lost
// during an upgrade, is left alone. The pseudo-terminal runs end to end are in
// e2e_reconnect_test.cpp.

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <filesystem>
#include <fstream>

#include "core/link_mode.h"
#include "gui/reconnect.h"
#include "tests/support/qt_app.h"
#include "tests/support/qt_window_rig.h"
#include "tests/support/test_names.h"

namespace zorv::test {
namespace {

struct ComeBack {
  const char* name;
  bool pinned;
  bool samePath;         // the device path it had is there again
  const char* serial;    // the serial number of what the number stands for now
  bool upgrading;        // lost in the middle of an upgrade
  bool readBack;
};
void PrintTo(const ComeBack& c, std::ostream* os) { *os << c.name; }

class ReconnectChoice : public ::testing::TestWithParam<ComeBack> {};

TEST_P(ReconnectChoice, OnlyThePilotsDeviceIsOpenedAndReadBack) {
  const ComeBack& c = GetParam();
  WindowRig rig;
  const std::string device = (rig.dir / "ttyACM0").string(), link = (rig.dir / "COM3").string();
  std::ofstream(device).put('x');
  PortEntry now{"COM3", device, c.pinned ? link : "", "A1"};
  Reconnect::Devices devices{[&](int) { return c.pinned ? link : std::string(); }, [&](int) { return now; },
                             [&](const std::string& serial) { return serial == now.serialNumber; },
                             [&] { return device; }};
  Reconnect reconnect(*rig.dlg, devices);
  rig.port.onLost = [&](const std::string& r) {
    rig.dlg->portLost(r);
    reconnect.portLost();
  };
  rig.showConnected();  // the read-back records serial number A1
  spinEvents(50);

  if (c.upgrading) rig.dlg->core().st.LinkMode = LinkMode::UpgradeAnswer;
  rig.ctrl.faults.vanishAfterBytes = 0;  // unplugged
  rig.port.deliverAll();
  ASSERT_FALSE(rig.port.isOpen());
  std::filesystem::remove(device);
  if (c.pinned) std::filesystem::create_symlink(device, link);  // leads nowhere while it is away
  spinEvents(1200);
  EXPECT_EQ(rig.port.written(), "") << "nothing while it is away";

  rig.ctrl.faults.vanishAfterBytes = -1;  // plugged back
  now = {"COM3", c.samePath ? device : (rig.dir / "ttyACM1").string(), c.pinned ? link : "", c.serial};
  std::ofstream(now.device).put('x');
  if (c.pinned) {
    std::filesystem::remove(link);
    std::filesystem::create_symlink(now.device, link);
  }
  QElapsedTimer t;
  t.start();
  while (t.elapsed() < 2500 && rig.port.written().find("?W\r") == std::string::npos) {
    rig.port.deliverAll();
    spinEvents(20);
  }
  EXPECT_EQ(rig.port.written().find("?C\r") == 0, c.readBack) << rig.port.written();
  EXPECT_EQ(rig.port.written().find("?W\r") != std::string::npos, c.readBack);
  EXPECT_EQ(reconnect.watching(), !c.readBack && !c.upgrading) << "another device: it waits on for the pilot's";
}

INSTANTIATE_TEST_SUITE_P(Devices, ReconnectChoice,
                         ::testing::Values(ComeBack{"SamePath", false, true, "", false, true},
                                           ComeBack{"OtherPathSameSerial", false, false, "A1", false, true},
                                           ComeBack{"OtherPathOtherSerial", false, false, "B2", false, false},
                                           ComeBack{"Pinned", true, false, "", false, true},
                                           ComeBack{"LostDuringUpgrade", false, true, "A1", true, false}),
                         RowName());

}  // namespace
}  // namespace zorv::test
