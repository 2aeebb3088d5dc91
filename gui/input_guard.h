#pragma once
// Wheel and keys reach a control only when the pilot means that control. One event filter
// guards every control of a window, by its kind:
//   - a slider takes the wheel only while it has the focus (the pilot clicked or tabbed into it);
//   - a drop-down list acts only on a choice made in its opened list: closed, it takes no wheel
//     and of the keys only those that open it (Alt+Down, F4, Space) or leave it (Tab, Shift+Tab,
//     Enter, Esc, the menu key), since a closed Qt list would otherwise choose an item (and say
//     `activated`) on every other key;
//   - a button or check box ignores the arrow keys, which Qt would take to move the focus on to
//     the next control (Tab and Shift+Tab do that).
// A wheel a control does not take goes on to the window, which scrolls if it has scroll bars.
// Neither wheel nor keys ever gain a control the focus.

#include <QObject>

class QEvent;
class QWidget;

namespace zorv {

class InputGuard : public QObject {
 public:
  enum class Kind { Other, Slider, List, Button };
  static Kind kindOf(const QObject* object);
  // Whether `event` (a wheel or a key press) reaches `control` of kind `kind`.
  static bool reaches(Kind kind, const QWidget* control, const QEvent* event);

  using QObject::QObject;
  // Guards `window` and every control in it now.
  void guard(QWidget* window);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace zorv
