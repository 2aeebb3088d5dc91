#pragma once
// Test doubles for the window and the prompts. FakeWindow is the in-memory window zorvctl drives,
// so handler tests see the same chains of notifications as the real window, plus what a test
// wants to look at: the progress colour, a hidden or ended window, a drag held before release.

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/prompts.h"
#include "router/memory_window.h"
#include "router/router.h"

namespace zorv::test {

class FakeWindow : public MemoryWindow {
 public:
  void setProgressColor(int r, int g, int b) override { progressColor = {r, g, b}; }
  void hideWindow() override { hidden = true; }
  void endWindow(bool accepted) override { ended = accepted ? 1 : 0; }
  void setTextMarked(int id, bool marked) override { this->marked[id] = marked; }

  // What a user does. Unlike zorvctl's, these reach disabled controls too, so a test can drive a
  // handler in any state; only a button press still needs the button enabled.
  void userDrag(int sliderId, int pos) { setSliderPos(sliderId, pos); }  // no release
  void userRelease(int sliderId) { releaseSlider(sliderId); }
  void userSetSlider(int sliderId, int pos) {
    userDrag(sliderId, pos);
    userRelease(sliderId);
  }
  void userType(int editId, const std::string& text) { setText(editId, text); }
  void userSelect(int comboId, int index) { chooseItem(comboId, index); }
  void userClick(int checkId) { toggleCheck(checkId); }  // toggles the box, then the click notification

  // Tests read the controls' state directly, and change it behind the handlers' backs (no
  // notification; the data exchange still hears of it, as from the Qt window's widgets).
  using MemoryWindow::checks;
  using MemoryWindow::combos;
  using MemoryWindow::enabled;
  using MemoryWindow::sliders;
  using MemoryWindow::texts;
  void putText(int id, const std::string& text) { storeText(id, text); }
  void putSlider(int id, int pos) { storeSlider(id, pos); }
  void putCheck(int id, int state) { storeCheck(id, state); }
  void putCombo(int id, int index) { storeCombo(id, index); }
  // A change the window fails to report, as a widget with its signals blocked would make it: the
  // box shows `text` from now on and nobody hears of it. Only the guard on what is sent (and the
  // test program's full check, which a test using this turns off) can notice.
  void showUnreported(int id, const std::string& text) { unreported_[id] = text; }
  std::string text(int id) const override {
    if (auto it = unreported_.find(id); it != unreported_.end()) return it->second;
    return MemoryWindow::text(id);
  }
  std::vector<int> progressColor;
  bool hidden = false;
  int ended = -1;  // -1 running, 0 cancelled, 1 accepted
  std::map<int, bool> marked;  // number boxes shown in the link colour

 private:
  std::map<int, std::string> unreported_;
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

  std::deque<Answer> answers;                    // then: Ok for OK boxes, and `agree` for the others
  bool agree = true;                             // Ok or Yes when set, else Cancel or No
  std::deque<std::optional<std::string>> files;  // then: `fileFor`, or cancel
  // The answer to a file dialog when `files` is empty: told the filter and whether it saves.
  std::function<std::optional<std::string>(const std::string& filter, bool save)> fileFor;
  // Runs while each box or dialog is open, before it is answered: the pilot takes his time.
  std::function<void()> whileOpen;
  std::vector<Shown> shown;
  std::vector<std::string> fileFilters;
  bool sawMessage(const std::string& text) const;

 private:
  // Either file dialog: records its filter and takes the next scripted file.
  std::optional<std::string> nextFile(const std::string& filter, bool save);
};

}  // namespace zorv::test
