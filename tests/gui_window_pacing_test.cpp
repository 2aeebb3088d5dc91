// The real window while exchanges run: what the handlers read and set is current at once, the
// painting is held to a frame rate, the live display's receive events are gathered, and the
// values the window keeps beside its widgets follow every change the widgets make themselves.

#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <filesystem>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/control_ids.h"
#include "core/control_layout.h"
#include "gui/paint_pacer.h"
#include "gui/widget_binding.h"
#include "gui/zorv_dlg.h"
#include "sim/monitor_records.h"
#include "sim/sim_port.h"
#include "tests/support/fake_clock.h"
#include "tests/support/fakes.h"
#include "tests/support/qt_app.h"
#include "tests/support/qt_window_rig.h"

namespace zorv::test {
namespace {

const std::vector<int> kChannelBoxes = {1102, 1103, 1104, 1105, 1106, 1107, 1108, 1109};
// Long enough for a gathered receive event and a held frame to come due.
constexpr int kFrameWaitMs = PaintPacer::kFirstFrameMs + CZorvDlg::kGatherMs + 30;

std::string channelRecord(int first) {
  return sim::monitorRecordText("CHDA", {first, first + 1, first + 2, first + 3, first + 4, first + 5, first + 6, first + 7});
}

std::vector<uint8_t> bytesOf(const std::string& s) { return std::vector<uint8_t>(s.begin(), s.end()); }

struct Rig : WindowRig {
  explicit Rig(bool shown = true) {
    if (shown) dlg->show();
  }
  void startDisplay() {
    connect();
    static_cast<QAbstractButton*>(dlg->control(ids::kDisplayButton))->click();
    port.deliverAll();  // the echo of the stream command, gathered
    spinEvents(kFrameWaitMs);
  }
  std::string shown(int id) { return static_cast<QLineEdit*>(dlg->control(id))->text().toStdString(); }
};

struct ValueChange {
  const char* name;
  int id;
  std::function<void(CZorvDlg&)> change;  // made on the widget (or its items), not through the window
  std::function<std::string(CZorvDlg&)> read;
  std::string expected;
};

TEST(WindowValues, FollowEveryChangeTheWidgetsMakeThemselves) {
  auto text = [](int id) { return [id](CZorvDlg& d) { return d.text(id); }; };
  auto blocked = [](int id, std::function<void(CZorvDlg&)> set) {
    return [id, set](CZorvDlg& d) {
      const QSignalBlocker signalsBlocked(d.control(id));
      set(d);
    };
  };
  const std::vector<ValueChange> cases = {
      {"text typed over a number box", 1063,
       [](CZorvDlg& d) { static_cast<QLineEdit*>(d.control(1063))->setText("77"); }, text(1063), "77"},
      {"a digit added at the cursor", ids::kHeightLockEdit,
       [](CZorvDlg& d) {
         auto* e = static_cast<QLineEdit*>(d.control(ids::kHeightLockEdit));
         e->setText("4");
         e->end(false);
         e->insert("2");
       },
       text(ids::kHeightLockEdit), "42"},
      {"list choice made on the list", ids::kModelTypeList,
       [](CZorvDlg& d) { static_cast<QComboBox*>(d.control(ids::kModelTypeList))->setCurrentIndex(3); },
       text(ids::kModelTypeList), comboItems(ids::kModelTypeList)[3]},
      {"current list item renamed", ids::kServoRateList,
       [](CZorvDlg& d) {
         auto* c = static_cast<QComboBox*>(d.control(ids::kServoRateList));
         c->setItemText(c->currentIndex(), "renamed");
       },
       text(ids::kServoRateList), "renamed"},
      {"port list relabelled", ids::kPortList,
       [](CZorvDlg& d) {
         std::vector<std::string> labels;
         for (int n = 1; n <= 20; ++n) labels.push_back("COM" + std::to_string(n) + " (ttyX)");
         d.setPortLabels(labels);
       },
       text(ids::kPortList), "COM3 (ttyX)"},
      {"slider dragged", 1038, [](CZorvDlg& d) { static_cast<QSlider*>(d.control(1038))->setValue(40); },
       [](CZorvDlg& d) { return std::to_string(d.sliderPos(1038)); }, "40"},
      {"read-out shown at the next frame, the window's value at once", ids::kFirstChannelReadout,
       [](CZorvDlg& d) {
         d.pacer().setPaced(true);
         d.setText(ids::kFirstChannelReadout, "1234");
       },
       text(ids::kFirstChannelReadout), "1234"},
      {"box ticked", matrixCheckId(2, 3),
       [](CZorvDlg& d) { static_cast<QCheckBox*>(d.control(matrixCheckId(2, 3)))->setChecked(true); },
       [](CZorvDlg& d) { return std::to_string(d.checkState(matrixCheckId(2, 3))); }, "1"},
      // The window's own setters report even while the widget's signals are blocked.
      {"number box set by the window, its signals blocked", 1063,
       blocked(1063, [](CZorvDlg& d) { d.setText(1063, "66"); }), text(1063), "66"},
      {"slider set by the window, its signals blocked", 1038,
       blocked(1038, [](CZorvDlg& d) { d.setSliderPos(1038, 30); }),
       [](CZorvDlg& d) { return std::to_string(d.sliderPos(1038)); }, "30"},
      {"box ticked by the window, its signals blocked", matrixCheckId(8, 0),
       blocked(matrixCheckId(8, 0), [](CZorvDlg& d) { d.setCheckState(matrixCheckId(8, 0), 1); }),
       [](CZorvDlg& d) { return std::to_string(d.checkState(matrixCheckId(8, 0))); }, "1"},
      {"list item chosen by the window, its signals blocked", 1032,
       blocked(1032, [](CZorvDlg& d) { d.setComboIndex(1032, 2); }), text(1032), comboItems(1032)[2]},
  };
  for (const ValueChange& c : cases) {
    Rig rig(false);
    rig.connect();
    const std::string before = c.read(*rig.dlg);  // now kept beside the widget
    Router& core = rig.dlg->core();
    core.checkShownEvery = 0;  // the exchange on its own, without the test program's full reads
    c.change(*rig.dlg);
    EXPECT_EQ(c.read(*rig.dlg), c.expected) << c.name << " (was " << before << ")";
    // The data exchange looks again only at what the window reports changed: it sees this one.
    core.controlsToMembers();
    if (c.id == ids::kPortList) {
      EXPECT_EQ(core.st.bound.text(ids::kPortList), c.expected) << c.name;
    } else if (findControl(c.id)->kind != ControlKind::Combo) {
      EXPECT_EQ(std::to_string(core.st.bound.get(c.id)), c.expected) << c.name;
    }
  }
}

TEST(WindowValues, ABoxChangedWithItsSignalsBlockedSendsNothingAndIsReadAgain) {
  Rig rig(false);
  rig.connect();
  auto* box = rig.get<QLineEdit>(1063);
  auto* slider = rig.get<QSlider>(1038);
  slider->setValue(40);  // the box follows
  {
    const QSignalBlocker blocked(box);  // behind the window's back: neither it nor a handler hears
    box->setText("77");
  }
  rig.ctrl.clearLog();
  testing::internal::CaptureStderr();
  emit slider->sliderReleased();
  const std::string details = testing::internal::GetCapturedStderr();
  EXPECT_EQ(rig.ctrl.log(), std::vector<std::string>{});
  ASSERT_FALSE(rig.prompts.shown.empty());
  EXPECT_EQ(rig.prompts.shown.back().text,
            "Nothing was sent to the controller: the value about to be sent for Уровень стабилиз. (40) is not what "
            "its box shows (77). Check the box, then move the slider again.");
  EXPECT_NE(details.find("number box 1063"), std::string::npos) << details;
  emit slider->sliderReleased();
  EXPECT_EQ(rig.ctrl.log(), std::vector<std::string>{"SC0077\r"});
}

TEST(WindowBinding, AWidgetOfAKindItDoesNotKnowIsRefused) {
  qtApp();
  QObject context;
  QSlider slider;
  QLabel label;
  QSpinBox spin;
  EXPECT_EQ(bindWidget(1038, &slider, &context, [] {}), BoundKind::Slider);
  EXPECT_THROW(bindWidget(1234, &label, &context, [] {}), std::logic_error);
  EXPECT_THROW(bindWidget(1234, &spin, &context, [] {}), std::logic_error);
}

struct PacingCase {
  const char* name;
  std::function<void(Rig&)> setup;
  bool paced;
};

TEST(WindowPacing, HeldOnlyWhileAnExchangeRunsAndTheFinalStateShownAtItsEnd) {
  const std::vector<PacingCase> cases = {
      {"read-back answered to the end", [](Rig& r) { r.connect(); }, false},
      {"read-back waiting for its first answer", [](Rig& r) { r.dlg->initialise(); }, true},
      {"read-back half answered",
       [](Rig& r) {
         r.dlg->initialise();
         r.port.deliverAll(10);
       },
       true},
      {"live display streaming", [](Rig& r) { r.startDisplay(); }, true},
      {"live display stopped, its stop command not yet echoed",
       [](Rig& r) {
         r.startDisplay();
         r.port.inject(bytesOf(channelRecord(1400)));
         r.port.deliverAll();
         static_cast<QAbstractButton*>(r.dlg->control(ids::kDisplayButton))->click();
       },
       false},
      {"live display stopped and the stop echoed",
       [](Rig& r) {
         r.startDisplay();
         r.port.inject(bytesOf(channelRecord(1500)));
         r.port.deliverAll();
         static_cast<QAbstractButton*>(r.dlg->control(ids::kDisplayButton))->click();
         r.port.deliverAll();
       },
       false},
      {"port lost while the display streams",
       [](Rig& r) {
         r.startDisplay();
         r.port.inject(bytesOf(channelRecord(1600)));
         r.port.deliverAll();
         r.dlg->portLost("device gone");
       },
       false},
  };
  for (const PacingCase& c : cases) {
    Rig rig;
    c.setup(rig);
    EXPECT_EQ(rig.dlg->pacer().paced(), c.paced) << c.name;
    if (!c.paced) {
      EXPECT_FALSE(rig.dlg->pacer().framePending()) << c.name;
      // Nothing waits for a frame: every read-out shows what the window holds.
      for (int id : kChannelBoxes) EXPECT_EQ(rig.shown(id), rig.dlg->text(id)) << c.name << " " << id;
    }
  }
}

TEST(WindowPacing, StoppingTheDisplayHandlesWhatWasGatheredFirstAndShowsItAtOnce) {
  Rig rig;
  rig.startDisplay();
  rig.port.inject(bytesOf(channelRecord(1200)));
  rig.port.inject(bytesOf(channelRecord(1300)));
  rig.port.deliverAll();
  EXPECT_EQ(rig.dlg->text(ids::kFirstChannelReadout), "0") << "gathered, not yet handled";
  static_cast<QAbstractButton*>(rig.dlg->control(ids::kDisplayButton))->click();
  EXPECT_EQ(rig.dlg->text(ids::kFirstChannelReadout), "1300");
  EXPECT_EQ(rig.shown(ids::kFirstChannelReadout), "1300");
  EXPECT_EQ(rig.dlg->text(ids::kDisplayButton), "Display Data");
}

struct StreamStep {
  const char* name;
  int first;              // the record's first channel
  bool waitForFrame;      // the event loop runs a frame's time after the delivery
  std::string windowText;  // what the window reports for CH1 after the step
  bool widgetCurrent;     // the box itself shows it too
};

TEST(WindowPacing, ReadoutsAreCurrentForTheHandlersAtOnceAndPaintedAtTheNextFrame) {
  const std::vector<StreamStep> steps = {
      {"record delivered, gathering", 1100, false, "0", false},
      {"gathering time over, frame shown", 1100, true, "1100", true},
      {"next record, gathered and handled", 1400, true, "1400", true},
  };
  Rig rig;
  rig.startDisplay();
  for (const StreamStep& s : steps) {
    if (!s.waitForFrame) {
      rig.port.inject(bytesOf(channelRecord(s.first)));
      rig.port.deliverAll();
    } else {
      if (s.first != 1100) {
        rig.port.inject(bytesOf(channelRecord(s.first)));
        rig.port.deliverAll();
      }
      // The frame comes after kFrameWaitMs; a loaded machine may run its timer later.
      spinUntil([&] { return rig.shown(ids::kFirstChannelReadout) == s.windowText; }, 20 * kFrameWaitMs);
    }
    EXPECT_EQ(rig.dlg->text(ids::kFirstChannelReadout), s.windowText) << s.name;
    if (s.widgetCurrent) {
      EXPECT_EQ(rig.shown(ids::kFirstChannelReadout), s.windowText) << s.name;
    }
  }
  // A box set by someone else while a value waits for its frame keeps that text.
  rig.port.inject(bytesOf(channelRecord(1700)));
  rig.port.deliverAll();
  spinEvents(CZorvDlg::kGatherMs + 2);
  static_cast<QLineEdit*>(rig.dlg->control(ids::kFirstChannelReadout))->setText("5");
  spinEvents(kFrameWaitMs);
  EXPECT_EQ(rig.shown(ids::kFirstChannelReadout), "5");
  EXPECT_EQ(rig.dlg->text(ids::kFirstChannelReadout), "5");
}

TEST(WindowPacing, RecordsArrivingWhileFramesArePaintedAllEndUpShown) {
  // Frames and gathered events interleave as at the full wire rate: a record every 2 ms.
  Rig rig;
  rig.startDisplay();
  for (int i = 0; i < 60; ++i) {
    rig.port.inject(bytesOf(channelRecord(1000 + i)));
    rig.port.deliverAll();
    spinEvents(2);
  }
  spinEvents(kFrameWaitMs);
  EXPECT_EQ(rig.dlg->text(ids::kFirstChannelReadout), "1059");
  EXPECT_EQ(rig.shown(ids::kFirstChannelReadout), "1059");
  for (size_t k = 0; k < kChannelBoxes.size(); ++k)
    EXPECT_EQ(rig.shown(kChannelBoxes[k]), rig.dlg->text(kChannelBoxes[k])) << kChannelBoxes[k];
}

struct PacerCase {
  const char* name;
  bool paced;
  int updates;      // update() calls, each followed by a turn of the event loop
  bool endPacing;   // setPaced(false) after them
  int waitMs;       // event loop time afterwards
  bool expectHeld;  // some update request was held back
  int minPaints, maxPaints;
};

constexpr int kAsUnpaced = -100;

struct ProgressCase {
  const char* name;
  std::function<void(CZorvDlg&)> steps;  // what the upgrade handlers set, in order
  int held;                              // on the bar while paced, before the next frame
};

TEST(WindowPacing, UpgradeBarWaitsForTheFrameAndEndsAsIfNothingWasHeld) {
  const std::vector<ProgressCase> cases = {
      {"a step while paced", [](CZorvDlg& d) { d.setProgressPos(40); }, 0},
      {"several steps, the last one counts",
       [](CZorvDlg& d) {
         for (int p = 1; p <= 60; ++p) d.setProgressPos(p);
       },
       0},
      // Range and visibility go on the bar at once; a step held before them goes first.
      {"a narrower range after a held step",
       [](CZorvDlg& d) {
         d.setProgressPos(90);
         d.setProgressRange(0, 50);
       },
       kAsUnpaced},
      {"hidden after a held step",
       [](CZorvDlg& d) {
         d.setProgressPos(70);
         d.setProgressVisible(false);
       },
       kAsUnpaced},
  };
  for (const ProgressCase& c : cases) {
    int unpaced = 0;
    for (bool paced : {false, true}) {
      Rig rig;
      auto* bar = static_cast<QProgressBar*>(rig.dlg->control(ids::kProgressBar));
      rig.dlg->setProgressVisible(true);
      rig.dlg->setProgressRange(0, 100);
      rig.dlg->setProgressPos(0);
      rig.dlg->pacer().setPaced(paced);
      c.steps(*rig.dlg);
      if (!paced) {
        unpaced = bar->value();
        continue;
      }
      EXPECT_EQ(bar->value(), c.held == kAsUnpaced ? unpaced : c.held) << c.name;
      // The frame comes after kFrameWaitMs; a loaded machine may run its timer later.
      spinUntil([&] { return bar->value() == unpaced; }, 20 * kFrameWaitMs);
      EXPECT_EQ(bar->value(), unpaced) << c.name << ": after the frame";
      rig.dlg->setProgressPos(33);
      rig.dlg->pacer().setPaced(false);  // the exchange ends: its last step is shown at once
      EXPECT_EQ(bar->value(), 33) << c.name << ": at the end";
    }
  }
}

TEST(PaintPacer, HoldsRepaintsToTheFrameRateAndPaintsWhatIsHeldWhenPacingEnds) {
  const std::vector<PacerCase> cases = {
      {"not paced: Qt paints every update", false, 3, false, 10, false, 3, 3},
      {"paced: three updates within a frame, none painted yet", true, 3, false, 0, true, 0, 0},
      {"paced: no frame within the first one's delay", true, 3, false, PaintPacer::kFirstFrameMs / 2, true, 0, 0},
      {"paced: the first frame comes after its delay", true, 3, false, PaintPacer::kFirstFrameMs + 30, true, 1, 2},
      {"pacing ends: what is held is painted on the next turn", true, 3, true, 5, true, 1, 1},
  };
  qtApp();
  for (const PacerCase& c : cases) {
    QWidget window;
    window.resize(100, 100);
    window.show();
    spinEvents(20);
    PaintCount count(&window);
    PaintPacer pacer(&window);
    pacer.setPaced(c.paced);
    for (int i = 0; i < c.updates; ++i) {
      window.update();
      QApplication::processEvents();
    }
    if (c.endPacing) pacer.setPaced(false);
    if (c.waitMs > 0) spinEvents(c.waitMs);
    EXPECT_EQ(pacer.framesHeld() > 0, c.expectHeld) << c.name;
    EXPECT_GE(count.paints, c.minPaints) << c.name;
    EXPECT_LE(count.paints, c.maxPaints) << c.name;
  }
}

}  // namespace
}  // namespace zorv::test
