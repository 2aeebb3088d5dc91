#pragma once
// Holds the repaints of one window to a frame rate while an exchange with the controller runs.
// What the widgets hold changes at once; only their painting waits: Qt asks a window to repaint
// with one update request for all its dirty regions and asks again only once that request has
// been handled, so a held request gathers every change until the next frame paints them all.

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <functional>

class QWidget;

namespace zorv {

class PaintPacer : public QObject {
 public:
  // Numbers that change 20 times a second read as smoothly as at 30 (nobody reads them faster),
  // for a third less painting while the live display streams.
  static constexpr int kFramesPerSecond = 20;
  // The first frame of an exchange comes this long after its start: a read-back (about 45 ms on
  // the line) is over before then and paints once, at its end, instead of stopping halfway to
  // paint a window whose every control is changing. Within a tenth of a second a change still
  // looks immediate.
  static constexpr int kFirstFrameMs = 100;

  // The window must outlive the pacer.
  explicit PaintPacer(QWidget* window, int framesPerSecond = kFramesPerSecond);
  ~PaintPacer() override;

  // An exchange runs: the window's repaints are held to the frame rate. When it ends, whatever
  // is held is painted at once: put on the widgets now, painted on the event loop's next turn.
  void setPaced(bool paced);
  bool paced() const { return paced_; }

  // Something changed that is only put on the widgets at the next frame (see beforeFrame): a
  // frame is due even if Qt has asked for none. Unpaced, beforeFrame runs at once.
  void requestFrame();
  bool framePending() const { return pending_; }

  // Runs right before each held frame paints (and when the pacing ends): the place to put
  // deferred values on their widgets.
  std::function<void()> beforeFrame;

  int framesHeld() const { return held_; }      // update requests held back
  int framesPainted() const { return painted_; }  // held frames painted

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void hold();
  void paintFrame();

  QWidget* window_;
  int intervalMs_;
  QTimer timer_;
  QElapsedTimer sinceFrame_;
  bool paced_ = false, pending_ = false, sending_ = false, firstFrame_ = false;
  int held_ = 0, painted_ = 0;
};

}  // namespace zorv
