// "Traffic log…" in the window's background menu: the live view of the port's traffic log, its
// filter, "Pause" and "Save…"; opening and using it sends nothing.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <filesystem>

#include "gui/background_menu.h"
#include "gui/traffic_window.h"
#include "serial/traffic_log.h"
#include "tests/support/qt_app.h"
#include "tests/support/qt_window_rig.h"
#include "tests/support/read_file.h"

namespace zorv::test {
namespace {

int lineCount(const QString& text) { return text.isEmpty() ? 0 : static_cast<int>(text.count('\n')) + 1; }

TEST(TrafficWindow, ShowsTheLogLiveFilteredPausedAndSavedAndSendsNothing) {
  qtApp();
  WindowRig rig;
  rig.showConnected();
  TrafficLog log;
  log.record(0, Traffic::Event, "opened COM3");
  log.record(341, Traffic::Written, "?C\r");
  log.record(2700, Traffic::Read, "?C\r 0050\r\n");
  offerTrafficLog(*rig.dlg, log);
  const size_t written = rig.port.written().size();

  ASSERT_TRUE(rig.dlg->backgroundMenu().popup(QPoint(10, 10)));
  QMenu* menu = rig.dlg->backgroundMenu().openMenu();
  ASSERT_NE(menu, nullptr);
  ASSERT_EQ(menu->actions().size(), 3);  // then a separator and the window's "Language"
  EXPECT_EQ(menu->actions()[0]->text(), QStringLiteral("Traffic log…"));
  menu->actions()[0]->trigger();
  menu->close();
  auto* w = rig.dlg->findChild<TrafficWindow*>();
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(w->shownText().toStdString(), log.text().substr(0, log.text().size() - 1));

  log.record(2748, Traffic::Written, "?A\r");  // live: comes at the next look
  w->refresh();
  EXPECT_EQ(lineCount(w->shownText()), 4);
  w->filterBox()->setText(QStringLiteral("3f 41"));  // any case
  EXPECT_EQ(w->shownText().toStdString(), trafficLine(2748, Traffic::Written, "?A\r"));
  w->filterBox()->clear();

  w->pauseButton()->click();
  log.record(2765, Traffic::Read, "?A\r 0005\r\n");
  w->refresh();
  EXPECT_EQ(lineCount(w->shownText()), 4) << "paused";
  w->pauseButton()->click();
  EXPECT_EQ(lineCount(w->shownText()), 5) << "what came meanwhile, once resumed";

  const std::string path = (std::filesystem::temp_directory_path() / "zorv-traffic-window-test.txt").string();
  QString error;
  ASSERT_TRUE(w->saveTo(QString::fromStdString(path), &error)) << error.toStdString();
  EXPECT_EQ(readFile(path), log.text());
  std::filesystem::remove(path);
  EXPECT_FALSE(w->saveTo(QStringLiteral("/nonexistent-folder/x.txt"), &error));

  // Opening it again raises the same window.
  ASSERT_TRUE(rig.dlg->backgroundMenu().popup(QPoint(10, 10)));
  rig.dlg->backgroundMenu().openMenu()->actions()[0]->trigger();
  rig.dlg->backgroundMenu().openMenu()->close();
  EXPECT_EQ(rig.dlg->findChildren<TrafficWindow*>().size(), 1);
  QApplication::processEvents();
  EXPECT_EQ(rig.port.written().size(), written);
}

}  // namespace
}  // namespace zorv::test
