// The real window driven by the mouse: presses, moves and releases go in through the window
// system as a pointer would (offscreen platform), against the simulated controller in memory,
// and each case asserts every byte that reached the controller.

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionSlider>
#include <QTest>
#include <filesystem>
#include <functional>
#include <memory>
#include <ostream>
#include <string>

#include "core/control_ids.h"
#include "core/control_layout.h"
#include "gui/zorv_dlg.h"
#include "sim/sim_port.h"
#include "tests/support/fake_clock.h"
#include "tests/support/fakes.h"
#include "tests/support/qt_app.h"
#include "tests/support/qt_window_rig.h"
#include "tests/support/test_names.h"

namespace zorv::test {
namespace {

// Mouse events through the top-level window that holds `w`, at a point of `w`.
void mouse(QWidget* w, QEvent::Type type, QPoint at) {
  QWidget* top = w->window();
  QWindow* handle = top->windowHandle();
  ASSERT_NE(handle, nullptr);
  const QPoint p = w->mapTo(top, at);
  switch (type) {
    case QEvent::MouseButtonPress: QTest::mousePress(handle, Qt::LeftButton, {}, p); break;
    case QEvent::MouseButtonRelease: QTest::mouseRelease(handle, Qt::LeftButton, {}, p); break;
    default: QTest::mouseMove(handle, p); break;
  }
  spinEvents(5);
}

void click(QWidget* w, QPoint at) {
  mouse(w, QEvent::MouseMove, at);
  mouse(w, QEvent::MouseButtonPress, at);
  mouse(w, QEvent::MouseButtonRelease, at);
}

struct SliderGeometry {
  QRect groove, handle;
  int span() const { return groove.width() - handle.width(); }
  // The handle's centre when the slider stands at `value`.
  QPoint centreAt(const QSlider* s, int value) const {
    const int x = groove.x() + QStyle::sliderPositionFromValue(s->minimum(), s->maximum(), value, span());
    return {x + handle.width() / 2, handle.center().y()};
  }
};

SliderGeometry geometryOf(QSlider* s) {
  QStyleOptionSlider opt;
  opt.initFrom(s);
  opt.subControls = QStyle::SC_None;
  opt.activeSubControls = QStyle::SC_None;
  opt.orientation = s->orientation();
  opt.maximum = s->maximum();
  opt.minimum = s->minimum();
  opt.tickPosition = s->tickPosition();
  opt.tickInterval = s->tickInterval();
  opt.upsideDown = false;
  opt.direction = s->layoutDirection();
  opt.sliderPosition = s->sliderPosition();
  opt.sliderValue = s->value();
  opt.singleStep = s->singleStep();
  opt.pageStep = s->pageStep();
  SliderGeometry g;
  g.groove = s->style()->subControlRect(QStyle::CC_Slider, &opt, QStyle::SC_SliderGroove, s);
  g.handle = s->style()->subControlRect(QStyle::CC_Slider, &opt, QStyle::SC_SliderHandle, s);
  return g;
}

// Connected and shown, with values that make every expected command plain to read.
struct Rig : WindowRig {
  Rig() {
    ctrl.setValue('C', 50);
    ctrl.setValue('A', 1);
    ctrl.setValue('f', 0);
    ctrl.setValue('M', 0);
    ctrl.setValue('N', 0);
    showConnected();
  }
  QWidget* control(int id) { return dlg->control(id); }
};

void dragStabilityTo7(Rig& r) {
  auto* s = qobject_cast<QSlider*>(r.control(1038));
  ASSERT_EQ(s->value(), 50);
  const SliderGeometry g = geometryOf(s);
  const QPoint from = g.handle.center();
  mouse(s, QEvent::MouseMove, from);
  mouse(s, QEvent::MouseButtonPress, from);
  for (int v : {40, 25, 12, 7}) mouse(s, QEvent::MouseMove, g.centreAt(s, v));
  EXPECT_EQ(r.port.written(), "") << "nothing goes out while the slider is dragged";
  mouse(s, QEvent::MouseButtonRelease, g.centreAt(s, 7));
  EXPECT_EQ(s->value(), 7);
}

void clickStabilityGroove(Rig& r) {
  auto* s = qobject_cast<QSlider*>(r.control(1038));
  const SliderGeometry g = geometryOf(s);
  // Left of the handle: one page (10) down.
  click(s, {g.groove.x() + 2, g.handle.center().y()});
  EXPECT_EQ(s->value(), 40);
}

void chooseModelType5(Rig& r) {
  auto* list = qobject_cast<QComboBox*>(r.control(ids::kModelTypeList));
  click(list, list->rect().center());
  QAbstractItemView* view = list->view();
  ASSERT_TRUE(view->isVisible()) << "the list opened";
  const QRect item = view->visualRect(list->model()->index(4, 0));
  click(view->viewport(), item.center());
  EXPECT_EQ(list->currentText(), "5. QUADX");
}

void clickBox(Rig& r, int id) {
  auto* box = qobject_cast<QCheckBox*>(r.control(id));
  ASSERT_TRUE(box->isEnabled()) << id;
  const bool was = box->isChecked();
  // On the box itself: a flight-mode box has no caption beside it to click on.
  QStyleOptionButton opt;
  opt.initFrom(box);
  click(box, box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &opt, box).center());
  EXPECT_NE(box->isChecked(), was) << id;
}

void displayOn(Rig& r) {
  auto* toggle = r.control(ids::kDisplayButton);
  click(toggle, toggle->rect().center());
  r.port.deliverAll();
  r.port.clearWritten();
}

struct MouseCase {
  const char* name;
  std::function<void(Rig&)> act;
  const char* sent;  // everything the controller received, settle time included
};

void PrintTo(const MouseCase& c, std::ostream* os) { *os << c.name; }

class WindowMouse : public ::testing::TestWithParam<MouseCase> {};

TEST_P(WindowMouse, SendsExactlyTheseBytes) {
  Rig r;
  GetParam().act(r);
  // A keyboard step would send after the settle time; a mouse path must not send twice.
  spinEvents(CZorvDlg::kSliderSettleMs + 100);
  EXPECT_EQ(r.port.written(), GetParam().sent);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, WindowMouse,
    ::testing::Values(MouseCase{"DragSliderAndRelease", dragStabilityTo7, "SC0007\r"},
                      MouseCase{"ClickSliderGroove", clickStabilityGroove, "SC0040\r"},
                      MouseCase{"ChooseListItem", chooseModelType5, "SA0005\r"},
                      // Row 6 ("Подвес серво"), column CH5 L: no partner row.
                      MouseCase{"ClickMatrixBox", [](Rig& r) { clickBox(r, matrixCheckId(5, 0)); }, "Sf0001\r"},
                      MouseCase{"ClickSensorBox", [](Rig& r) { clickBox(r, 1056); }, "SM0001\r"},
                      MouseCase{"ClickReverseBoxWhileDisplaying",
                                [](Rig& r) {
                                  displayOn(r);
                                  clickBox(r, 1197);
                                },
                                "SN0001\r"}),
    RowName());

}  // namespace
}  // namespace zorv::test
