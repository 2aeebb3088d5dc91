#pragma once
// "Traffic log…": a window on the port's traffic log, live. It follows the end unless the pilot
// scrolled up, shows only the lines holding the filter's text, stops taking new lines while
// "Pause" is down, and saves or copies what the log holds. It reads the log and sends nothing.

#include <QDialog>
#include <QPointer>
#include <cstdint>

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTimer;

namespace zorv {

class CZorvDlg;
class TrafficLog;

class TrafficWindow : public QDialog {
 public:
  // How often it looks for new lines.
  static constexpr int kRefreshMs = 200;

  TrafficWindow(const TrafficLog& log, QWidget* parent = nullptr);

  // Takes the lines recorded since the last look (the timer calls it; tests too).
  void refresh();
  // The lines shown.
  QString shownText() const;
  QLineEdit* filterBox() const { return filter_; }
  QPushButton* pauseButton() const { return pause_; }
  // Writes every line the log holds to `path`; false with *error set when it cannot.
  bool saveTo(const QString& path, QString* error) const;
  // Puts the lines shown (the selection, when there is one) on the clipboard.
  void copy() const;

 private:
  void rebuild();
  bool accepted(const QString& line) const;
  void save();

  const TrafficLog& log_;
  uint64_t next_ = 0;
  QPlainTextEdit* view_;
  QLineEdit* filter_;
  QPushButton* pause_;
  QTimer* timer_;
};

// Adds "Traffic log…" to the window's background menu; it opens (or raises) one TrafficWindow.
void offerTrafficLog(CZorvDlg& window, const TrafficLog& log);

}  // namespace zorv
