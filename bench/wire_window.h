#pragma once
// The window side of the end-to-end benchmarks: the real CZorvDlg on Qt's offscreen platform with
// its port wrapped so that every byte and write is counted, and the change the benchmark can try
// out on it (repaints held to a frame rate) to show what it would be worth.

#include <QObject>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "bench/wire_link.h"
#include "core/clock.h"
#include "core/forwarding_port.h"
#include "gui/zorv_dlg.h"
#include "tests/support/fakes.h"

class QWidget;

namespace zorv::bench {

// The window's port: passes everything to the real one and counts.
class CountingPort : public ForwardingPort {
 public:
  using ForwardingPort::ForwardingPort;
  std::vector<uint8_t> readAll() override;
  void write(const uint8_t* data, size_t n) override;
  using SerialPort::write;

  // Starts counting afresh; the next write is the start of the timing.
  void arm();
  double firstWriteUs = 0;
  size_t bytesOut = 0, bytesIn = 0;
  int writes = 0, queries = 0, events = 0;
  std::vector<double> writeUs, queryUs;  // when each write (each query) was made
  bool trace = false;  // each write and read to stderr, microseconds after the first write

 private:
  void received() override;
};

// Holds the window's repaints to at most `perSecond`: the dirty regions gather meanwhile and the
// next frame paints them all.
class RepaintLimiter : public QObject {
 public:
  RepaintLimiter(QWidget* window, int perSecond);
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* window_;
  int intervalMs_;
  double lastUs_ = 0;
  bool pending_ = false, sending_ = false;
};

// Counts the paint events of every widget of the application while it lives: `frames` those of
// the window itself (one per repaint of any part of it), `widgets` all of them.
class PaintCounter : public QObject {
 public:
  explicit PaintCounter(QWidget* window);
  ~PaintCounter() override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  int frames = 0, widgets = 0;

 private:
  QWidget* window_;
};

struct WindowOptions {
  bool shown = true;          // painted as on a screen (offscreen platform)
  int repaintsPerSecond = 0;  // 0: as Qt does it (after every event that changed something)
  bool trace = false;
};

// One window as the program builds it, its COM3 linked to `device`, settings in a folder of its own.
class Session {
 public:
  Session(const std::string& device, const WindowOptions& options);
  ~Session();

  Router& core() { return dlg->core(); }

  // Lets the event loop run for this long (first paint, queued writes).
  static void settle(int ms);
  // Runs the event loop until `done` holds after a receive event (and, with pollMs, on a timer of
  // that period too); the time it did, or 0.
  double runUntil(const std::function<bool()>& done, int timeoutMs, int pollMs = 0);
  // Window initialisation and the read-back it starts, to the end of the identity check.
  // Whether the parameter controls were enabled by it; the time from the first write to its end.
  bool readback(double* elapsedUs);

  TempDir dir;
  std::unique_ptr<SerialPort> realPort;
  std::unique_ptr<CountingPort> port;
  test::ScriptedPrompts prompts;
  SteadyClock clock;
  std::unique_ptr<CZorvDlg> dlg;
  std::unique_ptr<RepaintLimiter> limiter;
  std::function<void()> afterEvent;
  double cpuUs = 0;  // the window thread's CPU time during the last timed exchange
};

}  // namespace zorv::bench
