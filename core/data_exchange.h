#pragma once
// The data exchange between the bound values (core/bindings.h) and the window's controls, both
// ways. It works from what the controls showed when last looked at, reads again only the controls
// the window reported changed, and writes only the values that differ from what their control
// shows: a reply costs the controls it touches, not a walk over two hundred widgets.

#include <cstdint>
#include <string>
#include <vector>

#include "core/bindings.h"
#include "core/typed_values.h"
#include "core/window.h"

namespace zorv {

class DataExchange {
 public:
  // `checkEvery`: every how many exchanges all controls are read again and compared with what the
  // exchange believed they show (0: never). A difference means a window failed to report a
  // change; it is printed and the program aborts. The test program checks every exchange, the
  // fuzzer a sample, the shipped program never (it guards what it sends instead).
  DataExchange(Bindings& bound, Window& win, const int& checkEvery);

  // Controls to values. A number box out of its range stops it there: the values up to and
  // including that box are read and its id is returned; 0 when no box was out of range. A box
  // showing what the controller reported (`typed` knows) is no mistake of the pilot's.
  int controlsToMembers(const TypedValues& typed);
  // Values to controls: every control whose value differs from what it shows is set, in the
  // layout table's order.
  void membersToControls();

 private:
  using Row = Bindings::Row;
  using Bind = Bindings::Bind;

  // One control as the exchange sees it: a number box's leading number (a non-number reads as
  // 0) and whether it is empty (all ones) or not; a text as it stands.
  struct Seen {
    int value = 0;
    int empty = 0;
    std::string text;
  };
  static Seen see(const Window& win, const Row& row);

  // Brings what the controls showed up to date with the changes the window reported (or with
  // every control, when the window and the bindings do not match). Returns whether it read a
  // control other than `written`. At the start of an exchange it also runs the full check when due.
  bool refresh(bool atStart, int written = 0);
  // The row of a bound control's slot.
  const Row& rowOfSlot(size_t slot) const { return table_.rows[static_cast<size_t>(table_.rowOf[slot])]; }
  void readAll();
  void read(const Row& row);
  void copyShown(const Row& row);
  void readUpTo(size_t stopRow);
  // Keeps in the list only the values that really differ from their control.
  void settle();
  // Adds the rows after `after` whose value differs from what its control shows, in table order.
  void pendingAfter(int after);
  void checkShown();
  void checkAgrees();

  Bindings& b_;
  Window& win_;
  const Bindings::Table& table_;
  const int& checkEvery_;
  std::vector<int16_t> pending_;  // scratch: the rows to write
  bool checkedNow_ = false;       // this exchange's controls were all read again
  unsigned sinceCheck_ = 0;
};

}  // namespace zorv
