#pragma once
// What every handler works on: the one MainState, the port, the window, the prompts and the
// clock, the data exchange with the controls, and sending. The window notifications and the
// receive dispatcher sit above the handlers, in the router (router/router.h), which also supplies
// the few effects one handler folder needs from another.

#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "core/beyond_scale.h"
#include "core/clock.h"
#include "core/exchange_result.h"
#include "core/data_exchange.h"
#include "core/holding_prompts.h"
#include "core/main_state.h"
#include "core/prompts.h"
#include "core/serial_port.h"
#include "core/settings_watch.h"
#include "core/typed_values.h"
#include "core/watchdog.h"
#include "core/window.h"

namespace zorv {

class Core {
  // First, so that `prompts` below can refer to it.
  HoldingPrompts holdingPrompts_;

 public:
  Core(SerialPort& port, Window& window, Prompts& prompts, Clock& clock,
       std::string settingsPath = "tkvrconfig.ini");
  virtual ~Core();
  Core(const Core&) = delete;
  Core& operator=(const Core&) = delete;

  MainState st;
  int QueryRetries = 3;  // retry budget of the read-back
  SerialPort& port;
  Window& win;
  Prompts& prompts;  // the window's prompts; the watchdog holds while one is open
  Clock& clock;
  std::string settingsPath;  // the remembered-port file
  // How the remembered-port file is used. The window reads it and writes every choice back;
  // a script reads it without ever creating or writing it, or leaves it alone altogether and
  // keeps the number it gave the port (the list then shows that number).
  enum class PortFileUse { ReadWrite, ReadOnly, None };
  PortFileUse portFileUse = PortFileUse::ReadWrite;

  Watchdog watchdog{clock};  // the answer the window waits for, if any
  std::string statusBeforeNoAnswer;  // the open text that "No answer" replaced
  std::string hintBeforeNoData;      // the hint box's text before the display's data stopped
  TypedValues typedValues;           // number boxes whose typed value has not been sent
  BeyondScaleReport beyondScale;     // what this read-back reported beyond the tool's scale
  bool strayStreamStopped = false;   // this read-back has switched off a stream that stood in its way
  bool displayStarting = false;      // the display was started and no record has come since

  // Told the end of every exchange (core/exchange_result.h); the window leaves it unset.
  std::function<void(const ExchangeResult&)> onExchangeEnd;
  // Hears the settings change and every end, after onExchangeEnd (the snapshots); null: nobody.
  SettingsWatch* settingsWatch = nullptr;
  void ended(ExchangeResult result) {
    if (onExchangeEnd) onExchangeEnd(result);
    if (settingsWatch) settingsWatch->ended(result);
  }
  // Right before a default set, a saved file or an upgrade sends its first byte.
  void replacing(ExchangeKind kind) {
    if (settingsWatch) settingsWatch->replacing(kind);
  }

  // Arms the watchdog for the answer to what is sent next, in the current link mode. `asked`
  // tells the user what it was ("for its settings (query ?D)"). A late answer to an exchange
  // given up on that is still waiting in the port is thrown away first. On a port that is not
  // open nothing is awaited, and the exchange ends as Lost.
  void await(Exchange exchange, std::string asked, int done = 0, int steps = 0);
  void await(Exchange exchange, const Text& asked, int done = 0, int steps = 0);

  // Data exchange (core/data_exchange.h). controlsToMembers stops at the first number box that
  // is out of range, shows the range warning and returns false; values read before it keep what
  // they read. Both read again only the controls the window reported changed, and write only
  // the values that differ from what their control shows.
  bool controlsToMembers();
  void membersToControls();

  // Every how many exchanges the controls are all read again and compared with what the
  // exchange believed they show (0: never); a difference aborts the program. The test program
  // checks every exchange (tests/support/gtest_main.cpp), the fuzzer a sample; the shipped
  // program never, and guards what it sends instead (boxesShow below).
  int checkShownEvery = defaultCheckShownEvery;
  static int defaultCheckShownEvery;

  // Before a setting built from bound values goes out: true when each number box shows the
  // value about to be sent for it, read from the box itself. Otherwise nothing may be sent: the
  // pilot is told once what was not sent and what to do (`again`, e.g. "move the slider
  // again"), standard error gets the details, the box's value is taken from the box and the next
  // exchange reads every other control again.
  // `name` names the box, `value` is what would be sent for it.
  struct SentFromBox {
    int box;
    int value;
    std::string name;
  };
  bool boxesShow(const std::vector<SentFromBox>& values, const std::string& again);

  // Sends bytes in one write.
  void send(std::string_view bytes);
  // Sends the 7-byte setting command. A value outside 0..9999 is never put on the wire:
  // it is refused with a message and false is returned.
  bool sendSetting(char letter, int value);
  // Asks the first query of the read-back ("?C\r"). The window's own starts bracket it by the
  // data exchange; the end of a file upload sends it bare (withExchange false). Each start may
  // switch off once a monitor stream that stands in its way (monitor/stray_stream.h).
  void startReadback(bool withExchange = true);

  void setEnabled(std::initializer_list<int> ids, bool enabled);
  void setEnabled(const std::vector<int>& ids, bool enabled);

  // True while the members-to-controls exchange runs; notifications raised by it are held
  // and handled right after it, in order.
  bool exchanging() const { return exchangeDepth_ > 0; }

  // --- Effects a handler needs from another folder; the router carries them out ---
  // The controller has identified itself at the end of a read-back.
  virtual void linkConfirmed() = 0;
  // The user picked the port again: an upgrade waiting for a reply ends, a running display stops.
  virtual void endExchangesForNewPort() = 0;

 protected:
  // Runs fn now, or right after the data exchange when one is under way.
  void deferWhileExchanging(std::function<void()> fn);

 private:
  void runDeferred();

  DataExchange exchange_{st.bound, win, checkShownEvery};
  int exchangeDepth_ = 0;
  bool draining_ = false;
  std::deque<std::function<void()>> deferred_;
};

// Bits 0..7 of value into eight 0/1 entries.
inline int bitOf(int value, int k) { return (value >> k) & 1; }

}  // namespace zorv
