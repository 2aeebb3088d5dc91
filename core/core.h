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
#include "core/holding_prompts.h"
#include "core/main_state.h"
#include "core/prompts.h"
#include "core/serial_port.h"
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
  virtual ~Core() = default;
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
  void ended(ExchangeResult result) {
    if (onExchangeEnd) onExchangeEnd(result);
  }

  // Arms the watchdog for the answer to what is sent next, in the current link mode. `asked`
  // tells the user what it was ("for its settings (query ?D)"). A late answer to an exchange
  // given up on that is still waiting in the port is thrown away first. On a port that is not
  // open nothing is awaited, and the exchange ends as Lost.
  void await(Exchange exchange, std::string asked, int done = 0, int steps = 0);

  // Data exchange. controlsToMembers stops at the first number box that is out of range,
  // shows the range warning and returns false; members read before it keep their new values.
  // Both work from what the controls showed when last looked at, and look again only at the
  // controls the window reports changed since: a reply costs the controls it touches, not a
  // walk over every widget.
  bool controlsToMembers();
  void membersToControls();

  // What the data exchange knows of the controls: what each showed when last looked at, and
  // which members may differ from it. A caller that puts the window and the state back to
  // copies of themselves (the fuzzer, once per input) takes this right beside those copies and
  // gives it back with them; the next exchange then need not read every control again.
  struct ExchangeMemory;
  // Brings the memory up to date with what changed (nothing on the controls or the members
  // changes) and returns it.
  ExchangeMemory exchangeMemory();
  // The window and the state are exactly the copies taken with `memory`: what their own
  // logs report since (everything, for a copy) is dropped.
  void restoreExchangeMemory(const ExchangeMemory& memory);

  // Every how many exchanges the controls are all read again and compared with what the
  // exchange believed they show (0: never). A difference means the window failed to report a
  // change; it is printed and the program aborts. Tests check every exchange, the fuzzer a
  // sample; the program never.
  int checkShownEvery = defaultCheckShownEvery;
  static int defaultCheckShownEvery;

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

  // What the bound controls showed when last looked at, in the members' own form.
  struct Shown {
    BoundValues values;
    std::array<int, kLastControlId - kFirstControlId + 1> emptyText{};  // all ones: a number box with no text
    bool valid = false;
  };

 public:
  struct ExchangeMemory {
    Shown shown;
    // The members that may differ from what their control shows (by slot, id - kFirstControlId);
    // every other bound integer agrees with its control. All of them after a full read.
    std::array<uint8_t, kLastControlId - kFirstControlId + 1> differ{};
    std::vector<int16_t> differList;
    bool allDiffer = true;
  };

 private:
  // Brings memory_.shown up to date with the changes the window reports (or with every control).
  // Returns whether it read a control other than `written`. At the start of an exchange it also
  // takes the members written since the last one.
  bool refreshShown(bool atStart, int written = 0);
  void takeMemberWrites();
  void markDiffer(size_t slot);
  bool slotDiffers(size_t slot) const;
  void settleDiffers();  // keeps only those that really differ
  bool controlsToMembersUpTo(int16_t stopRow);
  // Adds the rows after `after` whose member differs from what its control shows, in table order.
  void pendingWrites(int16_t after);
  void checkShown();
  void checkAgrees();

  ExchangeMemory memory_;
  std::vector<int> changed_;       // scratch: what the window reports
  std::vector<int16_t> written_;   // scratch: what the members report
  std::vector<int16_t> pending_;   // scratch: the rows to write
  bool checkedNow_ = false;        // this exchange's controls were all read again
  unsigned exchangesSinceCheck_ = 0;

  int exchangeDepth_ = 0;
  bool draining_ = false;
  std::deque<std::function<void()>> deferred_;
};

// Bits 0..7 of value into eight 0/1 entries.
inline int bitOf(int value, int k) { return (value >> k) & 1; }

}  // namespace zorv
