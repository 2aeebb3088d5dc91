#pragma once
// What zorvctl says when a job does not end as it should, in the terms of a command line: the
// device it used, what it sent, and advice a script's author can follow ("run `zorvctl ports`").
// Pure code: the session hands in the facts.

#include <string>
#include <vector>

#include "core/exchange_result.h"
#include "core/serial_port.h"

namespace zorv {

// Everything written to the controller, as a reader wants it: commands as they went out without
// their line end ("SH0051"), runs of four or more queries counted ("13 queries (?C to ?R)"), firmware
// packets counted; "nothing" when nothing was written. `dropped` writes came before those listed.
std::string sentSummary(const std::vector<std::string>& writes, uint64_t dropped = 0);

// Why the port would not open and what to do, two lines without "zorvctl: " (`where` names the
// port as zorvctl used it: "port 7", "/dev/ttyACM0").
std::vector<std::string> openFailureWords(const OpenFailure& failure, const std::string& where);

// What happened to an exchange that did not end done, one line: "/dev/pts/1: no answer while
// reading the settings back: the controller was asked ... within 1 second." `doing` is what the
// job was doing ("reading the settings back").
std::string endWords(const ExchangeResult& end, const std::string& where, const std::string& doing);

// What to check before running the command again, for an end of this outcome ("" for none).
std::string adviceFor(Outcome outcome);

// What an upgrade that did not finish leaves in the controller, one line.
std::string upgradeLeaves(const ExchangeResult& end);

}  // namespace zorv
