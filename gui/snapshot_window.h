#pragma once
// The snapshots in the window: "Snapshots…" and "Compare with file…" on the window's background
// menu, and the small window that lists the snapshots newest first, shows how the selected one
// differs from the controller, sends it back (after one question, through the load list's chain
// for a saved file) and opens the folder in the desktop's file manager. It sends nothing else.

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;

namespace zorv {

class CZorvDlg;
class SnapshotKeeper;

class SnapshotWindow : public QDialog {
 public:
  SnapshotWindow(CZorvDlg& dlg, SnapshotKeeper& keeper);
  ~SnapshotWindow() override;
  // The list read again from the folder, the selection kept where it can be.
  void refresh();
  QTreeWidget* list() const { return list_; }
  QPlainTextEdit* details() const { return details_; }
  QPushButton* sendButton() const { return send_; }

 private:
  void showSelected();
  void sendSelected();
  QString selectedPath() const;

  CZorvDlg& dlg_;
  SnapshotKeeper& keeper_;
  QTreeWidget* list_ = nullptr;
  QPlainTextEdit* details_ = nullptr;
  QPushButton* send_ = nullptr;
  QPushButton* openFolder_ = nullptr;
};

// Adds the two entries to the window's background menu; the snapshot window opens as the
// window's child.
void addSnapshotFeature(CZorvDlg& dlg, SnapshotKeeper& keeper);

// What "Compare with file…" shows for the file at `path` (pure: the texts only).
std::string compareWithFileText(const SnapshotKeeper& keeper, const std::string& path);

}  // namespace zorv
