// The real window (offscreen): what the wheel and the keys send. Keys go in with QTest, wheel
// events (QtTest has no helper) as QWheelEvents; each row checks every byte sent, the slider's
// settle time included.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QSlider>
#include <QTest>
#include <QWheelEvent>
#include <ostream>
#include <string>

#include "core/control_ids.h"
#include "core/typed_values.h"
#include "tests/support/qt_app.h"
#include "tests/support/qt_window_rig.h"
#include "tests/support/read_file.h"
#include "tests/support/test_names.h"

namespace zorv::test {
namespace {

struct Rig : WindowRig {
  Rig() {
    ctrl.setValue('C', 50);
    ctrl.setValue('A', 1);
    showConnected();
    dlg->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(dlg.get()));
  }
  QWidget* w(int id) { return dlg->control(id); }
  void focus(int id) {
    w(id)->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(QApplication::focusWidget(), w(id)) << id;
  }
};

void wheel(QWidget* w, int notches) {
  const QPointF at(w->rect().center());
  QWheelEvent e(at, w->mapToGlobal(at), QPoint(), QPoint(0, 120 * notches), Qt::NoButton, Qt::NoModifier,
                Qt::NoScrollPhase, false);
  QApplication::sendEvent(w, &e);
}

void keys(QWidget* w, std::initializer_list<int> pressed, Qt::KeyboardModifiers mods = Qt::NoModifier) {
  for (int k : pressed) QTest::keyClick(w, static_cast<Qt::Key>(k), mods);
}

enum class Act { Wheel, FocusedWheel, Arrows, ClosedListKeys, ChooseSecond, FocusedKeys };

struct InputCase {
  const char* name;
  Act act;
  int id;
  int arg;  // notches; the key that opens the list (Alt+Down: Key_Down); the key that confirms
  const char* sent;
};
void PrintTo(const InputCase& c, std::ostream* os) { *os << c.name; }

void act(Rig& r, const InputCase& c) {
  QWidget* w = r.w(c.id);
  switch (c.act) {
    case Act::FocusedWheel: r.focus(c.id); [[fallthrough]];
    case Act::Wheel: wheel(w, c.arg); break;
    case Act::Arrows:
    case Act::ClosedListKeys:
      r.focus(c.id);
      keys(w, {Qt::Key_Down, Qt::Key_Right, Qt::Key_Up, Qt::Key_Left, Qt::Key_Down});
      if (c.act == Act::ClosedListKeys) {
        keys(w, {Qt::Key_PageDown, Qt::Key_PageUp, Qt::Key_End, Qt::Key_Home, Qt::Key_5, Qt::Key_D, Qt::Key_C});
        keys(w, {Qt::Key_Up, Qt::Key_Down}, Qt::ControlModifier);
        keys(w, {Qt::Key_Up}, Qt::AltModifier);
      }
      EXPECT_EQ(QApplication::focusWidget(), w) << "the keys moved the focus on";
      break;
    case Act::ChooseSecond: {
      auto* list = static_cast<QComboBox*>(w);
      r.focus(c.id);
      keys(list, {c.arg}, c.arg == Qt::Key_Down ? Qt::AltModifier : Qt::NoModifier);
      ASSERT_TRUE(list->view()->isVisible()) << "the list opened";
      keys(list->view(), {Qt::Key_Down, *c.sent ? Qt::Key_Return : Qt::Key_Escape});
      EXPECT_FALSE(list->view()->isVisible());
      break;
    }
    case Act::FocusedKeys:
      r.focus(c.id);
      keys(w, {Qt::Key_Right, Qt::Key_Right, Qt::Key_Up});
      break;
  }
}

class WindowInput : public ::testing::TestWithParam<InputCase> {};

TEST_P(WindowInput, ReachesTheControllerOnlyAsMeant) {
  Rig r;
  r.focus(1002);  // the focus rests on a caption button, not on what the pointer is over
  act(r, GetParam());
  spinEvents(CZorvDlg::kSliderSettleMs + 100);
  EXPECT_EQ(r.port.written(), GetParam().sent);
}

INSTANTIATE_TEST_SUITE_P(
    WheelAndKeys, WindowInput,
    ::testing::Values(InputCase{"WheelOverSlider", Act::Wheel, 1038, 3, ""},
                      InputCase{"WheelOverModelTypeList", Act::Wheel, ids::kModelTypeList, -1, ""},
                      InputCase{"WheelOverLoadList", Act::Wheel, ids::kLoadList, -3, ""},
                      InputCase{"WheelOverPortList", Act::Wheel, ids::kPortList, -1, ""},
                      InputCase{"WheelOverFocusedList", Act::FocusedWheel, ids::kModelTypeList, -1, ""},
                      InputCase{"ArrowsOnCaptionButton", Act::Arrows, 1002, 0, ""},
                      InputCase{"ArrowsOnCheckBox", Act::Arrows, 1056, 0, ""},
                      InputCase{"KeysOnClosedModelTypeList", Act::ClosedListKeys, ids::kModelTypeList, 0, ""},
                      InputCase{"KeysOnClosedLoadList", Act::ClosedListKeys, ids::kLoadList, 0, ""},
                      InputCase{"KeysOnClosedPortList", Act::ClosedListKeys, ids::kPortList, 0, ""},
                      InputCase{"OpenedByF4", Act::ChooseSecond, ids::kModelTypeList, Qt::Key_F4, "SA0002\r"},
                      InputCase{"OpenedByAltDown", Act::ChooseSecond, ids::kModelTypeList, Qt::Key_Down, "SA0002\r"},
                      InputCase{"OpenedBySpace", Act::ChooseSecond, ids::kModelTypeList, Qt::Key_Space, "SA0002\r"},
                      InputCase{"OpenedAndLeftWithEsc", Act::ChooseSecond, ids::kModelTypeList, Qt::Key_F4, ""},
                      InputCase{"FocusedSliderTakesArrows", Act::FocusedKeys, 1038, 0, "SC0053\r"},
                      InputCase{"FocusedSliderTakesTheWheel", Act::FocusedWheel, 1038, -1, "SC0047\r"}),
    RowName());

TEST(WindowTypedValue, ShowsInTheLinkColourWithItsTooltip) {
  WindowRig r;
  r.connect();
  auto* box = r.get<QLineEdit>(1067);
  box->setText("60");
  EXPECT_EQ(box->palette().color(QPalette::Text), box->palette().color(QPalette::Link));
  EXPECT_EQ(box->toolTip().toStdString(), kTypedNotSentTip);
}

// "?C" answered with 150: kept, the box shows it, the slider stands at its end, one message and
// no range warning, then or at later exchanges; a save records it.
TEST(WindowReportedValue, BeyondTheScaleIsKeptShownToldOnceAndSaved) {
  WindowRig r;
  r.ctrl.setValue('C', 150);
  r.connect();
  EXPECT_EQ(r.dlg->core().st.ParamValues[3], 150);
  EXPECT_EQ(r.get<QLineEdit>(1063)->text(), "150");
  EXPECT_EQ(r.get<QSlider>(1038)->value(), 100);
  ASSERT_EQ(r.prompts.shown.size(), 1u);
  EXPECT_EQ(r.prompts.shown[0].text,
            "The controller holds values this tool does not know: Stability level 150 (0 to 100). They are kept and "
            "saved as they are; nothing is sent unless you change them.");
  r.port.clearWritten();
  r.get<QComboBox>(ids::kEscRateList)->setCurrentIndex(2);
  emit r.get<QComboBox>(ids::kEscRateList)->activated(2);
  const std::string path = (r.dir / "saved.txt").string();
  r.prompts.files.push_back(path);
  r.get<QAbstractButton>(ids::kSaveButton)->click();
  EXPECT_EQ(r.port.written(), "SB0003\r");
  EXPECT_EQ(r.prompts.shown.size(), 2u) << "the save's question, no range warning";
  EXPECT_NE(readFile(path).find("Stabili_level0150\r\r\n"), std::string::npos);
}

}  // namespace
}  // namespace zorv::test
