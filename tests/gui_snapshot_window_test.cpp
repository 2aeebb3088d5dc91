// The snapshots in the window: the background menu's two entries, the snapshot window's list and
// differences, and "Send to controller" asking once before the load list's chain sends the file.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <filesystem>
#include <fstream>

#include "core/control_ids.h"
#include "files/snapshot_keeper.h"
#include "files/snapshot_texts.h"
#include "gui/background_menu.h"
#include "gui/snapshot_window.h"
#include "tests/support/qt_window_rig.h"
#include "tests/support/read_file.h"

namespace zorv::test {
namespace {

struct SnapshotRig {
  WindowRig rig;
  SnapshotKeeper keeper{rig.dlg->core()};
  SnapshotRig() {
    keeper.setFolder((rig.dir / "snap").string());
    addSnapshotFeature(*rig.dlg, keeper);
    rig.showConnected();
  }
  // The controller's stability level changed, then read again: a second snapshot.
  void readChanged(char letter, int value) {
    rig.ctrl.setValue(letter, value);
    rig.dlg->routed([this] { rig.dlg->core().onComboActivated(ids::kPortList); });
    rig.port.deliverAll();
    rig.port.clearWritten();
  }
};

TEST(GuiSnapshotWindow, TheMenuOffersBothAndTheWindowListsNewestFirstWithTheirDifferences) {
  SnapshotRig s;
  s.readChanged('C', 40);
  BackgroundMenu& menu = s.rig.dlg->backgroundMenu();
  ASSERT_TRUE(menu.popup(QPoint(10, 10)));
  std::vector<std::string> entries;
  for (QAction* a : menu.openMenu()->actions()) entries.push_back(a->text().toStdString());
  ASSERT_GE(entries.size(), 2u);
  entries.resize(2);  // the window's "Language" follows
  EXPECT_EQ(entries, (std::vector<std::string>{"Snapshots…", "Compare with file…"}));
  menu.openMenu()->actions()[0]->trigger();
  menu.openMenu()->close();
  QApplication::processEvents();

  auto* w = s.rig.dlg->findChild<SnapshotWindow*>();
  ASSERT_NE(w, nullptr);
  ASSERT_EQ(w->list()->topLevelItemCount(), 2);
  EXPECT_EQ(w->list()->topLevelItem(0)->text(3).toStdString(), "the same settings");
  EXPECT_EQ(w->list()->topLevelItem(1)->text(3).toStdString(), "1 setting differs");
  EXPECT_EQ(w->list()->topLevelItem(1)->text(1).toStdString(), "connected");
  EXPECT_FALSE(w->sendButton()->isEnabled());
  w->list()->topLevelItem(1)->setSelected(true);
  EXPECT_NE(w->details()->toPlainText().toStdString().find(" 40 → "), std::string::npos)
      << w->details()->toPlainText().toStdString();
  EXPECT_TRUE(w->sendButton()->isEnabled());
  EXPECT_EQ(s.rig.port.written(), "") << "nothing is sent by looking";

  // Send: one question, then the saved file's chain ending with the read-back.
  s.rig.prompts.agree = false;
  w->sendButton()->click();
  ASSERT_EQ(s.rig.prompts.shown.size(), 1u);
  const std::string question = s.rig.prompts.shown[0].text;
  EXPECT_EQ(question.rfind("Send this snapshot? 1 setting differs: ", 0), 0u) << question;
  EXPECT_NE(question.find("The whole file is sent, 28 commands; cell values never are."), std::string::npos) << question;
  EXPECT_EQ(s.rig.port.written(), "");
  s.rig.prompts.agree = true;
  w->sendButton()->click();
  s.rig.port.deliverAll();
  EXPECT_EQ(s.rig.port.written().rfind("Sj0004\r", 0), 0u);
  EXPECT_NE(s.rig.port.written().find("?W\r"), std::string::npos);
  EXPECT_EQ(s.rig.dlg->core().st.ParamValues, readSnapshot(s.keeper.lastWritten()).values);
  EXPECT_EQ(s.rig.ctrl.log().back(), "?W\r");
  w->close();
}

TEST(GuiSnapshotWindow, CompareWithFileNamesEachDifferenceOrWhyNot) {
  SnapshotRig s;
  const std::string first = s.keeper.lastWritten();
  s.readChanged('C', 40);
  const std::string name = std::filesystem::path(first).filename().string();
  const std::string text = compareWithFileText(s.keeper, first);
  EXPECT_EQ(text.rfind(name + " differs from the controller in 1 setting:\r\r", 0), 0u) << text;
  EXPECT_NE(text.find(" 40 → "), std::string::npos) << text;
  EXPECT_EQ(compareWithFileText(s.keeper, s.keeper.lastWritten()), s.keeper.lastWritten().substr(
      s.keeper.lastWritten().rfind('/') + 1) + " holds the settings the controller holds now.");
  std::ofstream((s.rig.dir / "odd.txt").string()) << "not a saved file";
  EXPECT_EQ(compareWithFileText(s.keeper, (s.rig.dir / "odd.txt").string()).rfind("odd.txt cannot be compared: ", 0), 0u);
}

}  // namespace
}  // namespace zorv::test
