#pragma once
// A controller left streaming monitor records (by an earlier session that ended without
// switching the display off, or by a board that kept its stream through a reconnect) answers
// the read-back's queries between its records: no reply ever stands alone at its ten bytes, and
// the read-back would end in "No answer" although the controller answers. The receive step
// notices records where answers are expected, switches the stream off, lets the line go quiet
// and starts the read-back once more: once for each start, so a stream that does not stop ends
// as any other silence.

namespace zorv {
class Core;

// True when what a read-back (or the default set that starts one) gathered holds a monitor
// record's tag, and this read-back has not stopped a stream yet.
bool recordsWhereAnswersAreExpected(const Core& core);

// "S~0000\r", the line left to go quiet, then the read-back from its first query.
void stopStrayStreamAndReadBack(Core& core);

}  // namespace zorv
