// The menu on the window's background: the right button, Shift+F10 and the Menu key open it with
// the features' entries in their order, and opening it sends nothing.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <string>

#include "core/control_ids.h"
#include "gui/background_menu.h"
#include "tests/support/qt_app.h"
#include "tests/support/qt_window_rig.h"
#include "tests/support/test_names.h"

namespace zorv::test {
namespace {

enum class Open { RightButtonOnBackground, RightButtonOnCaptionButton, MenuKey, ShiftF10 };

struct MenuCase {
  const char* name;
  Open open;
};
void PrintTo(const MenuCase& c, std::ostream* os) { *os << c.name; }

class BackgroundMenuOpens : public ::testing::TestWithParam<MenuCase> {};

TEST_P(BackgroundMenuOpens, WithEveryFeatureInOrderAndSendsNothing) {
  qtApp();
  WindowRig rig;
  rig.showConnected();
  rig.dlg->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(rig.dlg.get()));
  BackgroundMenu& menu = rig.dlg->backgroundMenu();
  // The window's own "Language" comes last.
  menu.addFeature(BackgroundMenu::Snapshots, [](QMenu& m) {
    m.addAction("Snapshots…");
    m.addAction("Compare with file…");
  });
  menu.addFeature(BackgroundMenu::TrafficLog, [](QMenu&) {});  // nothing to offer now: no separator
  const size_t written = rig.port.written().size();

  QWidget* button = rig.dlg->control(ids::kDisplayButton);
  switch (GetParam().open) {
    case Open::RightButtonOnBackground: {
      const QPoint at(3, 3);  // the window's margin, outside every control
      QContextMenuEvent e(QContextMenuEvent::Mouse, at, rig.dlg->mapToGlobal(at));
      QApplication::sendEvent(rig.dlg->childAt(at) ? rig.dlg->childAt(at) : rig.dlg.get(), &e);
      break;
    }
    case Open::RightButtonOnCaptionButton: {
      const QPoint at = button->rect().center();
      QContextMenuEvent e(QContextMenuEvent::Mouse, at, button->mapToGlobal(at));
      QApplication::sendEvent(button, &e);
      break;
    }
    case Open::MenuKey:
      button->setFocus(Qt::TabFocusReason);
      QTest::keyClick(button, Qt::Key_Menu);
      break;
    case Open::ShiftF10:
      button->setFocus(Qt::TabFocusReason);
      QTest::keyClick(button, Qt::Key_F10, Qt::ShiftModifier);
      break;
  }
  QMenu* open = menu.openMenu();
  ASSERT_NE(open, nullptr);
  std::vector<std::string> entries;
  for (QAction* a : open->actions()) entries.push_back(a->isSeparator() ? "-" : a->text().toStdString());
  EXPECT_EQ(entries, (std::vector<std::string>{"Snapshots…", "Compare with file…", "-", "Language"}));
  open->close();
  QApplication::processEvents();
  EXPECT_EQ(rig.port.written().size(), written);
}

INSTANTIATE_TEST_SUITE_P(Ways, BackgroundMenuOpens,
                         ::testing::Values(MenuCase{"RightButtonOnBackground", Open::RightButtonOnBackground},
                                           MenuCase{"RightButtonOnCaptionButton", Open::RightButtonOnCaptionButton},
                                           MenuCase{"MenuKey", Open::MenuKey}, MenuCase{"ShiftF10", Open::ShiftF10}),
                         RowName());

TEST(BackgroundMenu, WithNothingToOfferItDoesNotOpen) {
  qtApp();
  QWidget window;
  BackgroundMenu menu(&window);
  menu.addFeature(BackgroundMenu::TrafficLog, [](QMenu&) {});
  EXPECT_FALSE(menu.popup(QPoint(10, 10)));
  EXPECT_EQ(menu.openMenu(), nullptr);
}

}  // namespace
}  // namespace zorv::test
