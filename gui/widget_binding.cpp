#include "gui/widget_binding.h"

#include <QAbstractItemModel>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSlider>
#include <stdexcept>
#include <string>

namespace zorv {

BoundKind bindWidget(int id, QWidget* widget, QObject* context, const std::function<void()>& changed) {
  if (auto* s = qobject_cast<QSlider*>(widget)) {
    QObject::connect(s, &QSlider::valueChanged, context, changed);
    return BoundKind::Slider;
  }
  if (auto* e = qobject_cast<QLineEdit*>(widget)) {
    QObject::connect(e, &QLineEdit::textChanged, context, changed);
    return BoundKind::Edit;
  }
  if (auto* c = qobject_cast<QCheckBox*>(widget)) {
    QObject::connect(c, &QCheckBox::stateChanged, context, changed);
    return BoundKind::Check;
  }
  if (auto* cb = qobject_cast<QComboBox*>(widget)) {
    // The visible text goes with any change of the selection or of the items.
    QObject::connect(cb, &QComboBox::currentTextChanged, context, changed);
    QObject::connect(cb, QOverload<int>::of(&QComboBox::currentIndexChanged), context, changed);
    QAbstractItemModel* model = cb->model();
    QObject::connect(model, &QAbstractItemModel::dataChanged, context, changed);
    QObject::connect(model, &QAbstractItemModel::modelReset, context, changed);
    QObject::connect(model, &QAbstractItemModel::rowsInserted, context, changed);
    QObject::connect(model, &QAbstractItemModel::rowsRemoved, context, changed);
    return BoundKind::Combo;
  }
  const char* type = widget ? widget->metaObject()->className() : "nothing";
  throw std::logic_error("control " + std::to_string(id) + ": a " + type +
                         " cannot be bound to the data exchange (it knows sliders, line edits, check boxes "
                         "and drop-down lists)");
}

}  // namespace zorv
