#include "gui/zorv_dlg.h"

#include <QAbstractItemView>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

#include "core/control_ids.h"
#include "core/control_layout.h"
#include "gui/background_menu.h"
#include "gui/input_guard.h"
#include "gui/language.h"
#include "gui/live_window.h"
#include "gui/paint_pacer.h"
#include "gui/port_list_combo.h"
#include "gui/prompts.h"

namespace zorv {

namespace {

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

}  // namespace

CZorvDlg::CZorvDlg(SerialPort& port, Prompts* prompts, Clock& clock, std::string settingsPath, QWidget* parent)
    : QDialog(parent) {
  if (!prompts) {
    ownPrompts_ = std::make_unique<QtPrompts>(this);
    prompts = ownPrompts_.get();
  }
  core_ = std::make_unique<Router>(port, *this, *prompts, clock, std::move(settingsPath));
  entries_.resize(kLastControlId - kFirstControlId + 1);
  setWindowTitle(shown("Window", kWindowTitle));
  setWindowIcon(appIcon());
  setWindowFlags(windowFlags() | Qt::WindowMinimizeButtonHint);
  build();
  inputGuard_ = new InputGuard(this);
  inputGuard_->guard(this);
  menu_ = new BackgroundMenu(this);
  addLanguageMenu();
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

void CZorvDlg::initialise() {
  route([this] { core_->initialise(); });
}

void CZorvDlg::setPortLabels(const std::vector<std::string>& labels) {
  auto* cb = static_cast<QComboBox*>(widgets_.value(ids::kPortList));
  for (int i = 0; i < cb->count() && i < static_cast<int>(labels.size()); ++i)
    cb->setItemText(i, QString::fromStdString(labels[static_cast<size_t>(i)]));
  changedControl(ids::kPortList);
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
