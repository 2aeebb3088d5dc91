// What the live data window paints: a bar repaints only when what it shows changed, its outline
// is the one-pixel rectangle around the bar, and the graph scrolls with the clock, keeping the
// last ten seconds of records.

#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <algorithm>
#include <cstdlib>
#include <QEvent>
#include <QImage>
#include <QLineSeries>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/qt_live_window.h"
#include "app/qt_zorv_dlg.h"
#include "sim/sim_port.h"
#include "tests/support/fake_clock.h"
#include "tests/support/fakes.h"
#include "tests/support/qt_app.h"

namespace zorv::test {
namespace {

struct PaintCount : QObject {
  explicit PaintCount(QWidget* w) { w->installEventFilter(this); }
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint) ++paints;
    return false;
  }
  int paints = 0;
};

// One bar in a shown window of its own.
struct BarRig {
  BarRig() {
    window.resize(260, 40);
    auto* layout = new QVBoxLayout(&window);
    bar = new CChannelBar("CH1", &window);
    layout->addWidget(bar);
    window.show();
    spinEvents(40);
  }
  bool appMade = (qtApp(), true);  // before any widget
  QWidget window;
  CChannelBar* bar = nullptr;
};

struct RepaintCase {
  const char* name;
  std::vector<int> steps;  // a value, or -1 for clear(); each followed by a turn of the event loop
  int paints;
};

TEST(ChannelBar, RepaintsOnlyWhenWhatItShowsChanged) {
  const std::vector<RepaintCase> cases = {
      {"the same value again and again: one repaint", {1500, 1500, 1500}, 1},
      {"each new value repaints", {1500, 1501, 1502}, 3},
      {"back and forth", {1500, 1600, 1500}, 3},
      {"cleared without a value: nothing to repaint", {-1, -1}, 0},
      {"cleared after a value, then cleared again", {1500, -1, -1}, 2},
      {"a value after clearing, even the one it had", {1500, -1, 1500}, 3},
  };
  for (const RepaintCase& c : cases) {
    BarRig rig;
    PaintCount count(rig.bar);
    for (int v : c.steps) {
      if (v < 0) rig.bar->clear();
      else rig.bar->setValue(v);
      spinEvents(15);
    }
    EXPECT_EQ(count.paints, c.paints) << c.name;
  }
}

TEST(ChannelBar, OutlineIsTheOnePixelRectangleAroundTheBar) {
  struct OutlineCase {
    int value;         // -1: no value yet
    QColor nearStart;  // just inside the outline at its left end
  };
  const QColor groove(232, 232, 232), filled(90, 150, 215), beyond(215, 40, 40);
  const std::vector<OutlineCase> cases = {
      {-1, groove}, {1000, groove}, {1500, filled}, {2000, filled}, {900, beyond}, {2100, filled},
  };
  const QColor outline(160, 160, 160);
  for (const OutlineCase& c : cases) {
    const int v = c.value;
    BarRig rig;
    if (v >= 0) rig.bar->setValue(v);
    spinEvents(15);
    const QImage shot = rig.bar->grab().toImage().convertToFormat(QImage::Format_RGB32);
    // Where QPainter::drawRect puts a one-pixel outline of the bar's rectangle.
    const QRect r = rig.bar->rect().adjusted(0, 1, -1, -2);
    QImage reference(shot.size(), QImage::Format_ARGB32);
    reference.fill(Qt::transparent);
    {
      QPainter p(&reference);
      p.setPen(Qt::black);
      p.drawRect(r);
    }
    int outlined = 0;
    for (int y = 0; y < shot.height(); ++y)
      for (int x = 0; x < shot.width(); ++x) {
        if (qAlpha(reference.pixel(x, y)) == 0) continue;
        ++outlined;
        EXPECT_EQ(QColor(shot.pixel(x, y)), outline) << "value " << v << " at " << x << "," << y;
      }
    EXPECT_EQ(outlined, 2 * (r.width() + 1) + 2 * (r.height() - 1)) << v;
    EXPECT_EQ(QColor(shot.pixel(r.left() + 1, r.top() + 1)), c.nearStart) << v;
  }
}

std::string channels(int first) {
  std::string s = "CHDA";
  for (int f = 0; f < 8; ++f) {
    const std::string v = std::to_string(first + f);
    s += std::string(4 - v.size(), ' ') + v;
  }
  return s + "\r\n";
}

struct ScrollCase {
  const char* name;
  uint32_t nowMs;  // the clock when the graph is refreshed
  size_t points;   // CH1 points on the graph
  double firstX, lastX;
  int firstY, lastY;
};

TEST(LiveGraph, ScrollsWithTheClockAndKeepsTheLastTenSeconds) {
  // Records every 500 ms from 0.5 s to 15 s after the display started (at 0).
  const std::vector<ScrollCase> cases = {
      {"five seconds in: all so far", 5000, 10, -4.5, 0.0, 1000, 1009},
      {"between records: the line moves left", 5250, 10, -4.75, -0.25, 1000, 1009},
      {"twelve seconds in: the first two have left", 12000, 20, -9.5, 0.0, 1004, 1023},
      {"fifteen seconds in", 15000, 20, -9.5, 0.0, 1010, 1029},
      {"later, nothing new: the line goes on moving left", 15400, 20, -9.9, -0.4, 1010, 1029},
  };
  qtApp();
  const auto dir = std::filesystem::temp_directory_path() / ("zorv-live-paint-" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  // The live window keeps its size under the user's settings: here, the test's folder.
  const char* oldConfig = std::getenv("XDG_CONFIG_HOME");
  const std::string keptConfig = oldConfig ? oldConfig : "";
  setenv("XDG_CONFIG_HOME", dir.c_str(), 1);
  sim::Controller ctrl;
  sim::SimPort port{ctrl};
  ScriptedPrompts prompts;
  FakeClock clock;
  auto dlg = std::make_unique<CZorvDlg>(port, &prompts, clock, (dir / "tkvrconfig.ini").string());
  port.onReceive = [&] { dlg->core().onReceive(); };
  dlg->initialise();
  port.deliverAll();
  dlg->show();
  dlg->findChild<QPushButton*>("graph")->click();
  CLiveDataWnd* live = dlg->liveWindow();
  clock.now = 0;
  static_cast<QPushButton*>(dlg->control(1118))->click();
  port.deliverAll();
  uint32_t fed = 0;
  for (const ScrollCase& c : cases) {
    for (int k = static_cast<int>(fed / 500); (k + 1) * 500 <= static_cast<int>(std::min<uint32_t>(c.nowMs, 15000)); ++k) {
      clock.now = static_cast<uint32_t>((k + 1) * 500);
      const std::string rec = channels(1000 + k);
      port.inject(std::vector<uint8_t>(rec.begin(), rec.end()));
      port.deliverAll();
      fed = clock.now;
    }
    clock.now = c.nowMs;
    live->refresh();
    const QLineSeries* s = live->series(0);
    ASSERT_EQ(static_cast<size_t>(s->count()), c.points) << c.name;
    EXPECT_NEAR(s->at(0).x(), c.firstX, 1e-9) << c.name;
    EXPECT_NEAR(s->at(s->count() - 1).x(), c.lastX, 1e-9) << c.name;
    EXPECT_EQ(s->at(0).y(), c.firstY) << c.name;
    EXPECT_EQ(s->at(s->count() - 1).y(), c.lastY) << c.name;
    EXPECT_EQ(live->channelBar(0)->value(), c.lastY) << c.name;
  }
  dlg.reset();
  if (oldConfig) setenv("XDG_CONFIG_HOME", keptConfig.c_str(), 1);
  else unsetenv("XDG_CONFIG_HOME");
  std::error_code ec;
  std::filesystem::remove_all(dir, ec);
}

}  // namespace
}  // namespace zorv::test
