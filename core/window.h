#pragma once
// What the handlers may do with the main window's controls, by control id.
// The Qt window implements it; handlers never see a widget.

#include <string>
#include <vector>

namespace zorv {

class Window {
 public:
  virtual ~Window() = default;

  // Text of an edit box or button caption, or the visible text of a drop-down list (UTF-8).
  virtual std::string text(int id) const = 0;
  virtual void setText(int id, const std::string& text) = 0;

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

  // The controls whose state changed since the last call, whoever changed them: the program,
  // the user or the window itself. Their ids are added to `ids` (repeats allowed) and true is
  // returned. A window that cannot tell returns false, and then every control counts as changed.
  // The data exchange reads only what changed, so a change a window fails to report here would
  // leave a stale value in the members: report too much rather than too little.
  virtual bool takeChangedControls(std::vector<int>& ids) {
    (void)ids;
    return false;
  }

  // Hides the window (close with an automation client attached) and ends it with a result.
  virtual void hideWindow() = 0;
  virtual void endWindow(bool accepted) = 0;
};

}  // namespace zorv
