#pragma once
// Test doubles for the window and the prompts. FakeWindow raises the same program-change
// notifications the Qt window does (a changed slider position, a changed box text), so handler
// tests see the same chains of notifications as the real window.

#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "app/router.h"
#include "core/prompts.h"
#include "core/window.h"
#include "tests/support/id_map.h"

namespace zorv::test {

class FakeWindow : public Window {
 public:
  FakeWindow();
  Router* core = nullptr;  // receives the notifications

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
  void setToolTip(int id, const std::string& tip) override { toolTips[id] = tip; }
  void setProgressVisible(bool v) override { progressVisible = v; }
  void setProgressRange(int lo, int hi) override { progressLo = lo, progressHi = hi; }
  void setProgressPos(int pos) override { progressPos = pos; }
  void setProgressColor(int r, int g, int b) override { progressColor = {r, g, b}; }
  void hideWindow() override { hidden = true; }
  void endWindow(bool accepted) override { ended = accepted ? 1 : 0; }

  // What a user does.
  void userDrag(int sliderId, int pos);      // moves the slider, no release
  void userRelease(int sliderId);
  void userSetSlider(int sliderId, int pos);  // drag and release
  void userType(int editId, const std::string& text);
  void userSelect(int comboId, int index);
  void userClick(int checkId);               // toggles the box, then the click notification
  void userPress(int buttonId);              // only when enabled

  // By control id; flat, so a data exchange and a copy of the whole window stay cheap.
  IdMap<std::string> texts;
  IdMap<int> sliders, checks, combos;
  IdMap<bool> enabled;
  IdMap<std::string> toolTips;
  bool progressVisible = false;
  int progressLo = 0, progressHi = 100, progressPos = 0;
  std::vector<int> progressColor;
  bool hidden = false;
  int ended = -1;  // -1 running, 0 cancelled, 1 accepted
};

// Answers message boxes and file dialogs from scripted queues; records every message.
class ScriptedPrompts : public Prompts {
 public:
  struct Shown {
    std::string text, caption;
    Buttons buttons;
    Icon icon = Icon::None;
  };
  Answer message(const std::string& text, const std::string& caption, Buttons buttons, Icon icon,
                 bool defaultIsCancel) override;
  std::optional<std::string> openFile(const std::string& filter, const std::string& defaultExt) override;
  std::optional<std::string> saveFile(const std::string& proposedName, const std::string& filter,
                                      const std::string& defaultExt) override;

  std::deque<Answer> answers;                    // default: Ok for OK boxes, Yes for Yes/No
  std::deque<std::optional<std::string>> files;  // default: cancel
  std::vector<Shown> shown;
  std::vector<std::string> fileFilters;
  bool sawMessage(const std::string& text) const;
};

}  // namespace zorv::test
