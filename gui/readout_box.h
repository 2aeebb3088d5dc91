#pragma once
// A read-only number box that the live display rewrites many times a second. It looks exactly
// like any other read-only line edit, but a new value repaints the box alone: what shows around
// its rounded frame (the group box, the window's background) and the frame itself are kept in
// one picture, made again only when the box's size, place, state or colours change, and each
// repaint puts that picture down and draws the text on it.

#include <QLineEdit>
#include <QPixmap>

namespace zorv {

class ReadoutBox : public QLineEdit {
 public:
  explicit ReadoutBox(QWidget* parent = nullptr);

  // How often the picture under the text was made: once, and again after a change of size,
  // place, state or colours, never for a new value.
  int backgroundsMade() const { return backgroundsMade_; }
  // True while the text is drawn over the kept picture: the frame is not drawn a second time.
  bool drawingOverBackground() const { return overBackground_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  struct Look {
    QSize size, parentSize;
    QPoint inWindow;
    int state = 0, lineWidth = 0;
    qint64 palette = 0, parentPalette = 0;
    qreal pixelRatio = 0;
    Qt::LayoutDirection direction = Qt::LeftToRight;
    bool operator==(const Look& o) const;
  };
  void makeBackground(const Look& look);

  bool kept_ = false;           // the style could be wrapped: the picture is used
  bool overBackground_ = false;
  int backgroundsMade_ = 0;
  Look look_;
  QPixmap background_;
};

}  // namespace zorv
