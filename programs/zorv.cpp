// zorv: the setup and tuning window for the Corvex flight controller.
//
//   zorv [--port N] [--demo]     (zorv --help lists every option)

#include <QApplication>
#include <cstdio>
#include <memory>
#include <optional>

#include "core/clock.h"
#include "gui/automation.h"
#include "files/snapshot_keeper.h"
#include "gui/command_line.h"
#include "gui/language.h"
#include "gui/reconnect.h"
#include "gui/snapshot_window.h"
#include "gui/traffic_window.h"
#include "gui/zorv_dlg.h"
#include "programs/reconnect_devices.h"
#include "programs/routing_port.h"
#include "qtsys/serial_port.h"
#include "qtsys/signal_quit.h"
#include "core/limits_config.h"
#include "core/user_config.h"
#include "serial/port_file.h"
#include "serial/traffic_port.h"

namespace {

// The window opens the remembered port at start and writes the number it opened back to the
// file, so a port asked for on the command line is simply remembered first.
void rememberPort(const std::string& path, int n) {
  if (std::FILE* f = std::fopen(path.c_str(), "wb")) {
    const std::string bytes = zorv::encodePortFile(n);
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
  }
}

}  // namespace

int main(int argc, char** argv) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  const zorv::CommandLine command = zorv::parseCommandLine(arguments);
  if (command.exitCode >= 0) {
    std::fputs(command.out.c_str(), stdout);
    std::fputs(command.err.c_str(), stderr);
    return command.exitCode;
  }

  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("zorv"));
  QApplication::setApplicationVersion(QStringLiteral(ZORV_VERSION));
  QGuiApplication::setDesktopFileName(QStringLiteral(ZORV_APP_ID));
  // A session ending, Ctrl+C or kill ends every event loop, an open message box's included.
  zorv::SignalQuit signalQuit([](int) { QCoreApplication::exit(0); });
  // The window's language: the one asked for, else the one chosen last time, else the tool's own
  // texts. The system's locale plays no part.
  std::optional<zorv::Language> language = zorv::languageFromKey(command.options.language);
  if (!language) language = zorv::rememberedLanguage();
  if (language) zorv::setLanguage(*language);

  std::unique_ptr<zorv::SerialPort> port;
  if (command.options.demo) {
    port = std::make_unique<zorv::sim::RoutingPort>();
  } else {
    port = std::make_unique<zorv::QtSerialPort>();
  }
  // Every byte to and from the controller goes through the traffic log (the background menu's
  // "Traffic log…"), and with --trace into the file as well.
  zorv::TrafficPort traffic(*port);
  zorv::TraceFile traceFile;
  if (!command.options.trace.empty()) {
    if (!traceFile.open(command.options.trace)) {
      std::fprintf(stderr, "zorv: %s\n", traceFile.error().c_str());
      return 1;
    }
    traffic.log().setSink(&traceFile);
  }

  zorv::SteadyClock clock;
  zorv::CZorvDlg window(traffic, nullptr, clock);
  traffic.onReceive = [&window] { window.receive(); };
  // A real port whose board comes back is opened and read back again without a click.
  std::unique_ptr<zorv::Reconnect> reconnect;
  traffic.onLost = [&window, &reconnect](const std::string& reason) {
    window.portLost(reason);
    if (reconnect) reconnect->portLost();
  };
  zorv::offerTrafficLog(window, traffic.log());
  {
    // The answer limits a pilot raised for a slow board ([limits] in zorv.ini).
    zorv::UserConfig config;
    std::string error;
    std::vector<std::string> warnings;
    if (!config.load(&error)) warnings.push_back(error);
    window.core().watchdog.setLimits(zorv::limitsFromConfig(config, &warnings));
    for (const std::string& w : warnings) std::fprintf(stderr, "zorv: %s\n", w.c_str());
  }
  // The port list is labelled from the devices present, now and each time it drops down; opening
  // takes the device its label showed.
  zorv::QtSerialPort& devices = command.options.demo ? static_cast<zorv::sim::RoutingPort&>(*port).real
                                                     : static_cast<zorv::QtSerialPort&>(*port);
  window.setPortLabelSource([&devices, demo = command.options.demo] {
    std::vector<std::string> labels = devices.relabel();
    // The demo's own entry, in the window's language (it keeps "COM3 (" that the handlers read).
    if (demo)
      labels[zorv::sim::RoutingPort::kSimulatedPort - 1] =
          zorv::shown("Messages", ZORV_NOOP("Messages", "COM3 (simulated controller)")).toStdString();
    return labels;
  });
  if (command.options.demo) {
    // The demo is for trying the tool: it opens the simulated controller on COM3 (or the port
    // asked for), whatever the last real session remembered, and leaves that file alone.
    window.core().portFileUse = zorv::Core::PortFileUse::None;
    traffic.setPortNumber(command.options.port > 0 ? command.options.port : zorv::sim::RoutingPort::kSimulatedPort);
  } else if (command.options.port > 0) {
    rememberPort(window.core().settingsPath, command.options.port);
  }

  // The settings of each controller read are kept as snapshots; the demo keeps none.
  zorv::SnapshotKeeper snapshots(window.core());
  if (!command.options.demo) snapshots.setFolder(zorv::SnapshotKeeper::defaultFolder());
  snapshots.offerRestoreAfterUpgrade = true;
  zorv::addSnapshotFeature(window, snapshots);

  if (!command.options.demo) {
    zorv::QtSerialPort& real = static_cast<zorv::QtSerialPort&>(*port);
    reconnect = std::make_unique<zorv::Reconnect>(window, zorv::reconnectDevices(real, window),
                                                 zorv::UserConfig::defaultPath());
  }

  zorv::AutomationServer automation(window);
  automation.listen();
  window.initialise();
  if (reconnect && !traffic.isOpen()) reconnect->startFailed();
  window.fitToScreen();
  window.show();
  window.exec();
  // Ended by a signal too: a running display stops before the port closes with the program.
  window.core().onWindowEnding();
  traffic.log().setSink(nullptr);
  return 0;
}
