// What waits for the next frame while an exchange runs: the read-outs' new numbers and the
// upgrade bar's position. The values are the window's at once (the handlers read them back);
// the widgets show them when PaintPacer says the frame is due.

#include <QLineEdit>
#include <QProgressBar>

#include "gui/paint_pacer.h"
#include "gui/zorv_dlg.h"

namespace zorv {

bool CZorvDlg::exchangeRunning() const {
  const MainState& st = core_->st;
  return core_->watchdog.armed() || st.LinkMode != LinkMode::Rest || st.MonitorStopped == 0;
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

}  // namespace zorv
