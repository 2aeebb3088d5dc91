// zorv: the setup and tuning window for the Corvex flight controller.

#include <QApplication>

#include "app/qt_automation.h"
#include "app/qt_zorv_dlg.h"
#include "core/clock.h"
#include "serial/qt_serial_port.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  // "Embedding" / "Automation" are the only options the program knows; they change nothing
  // here, since the automation socket is always offered. Anything else is ignored.
  zorv::QtSerialPort port;
  zorv::SteadyClock clock;
  zorv::CZorvDlg window(port, nullptr, clock);
  port.onReceive = [&window] { window.core().onReceive(); };
  port.onLost = [&window](const std::string& reason) { window.core().onPortLost(reason); };
  window.setPortLabels(zorv::portListLabels());
  zorv::AutomationServer automation(window);
  automation.listen();
  window.initialise();
  window.show();
  window.exec();
  return 0;
}
