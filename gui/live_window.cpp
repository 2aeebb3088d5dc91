#include "gui/live_window.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPainter>
#include <QPushButton>
#include <QSettings>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <fstream>

#include "core/text.h"
#include "gui/language.h"
#include "gui/prompts.h"

namespace zorv {

namespace {

// The live window's words are marked in the "Live" context.
QString qs(const char* s) { return shown("Live", s); }

const char* const kStoppedText = ZORV_NOOP("Live", "Press «Отобразить» to start the live data");
const char* const kPausedText = ZORV_NOOP("Live", "Paused: press Space to go on (the data is still being recorded)");
const char* const kRunningText = ZORV_NOOP("Live", "Live data from the controller. Space pauses the view.");
const char* const kGroupTitles[2] = {ZORV_NOOP("Live", "Receiver channels (µs)"), ZORV_NOOP("Live", "Motor outputs (µs)")};
const char* const kGraphChoices[3] = {ZORV_NOOP("Live", "Receiver (CH1–CH8)"), ZORV_NOOP("Live", "Motors (M1–M8)"),
                                      ZORV_NOOP("Live", "Sensors")};

// Line colours that stay apart on a white background, one per channel.
const QColor kLineColours[8] = {QColor(31, 119, 180), QColor(255, 127, 14), QColor(44, 160, 44),  QColor(214, 39, 40),
                                QColor(148, 103, 189), QColor(140, 86, 75), QColor(227, 119, 194), QColor(90, 90, 90)};

const char* const kSensorNames[8] = {ZORV_NOOP("Live", "Heading (°)"), ZORV_NOOP("Live", "Sonar (mm)"),
                                     ZORV_NOOP("Live", "Height (dm)"), ZORV_NOOP("Live", "Sensor 4"),
                                     ZORV_NOOP("Live", "Sensor 5"),    ZORV_NOOP("Live", "Sensor 6"),
                                     ZORV_NOOP("Live", "Sensor 7"),    ZORV_NOOP("Live", "Sensor 8")};

RecordKind kindOf(CLiveDataWnd::Graph g) {
  switch (g) {
    case CLiveDataWnd::Graph::Receiver: return RecordKind::Channels;
    case CLiveDataWnd::Graph::Motors: return RecordKind::Motors;
    case CLiveDataWnd::Graph::Sensors: return RecordKind::Sensors;
  }
  return RecordKind::Channels;
}

// A legend entry of a hidden line stays in the legend, greyed, so it can be clicked back.
void dimMarker(QLegendMarker* m, bool dim) {
  const qreal alpha = dim ? 0.35 : 1.0;
  QBrush label = m->labelBrush();
  QColor c = label.color();
  c.setAlphaF(alpha);
  label.setColor(c);
  m->setLabelBrush(label);
  QBrush fill = m->brush();
  c = fill.color();
  c.setAlphaF(alpha);
  fill.setColor(c);
  m->setBrush(fill);
  QPen pen = m->pen();
  c = pen.color();
  c.setAlphaF(alpha);
  pen.setColor(c);
  m->setPen(pen);
}

}  // namespace

// --- CChannelBar ---

CChannelBar::CChannelBar(const QString& name, QWidget* parent) : QWidget(parent) {
  setObjectName(name);
  setAccessibleName(name);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  // The bar paints every pixel of itself, so a new value repaints the bar alone, not the group
  // box and the labels behind it.
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void CChannelBar::setValue(int value) {
  if (has_ && value == value_) return;
  value_ = value;
  has_ = true;
  update();
}

void CChannelBar::clear() {
  if (!has_) return;
  has_ = false;
  update();
}

QString CChannelBar::shownText() const { return has_ ? QString::number(value_) : QStringLiteral("—"); }

void CChannelBar::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), palette().window());
  const QRect r = rect().adjusted(0, 1, -1, -2);
  p.fillRect(r, QColor(232, 232, 232));
  const BarPosition pos = barPosition(value_);
  if (has_) {
    const int fill = static_cast<int>(std::lround(pos.fraction * r.width()));
    p.fillRect(QRect(r.left(), r.top(), fill, r.height()), QColor(90, 150, 215));
    if (pos.clipped != 0) {
      // The value lies beyond the bar: its end is marked red, and so is the number.
      const int cap = std::max(4, r.width() / 40);
      const QRect end = pos.clipped < 0 ? QRect(r.left(), r.top(), cap, r.height())
                                        : QRect(r.right() - cap + 1, r.top(), cap, r.height());
      p.fillRect(end, QColor(215, 40, 40));
    }
  }
  const int centre = r.left() + r.width() / 2;
  p.setPen(QPen(QColor(40, 40, 40), 1));
  p.drawLine(centre, r.top(), centre, r.bottom());
  // The outline, one pixel wide around r and its last row and column included, as four fills:
  // a stroked rectangle goes through the general path stroker, which cost more than the rest.
  const QColor outline(160, 160, 160);
  p.fillRect(QRect(r.left(), r.top(), r.width() + 1, 1), outline);
  p.fillRect(QRect(r.left(), r.top() + r.height(), r.width() + 1, 1), outline);
  p.fillRect(QRect(r.left(), r.top() + 1, 1, r.height() - 1), outline);
  p.fillRect(QRect(r.left() + r.width(), r.top() + 1, 1, r.height() - 1), outline);
  p.setPen(has_ && pos.clipped != 0 ? QColor(170, 0, 0) : QColor(20, 20, 20));
  QFont f = font();
  f.setBold(has_ && pos.clipped != 0);
  p.setFont(f);
  p.drawText(r.adjusted(4, 0, -4, 0), Qt::AlignVCenter | (pos.clipped > 0 ? Qt::AlignLeft : Qt::AlignRight),
             shownText());
}

// --- CLiveDataWnd ---

CLiveDataWnd::CLiveDataWnd(const LiveHistory& history, const MainState& state, Clock& clock, Prompts* prompts,
                           const QString& sizeFile, QWidget* parent)
    : QWidget(parent, Qt::Window), history_(history), state_(state), clock_(clock), sizeFile_(sizeFile) {
  if (!prompts) {
    ownPrompts_ = std::make_unique<QtPrompts>(this);
    prompts = ownPrompts_.get();
  }
  prompts_ = prompts;
  setWindowTitle(qs(ZORV_NOOP("Live", "Zorv — live data")));
  setObjectName("liveData");
  setFocusPolicy(Qt::StrongFocus);

  auto* top = new QVBoxLayout(this);
  status_ = new QLabel(qs(kStoppedText), this);
  status_->setObjectName("liveStatus");
  QFont bold = status_->font();
  bold.setBold(true);
  status_->setFont(bold);
  top->addWidget(status_);

  auto* bars = new QHBoxLayout;
  for (int group = 0; group < 2; ++group) {
    auto* box = new QGroupBox(qs(kGroupTitles[group]), this);
    barGroups_[group] = box;
    auto* grid = new QGridLayout(box);
    grid->setVerticalSpacing(3);
    for (int i = 0; i < 8; ++i) {
      const QString name = QString(group == 0 ? "CH%1" : "M%1").arg(i + 1);
      auto* label = new QLabel(name, box);
      auto* bar = new CChannelBar(name, box);
      label->setBuddy(bar);
      grid->addWidget(label, i, 0);
      grid->addWidget(bar, i, 1);
      (group == 0 ? channelBars_ : motorBars_)[static_cast<size_t>(i)] = bar;
    }
    auto* scale = new QHBoxLayout;
    const std::pair<const char*, Qt::Alignment> marks[] = {
        {"1000", Qt::AlignLeft}, {"1500", Qt::AlignCenter}, {"2000", Qt::AlignRight}};
    for (const auto& [mark, align] : marks) {
      auto* l = new QLabel(mark, box);
      l->setAlignment(align);
      scale->addWidget(l, 1);
    }
    grid->addLayout(scale, 8, 1);
    bars->addWidget(box);
  }
  top->addLayout(bars);

  auto* controls = new QHBoxLayout;
  graphLabel_ = new QLabel(this);
  controls->addWidget(graphLabel_);
  graphChoice_ = new QComboBox(this);
  graphChoice_->setObjectName("graphChoice");
  for (const char* choice : kGraphChoices) graphChoice_->addItem(qs(choice));
  graphChoice_->setSizeAdjustPolicy(QComboBox::AdjustToContents);  // relabelled with the language
  graphChoice_->setFocusPolicy(Qt::NoFocus);  // Space belongs to pause, wherever the focus is
  connect(graphChoice_, QOverload<int>::of(&QComboBox::activated), this,
          [this](int index) { setGraph(static_cast<Graph>(index)); });
  controls->addWidget(graphChoice_);
  controls->addStretch(1);
  pauseButton_ = new QPushButton(this);
  pauseButton_->setObjectName("pause");
  pauseButton_->setFocusPolicy(Qt::NoFocus);
  connect(pauseButton_, &QPushButton::clicked, this, [this] { setPaused(!paused_); });
  controls->addWidget(pauseButton_);
  saveButton_ = new QPushButton(this);
  saveButton_->setObjectName("saveCsv");
  saveButton_->setFocusPolicy(Qt::NoFocus);
  connect(saveButton_, &QPushButton::clicked, this, &CLiveDataWnd::saveCsv);
  controls->addWidget(saveButton_);
  auto* saveKey = new QShortcut(QKeySequence::Save, this);
  connect(saveKey, &QShortcut::activated, this, &CLiveDataWnd::saveCsv);
  top->addLayout(controls);

  buildGraph(this);
  top->addWidget(findChild<QChartView*>("timeGraph"), 1);
  retranslate();

  timer_ = new QTimer(this);
  timer_->setInterval(kRepaintMs);
  connect(timer_, &QTimer::timeout, this, [this] {
    showStatus();
    showBars();
  });
  graphTimer_ = new QTimer(this);
  graphTimer_->setInterval(kGraphRepaintMs);
  connect(graphTimer_, &QTimer::timeout, this, &CLiveDataWnd::showGraph);

  resize(780, 700);  // fits beside the main window on a 1800-pixel screen
  if (!sizeFile_.isEmpty()) {
    const QSize kept = QSettings(sizeFile_, QSettings::IniFormat).value("size").toSize();
    if (kept.isValid() && kept.width() >= 300 && kept.height() >= 300) resize(kept);
  }
}

CLiveDataWnd::~CLiveDataWnd() = default;

void CLiveDataWnd::buildGraph(QWidget* host) {
  chart_ = new QChart;
  chart_->setAnimationOptions(QChart::NoAnimation);
  chart_->legend()->setAlignment(Qt::AlignBottom);
  chart_->setMargins(QMargins(4, 4, 4, 4));
  axisX_ = new QValueAxis;
  axisX_->setRange(-(kGraphSpanMs / 1000.0), 0);
  axisX_->setTickCount(11);
  axisX_->setLabelFormat("%.0f s");
  axisY_ = new QValueAxis;
  axisY_->setLabelFormat("%.0f");
  chart_->addAxis(axisX_, Qt::AlignBottom);
  chart_->addAxis(axisY_, Qt::AlignLeft);
  for (size_t i = 0; i < 8; ++i) {
    auto* s = new QLineSeries;
    // One-pixel cosmetic lines are drawn without the wide-line stroker: a frame costs a fraction.
    QPen pen(kLineColours[i], 1);
    pen.setCosmetic(true);
    s->setPen(pen);
    chart_->addSeries(s);
    s->attachAxis(axisX_);
    s->attachAxis(axisY_);
    series_[i] = s;
    for (QLegendMarker* m : chart_->legend()->markers(s))
      connect(m, &QLegendMarker::clicked, this, [this, i] { toggleSeries(static_cast<int>(i)); });
  }
  auto* view = new QChartView(chart_, host);
  view->setObjectName("timeGraph");
  view->setFocusPolicy(Qt::NoFocus);
  view->setMinimumHeight(260);
  nameSeries();
}

// Names, axis and hidden lines of the current graph choice.
void CLiveDataWnd::nameSeries() {
  const size_t g = static_cast<size_t>(graph_);
  for (size_t i = 0; i < 8; ++i) {
    QString name;
    switch (graph_) {
      case Graph::Receiver: name = QString("CH%1").arg(i + 1); break;
      case Graph::Motors: name = QString("M%1").arg(i + 1); break;
      case Graph::Sensors: name = qs(kSensorNames[i]); break;
    }
    series_[i]->setName(name);
    series_[i]->setVisible(!hidden_[g][i]);
    for (QLegendMarker* m : chart_->legend()->markers(series_[i])) {
      m->setVisible(true);
      dimMarker(m, hidden_[g][i]);
    }
  }
  if (graph_ == Graph::Sensors) {
    axisY_->setTickType(QValueAxis::TicksFixed);
    axisY_->setTickCount(6);
    axisY_->setRange(0, 1000);
  } else {
    // Pulses: a little room past 1000..2000 so that clipped ends show as such.
    axisY_->setRange(900, 2100);
    axisY_->setTickType(QValueAxis::TicksDynamic);
    axisY_->setTickAnchor(1000);
    axisY_->setTickInterval(250);
  }
}

void CLiveDataWnd::setGraph(Graph graph) {
  if (graphChoice_->currentIndex() != static_cast<int>(graph)) graphChoice_->setCurrentIndex(static_cast<int>(graph));
  if (graph == graph_) return;
  graph_ = graph;
  nameSeries();
  redraw_ = true;
  refresh();
}

void CLiveDataWnd::toggleSeries(int i) {
  bool& hidden = hidden_[static_cast<size_t>(graph_)][static_cast<size_t>(i)];
  hidden = !hidden;
  series_[static_cast<size_t>(i)]->setVisible(!hidden);
  for (QLegendMarker* m : chart_->legend()->markers(series_[static_cast<size_t>(i)])) {
    m->setVisible(true);
    dimMarker(m, hidden);
  }
  if (graph_ == Graph::Sensors) fitSensorAxis();
}

void CLiveDataWnd::setPaused(bool paused) {
  if (paused == paused_) return;
  paused_ = paused;
  pausedAt_ = shownUntil_;
  pauseButton_->setText(paused ? qs(ZORV_NOOP("Live", "Resume")) : qs(ZORV_NOOP("Live", "Pause")));
  redraw_ = true;
  refresh();
}

void CLiveDataWnd::retranslate() {
  setWindowTitle(qs(ZORV_NOOP("Live", "Zorv — live data")));
  for (int group = 0; group < 2; ++group) barGroups_[group]->setTitle(qs(kGroupTitles[group]));
  graphLabel_->setText(qs(ZORV_NOOP("Live", "Graph of the last 10 s:")));
  graphChoice_->setAccessibleName(qs(ZORV_NOOP("Live", "Graph")));
  for (int i = 0; i < 3; ++i) graphChoice_->setItemText(i, qs(kGraphChoices[i]));
  pauseButton_->setText(paused_ ? qs(ZORV_NOOP("Live", "Resume")) : qs(ZORV_NOOP("Live", "Pause")));
  pauseButton_->setToolTip(qs(ZORV_NOOP("Live", "Freezes the bars and the graph (Space). Recording goes on.")));
  saveButton_->setText(qs(ZORV_NOOP("Live", "Save CSV…")));
  saveButton_->setToolTip(qs(ZORV_NOOP("Live", "Writes the last 60 s of records to a CSV file (Ctrl+S)")));
  if (auto* view = findChild<QChartView*>("timeGraph"))
    view->setAccessibleName(qs(ZORV_NOOP("Live", "Graph of the last 10 s")));
  nameSeries();
  showStatus();
}

QString CLiveDataWnd::statusText() const { return status_->text(); }

void CLiveDataWnd::refresh() {
  showStatus();
  showBars();
  showGraph();
}

void CLiveDataWnd::showStatus() {
  const bool running = state_.MonitorStopped == 0;
  const QString status = qs(!running ? kStoppedText : paused_ ? kPausedText : kRunningText);
  if (status_->text() != status) status_->setText(status);
}

void CLiveDataWnd::showBars() {
  if (paused_) return;
  // A bar repaints only when its value changed.
  const LiveSample* ch = history_.latest(RecordKind::Channels);
  const LiveSample* m = history_.latest(RecordKind::Motors);
  for (size_t i = 0; i < 8; ++i) {
    if (ch) channelBars_[i]->setValue(ch->values[i]);
    else channelBars_[i]->clear();
    if (m) motorBars_[i]->setValue(m->values[i]);
    else motorBars_[i]->clear();
  }
}

void CLiveDataWnd::showGraph() {
  const bool running = state_.MonitorStopped == 0;
  const uint64_t added = history_.added();
  // A stopped display that brought nothing new leaves the graph as it is; a running one scrolls.
  const bool changed = redraw_ || added != seenAdded_ || running != wasRunning_;
  if (!changed && (paused_ || !running)) return;
  seenAdded_ = added;
  wasRunning_ = running;
  redraw_ = false;

  uint32_t until;
  if (paused_) {
    until = pausedAt_;
  } else if (running) {
    until = history_.sinceStart(clock_.tickMs());
  } else {
    until = history_.empty() ? 0 : history_.at(history_.size() - 1).timeMs;  // the last data stays
  }
  shownUntil_ = until;

  // A bucket of three pixels keeps its lowest and highest value: the line looks the same as with
  // every record, which would only cost drawing time.
  const int width = static_cast<int>(chart_->plotArea().width());
  const size_t buckets = static_cast<size_t>(std::clamp(width / 3, 100, 600));
  traceOf(history_, kindOf(graph_), until, kGraphSpanMs, buckets, &traces_);
  for (size_t i = 0; i < 8; ++i) {
    QList<QPointF> points;
    points.reserve(static_cast<qsizetype>(traces_[i].size()));
    for (const TracePoint& p : traces_[i]) points.append(QPointF(p.seconds, p.value));
    series_[i]->replace(points);
  }
  if (graph_ == Graph::Sensors) fitSensorAxis();
}

// Sensors have no common scale: the axis follows the visible lines, in round steps, and moves
// only when a line leaves it or shrinks well inside it.
void CLiveDataWnd::fitSensorAxis() {
  bool any = false;
  int lo = 0, hi = 0;
  const size_t g = static_cast<size_t>(Graph::Sensors);
  for (size_t i = 0; i < 8; ++i) {
    if (hidden_[g][i]) continue;
    for (const TracePoint& p : traces_[i]) {
      if (!any) lo = hi = p.value;
      any = true;
      lo = std::min(lo, p.value);
      hi = std::max(hi, p.value);
    }
  }
  if (!any) return;
  const double span = std::max(10, hi - lo);
  double step = std::pow(10.0, std::floor(std::log10(span)));
  if (span / step < 2.5) step /= 2;
  const double from = std::floor(lo / step) * step, to = std::ceil(hi / step) * step + (hi == lo ? step : 0);
  const double curFrom = axisY_->min(), curTo = axisY_->max();
  const bool outside = from < curFrom || to > curTo;
  const bool tooLoose = (to - from) < (curTo - curFrom) / 3;
  if (outside || tooLoose) axisY_->setRange(from, to);
}

void CLiveDataWnd::saveCsv() {
  const std::optional<std::string> path =
      prompts_->saveFile("zorv-live-data.csv", ZORV_NOOP("Messages", "CSV files (*.csv)|*.csv|All files (*.*)|*.*||"),
                         ".csv");
  if (!path) return;
  const std::string text = liveHistoryCsv(history_);
  std::ofstream out(*path, std::ios::binary | std::ios::trunc);
  if (out) out.write(text.data(), static_cast<std::streamsize>(text.size()));
  if (out) out.close();
  if (!out) {
    const std::string why = std::strerror(errno);
    prompts_->tell(ZORV_TEXT("Live", "Could not write the live data to %1: %2. Choose another folder or file name "
                                     "and try again.")
                       .arg(*path)
                       .arg(why),
                   Text("Zorv"), Prompts::Buttons::Ok, Prompts::Icon::Warning);
  }
}

void CLiveDataWnd::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Space && !event->isAutoRepeat()) {
    setPaused(!paused_);
    event->accept();
    return;
  }
  QWidget::keyPressEvent(event);
}

void CLiveDataWnd::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  redraw_ = true;
  refresh();
  timer_->start();
  graphTimer_->start();
}

void CLiveDataWnd::hideEvent(QHideEvent* event) {
  timer_->stop();
  graphTimer_->stop();
  saveSize();
  QWidget::hideEvent(event);
}

void CLiveDataWnd::saveSize() const {
  if (sizeFile_.isEmpty()) return;
  QSettings(sizeFile_, QSettings::IniFormat).setValue("size", size());
}

}  // namespace zorv
