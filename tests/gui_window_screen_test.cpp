// Small screens: the window takes the room the screen has and scrolls its controls instead of
// running off it; the live data window goes beside it, not over its controls.

#include <gtest/gtest.h>

#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <string>

#include "gui/zorv_dlg.h"
#include "tests/support/qt_window_rig.h"
#include "tests/support/test_names.h"

namespace zorv::test {
namespace {

TEST(SmallScreen, TheWindowScrollsWithinALaptopScreenAtOneAndAHalfScale) {
  WindowRig rig;
  rig.connect();
  rig.port.clearWritten();
  const QRect laptop(0, 0, 1366 * 2 / 3, 768 * 2 / 3 - 32);  // 1366x768 at 1.5x, less a panel
  rig.dlg->fitToScreen(laptop);
  rig.dlg->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(rig.dlg.get()));
  EXPECT_LE(rig.dlg->width(), laptop.width());
  EXPECT_LE(rig.dlg->height(), laptop.height());
  auto* scroll = rig.dlg->findChild<QScrollArea*>("pageScroll");
  ASSERT_NE(scroll, nullptr);
  EXPECT_TRUE(scroll->verticalScrollBar()->isVisible());
  EXPECT_TRUE(scroll->horizontalScrollBar()->isVisible());
  // The controls keep their size: the page is scrolled, not squeezed.
  EXPECT_GE(scroll->widget()->width(), scroll->widget()->minimumSizeHint().width());
  EXPECT_GE(scroll->widget()->height(), scroll->widget()->minimumSizeHint().height());
  EXPECT_EQ(rig.port.written(), "");
}

struct Placement {
  const char* name;
  QRect main;
  QRect room;
  QRect expected;
};
void PrintTo(const Placement& p, std::ostream* os) { *os << p.name; }

class LiveWindowPlacement : public ::testing::TestWithParam<Placement> {};

TEST_P(LiveWindowPlacement, BesideTheMainWindowWhereThereIsRoom) {
  const Placement& p = GetParam();
  const QRect at = besideWindow(p.main, QSize(780, 700), QSize(kLiveLeast, kLiveLeast), p.room);
  EXPECT_EQ(at, p.expected) << at.x() << "," << at.y() << " " << at.width() << "x" << at.height();
  EXPECT_TRUE(p.room.contains(at));
}

INSTANTIATE_TEST_SUITE_P(
    Screens, LiveWindowPlacement,
    ::testing::Values(
        Placement{"WideScreenRight", QRect(0, 0, 1100, 720), QRect(0, 0, 1920, 1050), QRect(1108, 0, 780, 700)},
        Placement{"MainOnTheRightGoesLeft", QRect(800, 100, 1100, 720), QRect(0, 0, 1920, 1050),
                  QRect(12, 100, 780, 700)},
        Placement{"NarrowStripsTakeWhatFits", QRect(0, 0, 1100, 600), QRect(0, 0, 1600, 900),
                  QRect(1108, 0, 492, 700)},
        Placement{"OnlyBelow", QRect(0, 0, 1100, 400), QRect(0, 0, 1280, 1000), QRect(0, 408, 780, 592)},
        Placement{"NoRoomAnywhereFarSide", QRect(0, 0, 900, 500), QRect(0, 0, 910, 512), QRect(130, 0, 780, 512)}),
    RowName());

}  // namespace
}  // namespace zorv::test
