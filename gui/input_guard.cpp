#include "gui/input_guard.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QComboBox>
#include <QKeyEvent>
#include <QWidget>

namespace zorv {

namespace {

bool isArrow(int key) { return key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_Left || key == Qt::Key_Right; }

// The keys a closed list takes: those that open its list or move on from it.
bool closedListTakes(const QKeyEvent& e) {
  switch (e.key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case Qt::Key_Space:
    case Qt::Key_F4:
    case Qt::Key_F10:  // Shift+F10: the context menu
    case Qt::Key_Menu:
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_Meta:
      return true;
    case Qt::Key_Down:
      return (e.modifiers() & Qt::AltModifier) != 0;  // opens the list
    default:
      return false;
  }
}

}  // namespace

InputGuard::Kind InputGuard::kindOf(const QObject* object) {
  if (qobject_cast<const QAbstractSlider*>(object)) return Kind::Slider;
  if (qobject_cast<const QComboBox*>(object)) return Kind::List;
  if (qobject_cast<const QAbstractButton*>(object)) return Kind::Button;
  return Kind::Other;
}

bool InputGuard::reaches(Kind kind, const QWidget* control, const QEvent* event) {
  if (event->type() == QEvent::Wheel) {
    switch (kind) {
      case Kind::Slider: return control->hasFocus();
      case Kind::List: return false;
      default: return true;  // nothing else acts on the wheel
    }
  }
  if (event->type() != QEvent::KeyPress) return true;
  const auto& key = static_cast<const QKeyEvent&>(*event);
  switch (kind) {
    case Kind::List: return closedListTakes(key);
    case Kind::Button: return !isArrow(key.key());
    default: return true;
  }
}

void InputGuard::guard(QWidget* window) {
  QList<QWidget*> all = window->findChildren<QWidget*>();
  all.prepend(window);
  for (QWidget* w : all) {
    const Kind kind = kindOf(w);
    if (kind == Kind::Other) continue;
    w->installEventFilter(this);
    if (w->focusPolicy() == Qt::WheelFocus) w->setFocusPolicy(Qt::StrongFocus);  // a wheel gives no focus
  }
}

bool InputGuard::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::Wheel && event->type() != QEvent::KeyPress) return false;
  const auto* control = qobject_cast<const QWidget*>(watched);
  const Kind kind = kindOf(watched);
  if (!control || kind == Kind::Other || reaches(kind, control, event)) return false;
  // Not taken: a wheel goes on to the control's parents up to the window, a key goes nowhere.
  if (event->type() == QEvent::Wheel) {
    event->ignore();
  } else {
    event->accept();
  }
  return true;
}

}  // namespace zorv
