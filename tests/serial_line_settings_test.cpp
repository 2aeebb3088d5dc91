// The line settings the real window leaves on the device: the real Qt serial port opens a
// pseudo-terminal bound to COM3, and the terminal's own settings are read back afterwards.
// The device is first set to everything wrong (57 600 baud, 7 data bits, even parity, two stop
// bits, hardware and software flow control), so only the window's settings can make it right.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <QComboBox>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "core/control_ids.h"
#include "gui/zorv_dlg.h"
#include "qtsys/serial_port.h"
#include "tests/support/fake_clock.h"
#include "tests/support/fakes.h"
#include "tests/support/qt_app.h"
#include "tests/support/scoped_env.h"

namespace zorv::test {
namespace {

namespace fs = std::filesystem;

void setAllWrong(int fd) {
  termios t{};
  ASSERT_EQ(tcgetattr(fd, &t), 0);
  cfsetispeed(&t, B57600);
  cfsetospeed(&t, B57600);
  t.c_cflag = (t.c_cflag & ~CSIZE) | CS7 | PARENB | CSTOPB | CRTSCTS;
  t.c_iflag |= IXON | IXOFF;
  ASSERT_EQ(tcsetattr(fd, TCSANOW, &t), 0);
}

// "" when the device is at 115 200 baud, 8 data bits, no parity, one stop bit, no flow control.
std::string lineFaults(const std::string& device) {
  const int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
  if (fd < 0) return "cannot open " + device;
  termios t{};
  const int rc = tcgetattr(fd, &t);
  ::close(fd);
  if (rc != 0) return "cannot read the settings";
  std::string faults;
  if (cfgetispeed(&t) != B115200) faults += " input speed not 115200;";
  if (cfgetospeed(&t) != B115200) faults += " output speed not 115200;";
  if ((t.c_cflag & CSIZE) != CS8) faults += " not 8 data bits;";
  if (t.c_cflag & PARENB) faults += " parity on;";
  if (t.c_cflag & CSTOPB) faults += " two stop bits;";
  if (t.c_cflag & CRTSCTS) faults += " hardware flow control;";
  if (t.c_iflag & (IXON | IXOFF | IXANY)) faults += " software flow control;";
  return faults;
}

class LineSettings : public ::testing::TestWithParam<bool> {
 protected:
  void SetUp() override {
    qtApp();
    char pattern[] = "/tmp/zorv-line-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    dir_ = pattern;
    master_ = posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_GE(master_, 0);
    ASSERT_EQ(grantpt(master_), 0);
    ASSERT_EQ(unlockpt(master_), 0);
    device_ = ptsname(master_);
    fs::create_directories(dir_ / "cfg" / "zorv" / "ports");
    fs::create_symlink(device_, dir_ / "cfg" / "zorv" / "ports" / "COM3");
    config_.emplace("XDG_CONFIG_HOME", (dir_ / "cfg").string());
  }
  void TearDown() override {
    dlg_.reset();
    port_.reset();
    config_.reset();
    if (master_ >= 0) ::close(master_);
    std::error_code ec;
    fs::remove_all(dir_, ec);
  }
  void openWindow() {
    port_ = std::make_unique<QtSerialPort>();
    dlg_ = std::make_unique<CZorvDlg>(*port_, &prompts_, clock_, (dir_ / "tkvrconfig.ini").string());
    port_->onReceive = [this] { dlg_->core().onReceive(); };
    dlg_->initialise();
  }
  // What the window sent, as far as it has reached the other end.
  std::string readMaster() {
    std::string got;
    char buffer[256];
    for (int i = 0; i < 50 && got.find('\r') == std::string::npos; ++i) {
      spinEvents(10);
      const int flags = fcntl(master_, F_GETFL);
      fcntl(master_, F_SETFL, flags | O_NONBLOCK);
      const ssize_t n = ::read(master_, buffer, sizeof buffer);
      if (n > 0) got.append(buffer, static_cast<size_t>(n));
    }
    return got;
  }

  fs::path dir_;
  int master_ = -1;
  std::string device_;
  std::optional<test::ScopedEnv> config_;
  ScriptedPrompts prompts_;
  FakeClock clock_;
  std::unique_ptr<QtSerialPort> port_;
  std::unique_ptr<CZorvDlg> dlg_;
};

// false: the port opened at start; true: the port picked again in the list.
TEST_P(LineSettings, DeviceIs115200EightNoneOneWithoutFlowControl) {
  const bool picked = GetParam();
  {
    // Held open across the window's open, so the pseudo-terminal keeps what was set here.
    const int slave = ::open(device_.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    ASSERT_GE(slave, 0);
    setAllWrong(slave);
    ASSERT_NE(lineFaults(device_), "");
    openWindow();
    ::close(slave);
  }
  ASSERT_TRUE(port_->isOpen()) << port_->errorText();
  EXPECT_EQ(readMaster(), "?C\r");
  if (picked) {
    const int slave = ::open(device_.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    ASSERT_GE(slave, 0);
    setAllWrong(slave);
    ::close(slave);
    auto* list = qobject_cast<QComboBox*>(dlg_->control(ids::kPortList));
    ASSERT_NE(list, nullptr);
    list->setCurrentIndex(2);
    emit list->activated(2);
    ASSERT_TRUE(port_->isOpen()) << port_->errorText();
    EXPECT_EQ(readMaster(), "?C\r");
  }
  EXPECT_EQ(lineFaults(device_), "");
}

INSTANTIATE_TEST_SUITE_P(OpenedAndPicked, LineSettings, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "AfterPortPick" : "AtStart"; });

}  // namespace
}  // namespace zorv::test
