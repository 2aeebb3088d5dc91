// A read-out box beside a plain read-only line edit in the same surroundings: after every change
// both look the same pixel for pixel on the window's real (offscreen) surface, and a new value
// repaints the read-out alone, never the group box behind it.

#include <gtest/gtest.h>

#include <QApplication>
#include <QEvent>
#include <QGroupBox>
#include <QImage>
#include <QLineEdit>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "gui/readout_box.h"
#include "tests/support/qt_app.h"

namespace zorv::test {
namespace {

// Two group boxes side by side, each with one box at the same place: a plain read-only line edit
// on the left, a read-out on the right.
struct Pair {
  Pair() {
    window.resize(420, 140);
    for (int i = 0; i < 2; ++i) {
      groups[i] = new QGroupBox("Receiver", &window);
      groups[i]->setGeometry(10 + 200 * i, 10, 190, 110);
    }
    plain = new QLineEdit(groups[0]);
    plain->setReadOnly(true);
    readout = new ReadoutBox(groups[1]);
    for (QLineEdit* e : {plain, static_cast<QLineEdit*>(readout)}) {
      e->setGeometry(40, 50, 60, 22);
      e->setAlignment(Qt::AlignRight);
      e->setText("1500");
    }
    window.show();
    settle();
    plain->clearFocus();  // the first box in the tab order took it when the window came up
    settle();
  }
  static void settle() { spinEvents(40); }
  // The window as painted on its surface, the part of one group box.
  QImage shot(int side) {
    const QImage all = window.screen()->grabWindow(window.winId()).toImage().convertToFormat(QImage::Format_RGB32);
    return all.copy(groups[side]->geometry());
  }

  bool appMade = (qtApp(), true);  // before any widget
  QWidget window;
  QGroupBox* groups[2] = {};
  QLineEdit* plain = nullptr;
  ReadoutBox* readout = nullptr;
};

// The largest difference of one colour channel between two images of one size.
int largestDifference(const QImage& a, const QImage& b) {
  if (a.size() != b.size()) return 256;
  int worst = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) {
      const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
      worst = std::max({worst, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                        std::abs(qBlue(p) - qBlue(q))});
    }
  return worst;
}

struct LookCase {
  const char* name;
  std::function<void(QLineEdit*)> change;  // made on each box in turn, its picture taken after
  bool newBackground;                      // the read-out has to make its picture again
};

TEST(ReadoutBox, LooksLikeAPlainReadOnlyLineEditAfterEveryChange) {
  const std::vector<LookCase> cases = {
      {"first paint", [](QLineEdit*) {}, false},
      {"a longer value", [](QLineEdit* e) { e->setText("-12345"); }, false},
      {"a shorter value leaves nothing of the longer one", [](QLineEdit* e) { e->setText("7"); }, false},
      {"empty", [](QLineEdit* e) { e->clear(); }, false},
      {"disabled", [](QLineEdit* e) {
         e->setText("1999");
         e->setEnabled(false);
       }, true},
      {"enabled again", [](QLineEdit* e) { e->setEnabled(true); }, true},
      {"focused with the value selected", [](QLineEdit* e) {
         e->setFocus();
         e->selectAll();
       }, true},
      {"focus gone", [](QLineEdit* e) {
         e->deselect();
         e->clearFocus();
       }, true},
      {"wider", [](QLineEdit* e) { e->setGeometry(30, 50, 90, 22); }, true},
      {"moved lower in its group, then a new value", [](QLineEdit* e) {
         e->move(30, 75);
         e->setText("1000");
       }, true},
      {"other colours", [](QLineEdit* e) {
         QPalette p = e->palette();
         p.setColor(QPalette::Base, QColor(255, 250, 200));
         p.setColor(QPalette::Text, QColor(150, 0, 0));
         e->setPalette(p);
       }, true},
  };
  Pair pair;
  for (const LookCase& c : cases) {
    const int before = pair.readout->backgroundsMade();
    c.change(pair.plain);
    Pair::settle();
    const QImage plain = pair.shot(0);
    c.change(pair.readout);
    Pair::settle();
    const QImage readout = pair.shot(1);
    EXPECT_LE(largestDifference(plain, readout), 2) << c.name;
    EXPECT_EQ(pair.readout->text(), pair.plain->text()) << c.name;
    if (c.newBackground) {
      EXPECT_GT(pair.readout->backgroundsMade(), before) << c.name;
    } else if (before > 0) {
      EXPECT_EQ(pair.readout->backgroundsMade(), before) << c.name;
    }
  }
}

struct RepaintCase {
  const char* name;
  bool readout;
  int groupPaints;  // paint events the group box behind the box gets for one new value
};

TEST(ReadoutBox, ANewValueRepaintsTheBoxAloneNotWhatLiesBehindIt) {
  const std::vector<RepaintCase> cases = {
      {"plain line edit: its group box repaints with it", false, 1},
      {"read-out: the group box stays as it is", true, 0},
  };
  for (const RepaintCase& c : cases) {
    Pair pair;
    QLineEdit* box = c.readout ? static_cast<QLineEdit*>(pair.readout) : pair.plain;
    PaintCount group(box->parentWidget()), own(box);
    box->setText("1234");
    Pair::settle();
    EXPECT_EQ(own.paints, 1) << c.name;
    EXPECT_EQ(group.paints, c.groupPaints) << c.name;
  }
}

}  // namespace
}  // namespace zorv::test
