// The real window (offscreen) and what reaches the controller from the wheel and the keys: a
// control the pointer merely rests over ignores the wheel, arrow keys never move the focus from
// one control to another, a closed list acts only on a choice in its opened list, and a slider
// the pilot clicked or tabbed into takes arrows and the wheel with one send after settling. Each
// row asserts every byte that reached the controller and, where nothing may go out, that no
// slider or list changed either. Keys go in with QTest; wheel events, which QtTest has no helper
// for, are sent as QWheelEvents.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QSlider>
#include <QTest>
#include <QWheelEvent>
#include <fstream>
#include <functional>
#include <map>
#include <string>

#include "core/control_layout.h"
#include "core/param_catalogue.h"
#include "core/typed_values.h"
#include "tests/support/qt_app.h"
#include "tests/support/qt_window_rig.h"
#include "tests/support/read_file.h"

namespace zorv::test {
namespace {

constexpr int kStability = 1038;  // slider, at 50
constexpr int kModelType = 1032;  // list, at its first item
constexpr int kCaption = 1002;    // "Тип модели", the caption button beside the model-type list

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
    spinEvents(5);
    EXPECT_EQ(QApplication::focusWidget(), w(id)) << id;
  }
  // Every slider's position and every list's item.
  std::map<int, int> positions() {
    std::map<int, int> out;
    for (const ControlRow& c : controls()) {
      if (auto* s = qobject_cast<QSlider*>(dlg->control(c.id))) out[c.id] = s->value();
      if (auto* l = qobject_cast<QComboBox*>(dlg->control(c.id))) out[c.id] = l->currentIndex();
    }
    return out;
  }
};

// One notch of the wheel (notches < 0: towards the pilot) with the pointer over the middle of `w`.
void wheel(QWidget* w, int notches = 1) {
  const QPointF at(w->rect().center());
  QWheelEvent e(at, w->mapToGlobal(at), QPoint(), QPoint(0, 120 * notches), Qt::NoButton, Qt::NoModifier,
                Qt::NoScrollPhase, false);
  QApplication::sendEvent(w, &e);
  spinEvents(5);
}

void keys(QWidget* w, std::initializer_list<int> pressed, Qt::KeyboardModifiers mods = Qt::NoModifier) {
  for (int k : pressed) QTest::keyClick(w, static_cast<Qt::Key>(k), mods);
  spinEvents(5);
}

// Every key a closed list must not act on, and the focus stays where it was.
void keysOnClosedList(Rig& r, int id) {
  r.focus(id);
  keys(r.w(id), {Qt::Key_Down, Qt::Key_Up, Qt::Key_PageDown, Qt::Key_PageUp, Qt::Key_End, Qt::Key_Home,
                 Qt::Key_Right, Qt::Key_Left, Qt::Key_5, Qt::Key_D, Qt::Key_C});
  keys(r.w(id), {Qt::Key_Up, Qt::Key_Down}, Qt::ControlModifier);
  keys(r.w(id), {Qt::Key_Up}, Qt::AltModifier);
  EXPECT_EQ(QApplication::focusWidget(), r.w(id));
}

void arrowsStayOn(Rig& r, int id) {
  r.focus(id);
  keys(r.w(id), {Qt::Key_Down, Qt::Key_Right, Qt::Key_Up, Qt::Key_Left, Qt::Key_Down});
  EXPECT_EQ(QApplication::focusWidget(), r.w(id)) << "the arrows moved the focus on";
}

// The model-type list opened with `open`, the second item highlighted and `confirm` pressed.
void chooseSecondModelType(Rig& r, int open, Qt::KeyboardModifiers mods, int confirm) {
  auto* list = static_cast<QComboBox*>(r.w(kModelType));
  r.focus(kModelType);
  keys(list, {open}, mods);
  ASSERT_TRUE(list->view()->isVisible()) << "the list opened";
  keys(list->view(), {Qt::Key_Down, confirm});
  EXPECT_FALSE(list->view()->isVisible());
}

struct InputCase {
  const char* name;
  std::function<void(Rig&)> act;
  const char* sent;  // everything the controller received, the settle time included
};

class WindowInput : public ::testing::TestWithParam<InputCase> {};

TEST_P(WindowInput, ReachesTheControllerOnlyAsMeant) {
  Rig r;
  r.focus(kCaption);  // the focus rests on a caption button, not on what the pointer is over
  const std::map<int, int> before = r.positions();
  const std::string settings = readFile((r.dir / "tkvrconfig.ini").string());
  GetParam().act(r);
  spinEvents(CZorvDlg::kSliderSettleMs + 100);
  EXPECT_EQ(r.port.written(), GetParam().sent);
  if (*GetParam().sent == '\0') {
    EXPECT_EQ(r.positions(), before) << "a control moved although nothing was meant";
    EXPECT_EQ(readFile((r.dir / "tkvrconfig.ini").string()), settings);
  }
}

INSTANTIATE_TEST_SUITE_P(
    WheelAndKeys, WindowInput,
    ::testing::Values(
        InputCase{"WheelOverSlider", [](Rig& r) { wheel(r.w(kStability), 3); }, ""},
        InputCase{"WheelOverGimbalSlider", [](Rig& r) { wheel(r.w(1046), -2); }, ""},
        InputCase{"WheelOverModelTypeList", [](Rig& r) { wheel(r.w(kModelType), -1); }, ""},
        InputCase{"WheelOverEscRateList", [](Rig& r) { wheel(r.w(1033), -1); }, ""},
        InputCase{"WheelOverServoRateList", [](Rig& r) { wheel(r.w(1215), -1); }, ""},
        InputCase{"WheelOverLoadList", [](Rig& r) { wheel(r.w(1099), -3); }, ""},
        InputCase{"WheelOverPortList", [](Rig& r) { wheel(r.w(1061), -1); }, ""},
        InputCase{"WheelOverFocusedList",
                  [](Rig& r) {
                    r.focus(kModelType);
                    wheel(r.w(kModelType), -1);
                  },
                  ""},
        InputCase{"WheelOverCheckBoxAndNumberBox",
                  [](Rig& r) {
                    wheel(r.w(matrixCheckId(0, 0)), -1);
                    wheel(r.w(1063), 1);
                  },
                  ""},
        InputCase{"ArrowsOnCaptionButton", [](Rig& r) { arrowsStayOn(r, kCaption); }, ""},
        InputCase{"ArrowsOnSaveButton", [](Rig& r) { arrowsStayOn(r, 1015); }, ""},
        InputCase{"ArrowsOnCheckBox", [](Rig& r) { arrowsStayOn(r, matrixCheckId(4, 2)); }, ""},
        InputCase{"KeysOnClosedModelTypeList", [](Rig& r) { keysOnClosedList(r, kModelType); }, ""},
        InputCase{"KeysOnClosedLoadList", [](Rig& r) { keysOnClosedList(r, 1099); }, ""},
        InputCase{"KeysOnClosedPortList", [](Rig& r) { keysOnClosedList(r, 1061); }, ""},
        InputCase{"OpenedByF4ChosenWithEnter",
                  [](Rig& r) { chooseSecondModelType(r, Qt::Key_F4, Qt::NoModifier, Qt::Key_Return); }, "SA0002\r"},
        InputCase{"OpenedByAltDownChosenWithEnter",
                  [](Rig& r) { chooseSecondModelType(r, Qt::Key_Down, Qt::AltModifier, Qt::Key_Enter); },
                  "SA0002\r"},
        InputCase{"OpenedBySpaceChosenWithEnter",
                  [](Rig& r) { chooseSecondModelType(r, Qt::Key_Space, Qt::NoModifier, Qt::Key_Return); },
                  "SA0002\r"},
        InputCase{"OpenedAndLeftWithEsc",
                  [](Rig& r) { chooseSecondModelType(r, Qt::Key_F4, Qt::NoModifier, Qt::Key_Escape); }, ""},
        InputCase{"FocusedSliderTakesArrows",
                  [](Rig& r) {
                    r.focus(kStability);
                    keys(r.w(kStability), {Qt::Key_Right, Qt::Key_Right, Qt::Key_Up});
                  },
                  "SC0053\r"},
        InputCase{"FocusedSliderTakesTheWheel",
                  [](Rig& r) {
                    r.focus(kStability);
                    wheel(r.w(kStability), -1);
                  },
                  "SC0047\r"}),
    [](const auto& info) { return std::string(info.param.name); });

// A value typed into a number box and not yet sent shows in the link colour with a tooltip,
// until the slider's release sends it.
TEST(WindowTypedValue, ShowsUntilTheSliderSendsIt) {
  Rig r;
  auto* box = static_cast<QLineEdit*>(r.w(1067));  // "Доп. стабилизация", 45 in the controller
  ASSERT_EQ(box->text(), QString::number(r.ctrl.value('D')));
  const QColor ordinary = box->palette().color(QPalette::Text);
  r.focus(1067);
  box->selectAll();
  QTest::keyClicks(box, "60");
  keys(box, {Qt::Key_Tab});
  EXPECT_EQ(r.port.written(), "") << "a typed value waits for the slider";
  EXPECT_EQ(box->palette().color(QPalette::Text), box->palette().color(QPalette::Link));
  EXPECT_NE(box->palette().color(QPalette::Text), ordinary);
  EXPECT_EQ(box->toolTip().toStdString(), kTypedNotSentTip);

  r.focus(1039);
  keys(r.w(1039), {Qt::Key_Right});
  spinEvents(CZorvDlg::kSliderSettleMs + 100);
  EXPECT_EQ(r.port.written(), "SD0061\r");
  EXPECT_EQ(box->palette().color(QPalette::Text), ordinary);
  EXPECT_EQ(box->toolTip(), "");
}

// "?C" answered with 150, beyond the stability scale: kept as reported, the box shows it, the
// slider stands at its end, the pilot is told once and no range warning is ever raised; a save
// records what the controller holds.
TEST(WindowReportedValue, BeyondTheScaleIsKeptShownToldOnceAndSaved) {
  WindowRig r;
  r.ctrl.setValue('C', 150);
  r.connect();
  EXPECT_EQ(r.dlg->core().st.ParamValues[3], 150);
  EXPECT_EQ(r.get<QLineEdit>(1063)->text(), "150");
  EXPECT_EQ(r.get<QSlider>(kStability)->value(), 100);
  auto count = [&](const std::string& start) {
    int n = 0;
    for (const auto& box : r.prompts.shown) n += box.text.rfind(start, 0) == 0;
    return n;
  };
  EXPECT_EQ(count("The controller holds values this tool does not know: Stability level 150 (0 to 100). They are "
                  "kept and saved as they are; nothing is sent unless you change them."),
            1);
  EXPECT_EQ(r.prompts.shown.size(), 1u);

  // Later exchanges read the box without a warning, and nothing goes out for it.
  r.port.clearWritten();
  r.get<QComboBox>(1033)->setCurrentIndex(2);
  emit r.get<QComboBox>(1033)->activated(2);
  const std::string path = (r.dir / "saved.txt").string();
  r.prompts.files.push_back(path);
  r.get<QAbstractButton>(1015)->click();
  EXPECT_EQ(r.port.written(), "SB0003\r");
  EXPECT_EQ(count("Please enter an integer"), 0);
  EXPECT_NE(readFile(path).find("Stabili_level0150\r\r\n"), std::string::npos);
}

}  // namespace
}  // namespace zorv::test
