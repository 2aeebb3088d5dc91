#include "router/receive_dispatcher.h"

#include "core/core.h"
#include "core/reply.h"
#include "files/param_files.h"
#include "firmware/transfer.h"
#include "monitor/calibration.h"
#include "monitor/display.h"
#include "monitor/live_history.h"
#include "monitor/reverse_readback.h"
#include "monitor/stray_stream.h"
#include "protocol/readback.h"
#include "protocol/reply_framing.h"

namespace zorv {

namespace {

// The modes with reply logic; in any other, bytes stay in the port.
bool handledMode(LinkMode mode) {
  switch (mode) {
    case LinkMode::Rest:
    case LinkMode::Identity:
    case LinkMode::UpgradeAnswer:
    case LinkMode::UploadData:
    case LinkMode::UploadSum:
    case LinkMode::UploadFinish:
    case LinkMode::UploadLast:
    case LinkMode::FileChain:
    case LinkMode::Monitor:
    case LinkMode::CalibrationEcho:
    case LinkMode::ReverseReadback:
    case LinkMode::KindQuery:
      return true;
  }
  return false;
}

// The shared receive step: every byte is counted, every nonzero byte appended as one character.
void appendReceived(Core& core, const std::vector<uint8_t>& bytes) {
  MainState& st = core.st;
  for (uint8_t b : bytes)
    if (b != 0) st.ReceiveBuffer.push_back(static_cast<char>(b));
  st.ReceivedCount += static_cast<int32_t>(bytes.size());
  // Bytes nobody consumes must not grow the buffer without limit: keep the newest.
  if (st.ReceiveBuffer.size() > static_cast<size_t>(kReceiveBufferLimit))
    st.ReceiveBuffer.erase(0, st.ReceiveBuffer.size() - static_cast<size_t>(kReceiveBufferLimit));
}

void modeZero(Core& core, bool received) {
  MainState& st = core.st;
  // A line end left over from an answer taken in another mode (one split after its CR) begins
  // no reply: drop it, or the next reply would pass its count.
  dropLineEnds(st);
  // Setting echoes at the head are acknowledgements: drop them so that a setting sent in the
  // middle of the read-back (box 1070's "SH0051") cannot push the next reply past its count.
  // A default set's answer among them restarts the read-back, once, when it is complete.
  while (st.ReceivedCount >= 7) {
    if (received && isDefaultSetEcho(st.ReceiveBuffer)) {
      const Awaited* awaited = core.watchdog.awaited();
      const bool asked = awaited && awaited->exchange == Exchange::DefaultSet;
      core.clock.busyWait(10);
      st.ReceiveBuffer.clear();
      st.ReceivedCount = 0;
      core.startReadback();
      if (asked) core.ended({ExchangeKind::DefaultSet, Outcome::Done});
      return;
    }
    if (!isSettingEcho(st.ReceiveBuffer) || st.ReceivedCount < 8) break;
    st.ReceiveBuffer.erase(0, 8);
    st.ReceivedCount -= 8;
    dropLineEnds(st);
  }
  if (st.ReceivedCount == kQueryReplySize) {
    st.ReceivedCount = 0;
    readbackReply(core);
  }
}

}  // namespace

void dispatchReceive(Core& core, LiveHistory* live) {
  MainState& st = core.st;
  const LinkMode mode = st.LinkMode;
  if (!handledMode(mode)) return;  // the bytes stay in the port
  // A late answer to an exchange given up on: taken for the next one's, it would stall it. A
  // default set's late echo is the exception: the controller did load the set, only slowly, and
  // the read-back the echo starts shows what it now holds.
  const bool lateDefaultSet = mode == LinkMode::Rest && core.watchdog.gaveUpOn() == Exchange::DefaultSet;
  if (core.watchdog.stale() && !lateDefaultSet) {
    core.port.discardInput();
    return;
  }

  // Everything the port held is taken: the port's buffer keeps at most about 1 KiB, and what
  // is kept of it afterwards is bounded by ReceiveBuffer's own limit.
  const std::vector<uint8_t> bytes = core.port.readAll();
  const bool received = !bytes.empty();

  if (isPacketMode(mode)) {
    onPacketBytes(core, bytes.data(), bytes.size());
    return;
  }
  appendReceived(core, bytes);

  // Monitor records where the read-back's answers belong: a board still streaming.
  if ((mode == LinkMode::Rest || mode == LinkMode::Identity) && recordsWhereAnswersAreExpected(core)) {
    stopStrayStreamAndReadBack(core);
    return;
  }

  switch (mode) {
    case LinkMode::Rest:
      modeZero(core, received);
      break;
    case LinkMode::Identity:
      identityStep(core);
      break;
    case LinkMode::UpgradeAnswer:
      onUpgradeAnswer(core);
      break;
    case LinkMode::FileChain:
      if (st.ReceivedCount > 6) onChainReply(core);
      break;
    case LinkMode::Monitor: {
      const std::vector<MonitorRecord> shown = onMonitorStep(core);
      if (live) {
        const uint32_t now = core.clock.tickMs();
        for (const MonitorRecord& r : shown) live->add(now, r);
      }
      break;
    }
    case LinkMode::CalibrationEcho:
      onEchoStep(core);
      break;
    case LinkMode::ReverseReadback:
      onReverseReadback(core);
      break;
    case LinkMode::KindQuery:
      onKindReply(core);
      break;
    default:
      break;
  }
}

}  // namespace zorv
