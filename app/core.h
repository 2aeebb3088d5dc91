#pragma once
// The main window's behaviour without the widgets: MainState, the data exchange with the
// controls, sending, and one entry point per window notification. Each notification is routed
// to the handler of the folder that owns it (serial/, protocol/, params/, firmware/, monitor/, files/).

#include <cstdint>
#include <deque>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "app/clock.h"
#include "app/main_state.h"
#include "app/prompts.h"
#include "app/window.h"
#include "monitor/live_history.h"
#include "serial/serial_port.h"

namespace zorv {

class Core {
 public:
  Core(SerialPort& port, Window& window, Prompts& prompts, Clock& clock,
       std::string settingsPath = "tkvrconfig.ini");

  MainState st;
  // What the live display received, for the live data window; fed by the display step.
  LiveHistory live;
  int QueryRetries = 3;  // retry budget of the read-back
  SerialPort& port;
  Window& win;
  Prompts& prompts;
  Clock& clock;
  std::string settingsPath;  // the remembered-port file

  // Data exchange. controlsToMembers stops at the first number box that is out of range,
  // shows the range warning and returns false; members read before it keep their new values.
  bool controlsToMembers();
  void membersToControls();

  // Sends bytes in one write.
  void send(std::string_view bytes);
  // Sends the 7-byte setting command. A value outside 0..9999 is never put on the wire:
  // it is refused with a message and false is returned.
  bool sendSetting(char letter, int value);

  void setEnabled(std::initializer_list<int> ids, bool enabled);
  void setEnabled(const std::vector<int>& ids, bool enabled);

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

  // Closing: the close box, Esc, Enter.
  bool canExit() const { return !st.AutoProxy; }
  void onCloseBox();
  void onCancel();
  void onAccept();

  // True while the members-to-controls exchange runs; notifications raised by it are held
  // and handled right after it, in order.
  bool exchanging() const { return exchangeDepth_ > 0; }

 private:
  void runDeferred();
  int exchangeDepth_ = 0;
  bool draining_ = false;
  std::deque<std::function<void()>> deferred_;
};

// Bits 0..7 of value into eight 0/1 entries.
inline int bitOf(int value, int k) { return (value >> k) & 1; }

}  // namespace zorv
