// The live data window for real, offscreen, against the simulated controller in memory: the
// button that opens it, the bars and graph lines after records arrive, pause, legend clicks, the
// CSV written through the save dialog, and closing with the main window.

#include <gtest/gtest.h>

#include <array>

#include <QApplication>
#include <QChart>
#include <QComboBox>
#include <QKeyEvent>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPushButton>
#include <QSettings>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/control_ids.h"
#include "core/control_layout.h"
#include "gui/live_window.h"
#include "gui/zorv_dlg.h"
#include "sim/monitor_records.h"
#include "sim/sim_port.h"
#include "tests/support/fake_clock.h"
#include "tests/support/fakes.h"
#include "tests/support/qt_app.h"
#include "tests/support/qt_window_rig.h"
#include "tests/support/read_file.h"
#include "tests/support/scoped_env.h"

namespace zorv::test {
namespace {

// A record with these eight values, as the controller sends it.
std::string record(const char* tag, const std::array<int, 8>& values) { return sim::monitorRecordText(tag, values); }

// The window shown and connected, each record handled as it is delivered (not gathered).
struct LiveRig : WindowRig {
  LiveRig() {
    // The live window keeps its size under the user's settings: here, the test's folder.
    config.emplace("XDG_CONFIG_HOME", dir.string());
    port.onReceive = [this] { dlg->core().onReceive(); };
    connect();
    dlg->show();
  }
  ~LiveRig() {
    dlg.reset();
    config.reset();
  }
  QPushButton* button(const QString& name) { return dlg->findChild<QPushButton*>(name); }
  CLiveDataWnd* open() {
    button("graph")->click();
    return dlg->liveWindow();
  }
  void displayOn() {
    static_cast<QPushButton*>(dlg->control(ids::kDisplayButton))->click();
    port.deliverAll();
  }
  // One record arriving at tick `ms`.
  void arrive(uint32_t ms, const std::string& rec) {
    clock.now = ms;
    port.inject(std::vector<uint8_t>(rec.begin(), rec.end()));
    port.deliverAll();
  }

  std::optional<ScopedEnv> config;
};

std::vector<QPointF> pointsOf(const QLineSeries* s) {
  const QList<QPointF> p = s->points();
  return std::vector<QPointF>(p.begin(), p.end());
}

TEST(LiveWindow, GraphButtonOpensRaisesAndClosesItAndSendsNothing) {
  LiveRig rig;
  QPushButton* graph = rig.button("graph");
  ASSERT_NE(graph, nullptr);
  EXPECT_EQ(graph->text(), QString::fromUtf8("График"));
  EXPECT_EQ(graph->accessibleName(), QString::fromUtf8("График"));
  QWidget* display = rig.dlg->control(ids::kDisplayButton);
  EXPECT_EQ(graph->parentWidget(), display->parentWidget()) << "in the same group";
  EXPECT_GT(graph->geometry().left(), display->geometry().right()) << "right of «Отобразить»";
  EXPECT_EQ(graph->geometry().top(), display->geometry().top());

  rig.port.clearWritten();
  CLiveDataWnd* live = rig.open();
  ASSERT_NE(live, nullptr);
  EXPECT_TRUE(live->isVisible());
  EXPECT_EQ(live->windowTitle(), QString::fromUtf8("Zorv — live data"));
  EXPECT_FALSE(live->isModal());
  EXPECT_EQ(live->statusText(), QString::fromUtf8("Press «Отобразить» to start the live data"));
  live->showMinimized();
  rig.button("graph")->click();
  EXPECT_TRUE(live->isVisible());
  EXPECT_FALSE(live->isMinimized()) << "a minimised window comes back";
  rig.button("graph")->click();
  EXPECT_FALSE(live->isVisible());
  rig.button("graph")->click();
  EXPECT_EQ(rig.dlg->liveWindow(), live) << "one window, opened again";
  EXPECT_TRUE(live->isVisible());
  EXPECT_EQ(rig.port.written(), "");
}

TEST(LiveWindow, BarsAndLinesShowWhatTheDisplayReceived) {
  LiveRig rig;
  CLiveDataWnd* live = rig.open();
  rig.clock.now = 1000;
  rig.displayOn();
  // Four receiver records 200 ms apart, motors between them; CH3 and CH4 come crosswise.
  for (int k = 0; k < 4; ++k) {
    const uint32_t t = 1200 + 200 * static_cast<uint32_t>(k);
    rig.arrive(t, record("CHDA", {1000 + k, 1100, 1300, 1200, 1500, 999, 2001, 2000}));
    rig.arrive(t + 100, record("MSDA", {1100 + k, 1200, 1300, 1400, 1500, 1600, 1700, 1800}));
  }
  EXPECT_EQ(live->channelBar(0)->shownText(), "—") << "nothing until the repaint timer samples";
  rig.clock.now = 2000;
  live->refresh();
  EXPECT_EQ(live->statusText().toStdString(), "Live data from the controller. Space pauses the view.");

  const std::vector<int> channels = {1003, 1100, 1200, 1300, 1500, 999, 2001, 2000};
  for (int i = 0; i < 8; ++i) {
    EXPECT_EQ(live->channelBar(i)->value(), channels[static_cast<size_t>(i)]) << "CH" << i + 1;
    EXPECT_EQ(live->channelBar(i)->shownText(), QString::number(channels[static_cast<size_t>(i)])) << i;
    EXPECT_EQ(live->motorBar(i)->value(), i == 0 ? 1103 : 1100 + 100 * i) << "M" << i + 1;
  }
  // The graph holds every record in time, seconds before now, with the values unclipped.
  for (int i = 0; i < 8; ++i) {
    const std::vector<QPointF> p = pointsOf(live->series(i));
    ASSERT_EQ(p.size(), 4u) << i;
    for (size_t k = 0; k < 4; ++k) {
      EXPECT_NEAR(p[k].x(), -0.8 + 0.2 * static_cast<double>(k), 1e-9) << i;
      EXPECT_EQ(p[k].y(), i == 0 ? 1000 + static_cast<int>(k) : channels[static_cast<size_t>(i)]) << i;
    }
  }
  EXPECT_EQ(live->series(0)->name(), "CH1");

  live->setGraph(CLiveDataWnd::Graph::Motors);
  EXPECT_EQ(live->series(7)->name(), "M8");
  ASSERT_EQ(live->series(0)->count(), 4);
  EXPECT_NEAR(live->series(0)->at(3).x(), -0.1, 1e-9);
  EXPECT_EQ(live->series(0)->at(3).y(), 1103);

  rig.arrive(2100, record("SSDA", {359, 1250, 45, 1600, 7, 31, 0, 0}));
  live->setGraph(CLiveDataWnd::Graph::Sensors);
  EXPECT_EQ(live->series(0)->name(), QString::fromUtf8("Heading (°)"));
  ASSERT_EQ(live->series(1)->count(), 1);
  EXPECT_EQ(live->series(1)->at(0).y(), 1250);
}

struct ScrollCase {
  const char* name;
  uint32_t nowMs;  // the clock when the window is refreshed
  size_t points;   // CH1 points on the graph
  double firstX, lastX;
  int firstY, lastY;
};

TEST(LiveWindow, GraphScrollsWithTheClockAndKeepsTheLastTenSeconds) {
  // A record every 500 ms, up to 15 s after the display started at 0; CH1 counts up from 1000.
  const std::vector<ScrollCase> cases = {
      {"five seconds in: all so far", 5000, 10, -4.5, 0.0, 1000, 1009},
      {"between records: the line moves left", 5250, 10, -4.75, -0.25, 1000, 1009},
      {"twelve seconds in: the first two have left", 12000, 20, -9.5, 0.0, 1004, 1023},
      {"fifteen seconds in", 15000, 20, -9.5, 0.0, 1010, 1029},
      {"later, nothing new: the line goes on moving left", 15400, 20, -9.9, -0.4, 1010, 1029},
  };
  LiveRig rig;
  CLiveDataWnd* live = rig.open();
  rig.clock.now = 0;
  rig.displayOn();
  uint32_t fed = 0;
  for (const ScrollCase& c : cases) {
    for (; fed + 500 <= std::min<uint32_t>(c.nowMs, 15000); fed += 500)
      rig.arrive(fed + 500, record("CHDA", {1000 + static_cast<int>(fed / 500), 1500, 1500, 1500, 1500, 1500, 1500, 1500}));
    rig.clock.now = c.nowMs;
    live->refresh();
    const QLineSeries* s = live->series(0);
    ASSERT_EQ(static_cast<size_t>(s->count()), c.points) << c.name;
    EXPECT_NEAR(s->at(0).x(), c.firstX, 1e-9) << c.name;
    EXPECT_NEAR(s->at(s->count() - 1).x(), c.lastX, 1e-9) << c.name;
    EXPECT_EQ(s->at(0).y(), c.firstY) << c.name;
    EXPECT_EQ(s->at(s->count() - 1).y(), c.lastY) << c.name;
    EXPECT_EQ(live->channelBar(0)->value(), c.lastY) << c.name;
  }
}

TEST(LiveWindow, StoppedDisplayKeepsTheLastDataAndSaysHowToStart) {
  LiveRig rig;
  CLiveDataWnd* live = rig.open();
  rig.displayOn();
  rig.arrive(500, record("CHDA", {1234, 1500, 1500, 1500, 1500, 1500, 1500, 1500}));
  live->refresh();
  static_cast<QPushButton*>(rig.dlg->control(ids::kDisplayButton))->click();  // display off
  rig.port.deliverAll();
  rig.clock.now = 60000;
  live->refresh();
  EXPECT_EQ(live->statusText(), QString::fromUtf8("Press «Отобразить» to start the live data"));
  EXPECT_EQ(live->channelBar(0)->value(), 1234);
  ASSERT_EQ(live->series(0)->count(), 1);
  EXPECT_DOUBLE_EQ(live->series(0)->at(0).x(), 0.0) << "the graph stops where the data stopped";
}

TEST(LiveWindow, SpacePausesTheViewAndLegendClicksHideLines) {
  LiveRig rig;
  CLiveDataWnd* live = rig.open();
  rig.displayOn();
  rig.arrive(100, record("CHDA", {1100, 1500, 1500, 1500, 1500, 1500, 1500, 1500}));
  live->refresh();
  QKeyEvent space(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ");
  QApplication::sendEvent(live, &space);
  EXPECT_TRUE(live->paused());
  EXPECT_EQ(live->findChild<QPushButton*>("pause")->text(), "Resume");
  rig.arrive(300, record("CHDA", {1900, 1500, 1500, 1500, 1500, 1500, 1500, 1500}));
  live->refresh();
  EXPECT_EQ(live->channelBar(0)->value(), 1100) << "frozen while paused";
  EXPECT_EQ(live->series(0)->count(), 1);
  EXPECT_EQ(rig.dlg->core().live.size(), 2u) << "while recording goes on";
  QApplication::sendEvent(live, &space);
  EXPECT_FALSE(live->paused());
  EXPECT_EQ(live->channelBar(0)->value(), 1900);
  EXPECT_EQ(live->series(0)->count(), 2);

  QList<QLegendMarker*> markers = live->series(2)->chart()->legend()->markers(live->series(2));
  ASSERT_EQ(markers.size(), 1);
  emit markers[0]->clicked();
  EXPECT_FALSE(live->series(2)->isVisible());
  EXPECT_TRUE(markers[0]->isVisible()) << "its entry stays, to be clicked back";
  EXPECT_TRUE(live->series(1)->isVisible());
  live->setGraph(CLiveDataWnd::Graph::Motors);
  EXPECT_TRUE(live->series(2)->isVisible()) << "each graph keeps its own hidden lines";
  live->setGraph(CLiveDataWnd::Graph::Receiver);
  EXPECT_FALSE(live->series(2)->isVisible());
  emit markers[0]->clicked();
  EXPECT_TRUE(live->series(2)->isVisible());
}

TEST(LiveWindow, SaveCsvWritesTheKeptHistoryThroughTheDialog) {
  LiveRig rig;
  CLiveDataWnd* live = rig.open();
  rig.clock.now = 10000;
  rig.displayOn();
  rig.arrive(10004, record("CHDA", {988, 1500, 2012, 1000, 1000, 1500, 2000, 1234}));
  rig.arrive(10007, record("MSDA", {1100, 1200, 1300, 1400, 1500, 1500, 1000, 1000}));
  rig.arrive(10010, record("SSDA", {359, 12, -12, 0, 7, -1, 9999, 1}));
  const std::filesystem::path file = rig.dir / "flight.csv";
  rig.prompts.files = {file.string()};
  live->findChild<QPushButton*>("saveCsv")->click();
  EXPECT_EQ(readFile(file),
            "time_ms,tag,value1,value2,value3,value4,value5,value6,value7,value8\n"
            "4,CHDA,988,1500,1000,2012,1000,1500,2000,1234\n"
            "7,MSDA,1100,1200,1300,1400,1500,1500,1000,1000\n"
            "10,SSDA,359,12,-12,0,7,-1,9999,1\n");
  EXPECT_TRUE(rig.prompts.shown.empty());

  rig.prompts.files = {std::nullopt};  // cancelled: nothing written
  std::filesystem::remove(file);
  live->saveCsv();
  EXPECT_FALSE(std::filesystem::exists(file));

  rig.prompts.files = {(rig.dir / "no-such-folder" / "x.csv").string()};
  live->saveCsv();
  ASSERT_EQ(rig.prompts.shown.size(), 1u);
  EXPECT_NE(rig.prompts.shown[0].text.find("Could not write the live data to"), std::string::npos);
}

TEST(LiveWindow, ClosesWithTheMainWindowAndKeepsOnlyItsSize) {
  QSize kept;
  {
    LiveRig rig;
    CLiveDataWnd* live = rig.open();
    live->resize(760, 640);
    rig.dlg->endWindow(true);
    EXPECT_FALSE(live->isVisible());
    const QString file = QString::fromStdString((rig.dir / "zorv" / "live-window.ini").string());
    kept = QSettings(file, QSettings::IniFormat).value("size").toSize();
    EXPECT_EQ(QSettings(file, QSettings::IniFormat).allKeys(), QStringList{"size"});

    LiveRig again;  // a new run with the same settings folder
    std::filesystem::create_directories(again.dir / "zorv");
    std::filesystem::copy_file(rig.dir / "zorv" / "live-window.ini", again.dir / "zorv" / "live-window.ini");
    EXPECT_EQ(again.open()->size(), QSize(760, 640));
  }
  EXPECT_EQ(kept, QSize(760, 640));
}

}  // namespace
}  // namespace zorv::test
