// zorvctl: the window's jobs from a terminal or a script, on the window's own handlers. Qt Core
// and Qt SerialPort only: no widgets, no display.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <csignal>
#include <iostream>
#include <memory>
#ifndef _WIN32
#include <unistd.h>
#endif

#include "core/clock.h"
#include "core/limits_config.h"
#include "core/user_config.h"
#include "core/watchdog.h"
#include "ctl/jobs.h"
#include "ctl/options.h"
#include "ctl/session.h"
#include "qtsys/event_pump.h"
#include "qtsys/serial_port.h"
#include "qtsys/signal_quit.h"
#include "serial/traffic_port.h"
#include "sim/sim_port.h"

namespace {

constexpr int kPumpIntervalMs = 2;     // the simulated controller's time runs on this timer
constexpr int kRealPumpIntervalMs = 10;  // a real port raises its own receive events
constexpr int kDemoPort = 3;  // the number the demo window gives its simulated controller

// The numbers as the window's list shows them: number, device, the entry's text.
int listPorts(bool demo) {
  const std::vector<zorv::PortEntry> entries = zorv::scanPorts();
  for (size_t i = 0; i < entries.size(); ++i) {
    const int number = static_cast<int>(i) + 1;
    std::string device = entries[i].device.empty() ? "-" : entries[i].device;
    std::string label = entries[i].label;
    if (demo && number == kDemoPort) {
      device = "demo";
      label = "COM3 (simulated controller)";
    }
    std::cout << number << "\t" << device << "\t" << label << "\n";
  }
  return zorv::kExitDone;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  std::vector<std::string> words(argv + 1, argv + argc);
  std::string error;
  const std::optional<zorv::Options> options = zorv::parseOptions(words, &error);
  if (!options) {
    std::cerr << "zorvctl: " << error << "\nTry 'zorvctl --help'.\n";
    return zorv::kExitUsage;
  }
  if (options->help) {
    std::cout << zorv::usageText();
    return zorv::kExitDone;
  }
  if (options->version) {
    std::cout << "zorvctl " << ZORV_VERSION << "\n";
    return zorv::kExitDone;
  }
  if (options->command == "ports") return listPorts(options->link == zorv::Options::Link::Demo);

  zorv::Session::Setup setup;
  setup.link = options->link;
  setup.timeoutMs = options->timeoutMs > 0 ? options->timeoutMs : zorv::defaultTimeoutMs(options->command);
#ifndef _WIN32
  setup.progressBar = isatty(STDERR_FILENO) != 0;
#endif

  std::unique_ptr<zorv::SerialPort> port;
  zorv::sim::SimPort* sim = nullptr;
  if (options->link == zorv::Options::Link::Demo) {
    auto simPort = std::make_unique<zorv::sim::SimPort>();
    sim = simPort.get();
    port = std::move(simPort);
    setup.portNumber = kDemoPort;
  } else {
    setup.snapshotFolder = zorv::SnapshotKeeper::defaultFolder();
    auto real = std::make_unique<zorv::QtSerialPort>();
    if (options->link == zorv::Options::Link::Device) real->bindDevice(options->device);
    setup.device = options->device;
    setup.deviceOf = [](int number) { return zorv::resolvePortDevice(number); };
    // A device named on the command line has no number of its own; it stands where the window
    // stands before any port was remembered.
    setup.portNumber = options->link == zorv::Options::Link::Number ? options->port : kDemoPort;
    port = std::move(real);
  }

  // The simulated controller lives on the program's time and answers one write per event.
  QElapsedTimer elapsed;
  elapsed.start();
  qint64 last = 0;
  zorv::QtPump pump([&] {
    if (!sim) return;
    const qint64 now = elapsed.elapsed();
    if (now > last) {
      sim->advance(static_cast<uint32_t>(now - last));
      last = now;
    }
    for (int i = 0; i < 64 && sim->deliverOne(); ++i) {
    }
  }, sim ? kPumpIntervalMs : kRealPumpIntervalMs);

#ifndef _WIN32
  signal(SIGPIPE, SIG_IGN);  // a closed pipe shows as a failed write, and the job ends cleanly
#endif
  // Ctrl-C (and a terminal closed, a session ending) ends the job's wait: the job then leaves the
  // controller as it would be left by the window (the live display switched off first).
  zorv::SignalQuit quitOnSignal([&pump](int) { pump.interrupt(); });

  // Every byte goes through the traffic log, written to the file of --trace as it happens.
  zorv::TrafficPort traffic(*port);
  zorv::TraceFile traceFile;
  if (!options->trace.empty()) {
    if (!traceFile.open(options->trace)) {
      std::cerr << "zorvctl: " << traceFile.error() << "\n";
      return zorv::kExitUsage;
    }
    traffic.log().setSink(&traceFile);
  }

  // The answer limits: zorv.ini's [limits], as the window reads them, then the command line's.
  zorv::AnswerLimits limits;
  {
    zorv::UserConfig config;
    std::string error;
    std::vector<std::string> warnings;
    if (!config.load(&error)) warnings.push_back(error);
    limits = zorv::limitsFromConfig(config, &warnings);
    for (const std::string& w : warnings) std::cerr << "zorvctl: " << w << "\n";
    for (const auto& [key, ms] : options->limits)
      for (const zorv::LimitRange& r : zorv::limitRanges())
        if (key == r.key) limits.*r.field = static_cast<uint32_t>(ms);
  }

  zorv::SteadyClock clock;
  zorv::Session session(traffic, clock, pump, std::cout, std::cerr, setup);
  session.router().watchdog.setLimits(limits);
  pump.everyTick = [&session] { session.router().onTick(); };
  const int rc = zorv::runCommand(session, *options);
  std::cout.flush();
  traffic.log().setSink(nullptr);
  return rc;
}
