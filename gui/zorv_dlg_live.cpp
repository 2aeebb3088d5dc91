// "График": the live data window, opened beside the main window as far as the screen has room
// for it there, brought back from the task bar, or closed.

#include <QDir>
#include <QScreen>
#include <algorithm>

#include "core/holding_prompts.h"
#include "gui/input_guard.h"
#include "gui/live_window.h"
#include "gui/prompts.h"
#include "gui/zorv_dlg.h"

namespace zorv {

namespace {

// Where a window of `size` goes beside `main`: to its right, moved back onto the screen's free
// area when it would stand past it.
QPoint besideMain(const QWidget& main, const QSize& size) {
  const QRect frame = main.frameGeometry();
  QPoint at(frame.right() + 8, frame.top());
  if (QScreen* screen = main.screen()) {
    const QRect room = screen->availableGeometry();
    at.setX(std::max(room.left(), std::min(at.x(), room.right() - size.width())));
    at.setY(std::max(room.top(), std::min(at.y(), room.bottom() - size.height())));
  }
  return at;
}

}  // namespace

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
    live_->move(besideMain(*this, live_->size()));
  }
  live_->showNormal();
  live_->raise();
  live_->activateWindow();
}

}  // namespace zorv
