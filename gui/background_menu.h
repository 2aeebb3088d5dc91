#pragma once
// The one menu for what the window offers beyond its fixed layout: it opens on the window's
// background with the right button, Shift+F10 or the Menu key, and sends nothing itself. Each
// feature adds its entries with addFeature(); they are built afresh each time the menu opens, so
// their texts, check marks and enabled states are those of that moment. A separator stands
// between two features' entries.

#include <QObject>
#include <QPoint>
#include <QMenu>
#include <QPointer>
#include <functional>
#include <vector>

class QWidget;

namespace zorv {

class BackgroundMenu : public QObject {
 public:
  // The features' places in the menu, top to bottom.
  enum Order { Snapshots = 10, TrafficLog = 20, Language = 30 };

  // Opens on `window`: the right button on its background (a control that has no menu of its own
  // passes the click on), Shift+F10 and the Menu key anywhere in it.
  explicit BackgroundMenu(QWidget* window);

  void addFeature(int order, std::function<void(QMenu& menu)> fill);

  // Builds the menu and opens it at `globalPos`; false when no feature put anything in it.
  bool popup(const QPoint& globalPos);
  // The menu while it is open (for tests), else null.
  QMenu* openMenu() const { return open_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QPoint keyboardPos() const;

  struct Feature {
    int order;
    std::function<void(QMenu&)> fill;
  };
  QWidget* window_;
  std::vector<Feature> features_;
  QPointer<QMenu> open_;
};

}  // namespace zorv
