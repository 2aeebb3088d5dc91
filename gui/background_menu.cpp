#include "gui/background_menu.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QWidget>
#include <algorithm>

namespace zorv {

BackgroundMenu::BackgroundMenu(QWidget* window) : QObject(window), window_(window) {
  window_->installEventFilter(this);
}

void BackgroundMenu::addFeature(int order, std::function<void(QMenu&)> fill) {
  const auto at = std::upper_bound(features_.begin(), features_.end(), order,
                                   [](int o, const Feature& f) { return o < f.order; });
  features_.insert(at, Feature{order, std::move(fill)});
}

bool BackgroundMenu::popup(const QPoint& globalPos) {
  if (open_) open_->close();
  auto* menu = new QMenu(window_);
  menu->setAttribute(Qt::WA_DeleteOnClose);
  for (const Feature& f : features_) {
    if (!menu->actions().isEmpty() && !menu->actions().back()->isSeparator()) menu->addSeparator();
    f.fill(*menu);
  }
  while (!menu->actions().isEmpty() && menu->actions().back()->isSeparator())
    menu->removeAction(menu->actions().back());
  if (menu->actions().isEmpty()) {
    delete menu;
    return false;
  }
  open_ = menu;
  menu->popup(globalPos);
  return true;
}

// From the keyboard the menu opens at the control that has the focus, or in the window's middle.
QPoint BackgroundMenu::keyboardPos() const {
  QWidget* focus = QApplication::focusWidget();
  if (focus && window_->isAncestorOf(focus)) return focus->mapToGlobal(focus->rect().center());
  return window_->mapToGlobal(window_->rect().center());
}

bool BackgroundMenu::eventFilter(QObject* watched, QEvent* event) {
  if (watched != window_) return false;
  if (event->type() == QEvent::ContextMenu) {
    auto* e = static_cast<QContextMenuEvent*>(event);
    popup(e->reason() == QContextMenuEvent::Mouse ? e->globalPos() : keyboardPos());
    return true;
  }
  // Keys a control does not take come on to the window; the Menu key and Shift+F10 may also come
  // as a context-menu request of their own, which the branch above takes.
  if (event->type() == QEvent::KeyPress) {
    auto* k = static_cast<QKeyEvent*>(event);
    const bool shiftF10 = k->key() == Qt::Key_F10 && (k->modifiers() & Qt::ShiftModifier);
    if (k->key() == Qt::Key_Menu || shiftF10) {
      popup(keyboardPos());
      return true;
    }
  }
  return false;
}

}  // namespace zorv
