// bench_monitor: what the live display costs at the full wire rate.
//
// Monitor records are fed as fast as 115 200 baud carries them (11 520 bytes, about 303 records a
// second) for N simulated seconds, through the receive dispatcher into the monitor step, and the
// CPU time used is set against the simulated time: the share of one core the display needs.
// Windows: a plain one that only stores what it is given (the handlers' own cost), the real Qt
// window offscreen without painting (handlers and widget updates), and the real window painted
// after every receive event, whatever the event changed. These events go straight to the
// handlers: the window's own gathering of stream events and its frame-rate painting are left out,
// so these are the costs per event that those two save on. Three event sizes: about one
// millisecond of bytes, one record, and 100 ms bursts such as a busy window thread sees. Last, the
// whole program in real time with the live data window open: records arrive at the wire rate
// through the window as the program connects it (gathered; the main window painted at most 20
// times a second, the live window's bars 20 and its graph 12.5), both windows paint as on screen, and
// the CPU time is set against the wall time.
//
//   bench_monitor [seconds]     (default 60)

#include <sys/resource.h>

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "core/clock.h"
#include "gui/live_window.h"
#include "gui/zorv_dlg.h"
#include "router/router.h"
#include "sim/monitor_records.h"
#include "tests/support/fake_clock.h"
#include "tests/support/feed_port.h"

namespace {

constexpr double kWireBytesPerSecond = 115200.0 / 10.0;  // 8N1: ten bits a byte

// A port that hands the window whatever the bench puts in front of it; writes go nowhere.
using zorv::test::FeedPort;

// Stores what the handlers set, and reports it to the data exchange, and nothing more.
class PlainWindow : public zorv::Window {
 public:
  std::string text(int id) const override {
    auto it = texts_.find(id);
    return it == texts_.end() ? std::string() : it->second;
  }
  void setText(int id, const std::string& t) override {
    texts_[id] = t;
    controlChanged(id);
  }
  int sliderPos(int id) const override { return get(sliders_, id); }
  void setSliderPos(int id, int pos) override {
    sliders_[id] = pos;
    controlChanged(id);
  }
  int checkState(int id) const override { return get(checks_, id); }
  void setCheckState(int id, int state) override {
    checks_[id] = state;
    controlChanged(id);
  }
  int comboIndex(int id) const override { return get(combos_, id); }
  void setComboIndex(int id, int index) override {
    combos_[id] = index;
    controlChanged(id);
  }
  void setEnabled(int id, bool e) override { enabled_[id] = e; }
  bool isEnabled(int id) const override {
    auto it = enabled_.find(id);
    return it == enabled_.end() || it->second;
  }
  void setToolTip(int, const std::string&) override {}
  void setProgressVisible(bool) override {}
  void setProgressRange(int, int) override {}
  void setProgressPos(int) override {}
  void setProgressColor(int, int, int) override {}
  void hideWindow() override {}
  void endWindow(bool) override {}

 private:
  static int get(const std::map<int, int>& m, int id) {
    auto it = m.find(id);
    return it == m.end() ? 0 : it->second;
  }
  std::map<int, std::string> texts_;
  std::map<int, int> sliders_, checks_, combos_;
  std::map<int, bool> enabled_;
};

class NoPrompts : public zorv::Prompts {
 public:
  Answer message(const std::string&, const std::string&, Buttons, Icon, bool) override {
    ++shown;
    return Answer::Ok;
  }
  std::optional<std::string> openFile(const std::string&, const std::string&) override { return std::nullopt; }
  std::optional<std::string> saveFile(const std::string&, const std::string&, const std::string&) override {
    return std::nullopt;
  }
  int shown = 0;
};

double cpuSeconds() {
  rusage u{};
  getrusage(RUSAGE_SELF, &u);
  return static_cast<double>(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
         static_cast<double>(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

// Records back to back, cycling channels, motors and sensors, each stamped with the time at
// which the wire finishes carrying it.
std::string wireStream(double seconds, std::string* lastChannels) {
  const size_t records = static_cast<size_t>(seconds * kWireBytesPerSecond / zorv::sim::kMonitorRecordSize);
  std::string s;
  s.reserve(records * zorv::sim::kMonitorRecordSize);
  for (size_t i = 0; i < records; ++i) {
    const auto t = static_cast<uint32_t>(static_cast<double>(s.size() + zorv::sim::kMonitorRecordSize) * 1000.0 /
                                         kWireBytesPerSecond);
    const int kind = static_cast<int>(i % zorv::sim::kMonitorRecordKinds);
    std::string rec = zorv::sim::monitorRecord(kind, t);
    if (kind == 0) *lastChannels = rec;
    s += rec;
  }
  return s;
}

struct Run {
  double cpu = 0, simulated = 0;
  size_t events = 0;
};

// Feeds the stream in events of `chunk` bytes; `afterEvent` runs after each, as the event loop.
Run feed(zorv::Router& core, FeedPort& port, const std::string& stream, size_t chunk,
         const std::function<void()>& afterEvent) {
  Run r;
  const double start = cpuSeconds();
  for (size_t at = 0; at < stream.size(); at += chunk) {
    const size_t n = std::min(chunk, stream.size() - at);
    port.pending.assign(stream.begin() + static_cast<std::ptrdiff_t>(at),
                        stream.begin() + static_cast<std::ptrdiff_t>(at + n));
    core.onReceive();
    ++r.events;
    if (afterEvent) afterEvent();
  }
  r.cpu = cpuSeconds() - start;
  r.simulated = static_cast<double>(stream.size()) / kWireBytesPerSecond;
  return r;
}

// CH1 as the last channel record has it.
std::string expectedChannel1(const std::string& lastChannels) { return std::to_string(std::stoi(lastChannels.substr(4, 4))); }

bool report(const char* window, size_t chunk, const Run& r, const std::string& shown, const std::string& expected,
            int prompts) {
  const bool ok = shown == expected && prompts == 0;
  std::printf("%-10s %6zu B/event %9zu events  %7.3f s CPU / %6.1f s wire = %6.2f %% of one core%s\n", window, chunk,
              r.events, r.cpu, r.simulated, 100.0 * r.cpu / r.simulated, ok ? "" : "   WRONG: display lags");
  return ok;
}

// Feeds the stream as the wire delivers it, every few milliseconds of wall time, with the live
// data window open; returns the CPU share over `seconds` of wall time.
Run realTimeRun(const std::string& stream, double seconds, bool live, std::string* shown, std::string* barShown,
                 int* prompts) {
  FeedPort port{1};
  NoPrompts noPrompts;
  zorv::SteadyClock clock;
  zorv::CZorvDlg window(port, &noPrompts, clock, "");
  window.show();
  static_cast<QAbstractButton*>(window.control(1118))->click();
  if (live) window.toggleLiveWindow();
  QApplication::processEvents();

  Run r;
  size_t fed = 0;
  QElapsedTimer wall;
  QTimer wire;
  QObject::connect(&wire, &QTimer::timeout, [&] {
    const auto due = std::min(stream.size(), static_cast<size_t>(static_cast<double>(wall.nsecsElapsed()) / 1e9 *
                                                                kWireBytesPerSecond));
    if (due <= fed) return;
    // Added to what the window has not read yet: it gathers receive events for a few
    // milliseconds before it reads, and the wire does not wait for it.
    port.pending.insert(port.pending.end(), stream.begin() + static_cast<std::ptrdiff_t>(fed),
                        stream.begin() + static_cast<std::ptrdiff_t>(due));
    fed = due;
    window.receive();
    ++r.events;
  });
  const double start = cpuSeconds();
  wall.start();
  wire.start(2);
  QEventLoop loop;
  QTimer::singleShot(static_cast<int>(seconds * 1000), &loop, &QEventLoop::quit);
  loop.exec();
  wire.stop();
  r.cpu = cpuSeconds() - start;
  r.simulated = static_cast<double>(wall.nsecsElapsed()) / 1e9;
  QEventLoop gathered;  // the last events the window gathered are handled on its timer
  QTimer::singleShot(zorv::CZorvDlg::kGatherMs + 20, &gathered, &QEventLoop::quit);
  gathered.exec();
  *shown = window.text(1102);
  if (live) {
    window.liveWindow()->refresh();
    *barShown = window.liveWindow()->channelBar(0)->shownText().toStdString();
  } else {
    *barShown = *shown;
  }
  *prompts = noPrompts.shown;
  return r;
}

}  // namespace

int main(int argc, char** argv) {
  const double seconds = argc > 1 ? std::atof(argv[1]) : 60.0;
  if (!(seconds > 0)) {
    std::fprintf(stderr, "usage: bench_monitor [simulated seconds]\n");
    return 2;
  }
  std::setvbuf(stdout, nullptr, _IOLBF, 0);  // each figure as soon as it is measured
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);

  std::string lastChannels;
  const std::string stream = wireStream(seconds, &lastChannels);
  const std::string expected = expectedChannel1(lastChannels);
  std::printf("%zu records, %zu bytes = %.1f s at 115 200 baud\n", stream.size() / zorv::sim::kMonitorRecordSize,
              stream.size(), static_cast<double>(stream.size()) / kWireBytesPerSecond);

  bool ok = true;
  const size_t chunks[] = {12, zorv::sim::kMonitorRecordSize, 1152};
  for (size_t chunk : chunks) {
    FeedPort port{1};
    PlainWindow win;
    NoPrompts prompts;
    zorv::FakeClock clock;
    zorv::Router core(port, win, prompts, clock, "");
    core.onButtonClicked(1118);  // display on
    const Run r = feed(core, port, stream, chunk, nullptr);
    ok &= report("plain", chunk, r, win.text(1102), expected, prompts.shown);
  }
  for (bool paint : {false, true}) {
    for (size_t chunk : chunks) {
      FeedPort port{1};
      NoPrompts prompts;
      zorv::FakeClock clock;
      zorv::CZorvDlg window(port, &prompts, clock, "");
      window.show();
      QApplication::processEvents();
      window.core().onButtonClicked(1118);
      std::function<void()> loop;
      if (paint) loop = [] { QApplication::processEvents(); };
      const Run r = feed(window.core(), port, stream, chunk, loop);
      ok &= report(paint ? "Qt painted" : "Qt widgets", chunk, r, window.text(1102), expected, prompts.shown);
    }
  }

  // Real time, with and without the live data window: at most 10 s of wall time.
  for (bool live : {false, true}) {
    const double wallSeconds = std::min(seconds, 10.0);
    std::string shown, bar;
    int prompts = 0;
    const Run r = realTimeRun(stream, wallSeconds, live, &shown, &bar, &prompts);
    // The stream outlasts the run: the bar, sampled on its timer, shows the CH1 of the box.
    const bool good = shown == bar && prompts == 0;
    std::printf("%-10s %6s B/event %9zu events  %7.3f s CPU / %6.1f s wall = %6.2f %% of one core%s\n",
                live ? "+live wnd" : "real time", "~23", r.events, r.cpu, r.simulated, 100.0 * r.cpu / r.simulated,
                good ? "" : "   WRONG: bars lag the display");
    ok &= good;
  }
  return ok ? 0 : 1;
}
