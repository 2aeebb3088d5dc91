#include "gui/prompts.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QStringList>

#include "gui/language.h"

namespace zorv {

QString messageText(const std::string& text) {
  return messageText(QString::fromUtf8(text.data(), static_cast<int>(text.size())));
}

QString messageText(QString s) {
  s.replace("\r\n", "\n");
  s.replace('\r', '\n');
  return s;
}

// The filter's names in the pilot's language; translations keep the "(*.ext)" Qt reads.
QString qtFilter(const std::string& filter) {
  const QStringList parts = shown(Text(filter)).split('|');
  QStringList out;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    if (parts[i].isEmpty()) break;
    QString name = parts[i];
    const QString pattern = parts[i + 1];
    // Qt reads the patterns from the parentheses of the name.
    if (!name.contains('(')) name += " (" + pattern + ")";
    out << name;
  }
  return out.join(";;");
}

Prompts::Answer QtPrompts::message(const std::string& text, const std::string& caption, Buttons buttons, Icon icon,
                                   bool defaultIsCancel) {
  return tell(Text(text), Text(caption), buttons, icon, defaultIsCancel);
}

Prompts::Answer QtPrompts::tell(const Text& text, const Text& caption, Buttons buttons, Icon icon,
                                bool defaultIsCancel) {
  QMessageBox box(owner_);
  box.setWindowTitle(shown(caption));
  box.setText(messageText(shown(text)));
  switch (icon) {
    case Icon::None: box.setIcon(QMessageBox::NoIcon); break;
    case Icon::Information: box.setIcon(QMessageBox::Information); break;
    case Icon::Warning: box.setIcon(QMessageBox::Warning); break;
    case Icon::Question: box.setIcon(QMessageBox::Question); break;
  }
  switch (buttons) {
    case Buttons::Ok:
      box.setStandardButtons(QMessageBox::Ok);
      break;
    case Buttons::OkCancel:
      box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
      box.setDefaultButton(defaultIsCancel ? QMessageBox::Cancel : QMessageBox::Ok);
      break;
    case Buttons::YesNo:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
      box.setDefaultButton(defaultIsCancel ? QMessageBox::No : QMessageBox::Yes);
      break;
  }
  switch (box.exec()) {
    case QMessageBox::Ok: return Answer::Ok;
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: return Answer::Cancel;
  }
}

std::optional<std::string> QtPrompts::openFile(const std::string& filter, const std::string&) {
  const QString path = QFileDialog::getOpenFileName(owner_, QString(), QString(), qtFilter(filter));
  if (path.isEmpty()) return std::nullopt;
  return path.toStdString();
}

std::optional<std::string> QtPrompts::saveFile(const std::string& proposedName, const std::string& filter,
                                               const std::string& defaultExt) {
  QFileDialog dialog(owner_);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setNameFilter(qtFilter(filter));
  QString ext = QString::fromStdString(defaultExt);
  while (ext.startsWith('.') || ext.startsWith('*')) ext.remove(0, 1);
  dialog.setDefaultSuffix(ext);
  dialog.selectFile(QString::fromStdString(proposedName));
  dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().first().toStdString();
}

}  // namespace zorv
