#pragma once
// The main window: widgets built from the control layout table (zorv_dlg_build.cpp), Qt
// notifications mapped to the handlers of Router (zorv_dlg.cpp), the Window interface the
// handlers talk to with every control bound to the data exchange (zorv_dlg_controls.cpp), the
// paced read-outs and progress bar (zorv_dlg_pacing.cpp), the live data window beside it
// (zorv_dlg_live.cpp); sliders settle in SliderSettle (slider_settle.h).

#include <QDialog>
#include <QMap>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/control_layout.h"
#include "core/main_state.h"
#include "core/window.h"
#include "gui/widget_binding.h"
#include "router/router.h"

class QProgressBar;
class QTimer;

namespace zorv {

class BackgroundMenu;
class HoldingPrompts;
class InputGuard;
class PaintPacer;
class QtPrompts;
class CLiveDataWnd;
class SliderSettle;

// Where the live data window goes: beside the main window (right, else left, below, above) on
// the screen's free area `room`, `want` large or as large as that side has room for, never less
// than `least`; never over the main window unless no side has even that much room.
QRect besideWindow(const QRect& main, const QSize& want, const QSize& least, const QRect& room);
constexpr int kLiveLeast = 360;  // the live data window's smallest useful width and height

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

  // The port's notifications, to be connected by whoever owns the port. While the live display
  // streams, receive events are gathered for kGatherMs and handled together; any other event,
  // and any user action, first handles what was gathered, so the order stays as it came.
  void receive();
  void portLost(const std::string& reason);
  // A call into the router from beside the window (the reconnect), handled as the window's own.
  void routeCall(const std::function<void()>& fn) { route(fn); }
  static constexpr int kGatherMs = 4;

  // While an exchange with the controller runs (the watchdog waits for an answer, the link is in
  // any mode but resting, or the live display streams), the window paints at most
  // PaintPacer::kFramesPerSecond times a second; the read-outs of the live display follow at
  // each frame. Everything the handlers set or read is current at once all the same.
  PaintPacer& pacer() { return *pacer_; }

  // The menu on the window's background (right button, Shift+F10, the Menu key): where every
  // feature the fixed layout has no control for offers itself.
  BackgroundMenu& backgroundMenu() { return *menu_; }
  // Runs fn as the window runs every call into the router (what was gathered handled first).
  void routed(const std::function<void()>& fn) { route(fn); }

  // Shows every text of the window (and of the live data window) in the current language (see
  // gui/language.h): captions, list items item by item, scales, help and status texts, tooltips,
  // the names screen readers read. Values, selections and the link are left as they are.
  void retranslate();

  // On a screen smaller than the window (a laptop at 1.5x scale), the window takes what the
  // screen has (`room`, by default the available area of its screen) and shows scroll bars
  // instead of running off it. Done at start; the window stays as the pilot sizes it after.
  void fitToScreen(QRect room = QRect());

  // Window
  std::string text(int id) const override;
  void setText(int id, const std::string& text) override;
  void showText(int id, const Text& words) override;
  std::string shownText(int id) const override;
  int sliderPos(int id) const override;
  void setSliderPos(int id, int pos) override;
  int checkState(int id) const override;
  void setCheckState(int id, int state) override;
  int comboIndex(int id) const override;
  void setComboIndex(int id, int index) override;
  void setEnabled(int id, bool enabled) override;
  bool isEnabled(int id) const override;
  void setToolTip(int id, const std::string& tip) override;
  void showToolTip(int id, const Text& tip) override;
  void setTextMarked(int id, bool marked) override;
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

 private:
  void build();
  void buildNames();
  void addLanguageMenu();
  // Binds a control's widget to the data exchange (see widget_binding.h).
  void bindControl(int id, QWidget* widget, bool readout);

  // A bound control's state as the data exchange sees it, kept beside the widget so that an
  // exchange with the two hundred controls converts no text that has not changed. A cached text
  // is dropped on each change the widget or the window's own setters report.
  struct Entry {
    QWidget* widget = nullptr;
    bool bound = false;
    BoundKind kind = BoundKind::Edit;
    bool readout = false;   // a read-only number box: painted at the next frame while paced
    bool unshown = false;   // its text below is newer than the widget's
    mutable bool textValid = false;
    mutable std::string text;
    // A box that shows words rather than a number (status, firmware hint, version): the words
    // in their original wording, and how the box shows them in the current language.
    bool translated = false;
    Text words;
    QString wordsShown;
  };
  Entry* entry(int id) {
    const unsigned at = static_cast<unsigned>(id - kFirstControlId);
    return at < entries_.size() ? &entries_[at] : nullptr;
  }
  const Entry* entry(int id) const { return const_cast<CZorvDlg*>(this)->entry(id); }
  Entry* boundEntry(int id, BoundKind kind) {
    Entry* e = entry(id);
    return e && e->bound && e->kind == kind ? e : nullptr;
  }
  const Entry* boundEntry(int id, BoundKind kind) const { return const_cast<CZorvDlg*>(this)->boundEntry(id, kind); }
  const std::string& cachedText(const Entry& e) const;
  // A bound control's state changed: its cached text goes, the data exchange hears of it.
  void changedControl(int id);
  void showReadouts();
  void showProgress();

  // Every call into the router from the window goes through here.
  void route(const std::function<void()>& fn);
  void handleGathered();
  bool exchangeRunning() const;

  std::unique_ptr<QtPrompts> ownPrompts_;
  std::unique_ptr<Router> core_;
  // The live data window's own boxes, the watchdog held while one is open.
  std::unique_ptr<QtPrompts> liveQtPrompts_;
  std::unique_ptr<HoldingPrompts> livePrompts_;
  std::unique_ptr<CLiveDataWnd> live_;  // reads core_: goes first
  InputGuard* inputGuard_ = nullptr;
  BackgroundMenu* menu_ = nullptr;
  std::unique_ptr<PaintPacer> pacer_;
  SliderSettle* settle_ = nullptr;
  QTimer* gather_ = nullptr;
  int routeDepth_ = 0;
  bool showingReadouts_ = false;
  std::vector<Entry> entries_;   // by id - kFirstControlId
  std::vector<int> unshown_;     // read-outs waiting for the next frame
  std::optional<int> progressUnshown_;  // the upgrade bar's position, for the next frame
  QMap<int, QWidget*> widgets_;
  // What retranslate() relabels: every row of the layout table with its widget, each framed
  // panel, the words a handler put on a button and every tooltip a handler set.
  std::vector<std::pair<QWidget*, const ControlRow*>> rows_;
  std::vector<std::pair<QWidget*, const PanelRow*>> frames_;
  std::map<int, Text> captions_;
  std::map<int, Text> toolTips_;
  QProgressBar* progress_ = nullptr;
  QWidget* page_ = nullptr;  // every control, inside the window's scroll area
  QRect fittedTo_;           // the room fitToScreen() gave the window, if it was called
  std::function<std::vector<std::string>()> portLabelSource_;
};

}  // namespace zorv
