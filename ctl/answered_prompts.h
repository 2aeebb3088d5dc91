#pragma once
// Message boxes and file dialogs answered from the command line: a question is answered as the
// job says (the command itself is the user's OK), a file dialog with the file the command
// names, and every box shown is kept so that the job can report what the window said.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/prompts.h"

namespace zorv {

class AnsweredPrompts : public Prompts {
 public:
  struct Shown {
    std::string text, caption;
    Buttons buttons;
  };

  Answer message(const std::string& text, const std::string& caption, Buttons buttons, Icon icon,
                 bool defaultIsCancel) override;
  std::optional<std::string> openFile(const std::string& filter, const std::string& defaultExt) override;
  std::optional<std::string> saveFile(const std::string& proposedName, const std::string& filter,
                                      const std::string& defaultExt) override;

  // The answer to OK/Cancel and Yes/No questions: OK (Yes) when set, else Cancel (No).
  bool confirm = false;
  // The answer to the next file dialog, used once; none is Cancel.
  std::optional<std::string> file;

  const std::vector<Shown>& shown() const { return shown_; }
  // Raised for every box, after it was kept.
  std::function<void(const Shown&)> onShown;

 private:
  std::vector<Shown> shown_;
};

// A box's text as lines for a terminal: each "\r" (a line break in the box) becomes "\n",
// and runs of them one blank line at most.
std::string terminalText(const std::string& boxText);

}  // namespace zorv
