#pragma once
// One call binds a widget to the data exchange: it connects the signal by which a widget of that
// type tells of every change of its state (the program's, the user's, the widget's own) and says
// which kind of control it is. A widget of a type it does not know is refused at once: its
// changes would go unreported and leave the data exchange working from a stale value.
//
// Signals can be blocked (QSignalBlocker, blockSignals): the window's own setters report their
// changes themselves, so a control the program sets is never missed; a change made directly on
// a widget whose signals are blocked is caught before anything is sent from it (Core::boxesShow).

#include <functional>

class QObject;
class QWidget;

namespace zorv {

enum class BoundKind { Slider, Edit, Check, Combo };

// Calls `changed` on every change of `widget`'s state, for as long as `context` lives. Throws
// std::logic_error, naming `id`, for a widget that is no slider, line edit, check box or
// drop-down list.
BoundKind bindWidget(int id, QWidget* widget, QObject* context, const std::function<void()>& changed);

}  // namespace zorv
