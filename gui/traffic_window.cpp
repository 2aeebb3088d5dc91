#include "gui/traffic_window.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>
#include <memory>
#include <string>

#include "core/text.h"
#include "gui/background_menu.h"
#include "gui/language.h"
#include "gui/zorv_dlg.h"
#include "serial/traffic_log.h"

namespace zorv {

namespace {
// The traffic window's words in the pilot's language (gui/language.h).
QString tw(const char* source) { return shown("Traffic", source); }
// Lines taken per look: a burst past this is taken at the next looks.
constexpr size_t kLinesPerLook = 5000;
}  // namespace

TrafficWindow::TrafficWindow(const TrafficLog& log, QWidget* parent) : QDialog(parent), log_(log) {
  setWindowTitle(tw(ZORV_NOOP("Traffic", "Traffic log")));
  resize(760, 480);
  auto* layout = new QVBoxLayout(this);
  auto* bar = new QHBoxLayout;
  filter_ = new QLineEdit(this);
  filter_->setPlaceholderText(tw(ZORV_NOOP("Traffic", "Show only lines holding…")));
  filter_->setClearButtonEnabled(true);
  pause_ = new QPushButton(tw(ZORV_NOOP("Traffic", "Pause")), this);
  pause_->setCheckable(true);
  auto* save = new QPushButton(tw(ZORV_NOOP("Traffic", "Save…")), this);
  auto* copyButton = new QPushButton(tw(ZORV_NOOP("Traffic", "Copy")), this);
  for (QPushButton* b : {pause_, save, copyButton}) b->setAutoDefault(false);
  bar->addWidget(filter_, 1);
  bar->addWidget(pause_);
  bar->addWidget(save);
  bar->addWidget(copyButton);
  layout->addLayout(bar);
  view_ = new QPlainTextEdit(this);
  view_->setReadOnly(true);
  view_->setLineWrapMode(QPlainTextEdit::NoWrap);
  view_->setMaximumBlockCount(static_cast<int>(TrafficLog::kMaxChunks));
  QFont mono(QStringLiteral("monospace"));
  mono.setStyleHint(QFont::TypeWriter);
  view_->setFont(mono);
  layout->addWidget(view_, 1);

  connect(filter_, &QLineEdit::textChanged, this, [this] { rebuild(); });
  connect(pause_, &QPushButton::toggled, this, [this](bool paused) {
    if (!paused) refresh();
  });
  connect(save, &QPushButton::clicked, this, [this] { this->save(); });
  connect(copyButton, &QPushButton::clicked, this, [this] { copy(); });
  timer_ = new QTimer(this);
  connect(timer_, &QTimer::timeout, this, [this] { refresh(); });
  timer_->start(kRefreshMs);
  rebuild();
}

bool TrafficWindow::accepted(const QString& line) const {
  const QString f = filter_->text();
  return f.isEmpty() || line.contains(f, Qt::CaseInsensitive);
}

void TrafficWindow::rebuild() {
  view_->clear();
  next_ = log_.firstSequence();
  refresh();
  view_->verticalScrollBar()->setValue(view_->verticalScrollBar()->maximum());
}

void TrafficWindow::refresh() {
  if (pause_->isChecked() || log_.endSequence() == next_) return;
  std::string text;
  next_ = log_.readLines(next_, kLinesPerLook, text);
  QScrollBar* bar = view_->verticalScrollBar();
  const bool atEnd = bar->value() >= bar->maximum();
  const int kept = bar->value();
  for (const QString& line : QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).split('\n')) {
    if (!line.isEmpty() && accepted(line)) view_->appendPlainText(line);
  }
  // Follows the end unless the pilot scrolled up to read.
  bar->setValue(atEnd ? bar->maximum() : kept);
}

QString TrafficWindow::shownText() const { return view_->toPlainText(); }

bool TrafficWindow::saveTo(const QString& path, QString* error) const {
  QFile file(path);
  const std::string text = log_.text();
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
      file.write(text.data(), static_cast<qint64>(text.size())) != static_cast<qint64>(text.size()) ||
      !file.flush()) {
    if (error) *error = file.errorString();
    return false;
  }
  return true;
}

void TrafficWindow::save() {
  const QString path = QFileDialog::getSaveFileName(this, tw(ZORV_NOOP("Traffic", "Save the traffic log")),
                                                    QStringLiteral("zorv-traffic.txt"),
                                                    tw(ZORV_NOOP("Traffic", "Text files (*.txt);;All files (*)")));
  if (path.isEmpty()) return;
  QString error;
  if (!saveTo(path, &error)) {
    QMessageBox::warning(this, tw(ZORV_NOOP("Traffic", "Traffic log")),
                         tw(ZORV_NOOP("Traffic", "The traffic log could not be saved to %1: %2\n\nPick a folder "
                                                 "you can write to, or copy the log and paste it elsewhere."))
                             .arg(path, error));
  }
}

void TrafficWindow::copy() const {
  const QString selected = view_->textCursor().selectedText();
  // A selection spans lines with U+2029; the clipboard gets plain line ends.
  QApplication::clipboard()->setText(selected.isEmpty() ? shownText() : QString(selected).replace(QChar(0x2029), '\n'));
}

void offerTrafficLog(CZorvDlg& window, const TrafficLog& log) {
  auto shown = std::make_shared<QPointer<TrafficWindow>>();
  window.backgroundMenu().addFeature(BackgroundMenu::TrafficLog, [&window, &log, shown](QMenu& menu) {
    menu.addAction(tw(ZORV_NOOP("Traffic", "Traffic log…")), &window, [&window, &log, shown] {
      if (!*shown) {
        *shown = new TrafficWindow(log, &window);
        (*shown)->setAttribute(Qt::WA_DeleteOnClose);
      }
      (*shown)->show();
      (*shown)->raise();
      (*shown)->activateWindow();
    });
  });
}

}  // namespace zorv
