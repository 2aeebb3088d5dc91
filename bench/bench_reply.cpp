// bench_reply: the window work of the read-back's replies, for a profiler.
//
// The real window (offscreen, not shown, so nothing is painted) makes N full read-backs against the
// simulated controller in memory: every reply is one receive event handled by the data exchange
// with the real widgets. Run it under callgrind to count the instructions of one reply:
//
//   valgrind --tool=callgrind --toggle-collect='zorv::Router::onReceive()' bench_reply 20
//
// then inclusive instructions of Router::onReceive divided by its calls (callgrind_annotate
// --inclusive=yes, or the "calls=" line). Without a profiler it prints the mean wall time.
//
//   bench_reply [read-backs]     (default 20)

#include <unistd.h>

#include <QApplication>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "gui/zorv_dlg.h"
#include "sim/sim_port.h"
#include "tests/support/fake_clock.h"
#include "tests/support/fakes.h"

int main(int argc, char** argv) {
  const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  namespace fs = std::filesystem;
  const fs::path dir = fs::temp_directory_path() / ("zorv-bench-reply-" + std::to_string(::getpid()));
  fs::create_directories(dir);
  {
    zorv::sim::Controller ctrl;
    zorv::sim::SimPort port{ctrl};
    zorv::test::ScriptedPrompts prompts;
    zorv::FakeClock clock;
    zorv::CZorvDlg dlg(port, &prompts, clock, (dir / "tkvrconfig.ini").string());
    int events = 0;
    port.onReceive = [&] {
      ++events;
      dlg.receive();
    };
    dlg.initialise();
    port.deliverAll();
    events = 0;
    const auto t0 = std::chrono::steady_clock::now();
    for (int i = 0; i < rounds; ++i) {
      // Values that change from round to round, so that every reply moves a control.
      for (char letter : std::string("CDEFGLRTYZ")) ctrl.setValue(letter, 10 + (i * 7 + letter) % 90);
      dlg.core().startReadback();
      port.deliverAll();
    }
    const double us = std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - t0).count();
    std::printf("%d read-backs, %d receive events, %.1f us per event\n", rounds, events, us / std::max(1, events));
  }
  std::error_code ec;
  fs::remove_all(dir, ec);
  return 0;
}
