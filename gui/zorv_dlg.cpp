#include "gui/zorv_dlg.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSlider>
#include <QTimer>

#include <algorithm>

#include "core/control_ids.h"
#include "core/control_layout.h"
#include "core/holding_prompts.h"
#include "core/param_catalogue.h"
#include "gui/input_guard.h"
#include "gui/live_window.h"
#include "gui/paint_pacer.h"
#include "gui/prompts.h"
#include "gui/readout_box.h"

namespace zorv {

namespace {

QString qs(const char* s) { return QString::fromUtf8(s); }

QIcon appIcon() {
  QPixmap pm(32, 32);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(20, 60, 140), 3));
  p.drawLine(6, 6, 26, 26);
  p.drawLine(26, 6, 6, 26);
  p.setBrush(QColor(200, 40, 40));
  for (QPoint c : {QPoint(6, 6), QPoint(26, 6), QPoint(6, 26), QPoint(26, 26)}) p.drawEllipse(c, 5, 5);
  p.setBrush(QColor(20, 60, 140));
  p.drawEllipse(QPoint(16, 16), 4, 4);
  return QIcon(pm);
}

// The port list asks for fresh labels each time it drops down, before it shows them.
class PortListCombo : public QComboBox {
 public:
  using QComboBox::QComboBox;
  std::function<void()> aboutToShow;
  void showPopup() override {
    if (aboutToShow) aboutToShow();
    QComboBox::showPopup();
  }
};

QString accessibleNameOf(const ControlRow& c) {
  if (c.buddy > 0) {
    if (const ControlRow* b = findControl(c.buddy)) return qs(b->caption);
  }
  return qs(c.caption);
}

}  // namespace

CZorvDlg::CZorvDlg(SerialPort& port, Prompts* prompts, Clock& clock, std::string settingsPath, QWidget* parent)
    : QDialog(parent) {
  if (!prompts) {
    ownPrompts_ = std::make_unique<QtPrompts>(this);
    prompts = ownPrompts_.get();
  }
  core_ = std::make_unique<Router>(port, *this, *prompts, clock, std::move(settingsPath));
  entries_.resize(kLastControlId - kFirstControlId + 1);
  setWindowTitle(qs(kWindowTitle));
  setWindowIcon(appIcon());
  setWindowFlags(windowFlags() | Qt::WindowMinimizeButtonHint);
  build();
  inputGuard_ = new InputGuard(this);
  inputGuard_->guard(this);
  // The watchdog has no timer of its own: it is asked now and then whether an answer is overdue.
  auto* tick = new QTimer(this);
  tick->setInterval(static_cast<int>(answer_limits::kTickMs));
  connect(tick, &QTimer::timeout, this, [this] { route([this] { core_->onTick(); }); });
  tick->start();
  pacer_ = std::make_unique<PaintPacer>(this);
  pacer_->beforeFrame = [this] { showReadouts(); };
  gather_ = new QTimer(this);
  gather_->setSingleShot(true);
  connect(gather_, &QTimer::timeout, this, [this] { route([this] { core_->onReceive(); }); });
}

CZorvDlg::~CZorvDlg() {
  pacer_.reset();
  gather_->stop();
}

void CZorvDlg::build() {
  auto* top = new QGridLayout(this);
  top->setContentsMargins(6, 6, 6, 6);
  top->setSpacing(6);
  std::vector<QGridLayout*> grids;
  int panelIndex = 0;
  for (const PanelRow& p : panels()) {
    QWidget* frame;
    if (*p.caption) {
      frame = new QGroupBox(qs(p.caption), this);
    } else {
      frame = new QWidget(this);
    }
    frame->setObjectName(QString("panel%1").arg(panelIndex++));
    auto* grid = new QGridLayout(frame);
    grid->setContentsMargins(6, 4, 6, 4);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(2);
    grids.push_back(grid);
    top->addWidget(frame, p.row, p.col, p.rowSpan, p.colSpan, Qt::AlignTop);
  }

  for (const ControlRow& c : controls()) {
    QWidget* parentFrame = grids[static_cast<size_t>(c.panel)]->parentWidget();
    QWidget* w = nullptr;
    const int id = c.id;
    switch (c.kind) {
      case ControlKind::LabelButton:
      case ControlKind::Button: {
        auto* b = new QPushButton(qs(c.caption), parentFrame);
        b->setAutoDefault(false);
        if (id == kGraphButton) {
          connect(b, &QPushButton::clicked, this, &CZorvDlg::toggleLiveWindow);
        } else {
          connect(b, &QPushButton::clicked, this, [this, id] { route([this, id] { core_->onButtonClicked(id); }); });
        }
        w = b;
        break;
      }
      case ControlKind::Slider: {
        auto* s = new QSlider(Qt::Horizontal, parentFrame);
        s->setRange(c.lo, c.hi);
        s->setTickInterval(c.tick);
        s->setTickPosition(QSlider::TicksBelow);
        s->setPageStep(c.tick);
        s->setValue(c.initial);
        s->setMinimumWidth(c.hi - c.lo > 100 ? 200 : 170);
        w = s;
        widgets_[id] = w;
        wireSlider(id);
        break;
      }
      case ControlKind::Edit:
      case ControlKind::ReadOnlyEdit: {
        // A read-out repaints alone when its number changes (see ReadoutBox).
        const bool readout = c.kind == ControlKind::ReadOnlyEdit && !c.text;
        auto* e = readout ? new ReadoutBox(parentFrame) : new QLineEdit(parentFrame);
        e->setReadOnly(c.kind == ControlKind::ReadOnlyEdit);
        if (!c.text) {
          e->setText(QString::number(c.initial));
          e->setMaximumWidth(60);
          e->setAlignment(Qt::AlignRight);
        }
        if (id == ids::kFirmwareHint) e->setMinimumWidth(300);
        if (id == ids::kPortStatus) e->setMinimumWidth(110);
        connect(e, &QLineEdit::textChanged, this, [this, id] {
          textChangedByWidget(id);
          route([this, id] { core_->onEditChanged(id); });
        });
        w = e;
        break;
      }
      case ControlKind::Combo: {
        auto* cb = id == ids::kPortList ? new PortListCombo(parentFrame) : new QComboBox(parentFrame);
        for (const std::string& item : comboItems(id)) cb->addItem(QString::fromStdString(item));
        cb->setCurrentIndex(c.initial);
        // The cached visible text goes with any change of the selection or of the items.
        auto dropText = [this, id] {
          entry(id)->textValid = false;
          changed_.note(id);
        };
        connect(cb, &QComboBox::currentTextChanged, this, dropText);
        connect(cb, QOverload<int>::of(&QComboBox::currentIndexChanged), this, dropText);
        connect(cb->model(), &QAbstractItemModel::dataChanged, this, dropText);
        connect(cb->model(), &QAbstractItemModel::modelReset, this, dropText);
        connect(cb->model(), &QAbstractItemModel::rowsInserted, this, dropText);
        connect(cb->model(), &QAbstractItemModel::rowsRemoved, this, dropText);
        connect(cb, QOverload<int>::of(&QComboBox::activated), this,
                [this, id] { route([this, id] { core_->onComboActivated(id); }); });
        w = cb;
        break;
      }
      case ControlKind::Check: {
        auto* cb = new QCheckBox(qs(c.caption), parentFrame);
        connect(cb, &QCheckBox::clicked, this, [this, id] { route([this, id] { core_->onCheckClicked(id); }); });
        connect(cb, &QCheckBox::stateChanged, this, [this, id] { changed_.note(id); });
        w = cb;
        break;
      }
      case ControlKind::Label: {
        auto* l = new QLabel(qs(c.caption), parentFrame);
        if (c.colSpan > 1) l->setAlignment(Qt::AlignCenter);
        w = l;
        break;
      }
      case ControlKind::Scale: {
        // Scale marks spread over the columns they stand above.
        auto* box = new QWidget(parentFrame);
        auto* row = new QHBoxLayout(box);
        row->setContentsMargins(0, 0, 0, 0);
        const QString caption = qs(c.caption);
        const QStringList marks = caption.contains('|') ? caption.split('|')
                                                        : caption.split(QRegularExpression("\\s+"), Qt::SkipEmptyParts);
        for (int i = 0; i < marks.size(); ++i) {
          auto* l = new QLabel(marks[i], box);
          l->setAlignment(i == 0 ? Qt::AlignLeft : i + 1 == marks.size() ? Qt::AlignRight : Qt::AlignCenter);
          if (!caption.contains('|')) l->setAlignment(Qt::AlignCenter);
          row->addWidget(l, 1);
        }
        box->setAccessibleName(caption);
        w = box;
        break;
      }
      case ControlKind::Progress: {
        progress_ = new QProgressBar(parentFrame);
        progress_->setFormat(qs(c.caption) + " %p%");
        progress_->setVisible(false);
        w = progress_;
        break;
      }
    }
    if (id != 0) {
      w->setObjectName(c.name ? QString(c.name) : QString::number(id));
      w->setAccessibleName(accessibleNameOf(c));
      widgets_[id] = w;
      if (Entry* e = entry(id)) {
        e->widget = w;
        switch (c.kind) {
          case ControlKind::Edit: e->kind = Kind::Edit; break;
          case ControlKind::ReadOnlyEdit:
            e->kind = Kind::Edit;
            e->readout = !c.text;
            break;
          case ControlKind::Slider: e->kind = Kind::Slider; break;
          case ControlKind::Check: e->kind = Kind::Check; break;
          case ControlKind::Combo: e->kind = Kind::Combo; break;
          default: e->kind = Kind::Other; break;
        }
      }
    }
    grids[static_cast<size_t>(c.panel)]->addWidget(w, c.row, c.col, c.rowSpan, c.colSpan);
  }

  // The flight-mode boxes are named by their row and column.
  const char* columns[] = {"CH5 L", "CH5 M", "CH5 H", "CH6 L", "CH6 M", "CH6 H", "CH7 L", "CH7 H"};
  for (int r = 0; r < 9; ++r)
    for (int col = 0; col < 8; ++col) {
      QWidget* box = widgets_.value(matrixCheckId(r, col));
      const QLayoutItem* label = grids[3]->itemAtPosition(2 + r, 0);
      const QString rowName = label && label->widget() ? static_cast<QLabel*>(label->widget())->text() : QString();
      box->setAccessibleName(rowName + " " + columns[col]);
    }
  for (int g : {kReceiverReverseGroup, kOutputReverseGroup}) {
    const BitGroup& group = bitGroups()[static_cast<size_t>(g)];
    for (int k = 0; k < 8; ++k)
      widgets_.value(group.boxes[static_cast<size_t>(k)])
          ->setAccessibleName(QString::fromStdString(paramLabels()[static_cast<size_t>(group.firstIndex + k)]).trimmed());
  }
  const char* cellNames[] = {"1 банка", "2 банка", "3 банка", "4 банка"};
  for (size_t i = 0; i < kCellEdits.size(); ++i) widgets_.value(kCellEdits[i])->setAccessibleName(qs(cellNames[i]));
}

void CZorvDlg::wireSlider(int id) {
  auto* s = static_cast<QSlider*>(widgets_.value(id));
  connect(s, &QSlider::valueChanged, this, [this, id] {
    changed_.note(id);
    route([this, id] { core_->onSliderMoved(id); });
  });
  connect(s, &QSlider::sliderReleased, this, [this, id] { route([this, id] { core_->onSliderReleased(id); }); });
  // Keyboard and wheel steps, and clicks on the groove, have no release of their own: a burst
  // of them ends in one send once the slider has settled, a groove click on the mouse release.
  auto* timer = new QTimer(this);
  timer->setSingleShot(true);
  timer->setInterval(kSliderSettleMs);
  connect(timer, &QTimer::timeout, this, [this, id] { route([this, id] { core_->onSliderReleased(id); }); });
  settleTimers_[id] = timer;
  connect(s, &QSlider::actionTriggered, this, [this, s, id, timer](int action) {
    if (action == QAbstractSlider::SliderNoAction || s->isSliderDown()) return;
    if (QApplication::mouseButtons() != Qt::NoButton && s->underMouse()) {
      pagePressed_[id] = true;
      return;
    }
    timer->start();
  });
  s->installEventFilter(this);
}

bool CZorvDlg::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease) {
    const int id = watched->objectName().toInt();
    if (pagePressed_.value(id, false)) {
      pagePressed_[id] = false;
      QTimer::singleShot(0, this, [this, id] { route([this, id] { core_->onSliderReleased(id); }); });
    }
  }
  return QDialog::eventFilter(watched, event);
}

void CZorvDlg::initialise() {
  route([this] { core_->initialise(); });
}

void CZorvDlg::setPortLabels(const std::vector<std::string>& labels) {
  auto* cb = static_cast<QComboBox*>(widgets_.value(ids::kPortList));
  for (int i = 0; i < cb->count() && i < static_cast<int>(labels.size()); ++i)
    cb->setItemText(i, QString::fromStdString(labels[static_cast<size_t>(i)]));
  entry(ids::kPortList)->textValid = false;
  changed_.note(ids::kPortList);
  // The drop-down is as wide as its longest entry; the closed box keeps its place in the layout.
  cb->view()->setMinimumWidth(cb->view()->sizeHintForColumn(0) + 24);
}

void CZorvDlg::setPortLabelSource(std::function<std::vector<std::string>()> source) {
  portLabelSource_ = std::move(source);
  auto* cb = static_cast<PortListCombo*>(widgets_.value(ids::kPortList));
  cb->aboutToShow = [this] {
    if (portLabelSource_) setPortLabels(portLabelSource_());
  };
  if (portLabelSource_) setPortLabels(portLabelSource_());
}

void CZorvDlg::receive() {
  const MainState& st = core_->st;
  if (st.LinkMode == LinkMode::Monitor && st.MonitorStopped == 0) {
    if (!gather_->isActive()) gather_->start(kGatherMs);
    return;
  }
  gather_->stop();  // what was gathered is read by this event
  route([this] { core_->onReceive(); });
}

void CZorvDlg::portLost(const std::string& reason) {
  route([this, reason] { core_->onPortLost(reason); });
}

void CZorvDlg::handleGathered() {
  if (!gather_->isActive()) return;
  gather_->stop();
  core_->onReceive();
}

bool CZorvDlg::exchangeRunning() const {
  const MainState& st = core_->st;
  return core_->watchdog.armed() || st.LinkMode != LinkMode::Rest || st.MonitorStopped == 0;
}

void CZorvDlg::route(const std::function<void()>& fn) {
  if (routeDepth_ > 0 || !pacer_) {  // a notification raised by a handler's own change of a control
    fn();
    return;
  }
  ++routeDepth_;
  handleGathered();
  fn();
  // Still inside: what the pacer's last frame changes on the widgets is routed as nested.
  pacer_->setPaced(exchangeRunning());
  --routeDepth_;
}

const std::string& CZorvDlg::cachedText(const Entry& e) const {
  if (!e.textValid) {
    if (e.kind == Kind::Edit) {
      e.text = static_cast<QLineEdit*>(e.widget)->text().toStdString();
    } else {
      e.text = static_cast<QComboBox*>(e.widget)->currentText().toStdString();
    }
    e.textValid = true;
  }
  return e.text;
}

void CZorvDlg::textChangedByWidget(int id) {
  Entry* e = entry(id);
  if (!e) return;
  e->textValid = false;
  changed_.note(id);
  // Someone else set the box meanwhile (a test, an accessibility client): its text wins over
  // the one still waiting for a frame.
  if (!showingReadouts_) e->unshown = false;
}

void CZorvDlg::showReadouts() {
  showProgress();
  // The boxes' change notifications run as nested calls: nothing gathered is handled while the
  // list is being shown, and a value set meanwhile waits for the next frame.
  showingReadouts_ = true;
  ++routeDepth_;
  std::vector<int> ids;
  ids.swap(unshown_);
  for (int id : ids) {
    Entry* e = entry(id);
    if (!e->unshown) continue;
    e->unshown = false;
    auto* box = static_cast<QLineEdit*>(e->widget);
    const QString s = QString::fromStdString(e->text);
    if (box->text() != s) {
      box->setText(s);
      box->setCursorPosition(0);
    }
  }
  --routeDepth_;
  showingReadouts_ = false;
}

bool CZorvDlg::takeChangedControls(std::vector<int>& ids) { return changed_.take(ids); }

std::string CZorvDlg::text(int id) const {
  if (const Entry* e = entry(id); e && (e->kind == Kind::Edit || e->kind == Kind::Combo)) return cachedText(*e);
  QWidget* w = widgets_.value(id);
  if (auto* e = qobject_cast<QLineEdit*>(w)) return e->text().toStdString();
  if (auto* b = qobject_cast<QAbstractButton*>(w)) return b->text().toStdString();
  if (auto* c = qobject_cast<QComboBox*>(w)) return c->currentText().toStdString();
  if (auto* l = qobject_cast<QLabel*>(w)) return l->text().toStdString();
  return {};
}

void CZorvDlg::setText(int id, const std::string& t) {
  if (Entry* e = entry(id); e && e->kind == Kind::Edit) {
    if (cachedText(*e) == t) return;
    if (e->readout && pacer_ && pacer_->paced()) {
      // The value is the window's at once; the box shows it at the next frame.
      e->text = t;
      changed_.note(id);
      if (!e->unshown) {
        e->unshown = true;
        unshown_.push_back(id);
      }
      pacer_->requestFrame();
      return;
    }
    auto* box = static_cast<QLineEdit*>(e->widget);
    box->setText(QString::fromStdString(t));
    if (box->isReadOnly()) box->setCursorPosition(0);  // a long path or hint shows from its start
    return;
  }
  QWidget* w = widgets_.value(id);
  const QString s = QString::fromStdString(t);
  if (auto* e = qobject_cast<QLineEdit*>(w)) {
    if (e->text() != s) {
      e->setText(s);
      if (e->isReadOnly()) e->setCursorPosition(0);  // a long path or hint shows from its start
    }
  } else if (auto* b = qobject_cast<QAbstractButton*>(w)) {
    b->setText(s);
  } else if (auto* l = qobject_cast<QLabel*>(w)) {
    l->setText(s);
  }
}

int CZorvDlg::sliderPos(int id) const {
  const Entry* e = entry(id);
  return e && e->kind == Kind::Slider ? static_cast<QSlider*>(e->widget)->value() : 0;
}

void CZorvDlg::setSliderPos(int id, int pos) {
  if (const Entry* e = entry(id); e && e->kind == Kind::Slider) static_cast<QSlider*>(e->widget)->setValue(pos);
}

int CZorvDlg::checkState(int id) const {
  const Entry* e = entry(id);
  if (!e || e->kind != Kind::Check) return 0;
  auto* c = static_cast<QCheckBox*>(e->widget);
  switch (c->checkState()) {
    case Qt::Checked: return 1;
    case Qt::PartiallyChecked: return 2;
    default: return 0;
  }
}

void CZorvDlg::setCheckState(int id, int state) {
  const Entry* e = entry(id);
  if (!e || e->kind != Kind::Check) return;
  auto* c = static_cast<QCheckBox*>(e->widget);
  const Qt::CheckState wanted = state == 1 ? Qt::Checked : state == 2 ? Qt::PartiallyChecked : Qt::Unchecked;
  // A box repaints on every set, changed or not; the data exchange sets all 96 of them.
  if (c->checkState() != wanted) c->setCheckState(wanted);
}

int CZorvDlg::comboIndex(int id) const {
  const Entry* e = entry(id);
  return e && e->kind == Kind::Combo ? static_cast<QComboBox*>(e->widget)->currentIndex() : -1;
}

void CZorvDlg::setComboIndex(int id, int index) {
  const Entry* e = entry(id);
  if (!e || e->kind != Kind::Combo) return;
  auto* c = static_cast<QComboBox*>(e->widget);
  c->setCurrentIndex(index >= 0 && index < c->count() ? index : -1);
}

void CZorvDlg::setEnabled(int id, bool enabled) {
  const Entry* e = entry(id);
  if (QWidget* w = e && e->widget ? e->widget : widgets_.value(id)) w->setEnabled(enabled);
}

bool CZorvDlg::isEnabled(int id) const {
  const Entry* e = entry(id);
  QWidget* w = e && e->widget ? e->widget : widgets_.value(id);
  return w && w->isEnabled();
}

void CZorvDlg::setToolTip(int id, const std::string& tip) {
  if (QWidget* w = widgets_.value(id)) w->setToolTip(QString::fromStdString(tip));
}

void CZorvDlg::setTextMarked(int id, bool marked) {
  auto* box = qobject_cast<QLineEdit*>(widgets_.value(id));
  if (!box) return;
  QPalette own;  // nothing set: the box looks like every other
  if (marked) own.setColor(QPalette::Text, box->palette().color(QPalette::Link));
  box->setPalette(own);
}

void CZorvDlg::setProgressVisible(bool visible) {
  showProgress();  // what was set before goes first
  progress_->setVisible(visible);
}

void CZorvDlg::setProgressRange(int lo, int hi) {
  showProgress();
  progress_->setRange(lo, hi);
}

void CZorvDlg::setProgressPos(int pos) {
  if (pacer_ && pacer_->paced()) {
    // A progress bar repaints itself at once on each step it shows, past the frame pacing: while
    // an exchange runs, its position waits for the next frame like the read-outs.
    progressUnshown_ = pos;
    pacer_->requestFrame();
    return;
  }
  progressUnshown_.reset();
  progress_->setValue(pos);
}

void CZorvDlg::showProgress() {
  if (!progressUnshown_) return;
  const int pos = *progressUnshown_;
  progressUnshown_.reset();
  progress_->setValue(pos);
}
void CZorvDlg::setProgressColor(int r, int g, int b) {
  progress_->setStyleSheet(QString("QProgressBar::chunk { background-color: rgb(%1,%2,%3); }").arg(r).arg(g).arg(b));
}

void CZorvDlg::toggleLiveWindow() {
  if (live_ && live_->isVisible() && !live_->isMinimized()) {
    live_->close();
    return;
  }
  if (!live_) {
    // Only its size is kept between runs, beside the port list's links in the user's settings.
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (config.isEmpty()) config = QDir::homePath() + "/.config";
    Prompts* prompts = &core_->prompts;
    if (ownPrompts_) {
      liveQtPrompts_ = std::make_unique<QtPrompts>(nullptr);
      livePrompts_ = std::make_unique<HoldingPrompts>(*liveQtPrompts_, &core_->watchdog);
      prompts = livePrompts_.get();
    }
    live_ = std::make_unique<CLiveDataWnd>(core_->live, core_->st, core_->clock, prompts,
                                           config + "/zorv/live-window.ini");
    if (liveQtPrompts_) liveQtPrompts_->setOwner(live_.get());
    inputGuard_->guard(live_.get());
    live_->setWindowIcon(windowIcon());
    // Beside the main window, as far as the screen has room for it there.
    const QRect main = frameGeometry();
    QPoint at(main.right() + 8, main.top());
    if (QScreen* screen = this->screen()) {
      const QRect room = screen->availableGeometry();
      at.setX(std::max(room.left(), std::min(at.x(), room.right() - live_->width())));
      at.setY(std::max(room.top(), std::min(at.y(), room.bottom() - live_->height())));
    }
    live_->move(at);
  }
  live_->showNormal();
  live_->raise();
  live_->activateWindow();
}

void CZorvDlg::hideWindow() {
  if (live_) live_->close();
  hide();
}

void CZorvDlg::endWindow(bool accepted) {
  // Whoever ends the window (the last automation client too), a running display stops first.
  route([this] { core_->onWindowEnding(); });
  if (live_) live_->close();
  QDialog::done(accepted ? QDialog::Accepted : QDialog::Rejected);
}

void CZorvDlg::accept() {
  route([this] { core_->onAccept(); });
}

void CZorvDlg::reject() {
  route([this] { core_->onCancel(); });
}

void CZorvDlg::closeEvent(QCloseEvent* event) {
  event->ignore();
  route([this] { core_->onCloseBox(); });
}

void CZorvDlg::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    // A focused push button takes Enter as a press; anywhere else Enter closes the window.
    if (auto* b = qobject_cast<QPushButton*>(focusWidget())) {
      b->click();
    } else {
      route([this] { core_->onAccept(); });
    }
    event->accept();
    return;
  }
  if (event->key() == Qt::Key_Escape) {
    event->accept();
    route([this] { core_->onCancel(); });
    return;
  }
  QDialog::keyPressEvent(event);
}

}  // namespace zorv
