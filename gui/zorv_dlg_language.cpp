// The window in the pilot's language: every text it shows relabelled in place. Nothing here
// reaches the handlers: captions, list items and boxes keep their original wording for them
// (see text()), values and selections stay, and no byte goes to the controller.

#include <QActionGroup>
#include <QComboBox>
#include <QMenu>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QCheckBox>
#include <QRegularExpression>
#include <QSignalBlocker>

#include "core/control_ids.h"
#include "gui/background_menu.h"
#include "gui/language.h"
#include "gui/live_window.h"
#include "gui/zorv_dlg.h"

namespace zorv {

void CZorvDlg::addLanguageMenu() {
  menu_->addFeature(BackgroundMenu::Language, [this](QMenu& menu) {
    // Named in the window's language and in English, so a pilot lost in a language finds it.
    QMenu* choices = menu.addMenu(shown("Menu", ZORV_NOOP("Menu", "Language")));
    choices->setObjectName("language");
    auto* group = new QActionGroup(choices);
    for (const LanguageInfo& l : languages()) {
      QAction* a = choices->addAction(l.language == Language::Original ? shown("Menu", l.name) : QString::fromUtf8(l.name));
      a->setObjectName(QString("language-") + l.key);
      a->setCheckable(true);
      a->setChecked(l.language == currentLanguage());
      group->addAction(a);
      connect(a, &QAction::triggered, this, [this, language = l.language] {
        if (language == currentLanguage() || !setLanguage(language)) return;
        retranslate();
        rememberLanguage(language);
      });
    }
  });
}

void CZorvDlg::retranslate() {
  setWindowTitle(shown("Window", kWindowTitle));
  for (const auto& [frame, panel] : frames_) static_cast<QGroupBox*>(frame)->setTitle(shown("Window", panel->caption));
  for (const auto& [w, c] : rows_) {
    const QString caption = shown(c->context, c->caption);
    switch (c->kind) {
      case ControlKind::LabelButton:
      case ControlKind::Button:
      case ControlKind::Check:
      case ControlKind::Label: {
        auto it = captions_.find(c->id);
        const QString words = c->id != 0 && it != captions_.end() ? shown(it->second) : caption;
        if (auto* b = qobject_cast<QAbstractButton*>(w)) b->setText(words);
        if (auto* l = qobject_cast<QLabel*>(w)) l->setText(words);
        break;
      }
      case ControlKind::Scale: {
        const QStringList marks = caption.contains('|') ? caption.split('|')
                                                        : caption.split(QRegularExpression("\\s+"), Qt::SkipEmptyParts);
        const QList<QLabel*> labels = w->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly);
        for (int i = 0; i < labels.size() && i < marks.size(); ++i) labels[i]->setText(marks[i]);
        w->setAccessibleName(caption);
        break;
      }
      case ControlKind::Progress:
        static_cast<QProgressBar*>(w)->setFormat(caption + " %p%");
        break;
      case ControlKind::Combo: {
        if (c->id == ids::kPortList) break;  // device names, the system's own
        // Item by item: the selection, and "none", stay as they are.
        // Quietly: no handler hears of a change that changes nothing for it.
        auto* box = static_cast<QComboBox*>(w);
        {
          const QSignalBlocker hush(box);
          for (int i = 0; i < box->count(); ++i)
            box->setItemText(i, shown("Window", box->itemData(i).toString().toUtf8().constData()));
        }
        changedControl(c->id);
        break;
      }
      case ControlKind::Edit:
      case ControlKind::ReadOnlyEdit: {
        Entry* e = entry(c->id);
        if (!e || !e->translated) break;
        auto* box = static_cast<QLineEdit*>(w);
        const QString words = shown(e->words);
        if (box->text() == e->wordsShown && words != e->wordsShown) {
          e->wordsShown = words;
          const QSignalBlocker hush(box);
          box->setText(words);
          box->setCursorPosition(0);
          changedControl(c->id);
        }
        break;
      }
      case ControlKind::Slider:
        break;
    }
  }
  for (const auto& [id, tip] : toolTips_)
    if (QWidget* w = widgets_.value(id)) w->setToolTip(shown(tip));
  buildNames();
  if (portLabelSource_) setPortLabels(portLabelSource_());  // the demo's entry has words of its own
  if (live_) live_->retranslate();
  // Longer words widen their controls: the window grows with them (within the screen it was
  // fitted to) rather than showing scroll bars it did not need before.
  const QSize want = sizeHint();
  if (want.width() > width() || want.height() > height()) {
    if (fittedTo_.isEmpty()) {
      resize(size().expandedTo(want));
    } else {
      fitToScreen(fittedTo_);
    }
  }
}

}  // namespace zorv
