#pragma once
// Message boxes and file dialogs answered from the command line: a question is answered as the
// job says (the command itself is the user's OK), a file dialog with the file the command names.
// What a box says is not read: how the exchange ended comes from the router's results.

#include <optional>
#include <string>

#include "core/prompts.h"

namespace zorv {

class AnsweredPrompts : public Prompts {
 public:
  Answer message(const std::string& text, const std::string& caption, Buttons buttons, Icon icon,
                 bool defaultIsCancel) override;
  std::optional<std::string> openFile(const std::string& filter, const std::string& defaultExt) override;
  std::optional<std::string> saveFile(const std::string& proposedName, const std::string& filter,
                                      const std::string& defaultExt) override;

  // The answer to OK/Cancel and Yes/No questions: OK (Yes) when set, else Cancel (No).
  bool confirm = false;
  // The answer to the next file dialog, used once; none is Cancel.
  std::optional<std::string> file;
};

// A text of the window's as lines for a terminal: each "\r" (a line break in the box) becomes "\n",
// and runs of them one blank line at most.
std::string terminalText(const std::string& boxText);

}  // namespace zorv
