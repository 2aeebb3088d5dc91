// The real window under the offscreen platform against the simulated controller in memory.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QTimer>
#include <filesystem>
#include <fstream>

#include <QLocalSocket>

#include "core/control_groups.h"
#include "core/control_ids.h"
#include "core/control_layout.h"
#include "core/param_catalogue.h"
#include "firmware/upgrade_words.h"
#include "gui/automation.h"
#include "gui/prompts.h"
#include "gui/zorv_dlg.h"
#include "params/help_texts.h"
#include "protocol/readback.h"
#include "sim/sim_port.h"
#include "tests/support/fake_clock.h"
#include "tests/support/fakes.h"
#include "tests/support/qt_app.h"
#include "tests/support/qt_window_rig.h"

namespace zorv::test {
namespace {

TEST(Window, EveryControlOfTheTableIsBuiltWithItsNameCaptionAndRange) {
  WindowRig rig;
  for (const ControlRow& c : controls()) {
    if (c.id == 0) continue;
    QWidget* w = rig.dlg->control(c.id);
    ASSERT_NE(w, nullptr) << c.id;
    EXPECT_EQ(w->objectName(), c.name ? QString(c.name) : QString::number(c.id));
    EXPECT_FALSE(w->accessibleName().isEmpty() && c.kind != ControlKind::ReadOnlyEdit) << c.id;
    if (c.kind == ControlKind::Slider) {
      auto* s = rig.get<QSlider>(c.id);
      EXPECT_EQ(s->minimum(), c.lo) << c.id;
      EXPECT_EQ(s->maximum(), c.hi) << c.id;
      EXPECT_EQ(s->tickInterval(), c.tick) << c.id;
    }
    if (c.kind == ControlKind::Button || c.kind == ControlKind::LabelButton) {
      EXPECT_EQ(rig.get<QPushButton>(c.id)->text(), QString::fromUtf8(c.caption)) << c.id;
    }
    if (c.kind == ControlKind::Combo) {
      EXPECT_EQ(rig.get<QComboBox>(c.id)->count(), static_cast<int>(comboItems(c.id).size())) << c.id;
    }
  }
  EXPECT_EQ(rig.get<QSlider>(ids::kAlarmSlider)->value(), 355);
  EXPECT_EQ(rig.get<QLineEdit>(ids::kAlarmEdit)->text(), "355");
  EXPECT_EQ(rig.get<QComboBox>(ids::kModelTypeList)->itemText(13), "14--FIXED_WING");
  EXPECT_EQ(rig.dlg->control(1038)->accessibleName(), QString::fromUtf8("Уровень стабилиз."));
}

TEST(Window, ReadBackFillsTheVisibleControls) {
  WindowRig rig;
  rig.ctrl.setValue('C', 63);
  rig.ctrl.setValue('J', 20);
  rig.ctrl.setValue('A', 5);
  rig.ctrl.setValue('a', 129);
  rig.connect();
  EXPECT_EQ(rig.get<QSlider>(1038)->value(), 63);
  EXPECT_EQ(rig.get<QLineEdit>(1063)->text(), "63");
  EXPECT_EQ(rig.get<QSlider>(1046)->value(), -80);
  EXPECT_EQ(rig.get<QLineEdit>(1072)->text(), "-80");
  EXPECT_EQ(rig.get<QComboBox>(ids::kModelTypeList)->currentText(), "5. QUADX");
  EXPECT_TRUE(rig.get<QCheckBox>(matrixCheckId(0, 0))->isChecked());
  EXPECT_FALSE(rig.get<QCheckBox>(matrixCheckId(0, 1))->isChecked());
  EXPECT_TRUE(rig.get<QCheckBox>(matrixCheckId(0, 7))->isChecked());
  EXPECT_EQ(rig.get<QLineEdit>(ids::kVersionBox)->text(), "2.015");
  EXPECT_EQ(rig.get<QLineEdit>(ids::kPortStatus)->text(), "COM opened");
  EXPECT_EQ(rig.get<QLineEdit>(ids::kFirmwareHint)->text(),
            "<-Please select upgrade fireware(*.bin) first,then click the Upgrade!");
  for (int id : identityEnableList()) EXPECT_TRUE(rig.dlg->control(id)->isEnabled()) << id;
  for (int id : identityDisableList()) EXPECT_FALSE(rig.dlg->control(id)->isEnabled()) << id;
  EXPECT_FALSE(rig.dlg->control(ids::kUpgradeButton)->isEnabled());
  EXPECT_FALSE(rig.get<QProgressBar>(ids::kProgressBar)->isVisible());
}

TEST(Window, ControlsStayLockedUntilTheControllerAnswers) {
  WindowRig rig;
  rig.dlg->initialise();  // nothing delivered yet
  // The help buttons among them send nothing and are usable from the start.
  for (int id : identityEnableList()) EXPECT_EQ(rig.dlg->control(id)->isEnabled(), isHelpButton(id)) << id;
}

TEST(Window, PortChangeThroughTheListReadsBackAgain) {
  WindowRig rig;
  rig.connect();
  rig.port.clearWritten();
  rig.ctrl.setValue('C', 11);
  auto* list = rig.get<QComboBox>(ids::kPortList);
  list->setCurrentIndex(6);
  emit list->activated(6);
  EXPECT_EQ(rig.get<QLineEdit>(ids::kPortStatus)->text(), "COM Opened");
  rig.port.deliverAll();
  EXPECT_EQ(rig.port.written().substr(0, 3), "?C\r");
  EXPECT_EQ(rig.get<QSlider>(1038)->value(), 11);
  EXPECT_EQ(rig.port.portNumber(), 7);
}

TEST(Window, PortListIsRelabelledEachTimeItOpens) {
  WindowRig rig;
  rig.connect();
  auto* list = rig.get<QComboBox>(ids::kPortList);
  std::vector<std::vector<std::string>> scans = {
      {"COM1", "COM2", "COM3"},
      {"COM1 (ttyACM0 · Corvex FC)", "COM2", "COM3 (pts/0)"},
  };
  int asked = 0;
  rig.dlg->setPortLabelSource([&] { return scans[static_cast<size_t>(std::min(asked++, 1))]; });
  EXPECT_EQ(asked, 1) << "labelled once when the source is set";
  EXPECT_EQ(list->itemText(0), "COM1");
  const int selected = list->currentIndex();
  rig.port.clearWritten();

  list->showPopup();  // the board was plugged in meanwhile
  EXPECT_EQ(asked, 2);
  EXPECT_EQ(list->itemText(0), QString::fromUtf8("COM1 (ttyACM0 · Corvex FC)"));
  EXPECT_EQ(list->itemText(2), "COM3 (pts/0)");
  EXPECT_EQ(list->itemText(3), "COM4") << "entries the scan does not name keep their text";
  EXPECT_EQ(list->count(), 20);
  EXPECT_EQ(list->currentIndex(), selected) << "relabelling is no choice";
  EXPECT_EQ(rig.port.written(), "") << "and sends nothing";
  list->hidePopup();
}

TEST(Window, EnterClosesAtOnceEscapeAsksFirst) {
  {
    WindowRig rig;
    rig.connect();
    rig.dlg->show();
    rig.get<QLineEdit>(1063)->setFocus();
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(rig.dlg.get(), &enter);
    EXPECT_EQ(rig.dlg->result(), QDialog::Accepted);
    EXPECT_FALSE(rig.dlg->isVisible());
  }
  {
    WindowRig rig;
    rig.connect();
    rig.dlg->show();
    rig.prompts.answers = {Prompts::Answer::No};
    QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(rig.dlg.get(), &esc);
    EXPECT_TRUE(rig.dlg->isVisible());
    EXPECT_EQ(rig.prompts.shown.back().text, "Are you sure to close the windows？");
    rig.dlg->close();  // the close box asks too; answered Yes
    EXPECT_FALSE(rig.dlg->isVisible());
    EXPECT_EQ(rig.dlg->result(), QDialog::Rejected);
  }
}

TEST(Window, KeyboardStepsOfASliderEndInOneSend) {
  WindowRig rig;
  rig.ctrl.setValue('C', 40);
  rig.connect();
  rig.dlg->show();
  auto* s = rig.get<QSlider>(1038);
  s->setFocus();
  rig.port.clearWritten();
  for (int i = 0; i < 3; ++i) {
    QKeyEvent right(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
    QApplication::sendEvent(s, &right);
  }
  EXPECT_EQ(rig.port.written(), "") << "nothing is sent while the keys come";
  EXPECT_EQ(rig.get<QLineEdit>(1063)->text(), "43");
  spinEvents(CZorvDlg::kSliderSettleMs + 150);
  EXPECT_EQ(rig.port.written(), "SC0043\r");
}

TEST(Window, AutomationClientHoldsTheWindowAndCloseOnlyHides) {
  WindowRig rig;
  const std::string runtime = rig.dir.string();
  setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
  AutomationServer server(*rig.dlg);
  ASSERT_TRUE(server.listen()) << server.errorText().toStdString();
  rig.connect();
  rig.dlg->show();

  QLocalSocket client;
  client.connectToServer(AutomationServer::socketName());
  ASSERT_TRUE(client.waitForConnected(2000));
  for (int i = 0; i < 100 && !rig.dlg->core().st.AutoProxy; ++i) spinEvents(10);
  EXPECT_TRUE(rig.dlg->core().st.AutoProxy);

  const size_t asked = rig.prompts.shown.size();
  rig.dlg->close();
  EXPECT_FALSE(rig.dlg->isVisible()) << "the close box hides the window";
  EXPECT_EQ(rig.prompts.shown.size(), asked) << "and asks nothing";
  client.write("show\n");
  client.flush();
  for (int i = 0; i < 100 && !rig.dlg->isVisible(); ++i) spinEvents(10);
  EXPECT_TRUE(rig.dlg->isVisible());

  // The last client leaves a hidden window while the display runs: the program ends, and the
  // board is told to stop streaming before the port closes with it.
  rig.get<QPushButton>(ids::kDisplayButton)->click();
  rig.port.deliverAll();
  rig.dlg->close();
  rig.port.clearWritten();
  client.disconnectFromServer();
  for (int i = 0; i < 100 && rig.dlg->core().st.AutoProxy; ++i) spinEvents(10);
  EXPECT_FALSE(rig.dlg->core().st.AutoProxy);
  EXPECT_EQ(rig.port.written(), "S~0000\r");
  EXPECT_EQ(rig.dlg->result(), QDialog::Rejected);
  unsetenv("XDG_RUNTIME_DIR");
}

// The real message boxes, answered as a pilot clicks them: the upgrade's question names the port
// with its device, the file and its size, and Cancel sends nothing; a transfer that fails midway
// says that the controller may now hold an incomplete firmware, and the status box's tooltip how
// far it got.
class RealBoxes : public ScriptedPrompts {  // the file dialog stays scripted
 public:
  Answer message(const std::string& text, const std::string& caption, Buttons buttons, Icon icon,
                 bool cancelFirst) override {
    shown.push_back({text, caption, buttons, icon});
    return real.message(text, caption, buttons, icon, cancelFirst);
  }
  QtPrompts real{nullptr};
};

TEST(Window, UpgradeAsksFirstAndAMidwayFailureSaysTheFirmwareMayBeIncomplete) {
  WindowRig rig;
  RealBoxes boxes;
  rig.dlg = std::make_unique<CZorvDlg>(rig.port, &boxes, rig.clock, (rig.dir / "tkvrconfig.ini").string());
  rig.connect();
  rig.dlg->setPortLabels({"COM1", "COM2", "COM3 (ttyACM0 · Corvex FC)"});
  std::ofstream((rig.dir / "fw.bin").string(), std::ios::binary) << std::string(20480, 'x');
  boxes.files.push_back((rig.dir / "fw.bin").string());
  rig.get<QPushButton>(ids::kChooseImageButton)->click();
  std::vector<QMessageBox::StandardButton> clicks = {QMessageBox::Cancel, QMessageBox::Ok, QMessageBox::Ok};
  std::vector<QString> seen;
  QTimer pilot;
  QObject::connect(&pilot, &QTimer::timeout, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || clicks.empty()) return;
    seen.push_back(box->text());
    box->button(clicks.front())->click();
    clicks.erase(clicks.begin());
  });
  pilot.start(10);
  rig.port.clearWritten();
  rig.get<QPushButton>(ids::kUpgradeButton)->click();
  EXPECT_EQ(rig.port.written(), "");
  rig.get<QPushButton>(ids::kUpgradeButton)->click();
  const MainState& st = rig.dlg->core().st;
  while (!(st.LinkMode == LinkMode::UploadData && st.UploadSequence == 5)) ASSERT_TRUE(rig.port.deliverOne());
  rig.ctrl.faults.wrongSequence = true;
  rig.port.deliverAll();
  ASSERT_EQ(seen.size(), 3u);
  EXPECT_EQ(seen[0].toStdString(), "Upgrade the controller on COM3 (ttyACM0) with fw.bin (20,480 bytes, 369 packets)? "
                                   "Keep the cable in and the power on until it says it has finished.");
  EXPECT_EQ(seen[1], seen[0]);
  EXPECT_EQ(seen[2], messageText(std::string("Data error，Please try it again!\r\r") + kIncompleteFirmware));
  EXPECT_EQ(rig.dlg->control(ids::kPortStatus)->toolTip().toStdString(),
            std::string("The upgrade with fw.bin stopped after the controller had taken 5 of its 369 packets. ") +
                kIncompleteFirmware);
  EXPECT_TRUE(rig.dlg->control(ids::kUpgradeButton)->isEnabled());
}

}  // namespace
}  // namespace zorv::test
