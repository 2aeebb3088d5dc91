#pragma once
// What a keeper of the controller's settings hears from the handlers (the snapshots of
// files/snapshot_keeper.h): the start of an exchange that replaces the settings wholesale, each
// setting command that goes out, the end of every exchange, and a link that changed. It only
// listens: nothing it does may send a byte unless the pilot asked for it.

#include "core/exchange_result.h"

namespace zorv {

class SettingsWatch {
 public:
  virtual ~SettingsWatch() = default;
  // Right before a default set, a saved file or an upgrade sends its first byte (DefaultSet,
  // FileLoad, Upgrade): what the controller holds now is about to change.
  virtual void replacing(ExchangeKind kind) = 0;
  // A setting command went out: "S", `letter`, the four digits of `value`.
  virtual void settingSent(char letter, int value) = 0;
  // An exchange ended (after Core::onExchangeEnd was told).
  virtual void ended(const ExchangeResult& end) = 0;
  // The port was picked again or went away: what the controller holds is no longer known.
  virtual void linkChanged() = 0;
};

}  // namespace zorv
