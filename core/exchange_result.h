#pragma once
// How an exchange ended, as plain facts for a shell that decides from them: zorvctl turns them
// into its exit codes and messages, tests assert on them. The window shows its own texts, built
// by the handlers as before, and ignores these.
//
// Every exchange the pilot (or a chain the pilot started) begins ends with exactly one result,
// reported through Core::onExchangeEnd at the moment it ends: when its last answer is taken, when
// the controller falls silent, when the port goes away, when the tool or the controller refuses
// it, or when another exchange takes the link before its answer came.

#include <string>
#include <utility>

#include "core/watchdog.h"

namespace zorv {

// The exchanges, whole (one upgrade, not its packets).
enum class ExchangeKind {
  ReadBack,         // the 36 queries and the identity query (at start, a port pick, after a load)
  Setting,          // one setting written by a control; its echo is not awaited
  DefaultSet,       // "Sj000k" until the controller's answer (the read-back follows on its own)
  FileLoad,         // a saved file read, checked and sent setting by setting (the read-back follows)
  FileSave,         // the settings written to a file; nothing goes to the controller
  ImageChoice,      // a firmware file chosen and checked; nothing goes to the controller
  Upgrade,          // the kind query, the upgrade command and the packets
  Calibration,      // the four battery calibration steps
  ReverseReadBack,  // "?N"/"?O" after a reverse echo, until the display runs again
  DisplayStart,     // "S~0001" until the first records (or a second without any)
  DisplayStop,      // "S~0000", or the display ended by the port going away
};

enum class Outcome {
  Done,      // it did what it was for
  Refused,   // it did not go ahead: the controller named another kind, a value or file was
             // refused, or the pilot declined the question; `message` says which
  NoAnswer,  // the controller did not answer within the limit
  Lost,      // the port went away, or was not open
  Failed,    // an answer came that ends it otherwise (a data error, a damaged answer, another
             // exchange took the link)
};

struct ExchangeResult {
  ExchangeResult(ExchangeKind e = ExchangeKind::ReadBack, Outcome o = Outcome::Done, std::string m = "",
                 int d = 0, int t = 0)
      : exchange(e), outcome(o), message(std::move(m)), done(d), total(t) {}

  ExchangeKind exchange = ExchangeKind::ReadBack;
  Outcome outcome = Outcome::Done;
  // Plain words without advice for either shell, so each shell adds its own: for NoAnswer what
  // was asked ("the controller was asked for its settings (query ?C, 1 of 36) and gave no answer
  // within 1 second"), for Lost the port's reason, for Refused and Failed what happened. Done: a
  // note the pilot should have even so (values beyond the scale), or "".
  std::string message;
  // How far it got: steps the controller took (queries answered, settings of a file, packets,
  // calibration steps) of the whole exchange's steps; both 0 where nothing is counted.
  int done = 0;
  int total = 0;
  // The upgrade only: its upgrade command went out, so an upgrade that did not finish may have left
  // an incomplete firmware in the controller.
  bool upgradeCommandSent = false;
  // What the controller said that decided the end, as it came: the firmware kind its identity
  // answer or kind answer named ("TKVR", "PXOJ"); "" when it said nothing of the kind.
  std::string reported;
};

// The whole exchange an awaited answer belongs to.
ExchangeKind exchangeOf(Exchange step);

// "the controller was asked for its settings (query ?C, 1 of 36) and gave no answer within 1
// second": the message of a NoAnswer result.
std::string noAnswerMessage(const Awaited& due);

// For messages and test names: "ReadBack", "NoAnswer".
const char* exchangeName(ExchangeKind kind);
const char* outcomeName(Outcome outcome);

}  // namespace zorv
