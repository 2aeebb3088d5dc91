#pragma once
// Message boxes and file dialogs, so tests can answer them.

#include <optional>
#include <string>

#include "core/text.h"

namespace zorv {

class Prompts {
 public:
  enum class Buttons { Ok, OkCancel, YesNo };
  enum class Icon { None, Information, Warning, Question };
  enum class Answer { Ok, Cancel, Yes, No };

  virtual ~Prompts() = default;

  // Texts are UTF-8; each "\r" in a text is shown as a line break.
  virtual Answer message(const std::string& text, const std::string& caption, Buttons buttons, Icon icon,
                         bool defaultIsCancel = false) = 0;
  // The same box with texts made of marked words: the window shows them in the pilot's
  // language; whoever shows only the original wording gets message().
  virtual Answer tell(const Text& text, const Text& caption, Buttons buttons, Icon icon,
                      bool defaultIsCancel = false) {
    return message(text.original(), caption.original(), buttons, icon, defaultIsCancel);
  }

  // filter uses the "Name|pattern|Name|pattern||" form. Returns the full path, or nothing on Cancel.
  virtual std::optional<std::string> openFile(const std::string& filter, const std::string& defaultExt) = 0;
  virtual std::optional<std::string> saveFile(const std::string& proposedName, const std::string& filter,
                                              const std::string& defaultExt) = 0;
};

}  // namespace zorv
