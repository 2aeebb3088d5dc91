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

QRect besideWindow(const QRect& main, const QSize& want, const QSize& least, const QRect& room) {
  constexpr int gap = 8;
  if (room.isEmpty()) return {QPoint(main.right() + gap, main.top()), want};
  // The free strips right, left, below and above the main window, on the screen.
  const QRect strips[] = {
      QRect(QPoint(main.right() + 1 + gap, room.top()), room.bottomRight()),
      QRect(room.topLeft(), QPoint(main.left() - 1 - gap, room.bottom())),
      QRect(QPoint(room.left(), main.bottom() + 1 + gap), room.bottomRight()),
      QRect(room.topLeft(), QPoint(room.right(), main.top() - 1 - gap)),
  };
  const QRect* best = nullptr;
  for (const QRect& strip : strips) {
    if (strip.width() < least.width() || strip.height() < least.height()) continue;
    if (strip.width() >= want.width() && strip.height() >= want.height()) {
      best = &strip;
      break;
    }
    if (!best || strip.width() * strip.height() > best->width() * best->height()) best = &strip;
  }
  if (!best) {  // no room beside it anywhere: the screen's far side, over as little as may be
    const bool right = room.right() - main.right() >= main.left() - room.left();
    const QSize size = want.boundedTo(room.size());
    return {QPoint(right ? room.right() - size.width() + 1 : room.left(), room.top()), size};
  }
  const QSize size = want.boundedTo(best->size());
  // Level with the main window where the strip allows, else at its nearest end.
  QPoint at = best->topLeft();
  if (best == &strips[0] || best == &strips[1]) {
    at.setY(std::clamp(main.top(), best->top(), best->bottom() - size.height() + 1));
    if (best == &strips[1]) at.setX(best->right() - size.width() + 1);
  } else {
    at.setX(std::clamp(main.left(), best->left(), best->right() - size.width() + 1));
    if (best == &strips[3]) at.setY(best->bottom() - size.height() + 1);
  }
  return {at, size};
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
    QRect room;
    if (QScreen* screen = this->screen()) room = screen->availableGeometry();
    const QRect place = besideWindow(frameGeometry(), live_->size(), QSize(kLiveLeast, kLiveLeast), room);
    live_->resize(place.size());
    live_->move(place.topLeft());
  }
  live_->showNormal();
  live_->raise();
  live_->activateWindow();
}

}  // namespace zorv
