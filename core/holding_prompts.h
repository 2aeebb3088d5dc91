#pragma once
// The prompts every handler uses: each message box and file dialog is passed on to the window's
// own prompts, and while it waits for the pilot the no-answer watchdog holds its limit.

#include <optional>
#include <string>

#include "core/prompts.h"
#include "core/watchdog.h"

namespace zorv {

class HoldingPrompts : public Prompts {
 public:
  HoldingPrompts(Prompts& shown, Watchdog* watchdog) : shown_(shown), watchdog_(watchdog) {}
  void setWatchdog(Watchdog* watchdog) { watchdog_ = watchdog; }

  Answer message(const std::string& text, const std::string& caption, Buttons buttons, Icon icon,
                 bool defaultIsCancel = false) override {
    Hold h(watchdog_);
    return shown_.message(text, caption, buttons, icon, defaultIsCancel);
  }
  Answer tell(const Text& text, const Text& caption, Buttons buttons, Icon icon,
              bool defaultIsCancel = false) override {
    Hold h(watchdog_);
    return shown_.tell(text, caption, buttons, icon, defaultIsCancel);
  }
  std::optional<std::string> openFile(const std::string& filter, const std::string& defaultExt) override {
    Hold h(watchdog_);
    return shown_.openFile(filter, defaultExt);
  }
  std::optional<std::string> saveFile(const std::string& proposedName, const std::string& filter,
                                      const std::string& defaultExt) override {
    Hold h(watchdog_);
    return shown_.saveFile(proposedName, filter, defaultExt);
  }

 private:
  struct Hold {
    explicit Hold(Watchdog* w) : w_(w) {
      if (w_) w_->hold();
    }
    ~Hold() {
      if (w_) w_->release();
    }
    Hold(const Hold&) = delete;
    Hold& operator=(const Hold&) = delete;
    Watchdog* w_;
  };
  Prompts& shown_;
  Watchdog* watchdog_;
};

}  // namespace zorv
