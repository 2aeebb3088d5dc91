#pragma once
// "Zorv — live data": a second, non-modal window beside the main one that shows what the live
// display receives as bars (CH1..CH8, M1..M8) and as a scrolling graph of the last 10 s. It only
// reads: the display step fills the history, and this window samples it on its own repaint
// timer, never per record.

#include <QWidget>
#include <array>
#include <memory>

#include "core/clock.h"
#include "core/main_state.h"
#include "core/prompts.h"
#include "monitor/live_history.h"

class QChart;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineSeries;
class QPushButton;
class QTimer;
class QValueAxis;

namespace zorv {

class QtPrompts;

// A horizontal bar from 1000 to 2000 µs with a centre mark at 1500 and the value written on it.
// A value beyond either end fills the bar to that end and marks the end in red.
class CChannelBar : public QWidget {
  Q_OBJECT
 public:
  explicit CChannelBar(const QString& name, QWidget* parent = nullptr);
  void setValue(int value);  // repaints only when it changed
  void clear();              // no value yet
  bool hasValue() const { return has_; }
  int value() const { return value_; }
  QString shownText() const;  // the text written on the bar
  QSize sizeHint() const override { return {240, 20}; }
  QSize minimumSizeHint() const override { return {120, 16}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int value_ = 0;
  bool has_ = false;
};

class CLiveDataWnd : public QWidget {
  Q_OBJECT
 public:
  enum class Graph { Receiver, Motors, Sensors };
  // The bars follow 20 times a second, as the main window's read-outs do; the graph, whose
  // 10 s span scrolls about five pixels between two drawings, 12.5 times. Drawing the eight
  // lines is most of what the open window costs (Qt Charts rebuilds each line whole), and this
  // keeps the whole program under a tenth of a core at the full wire rate.
  static constexpr int kRepaintMs = 50;
  static constexpr int kGraphRepaintMs = 80;
  static constexpr uint32_t kGraphSpanMs = 10000;

  // history and state belong to the main window; the window only reads them. prompts answers
  // the save dialog; null: real dialogs over this window. sizeFile keeps the window's size
  // between runs; empty: nothing is kept.
  CLiveDataWnd(const LiveHistory& history, const MainState& state, Clock& clock, Prompts* prompts,
               const QString& sizeFile, QWidget* parent = nullptr);
  ~CLiveDataWnd() override;

  // Puts the newest data on the status line, the bars and the graph at once (the timers do the
  // same, the bars and the graph each at its own rate).
  void refresh();
  // Shows every text again in the current language (gui/language.h).
  void retranslate();
  bool paused() const { return paused_; }
  void setPaused(bool paused);
  Graph graph() const { return graph_; }
  void setGraph(Graph graph);
  // Asks for a file and writes the kept history into it as CSV.
  void saveCsv();

  // What the window shows, for tests and screen readers.
  CChannelBar* channelBar(int i) const { return channelBars_[static_cast<size_t>(i)]; }
  CChannelBar* motorBar(int i) const { return motorBars_[static_cast<size_t>(i)]; }
  QLineSeries* series(int i) const { return series_[static_cast<size_t>(i)]; }
  QString statusText() const;
  // A click on a series' legend entry: hides or shows its line.
  void toggleSeries(int i);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void buildGraph(QWidget* host);
  void showStatus();
  void showBars();
  void showGraph();
  void nameSeries();
  void fitSensorAxis();
  void saveSize() const;

  const LiveHistory& history_;
  const MainState& state_;
  Clock& clock_;
  std::unique_ptr<QtPrompts> ownPrompts_;
  Prompts* prompts_;
  QString sizeFile_;

  QTimer* timer_ = nullptr;       // status and bars
  QTimer* graphTimer_ = nullptr;  // graph
  QLabel* status_ = nullptr;
  QGroupBox* barGroups_[2] = {nullptr, nullptr};
  QLabel* graphLabel_ = nullptr;
  QComboBox* graphChoice_ = nullptr;
  QPushButton* pauseButton_ = nullptr;
  QPushButton* saveButton_ = nullptr;
  std::array<CChannelBar*, 8> channelBars_{};
  std::array<CChannelBar*, 8> motorBars_{};
  QChart* chart_ = nullptr;
  QValueAxis* axisX_ = nullptr;
  QValueAxis* axisY_ = nullptr;
  std::array<QLineSeries*, 8> series_{};
  std::array<std::array<bool, 8>, 3> hidden_{};  // per graph choice

  Graph graph_ = Graph::Receiver;
  bool paused_ = false;
  uint32_t pausedAt_ = 0;   // time shown while paused
  uint32_t shownUntil_ = 0; // newest moment of the last frame
  uint64_t seenAdded_ = ~0ull;
  bool wasRunning_ = false;
  bool redraw_ = true;
  Traces traces_;
};

}  // namespace zorv
