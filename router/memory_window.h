#pragma once
// The main window without a screen: every control's state kept by id, starting from the layout
// table, raising the same program-change notifications as the Qt window (a changed slider
// position, a changed box text), and the few things a user does with it. zorvctl drives the
// window's handlers through it, so a job done from a script takes the very road of a click.
// Every change of a control's state goes through the store functions below, which report it to
// the data exchange.

#include <functional>
#include <string>

#include "core/window.h"
#include "router/id_map.h"

namespace zorv {

class Router;

class MemoryWindow : public Window {
 public:
  MemoryWindow();
  Router* router = nullptr;  // receives the notifications

  std::string text(int id) const override;
  void setText(int id, const std::string& text) override;
  int sliderPos(int id) const override;
  void setSliderPos(int id, int pos) override;
  int checkState(int id) const override;
  void setCheckState(int id, int state) override;
  int comboIndex(int id) const override;
  void setComboIndex(int id, int index) override;
  void setEnabled(int id, bool enabled) override;
  bool isEnabled(int id) const override;
  void setToolTip(int id, const std::string& tip) override { toolTips_[id] = tip; }
  void setProgressVisible(bool visible) override;
  void setProgressRange(int lo, int hi) override;
  void setProgressPos(int pos) override;
  void setProgressColor(int, int, int) override {}
  void hideWindow() override {}
  void endWindow(bool) override {}

  std::string toolTip(int id) const;
  bool progressVisible() const { return progressVisible_; }
  int progressLo() const { return progressLo_; }
  int progressHi() const { return progressHi_; }
  int progressPos() const { return progressPos_; }
  // Raised whenever the progress bar changes.
  std::function<void()> onProgress;

  // What a user does. Each returns false, doing nothing, when the control is disabled: the
  // window would not let the user touch it either.
  bool userSetSlider(int sliderId, int pos);  // drag to pos, then release
  bool userType(int editId, const std::string& text);
  bool userSelect(int comboId, int index);    // a choice in a drop-down list
  bool userClick(int checkId);                // toggles the box, then the click notification
  bool userPress(int buttonId);

 protected:
  // The user's actions themselves, whether the control is enabled or not.
  void releaseSlider(int sliderId);
  void chooseItem(int comboId, int index);
  void toggleCheck(int checkId);

  // Change a control's state and report it, without a handler's notification. storeText and
  // storeSlider return whether anything changed.
  bool storeText(int id, const std::string& text);
  bool storeSlider(int id, int pos);
  void storeCheck(int id, int state);
  void storeCombo(int id, int index);

  // Each control's state by id; flat, so the data exchange's look-ups and a copy of the whole
  // window stay cheap. Read only: changes go through the store functions.
  const IdMap<std::string>& texts() const { return texts_; }
  const IdMap<int>& sliders() const { return sliders_; }
  const IdMap<int>& checks() const { return checks_; }
  const IdMap<int>& combos() const { return combos_; }
  const IdMap<bool>& enabled() const { return enabled_; }

 private:
  IdMap<std::string> texts_;
  IdMap<int> sliders_, checks_, combos_;
  IdMap<bool> enabled_;
  IdMap<std::string> toolTips_;
  bool progressVisible_ = false;
  int progressLo_ = 0, progressHi_ = 100, progressPos_ = 0;
};

}  // namespace zorv
