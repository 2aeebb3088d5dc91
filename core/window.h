#pragma once
// What the handlers may do with the main window's controls, by control id.
// The Qt window implements it; handlers never see a widget.

#include <cstdint>
#include <string>

#include "core/text.h"

namespace zorv {

class Bindings;

class Window {
 public:
  Window();
  // A copy is the same window in the same state: it keeps the identity and the count of changes
  // reported, but reports to nobody (an assigned window keeps its own recipient).
  Window(const Window& other);
  Window& operator=(const Window& other);
  virtual ~Window() = default;

  // Text of an edit box or button caption, or the visible text of a drop-down list (UTF-8).
  virtual std::string text(int id) const = 0;
  virtual void setText(int id, const std::string& text) = 0;
  // The text a box shows now, read from the box itself past anything the window keeps beside
  // it: what a setting built from the box is held against before it goes out.
  virtual std::string shownText(int id) const { return text(id); }
  // Sets the text as the words it was made of: text() gives back its original wording, the
  // window shows it in the pilot's language. setText(id, t) is showText(id, Text(t)).
  virtual void showText(int id, const Text& words) { setText(id, words.original()); }

  virtual int sliderPos(int id) const = 0;
  virtual void setSliderPos(int id, int pos) = 0;

  // 0 clear, 1 ticked, 2 indeterminate.
  virtual int checkState(int id) const = 0;
  virtual void setCheckState(int id, int state) = 0;

  // -1 when nothing is selected; setting an index outside the list clears the selection.
  virtual int comboIndex(int id) const = 0;
  virtual void setComboIndex(int id, int index) = 0;

  virtual void setEnabled(int id, bool enabled) = 0;
  virtual bool isEnabled(int id) const = 0;

  // Tooltip of a control (the status box carries the reason of a failed open).
  virtual void setToolTip(int id, const std::string& tip) = 0;
  virtual void showToolTip(int id, const Text& tip) { setToolTip(id, tip.original()); }

  // Shows a number box's text in the link colour (a typed value the controller has not
  // received) or in the ordinary colour again. A window without colours ignores it.
  virtual void setTextMarked(int id, bool marked) {
    (void)id;
    (void)marked;
  }

  // The upgrade progress bar (control 1075).
  virtual void setProgressVisible(bool visible) = 0;
  virtual void setProgressRange(int lo, int hi) = 0;
  virtual void setProgressPos(int pos) = 0;
  virtual void setProgressColor(int r, int g, int b) = 0;

  // Where the window reports every change of a control's state (Core gives its bindings; null
  // stops the reports).
  void reportChangesTo(Bindings* bindings) { bindings_ = bindings; }
  // Which window this is (copies share it) and how many changes it has reported so far: the
  // data exchange compares them with what its bindings heard, and reads every control again
  // when they differ (a window or a state put back from copies taken at different moments).
  uint64_t identity() const { return identity_; }
  uint64_t changesReported() const { return reported_; }

  // Hides the window (close with an automation client attached) and ends it with a result.
  virtual void hideWindow() = 0;
  virtual void endWindow(bool accepted) = 0;

 protected:
  // Every window calls this on each change of a bound control's state, whoever made it: the
  // data exchange reads again only the controls reported, so a change not reported would leave
  // a stale value for a handler to send. Report too much rather than too little.
  void controlChanged(int id);

 private:
  Bindings* bindings_ = nullptr;
  uint64_t identity_;
  uint64_t reported_ = 0;
};

}  // namespace zorv
