#pragma once
// The main window: widgets built from the control layout table, Qt notifications mapped to the
// handlers of Router, and the Window interface the handlers talk to.

#include <QDialog>
#include <QMap>
#include <functional>
#include <memory>
#include <vector>

#include "app/router.h"
#include "core/window.h"

class QProgressBar;
class QTimer;

namespace zorv {

class QtPrompts;
class CLiveDataWnd;

class CZorvDlg : public QDialog, public Window {
  Q_OBJECT
 public:
  // prompts may be null: the window then shows real message boxes and file dialogs.
  CZorvDlg(SerialPort& port, Prompts* prompts, Clock& clock, std::string settingsPath = "tkvrconfig.ini",
           QWidget* parent = nullptr);
  ~CZorvDlg() override;

  Router& core() { return *core_; }
  // Window initialisation: ranges, defaults, the remembered port and the first query.
  void initialise();
  QWidget* control(int id) const { return widgets_.value(id, nullptr); }
  // "График": opens the live data window (or brings it back from the task bar), or closes it.
  void toggleLiveWindow();
  CLiveDataWnd* liveWindow() const { return live_.get(); }
  // Relabels the port list entries (device names beside COMn).
  void setPortLabels(const std::vector<std::string>& labels);
  // Where fresh labels come from: asked now and each time the user opens the port list, so a
  // board plugged in after start shows up without a restart.
  void setPortLabelSource(std::function<std::vector<std::string>()> source);

  // Window
  std::string text(int id) const override;
  void setText(int id, const std::string& text) override;
  int sliderPos(int id) const override;
  void setSliderPos(int id, int pos) override;
  int checkState(int id) const override;
  void setCheckState(int id, int state) override;
  int comboIndex(int id) const override;
  void setComboIndex(int id, int index) override;
  void setEnabled(int id, bool enabled) override;
  bool isEnabled(int id) const override;
  void setToolTip(int id, const std::string& tip) override;
  void setProgressVisible(bool visible) override;
  void setProgressRange(int lo, int hi) override;
  void setProgressPos(int pos) override;
  void setProgressColor(int r, int g, int b) override;
  void hideWindow() override;
  void endWindow(bool accepted) override;

  // A keyboard or wheel change of a slider ends in one send, this long after the last step.
  static constexpr int kSliderSettleMs = 250;

 public slots:
  void accept() override;
  void reject() override;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void build();
  void wireSlider(int id);

  std::unique_ptr<QtPrompts> ownPrompts_;
  std::unique_ptr<Router> core_;
  std::unique_ptr<CLiveDataWnd> live_;  // reads core_: goes first
  QMap<int, QWidget*> widgets_;
  QMap<int, QTimer*> settleTimers_;
  QMap<int, bool> pagePressed_;
  QProgressBar* progress_ = nullptr;
  std::function<std::vector<std::string>()> portLabelSource_;
};

}  // namespace zorv
