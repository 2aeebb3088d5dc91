// The port list: which device each number opens and how its entry reads, and what a failed open
// tells the user. The pure layout against tables of devices and pinned links; the Qt port
// against pseudo-terminals pinned through a temporary link folder.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "qtsys/serial_port.h"
#include "serial/port_list.h"
#include "tests/support/qt_app.h"
#include "tests/support/scoped_env.h"

namespace zorv {
namespace {

namespace fs = std::filesystem;

TEST(PortList, ShortNamesKeepThePartBelowDev) {
  struct Case {
    const char* location;
    const char* shown;
  } cases[] = {
      {"/dev/ttyACM0", "ttyACM0"}, {"/dev/pts/0", "pts/0"},   {"/dev/serial/by-id/usb-x", "serial/by-id/usb-x"},
      {"/tmp/ports/COM3", "COM3"}, {"COM7", "COM7"},          {"\\\\.\\COM12", "COM12"},
  };
  for (const Case& k : cases) EXPECT_EQ(shortDeviceName(k.location), k.shown) << k.location;
}

TEST(PortList, EntriesFollowTheDevicesAndThePins) {
  const SerialDevice fc{"/dev/ttyACM0", "Corvex FC", "Tarvik"};
  const SerialDevice ftdi{"/dev/ttyUSB0", "FT232R USB UART", "FTDI"};
  const SerialDevice gps{"/dev/ttyACM1", "u-blox GNSS receiver", "u-blox AG"};
  const SerialDevice plain{"/dev/ttyS4", "", ""};
  const SerialDevice makerOnly{"/dev/ttyUSB1", "", "Prolific"};
  struct Expect {
    int number;
    const char* label;
    const char* device;
  };
  struct Case {
    const char* name;
    std::vector<SerialDevice> devices;
    std::vector<PinnedPort> pins;
    bool windows;
    std::vector<Expect> expect;
  } cases[] = {
      {"nothing plugged in", {}, {}, false, {{1, "COM1", ""}, {3, "COM3", ""}, {20, "COM20", ""}}},
      {"CDC-ACM first, then USB serial, then the rest, by name",
       {plain, ftdi, gps, fc},
       {},
       false,
       {{1, "COM1 (ttyACM0 · Corvex FC · Tarvik)", "/dev/ttyACM0"},
        {2, "COM2 (ttyACM1 · u-blox GNSS receiver)", "/dev/ttyACM1"},
        {3, "COM3 (ttyUSB0 · FT232R USB UART · FTDI)", "/dev/ttyUSB0"},
        {4, "COM4 (ttyS4)", "/dev/ttyS4"},
        {5, "COM5", ""}}},
      {"a maker without a description", {makerOnly}, {}, false, {{1, "COM1 (ttyUSB1 · Prolific)", "/dev/ttyUSB1"}}},
      {"a pinned pseudo-terminal shows pts/N",
       {},
       {{3, "/cfg/zorv/ports/COM3", "/dev/pts/0"}},
       false,
       {{3, "COM3 (pts/0)", "/dev/pts/0"}, {1, "COM1", ""}}},
      {"a pin never moves: the others still count the devices from the first",
       {fc, ftdi},
       {{1, "/cfg/COM1", "/dev/ttyUSB0"}},
       false,
       {{1, "COM1 (ttyUSB0 · FT232R USB UART · FTDI)", "/dev/ttyUSB0"},
        {2, "COM2 (ttyUSB0 · FT232R USB UART · FTDI)", "/dev/ttyUSB0"},
        {3, "COM3", ""}}},
      {"a pin whose board is unplugged is plain and opens the link",
       {fc},
       {{2, "/cfg/COM2", ""}},
       false,
       {{2, "COM2", "/cfg/COM2"}, {1, "COM1 (ttyACM0 · Corvex FC · Tarvik)", "/dev/ttyACM0"}}},
      {"Windows: the number is the device",
       {{"COM3", "USB Serial Device", "Microsoft"}, {"COM12", "", ""}},
       {},
       true,
       {{3, "COM3 (USB Serial Device · Microsoft)", "COM3"}, {12, "COM12", "COM12"}, {1, "COM1", "COM1"}}},
  };
  for (const Case& k : cases) {
    const std::vector<PortEntry> entries = layoutPorts(k.devices, k.pins, k.windows);
    ASSERT_EQ(entries.size(), 20u) << k.name;
    for (const Expect& e : k.expect) {
      const PortEntry& got = entries[static_cast<size_t>(e.number - 1)];
      EXPECT_EQ(got.label, e.label) << k.name << ", COM" << e.number;
      EXPECT_EQ(got.device, e.device) << k.name << ", COM" << e.number;
    }
  }
}

TEST(PortList, OpenFailuresSayWhatToDo) {
  struct Case {
    OpenFailure failure;
    std::vector<const char*> mentions;
  } cases[] = {
      {{OpenProblem::NothingBound, 5, "", "", ""}, {"COM5:", "no serial device", "data cable", "port list"}},
      {{OpenProblem::NotThere, 1, "/dev/ttyACM0", "", ""}, {"COM1 (ttyACM0)", "unplugged", "Plug"}},
      {{OpenProblem::NotThere, 2, "/cfg/COM2", "/cfg/COM2", ""}, {"COM2 is pinned to /cfg/COM2", "Plug"}},
      {{OpenProblem::Busy, 3, "/dev/ttyACM0", "", "Permission error"},
       {"COM3 (ttyACM0)", "in use by another program", "ModemManager"}},
      {{OpenProblem::NoPermission, 3, "/dev/ttyACM0", "", ""},
       {"COM3 (ttyACM0)", "dialout", "sudo usermod -aG dialout $USER", "log out"}},
      {{OpenProblem::Other, 4, "/dev/ttyUSB0", "", "Input/output error"},
       {"COM4 (ttyUSB0)", "Input/output error", "another one"}},
  };
  for (const Case& k : cases) {
    const std::string text = describeOpenFailure(k.failure);
    for (const char* m : k.mentions) EXPECT_NE(text.find(m), std::string::npos) << "'" << m << "' missing in: " << text;
  }
}

// A pseudo-terminal pair whose device a link in the port folder can pin.
struct Pty {
  Pty() {
    master = posix_openpt(O_RDWR | O_NOCTTY);
    if (master >= 0 && grantpt(master) == 0 && unlockpt(master) == 0) device = ptsname(master);
  }
  ~Pty() {
    if (master >= 0) close(master);
  }
  int master = -1;
  std::string device;
};

class QtPortList : public ::testing::Test {
 protected:
  void SetUp() override {
    test::qtApp();
    char pattern[] = "/tmp/zorv-ports-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    dir_ = pattern;
    config_.emplace("XDG_CONFIG_HOME", dir_.string());
    fs::create_directories(portLinkFolder());
  }
  void TearDown() override {
    config_.reset();
    std::error_code ec;
    fs::remove_all(dir_, ec);
  }
  void pin(int n, const std::string& target) {
    const fs::path link = fs::path(portLinkFolder()) / ("COM" + std::to_string(n));
    std::error_code ec;
    fs::remove(link, ec);
    fs::create_symlink(target, link);
  }

  fs::path dir_;
  std::optional<test::ScopedEnv> config_;
};

TEST_F(QtPortList, OpensTheDeviceTheLabelShowedAndSaysWhyOtherwise) {
  Pty a, b;
  ASSERT_FALSE(a.device.empty());
  ASSERT_FALSE(b.device.empty());
  pin(3, a.device);
  pin(4, (dir_ / "nowhere").string());

  QtSerialPort port;
  const std::vector<std::string> labels = port.relabel();
  EXPECT_EQ(labels[2], "COM3 (" + shortDeviceName(a.device) + ")");
  EXPECT_EQ(labels[3], "COM4");

  // The link moves to another device after the list was shown: the pick still opens the one shown.
  pin(3, b.device);
  port.setPortNumber(3);
  ASSERT_TRUE(port.open()) << port.errorText();
  EXPECT_EQ(port.device(), a.device);

  Pty gone;
  pin(5, gone.device);
  struct Case {
    int number;
    const char* mentions;
  } cases[] = {
      {3, "in use by another program"},  // the first port holds it (root may open it twice)
      {4, "is pinned to"},
      {5, "is pinned to"},  // its device went away after the list was shown
  };
  for (const Case& k : cases) {
    if (k.number == 3 && geteuid() == 0) continue;
    QtSerialPort other;
    other.relabel();
    if (k.number == 5) {
      close(gone.master);
      gone.master = -1;
    }
    other.setPortNumber(k.number);
    EXPECT_FALSE(other.open()) << k.number;
    EXPECT_NE(other.errorText().find(k.mentions), std::string::npos) << other.errorText();
  }
  port.close();

  EXPECT_EQ(port.relabel()[2], "COM3 (" + shortDeviceName(b.device) + ")") << "relabelled on the next look";
}

}  // namespace
}  // namespace zorv
