// The Window side of the main window: what the handlers read and set by control id, every bound
// control reporting its changes to the data exchange. A widget's own change signal reports a
// change whoever made it; the setters here report theirs too, so a control the program sets is
// never missed even while its signals are blocked.

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <stdexcept>

#include "gui/language.h"
#include "gui/paint_pacer.h"
#include "gui/zorv_dlg.h"

namespace zorv {

void CZorvDlg::bindControl(int id, QWidget* widget, bool readout) {
  Entry* e = entry(id);
  if (!e) throw std::logic_error("control " + std::to_string(id) + " lies outside the window's ids");
  e->widget = widget;
  e->kind = bindWidget(id, widget, this, [this, id] { changedControl(id); });
  e->bound = true;
  e->readout = readout;
}

void CZorvDlg::changedControl(int id) {
  Entry* e = entry(id);
  e->textValid = false;
  // Someone else set the box meanwhile (a test, an accessibility client): its text wins over
  // the one still waiting for a frame.
  if (!showingReadouts_) e->unshown = false;
  controlChanged(id);
}

const std::string& CZorvDlg::cachedText(const Entry& e) const {
  if (!e.textValid) {
    if (e.kind == BoundKind::Edit) {
      // Words the box shows as the window put them there read back in their original wording.
      const QString shownNow = static_cast<QLineEdit*>(e.widget)->text();
      e.text = e.translated && shownNow == e.wordsShown ? e.words.original() : shownNow.toStdString();
    } else {
      // A list item keeps its original wording beside what it shows (the port list shows its own);
      // an item renamed since (a test, an accessibility client) reads as it is shown.
      auto* box = static_cast<QComboBox*>(e.widget);
      const QString original = box->currentData().toString();
      const QByteArray source = original.toUtf8();
      e.text = !original.isEmpty() && box->currentText() == shown("Window", source.constData())
                   ? source.toStdString()
                   : box->currentText().toStdString();
    }
    e.textValid = true;
  }
  return e.text;
}

std::string CZorvDlg::text(int id) const {
  if (const Entry* e = entry(id); e && e->bound && (e->kind == BoundKind::Edit || e->kind == BoundKind::Combo))
    return cachedText(*e);
  if (auto it = captions_.find(id); it != captions_.end()) return it->second.original();
  if (const ControlRow* c = findControl(id); c && c->caption && *c->caption) return c->caption;
  QWidget* w = widgets_.value(id);
  if (auto* b = qobject_cast<QAbstractButton*>(w)) return b->text().toStdString();
  if (auto* l = qobject_cast<QLabel*>(w)) return l->text().toStdString();
  return {};
}

std::string CZorvDlg::shownText(int id) const {
  const Entry* e = boundEntry(id, BoundKind::Edit);
  // A read-out's newest value waits for the next frame: that is what the window shows.
  if (!e || e->unshown || e->translated) return text(id);
  return static_cast<QLineEdit*>(e->widget)->text().toStdString();
}

void CZorvDlg::setText(int id, const std::string& t) {
  Entry* e = boundEntry(id, BoundKind::Edit);
  if (e && !e->translated) {
    if (cachedText(*e) == t) return;
    if (e->readout && pacer_ && pacer_->paced()) {
      // The value is the window's at once; the box shows it at the next frame.
      e->text = t;
      controlChanged(id);
      if (!e->unshown) {
        e->unshown = true;
        unshown_.push_back(id);
      }
      pacer_->requestFrame();
      return;
    }
    auto* box = static_cast<QLineEdit*>(e->widget);
    box->setText(QString::fromStdString(t));
    if (box->isReadOnly()) box->setCursorPosition(0);  // a long path or hint shows from its start
    changedControl(id);
    return;
  }
  showText(id, Text(t));
}

void CZorvDlg::showText(int id, const Text& words) {
  const QString s = shown(words);
  if (Entry* e = boundEntry(id, BoundKind::Edit)) {
    if (!e->translated) {
      setText(id, words.original());
      return;
    }
    auto* box = static_cast<QLineEdit*>(e->widget);
    const bool same = box->text() == s && e->words.original() == words.original();
    e->words = words;
    e->wordsShown = s;
    if (same) return;
    box->setText(s);
    box->setCursorPosition(0);  // a long path or hint shows from its start
    changedControl(id);
    return;
  }
  QWidget* w = widgets_.value(id);
  if (auto* b = qobject_cast<QAbstractButton*>(w)) {
    captions_[id] = words;
    b->setText(s);
  } else if (auto* l = qobject_cast<QLabel*>(w)) {
    captions_[id] = words;
    l->setText(s);
  }
}

int CZorvDlg::sliderPos(int id) const {
  const Entry* e = boundEntry(id, BoundKind::Slider);
  return e ? static_cast<QSlider*>(e->widget)->value() : 0;
}

void CZorvDlg::setSliderPos(int id, int pos) {
  const Entry* e = boundEntry(id, BoundKind::Slider);
  if (!e) return;
  auto* slider = static_cast<QSlider*>(e->widget);
  if (slider->value() == pos) return;
  slider->setValue(pos);
  controlChanged(id);
}

int CZorvDlg::checkState(int id) const {
  const Entry* e = boundEntry(id, BoundKind::Check);
  if (!e) return 0;
  switch (static_cast<QCheckBox*>(e->widget)->checkState()) {
    case Qt::Checked: return 1;
    case Qt::PartiallyChecked: return 2;
    default: return 0;
  }
}

void CZorvDlg::setCheckState(int id, int state) {
  const Entry* e = boundEntry(id, BoundKind::Check);
  if (!e) return;
  auto* c = static_cast<QCheckBox*>(e->widget);
  const Qt::CheckState wanted = state == 1 ? Qt::Checked : state == 2 ? Qt::PartiallyChecked : Qt::Unchecked;
  // A box repaints on every set, changed or not; the data exchange sets all 96 of them.
  if (c->checkState() == wanted) return;
  c->setCheckState(wanted);
  controlChanged(id);
}

int CZorvDlg::comboIndex(int id) const {
  const Entry* e = boundEntry(id, BoundKind::Combo);
  return e ? static_cast<QComboBox*>(e->widget)->currentIndex() : -1;
}

void CZorvDlg::setComboIndex(int id, int index) {
  Entry* e = boundEntry(id, BoundKind::Combo);
  if (!e) return;
  auto* c = static_cast<QComboBox*>(e->widget);
  const int wanted = index >= 0 && index < c->count() ? index : -1;
  if (c->currentIndex() == wanted) return;
  c->setCurrentIndex(wanted);
  changedControl(id);
}

void CZorvDlg::setEnabled(int id, bool enabled) {
  const Entry* e = entry(id);
  if (QWidget* w = e && e->widget ? e->widget : widgets_.value(id)) w->setEnabled(enabled);
}

bool CZorvDlg::isEnabled(int id) const {
  const Entry* e = entry(id);
  QWidget* w = e && e->widget ? e->widget : widgets_.value(id);
  return w && w->isEnabled();
}

void CZorvDlg::setToolTip(int id, const std::string& tip) { showToolTip(id, Text(tip)); }

void CZorvDlg::showToolTip(int id, const Text& tip) {
  QWidget* w = widgets_.value(id);
  if (!w) return;
  if (tip.empty()) {
    toolTips_.erase(id);
  } else {
    toolTips_[id] = tip;
  }
  w->setToolTip(shown(tip));
}

void CZorvDlg::setTextMarked(int id, bool marked) {
  auto* box = qobject_cast<QLineEdit*>(widgets_.value(id));
  if (!box) return;
  QPalette own;  // nothing set: the box looks like every other
  if (marked) own.setColor(QPalette::Text, box->palette().color(QPalette::Link));
  box->setPalette(own);
}

}  // namespace zorv
