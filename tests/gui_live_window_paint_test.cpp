// What a bar of the live data window paints: it repaints only when what it shows changed, and its
// outline is the one-pixel rectangle around the bar.

#include <gtest/gtest.h>

#include <QApplication>
#include <QEvent>
#include <QImage>
#include <QPainter>
#include <QVBoxLayout>
#include <vector>

#include "gui/live_window.h"
#include "tests/support/qt_app.h"

namespace zorv::test {
namespace {

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

}  // namespace
}  // namespace zorv::test
