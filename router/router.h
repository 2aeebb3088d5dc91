#pragma once
// The window's behaviour above the handlers: one entry point per window notification, each
// routed to the handler of the folder that owns it (serial/, protocol/, params/, firmware/,
// monitor/, files/), the receive dispatcher by link mode, and the effects one folder needs from
// another. No Qt: the Qt window and the command-line shell both drive it.

#include <optional>
#include <string>

#include "core/core.h"
#include "monitor/live_history.h"

namespace zorv {

class Router : public Core {
 public:
  using Core::Core;

  // What the live display received, for the live data window; fed by the receive dispatcher.
  LiveHistory live;

  // --- Window notifications ---
  void initialise();                   // window initialisation, once
  void onReceive();                    // the port has bytes waiting
  void onPortLost(const std::string& reason);
  void onButtonClicked(int id);        // push buttons and caption buttons
  void onComboActivated(int id);       // a user's choice in a drop-down list
  void onCheckClicked(int id);         // a user's click on a check box
  void onSliderReleased(int id);       // end of a drag or a keyboard/wheel step
  void onSliderMoved(int id);          // position changed (program or user): redraw
  void onEditChanged(int id);          // number box text changed (program or user)
  // Called now and then by the shell (every answer_limits::kTickMs): an answer that is overdue
  // goes to the handler of the exchange that waited for it.
  void onTick();

  // Closing: the close box, Esc, Enter.
  bool canExit() const { return !st.AutoProxy; }
  void onCloseBox();
  void onCancel();
  void onAccept();
  // The window is about to end, and the port with it (Esc or the close box answered Yes, Enter,
  // the last automation client leaving, a signal): a running display is switched off first, so
  // that the board does not stream into the next session. Does nothing the second time.
  void onWindowEnding();

  // Core
  void linkConfirmed() override;
  void endExchangesForNewPort() override;

 private:
  // Every notification runs as one of these. A port lost inside a handler's own write (a flush
  // that fails) is handled once the outermost handler has returned: what the handler does after
  // its write would otherwise undo what the loss sets (the status, LinkMode, the buttons).
  class Handling;
  int handling_ = 0;
  std::optional<std::string> lostInside_;
};

}  // namespace zorv
