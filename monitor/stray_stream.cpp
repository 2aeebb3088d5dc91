#include "monitor/stray_stream.h"

#include <string_view>

#include "core/core.h"
#include "core/quiet_line.h"
#include "monitor/record.h"

namespace zorv {

namespace {

constexpr std::string_view kStreamOff = "S~0000\r";

bool readbackWaits(const Core& core) {
  const Awaited* a = core.watchdog.awaited();
  return a && (a->exchange == Exchange::ReadBack || a->exchange == Exchange::Identity ||
               a->exchange == Exchange::DefaultSet);
}

bool holdsRecordTag(std::string_view text) {
  RecordKind kind;
  for (size_t i = 0; i + kRecordTagSize <= text.size(); ++i)
    if (recordKindOf(text.substr(i, kRecordTagSize), &kind)) return true;
  return false;
}

}  // namespace

bool recordsWhereAnswersAreExpected(const Core& core) {
  return !core.strayStreamStopped && readbackWaits(core) && holdsRecordTag(core.st.ReceiveBuffer);
}

void stopStrayStreamAndReadBack(Core& core) {
  MainState& st = core.st;
  core.send(kStreamOff);
  waitForQuietLine(core);
  st.LinkMode = LinkMode::Rest;
  st.ReceiveBuffer.clear();
  st.ReceivedCount = 0;
  core.QueryRetries = 3;
  core.startReadback();
  core.strayStreamStopped = true;
}

}  // namespace zorv
