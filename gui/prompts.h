#pragma once
// Message boxes and file dialogs of the real window.

#include <QWidget>

#include "core/prompts.h"

namespace zorv {

class QtPrompts : public Prompts {
 public:
  explicit QtPrompts(QWidget* owner) : owner_(owner) {}
  void setOwner(QWidget* owner) { owner_ = owner; }
  Answer message(const std::string& text, const std::string& caption, Buttons buttons, Icon icon,
                 bool defaultIsCancel) override;
  Answer tell(const Text& text, const Text& caption, Buttons buttons, Icon icon, bool defaultIsCancel) override;
  std::optional<std::string> openFile(const std::string& filter, const std::string& defaultExt) override;
  std::optional<std::string> saveFile(const std::string& proposedName, const std::string& filter,
                                      const std::string& defaultExt) override;

 private:
  QWidget* owner_;
};

// "Name|pattern|Name|pattern||" as a Qt filter: "Name;;Name" (the names carry their patterns).
QString qtFilter(const std::string& filter);
// Each carriage return of a message text is a line break.
QString messageText(const std::string& text);
QString messageText(QString text);

}  // namespace zorv
