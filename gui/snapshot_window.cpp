#include "gui/snapshot_window.h"

#include <QDesktopServices>
#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>
#include <filesystem>

#include "core/control_ids.h"
#include "core/link_mode.h"
#include "files/settings_compare.h"
#include "files/snapshot_keeper.h"
#include "files/snapshot_texts.h"
#include "gui/background_menu.h"
#include "gui/language.h"
#include "gui/zorv_dlg.h"

namespace zorv {

namespace {

// Words in the pilot's language (gui/language.h): the snapshot texts are marked as messages.
QString q(const std::string& s) { return shown(Text(s)); }
QString q(const Text& words) { return shown(words); }
Text m(const char* source) { return Marked{"Messages", source}; }

constexpr char kCompareFilter[] = "file self_saved_(*.txt)|*.txt|All file(*.*)|*.*||";

Text differWords(const SnapshotContent& c, const SnapshotKeeper& keeper) {
  if (!c.ok) return m(snapshot_text::kCannotBeRead).arg(c.refusal);
  if (!keeper.controller()) return {};
  const size_t n = compareSettings(keeper.controller()->values, c.values).size();
  if (n == 0) return m(snapshot_text::kNoDifference);
  if (n == 1) return m(snapshot_text::kOneDifference);
  return m(snapshot_text::kDifferences).arg(std::to_string(n));
}

QString differenceLines(const std::vector<SettingDifference>& d) {
  QString out;
  for (const SettingDifference& x : d) out += shown(differenceWords(x)) + "\n";
  return out;
}

}  // namespace

SnapshotWindow::SnapshotWindow(CZorvDlg& dlg, SnapshotKeeper& keeper)
    : QDialog(&dlg), dlg_(dlg), keeper_(keeper) {
  setWindowTitle(q(snapshot_text::kWindowTitle));
  setAttribute(Qt::WA_DeleteOnClose);
  auto* layout = new QVBoxLayout(this);
  list_ = new QTreeWidget(this);
  list_->setRootIsDecorated(false);
  list_->setHeaderLabels({q(snapshot_text::kColumnTime), q(snapshot_text::kColumnReason),
                          q(snapshot_text::kColumnKind), q(snapshot_text::kColumnDiffer)});
  list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  layout->addWidget(list_, 3);
  details_ = new QPlainTextEdit(this);
  details_->setReadOnly(true);
  layout->addWidget(details_, 2);
  auto* buttons = new QHBoxLayout;
  send_ = new QPushButton(q(snapshot_text::kSendButton), this);
  openFolder_ = new QPushButton(q(snapshot_text::kOpenFolderButton), this);
  auto* close = new QPushButton(q(snapshot_text::kCloseButton), this);
  buttons->addWidget(send_);
  buttons->addWidget(openFolder_);
  buttons->addStretch();
  buttons->addWidget(close);
  layout->addLayout(buttons);
  resize(620, 420);

  connect(list_, &QTreeWidget::itemSelectionChanged, this, [this] { showSelected(); });
  connect(send_, &QPushButton::clicked, this, [this] { sendSelected(); });
  connect(openFolder_, &QPushButton::clicked, this, [this] {
    QDir().mkpath(q(keeper_.folder()));
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(q(keeper_.folder()))))
      details_->setPlainText(q(m(snapshot_text::kFolderNotOpened).arg(keeper_.folder())));
  });
  connect(close, &QPushButton::clicked, this, &QDialog::close);
  // The keeper may outlive this window, or end before it when the program ends.
  keeper_.changed = [self = QPointer<SnapshotWindow>(this)] {
    if (self) self->refresh();
  };
  refresh();
}

SnapshotWindow::~SnapshotWindow() = default;

QString SnapshotWindow::selectedPath() const {
  const QList<QTreeWidgetItem*> s = list_->selectedItems();
  return s.isEmpty() ? QString() : s.front()->data(0, Qt::UserRole).toString();
}

void SnapshotWindow::refresh() {
  const QString selected = selectedPath();
  list_->clear();
  openFolder_->setEnabled(!keeper_.folder().empty());
  if (keeper_.folder().empty()) {
    details_->setPlainText(q(snapshot_text::kDemoNoSnapshots));
    send_->setEnabled(false);
    return;
  }
  for (const SnapshotEntry& e : listSnapshots(keeper_.folder())) {
    const SnapshotContent c = readSnapshot(e.path);
    auto* item = new QTreeWidgetItem(list_, {q(shownTime(e.name)), q(reasonWords(e.name.reason)), q(e.name.kind),
                                             q(differWords(c, keeper_))});
    item->setData(0, Qt::UserRole, q(e.path));
    item->setToolTip(0, q(e.fileName));
    if (q(e.path) == selected) item->setSelected(true);
  }
  if (list_->topLevelItemCount() == 0) details_->setPlainText(q(snapshot_text::kNoSnapshots));
  showSelected();
}

void SnapshotWindow::showSelected() {
  const QString path = selectedPath();
  // Sending takes the load list's way: only while the window would let the pilot choose a file.
  const bool canSend = dlg_.isEnabled(ids::kLoadList) && dlg_.core().st.LinkMode == LinkMode::Rest;
  if (path.isEmpty()) {
    send_->setEnabled(false);
    if (list_->topLevelItemCount() > 0) details_->setPlainText(q(snapshot_text::kPickOne));
    return;
  }
  const SnapshotContent c = readSnapshot(path.toStdString());
  send_->setEnabled(c.ok && canSend);
  if (!c.ok) {
    details_->setPlainText(q(m(snapshot_text::kCannotBeRead).arg(c.refusal)));
  } else if (!keeper_.controller()) {
    details_->setPlainText(q(snapshot_text::kNoControllerYet));
  } else {
    const std::vector<SettingDifference> d = compareSettings(keeper_.controller()->values, c.values);
    details_->setPlainText(d.empty() ? q(snapshot_text::kSnapshotSame)
                                     : q(snapshot_text::kSnapshotDiffers) + "\n" + differenceLines(d));
  }
}

void SnapshotWindow::sendSelected() {
  const std::string path = selectedPath().toStdString();
  if (path.empty()) return;
  dlg_.routed([this, &path] { keeper_.offerToSend(path); });
  showSelected();
}

Text compareWithFileWords(const SnapshotKeeper& keeper, const std::string& path) {
  const std::string name = std::filesystem::u8path(path).filename().u8string();
  const SnapshotContent c = readSnapshot(path);
  if (!c.ok) return m(snapshot_text::kCompareRefused).arg(name).arg(c.refusal);
  if (!keeper.controller()) return m(snapshot_text::kNoControllerYet);
  const std::vector<SettingDifference> d = compareSettings(keeper.controller()->values, c.values);
  if (d.empty()) return m(snapshot_text::kCompareSame).arg(name);
  Text lines;
  for (const SettingDifference& x : d)
    lines = lines.empty() ? differenceWords(x) : Marked{nullptr, "%1\r%2"}.arg(lines).arg(differenceWords(x));
  const Text count =
      d.size() == 1 ? m(snapshot_text::kOneSetting) : m(snapshot_text::kSettingsCount).arg(std::to_string(d.size()));
  return m(snapshot_text::kCompareDiffers).arg(name).arg(count).arg(lines);
}

std::string compareWithFileText(const SnapshotKeeper& keeper, const std::string& path) {
  return compareWithFileWords(keeper, path).original();
}

void addSnapshotFeature(CZorvDlg& dlg, SnapshotKeeper& keeper) {
  auto open = std::make_shared<QPointer<SnapshotWindow>>();
  dlg.backgroundMenu().addFeature(BackgroundMenu::Snapshots, [&dlg, &keeper, open](QMenu& menu) {
    menu.addAction(q(snapshot_text::kMenuSnapshots), &dlg, [&dlg, &keeper, open] {
      // A closed window is made afresh, in the language the window speaks now.
      if (*open && !(*open)->isVisible()) delete open->data();
      if (!*open) *open = new SnapshotWindow(dlg, keeper);
      (*open)->show();
      (*open)->raise();
      (*open)->activateWindow();
    });
    menu.addAction(q(snapshot_text::kMenuCompare), &dlg, [&dlg, &keeper] {
      const std::optional<std::string> path = dlg.core().prompts.openFile(kCompareFilter, "*.txt");
      if (!path) return;
      dlg.core().prompts.tell(compareWithFileWords(keeper, *path), m(snapshot_text::kCompareCaption),
                              Prompts::Buttons::Ok, Prompts::Icon::Information);
    });
  });
}

}  // namespace zorv
