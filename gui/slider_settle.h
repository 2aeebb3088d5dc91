#pragma once
// Keyboard and wheel steps of a slider, and clicks on its groove, have no release of their own:
// a burst of steps ends in one release once the slider has settled (the settle time after the
// last step), a groove click in one on the mouse release. A drag ends in the slider's own
// release, which is not this class's business.

#include <QHash>
#include <QObject>
#include <functional>

class QSlider;
class QTimer;

namespace zorv {

class SliderSettle : public QObject {
 public:
  // `released(id)` is called where the slider's own release would be.
  SliderSettle(QObject* parent, int settleMs, std::function<void(int id)> released);
  void watch(int id, QSlider* slider);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Watched {
    int id = 0;
    bool pagePressed = false;  // a groove click waits for the mouse release
  };
  int settleMs_;
  std::function<void(int id)> released_;
  QHash<QObject*, Watched> sliders_;
};

}  // namespace zorv
