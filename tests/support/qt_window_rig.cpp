#include "tests/support/qt_window_rig.h"

#include <QTest>
#include <string>

#include <unistd.h>

#include "tests/support/qt_app.h"

namespace zorv::test {

WindowRig::WindowRig() {
  static int counter = 0;
  qtApp();
  dir = std::filesystem::temp_directory_path() /
        ("zorv-window-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
  std::filesystem::create_directories(dir);
  dlg = std::make_unique<CZorvDlg>(port, &prompts, clock, (dir / "tkvrconfig.ini").string());
  port.onReceive = [this] { dlg->receive(); };
  port.onLost = [this](const std::string& r) { dlg->portLost(r); };
}

WindowRig::~WindowRig() {
  dlg.reset();
  std::error_code ec;
  std::filesystem::remove_all(dir, ec);
}

void WindowRig::connect() {
  dlg->initialise();
  port.deliverAll();
}

void WindowRig::showConnected() {
  connect();
  dlg->show();
  EXPECT_TRUE(QTest::qWaitForWindowExposed(dlg.get()));
  port.clearWritten();
}

}  // namespace zorv::test
