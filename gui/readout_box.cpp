#include "gui/readout_box.h"

#include <QApplication>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOptionFrame>
#include <cmath>
#include <vector>

namespace zorv {

namespace {

// The application's own style, except that a read-out's frame is not drawn while its text goes
// over the kept picture (which holds the frame already).
class ReadoutStyle : public QProxyStyle {
 public:
  explicit ReadoutStyle(QStyle* base) : QProxyStyle(base) {}
  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
    if (element == PE_PanelLineEdit) {
      if (const auto* box = dynamic_cast<const ReadoutBox*>(widget); box && box->drawingOverBackground()) return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
  }
};

// One for all read-outs, living as long as the application. Null when the application's style
// cannot be made a second time by its name: the boxes then paint as plain line edits.
QStyle* readoutStyle() {
  static QPointer<ReadoutStyle> shared;
  if (!shared && qApp) {
    QStyle* base = QStyleFactory::create(QApplication::style()->name());
    if (!base) return nullptr;
    shared = new ReadoutStyle(base);
    shared->setParent(qApp);
  }
  return shared;
}

}  // namespace

bool ReadoutBox::Look::operator==(const Look& o) const {
  return size == o.size && parentSize == o.parentSize && inWindow == o.inWindow && state == o.state &&
         lineWidth == o.lineWidth && palette == o.palette && parentPalette == o.parentPalette &&
         pixelRatio == o.pixelRatio && direction == o.direction;
}

ReadoutBox::ReadoutBox(QWidget* parent) : QLineEdit(parent) {
  setReadOnly(true);
  if (QStyle* style = readoutStyle()) {
    setStyle(style);
    // Every pixel is painted from the picture: nothing behind the box is repainted with it.
    setAttribute(Qt::WA_OpaquePaintEvent);
    kept_ = true;
  }
}

void ReadoutBox::paintEvent(QPaintEvent* event) {
  if (!kept_) {
    QLineEdit::paintEvent(event);
    return;
  }
  QStyleOptionFrame panel;
  initStyleOption(&panel);
  Look look;
  look.size = size();
  look.parentSize = parentWidget() ? parentWidget()->size() : QSize();
  look.inWindow = mapTo(window(), QPoint(0, 0));
  look.state = static_cast<int>(panel.state);
  look.lineWidth = panel.lineWidth;
  look.palette = palette().cacheKey();
  look.parentPalette = parentWidget() ? parentWidget()->palette().cacheKey() : 0;
  look.pixelRatio = devicePixelRatioF();
  look.direction = layoutDirection();
  if (background_.isNull() || !(look == look_)) makeBackground(look);
  {
    QPainter p(this);
    p.drawPixmap(0, 0, background_);
  }
  overBackground_ = true;
  QLineEdit::paintEvent(event);
  overBackground_ = false;
}

void ReadoutBox::makeBackground(const Look& look) {
  look_ = look;
  ++backgroundsMade_;
  const qreal ratio = look.pixelRatio;
  QPixmap pm(QSize(static_cast<int>(std::ceil(width() * ratio)), static_cast<int>(std::ceil(height() * ratio))));
  pm.setDevicePixelRatio(ratio);
  pm.fill(Qt::transparent);
  // What the window and every widget between it and the box paint where the box stands, the
  // window first, each on its own (its other children do not reach under the box).
  std::vector<QWidget*> below;
  for (QWidget* w = parentWidget(); w; w = w->isWindow() ? nullptr : w->parentWidget()) below.push_back(w);
  for (auto it = below.rbegin(); it != below.rend(); ++it) {
    QWidget* w = *it;
    const QRegion there(QRect(mapTo(w, QPoint(0, 0)), size()));
    w->render(&pm, QPoint(), there, w->isWindow() ? QWidget::DrawWindowBackground : QWidget::RenderFlags());
  }
  // The box's own frame and fill, as the style draws them.
  QStyleOptionFrame panel;
  initStyleOption(&panel);
  QPainter p(&pm);
  style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &p, this);
  p.end();
  background_ = pm;
}

}  // namespace zorv
