// The upload: the kind query (mode 30), the upgrade command's answer (mode 2) and the packet
// steps (modes 3..6), each run by the receive dispatcher for every receive event of its mode.
#include <algorithm>
#include "core/text.h"
#include <cstdio>
#include <string>
#include <vector>

#include "core/control_groups.h"
#include "core/control_ids.h"
#include "core/core.h"
#include "core/no_answer.h"
#include "core/reply.h"
#include "firmware/image.h"
#include "firmware/packet.h"
#include "firmware/transfer.h"
#include "firmware/upgrade_words.h"

namespace zorv {

namespace {

using firmware::Packet;
using firmware::PacketKind;

constexpr const char* kDataError = ZORV_NOOP("Messages", "Data error，Please try it again!");
constexpr size_t kKindReplyKept = 64;  // far more than a whole kind reply: anything longer is damaged
constexpr const char* kUpgradedHint = ZORV_NOOP("Messages", "Upgraded with %1. To upgrade again, choose the firmware file again.");

int32_t packetsOf(const MainState& st) { return firmware::uploadPackets(st.FirmwarePacketCount); }

// Packets the controller had answered before the one awaited.
int packetsTaken(const Awaited* awaited) {
  return awaited && awaited->exchange == Exchange::LoaderPacket ? awaited->done : 0;
}

// How far an upgrade that ends now got, once the upgrade command has gone out ("" before it):
// the packets the controller had answered before the one awaited.
std::string stoppedAt(const Core& core) {
  const MainState& st = core.st;
  if (!isUploadMode(st.LinkMode)) return "";
  return upgradeStoppedAt(st.FirmwarePath, packetsTaken(core.watchdog.awaited()), packetsOf(st));
}

// The end of an upgrade that stops now: how far it got, and whether the upgrade command had gone
// out. Taken before the transfer ends, while the watchdog still says what was awaited.
ExchangeResult upgradeEnd(const Core& core, Outcome outcome, std::string message) {
  const MainState& st = core.st;
  ExchangeResult end{ExchangeKind::Upgrade, outcome, std::move(message), packetsTaken(core.watchdog.awaited()),
                     packetsOf(st)};
  end.upgradeCommandSent = isUploadMode(st.LinkMode);
  return end;
}


// The status box alone: the transfer touches nothing else that the data exchange carries, and a
// full exchange per packet would also re-check every number box a thousand times per upload.
void showPortStatus(Core& core, const Text& text) {
  core.st.bound.setText(ids::kPortStatus, text);
  core.win.showText(ids::kPortStatus, text);
}

// Progress of the packet with this sequence number. The last two replies would pass 100 % and the
// bar's top (N + 1), so both are held at their maximum.
void showPortStatus(Core& core, const char* text) { showPortStatus(core, Text(text)); }

void showProgress(Core& core, int32_t barPos, Marked format) {
  MainState& st = core.st;
  const int64_t top = static_cast<int64_t>(st.FirmwarePacketCount) + 1;
  st.UploadPercent = static_cast<int32_t>(std::min<int64_t>(100, st.UploadSequence * int64_t{100} / top));
  core.win.setProgressPos(static_cast<int>(std::clamp<int64_t>(barPos, 0, top)));
  showPortStatus(core, format.arg(st.UploadPercent));
}

void sendPacket(Core& core, const Packet& p) {
  const MainState& st = core.st;
  const int32_t packets = packetsOf(st);
  core.await(Exchange::LoaderPacket,
             ZORV_TEXT("Messages", "to take firmware packet %1 of %2").arg(st.UploadSequence).arg(packets),
             st.UploadSequence - 1, packets);
  std::copy(p.begin(), p.end(), core.st.PacketArea.begin());
  core.port.write(core.st.PacketArea.data(), core.st.PacketArea.size());
}

// Bytes of the image the transfer may send: the file's own bytes, never past the image area.
size_t heldLength(const MainState& st) {
  return static_cast<size_t>(std::clamp<int32_t>(st.FirmwareFileLength, 0, kFirmwareImageSize));
}

bool imageHeld(const MainState& st) { return st.FirmwarePacketCount >= 2 && st.FirmwareFileLength >= 2; }

// The upgrade buttons come back after a broken transfer: the parameter controls return with the
// next connection's read-back, which does not know these two, and the image is still loaded.
void giveBackUpgradeButtons(Core& core) {
  core.win.setEnabled(ids::kChooseImageButton, true);
  core.win.setEnabled(ids::kUpgradeButton, imageHeld(core.st));
}

// Ends the transfer. LinkMode leaves the packet modes before any message box opens, so bytes
// arriving while it is shown are not taken for a reply.
void endTransfer(Core& core) {
  core.watchdog.disarm();
  core.st.LinkMode = LinkMode::Rest;
  core.st.UploadSum = 0;
  core.st.ReceivedCount = 0;
}

// The data error box; once the upgrade command had gone out (`stopped` says how far it got), it
// also says what the controller may now hold, and the status box's tooltip says both, followed
// by `tipMore`. `end` is reported once the window is back.
void fail(Core& core, const ExchangeResult& end, const std::string& stopped, const char* status = ZORV_NOOP("Messages", "COM Opened"),
          const Text& tipMore = Text()) {
  endTransfer(core);
  if (stopped.empty()) {
    core.prompts.message(kDataError, ZORV_NOOP("Messages", "Tarvik Warning:"), Prompts::Buttons::Ok, Prompts::Icon::Warning);
  } else {
    tellUpgradeUnfinished(core, stopped, Text(kDataError), tipMore);
  }
  core.win.setProgressVisible(false);
  showPortStatus(core, status);
  giveBackUpgradeButtons(core);
  core.ended(end);
}

// A data error: the transfer cannot be trusted any more.
void failOnData(Core& core, std::string why) {
  fail(core, upgradeEnd(core, Outcome::Failed, std::move(why)), stoppedAt(core));
}

// The read-outs and reverse boxes stay off; everything else the upgrade locked comes back, the
// start button only when told (it follows the image otherwise).
void releaseLockedControls(Core& core, bool withStartButton) {
  const std::vector<int>& off = readoutAndReverseControls();
  core.setEnabled(off, false);
  for (int id : upgradeLockedControls())
    if ((withStartButton || id != ids::kUpgradeButton) && std::find(off.begin(), off.end(), id) == off.end())
      core.win.setEnabled(id, true);
}

void succeed(Core& core) {
  MainState& st = core.st;
  ExchangeResult end = upgradeEnd(core, Outcome::Done, "");
  end.done = end.total;
  endTransfer(core);
  st.UpgradeUnfinished.clear();
  core.win.setToolTip(ids::kPortStatus, "");
  core.prompts.message(ZORV_NOOP("Messages", "Congratulations!You've upgraded successfully!"), ZORV_NOOP("Messages", "Tarvik Congratulations:"),
                       Prompts::Buttons::Ok, Prompts::Icon::Information);
  // The start button waits for the file to be chosen again, so that no second click flashes the
  // same image once more by accident; the hint box says so.
  releaseLockedControls(core, false);
  core.win.setEnabled(ids::kUpgradeButton, false);
  const Text hint = Marked{"Messages", kUpgradedHint}.arg(st.FirmwarePath);
  st.bound.setText(ids::kFirmwareHint, hint);
  core.win.showText(ids::kFirmwareHint, hint);
  core.win.setProgressVisible(false);
  showPortStatus(core, ZORV_NOOP("Messages", "COM Opened"));
  core.ended(end);
}

void startTransfer(Core& core) {
  MainState& st = core.st;
  st.ReceiveBuffer.clear();
  st.UploadSum = 0;  // a transfer broken off earlier must not leave its sum behind
  if (!imageHeld(st)) {
    failOnData(core, "no firmware image is loaded");  // none was ever accepted: nothing to send
    return;
  }
  st.LinkMode = LinkMode::UploadData;
  st.UploadPercent = 0;
  core.win.setProgressVisible(true);
  core.win.setProgressRange(0, std::min(st.FirmwarePacketCount + 1, 0x7FFF));
  core.win.setProgressColor(0, 0, 255);
  sendPacket(core, firmware::buildPacket(PacketKind::Start, static_cast<uint32_t>(st.UploadSequence)));
  showProgress(core, st.UploadSequence, ZORV_TEXT("Messages", "Data sending...>>%1%"));
}

// One complete 64-byte reply in ReplyArea.
void onReply(Core& core) {
  MainState& st = core.st;
  st.ReceivedCount = 0;
  const firmware::DeviceReply reply = firmware::parseReply(st.ReplyArea.data());
  st.EchoedSequence = reply.echoedSequence;
  st.DeviceSum = reply.deviceSum;
  st.UploadSequence += 1;
  if (st.UploadSequence != st.EchoedSequence) {
    failOnData(core, "the loader answered packet " + std::to_string(st.UploadSequence - 1) + " asking for packet " +
                         std::to_string(st.EchoedSequence) + " next, not " + std::to_string(st.UploadSequence) +
                         " (a data error)");
    return;
  }
  const LinkMode mode = st.LinkMode;
  showProgress(core, mode == LinkMode::UploadLast ? st.UploadSequence + 1 : st.UploadSequence, ZORV_TEXT("Messages", "Finished%1%"));
  const auto seq = static_cast<uint32_t>(st.UploadSequence);
  switch (mode) {
    case LinkMode::UploadData: {
      auto sum = static_cast<uint32_t>(st.UploadSum);
      sendPacket(core, firmware::buildDataPacket(seq, st.FirmwareImage.data(), heldLength(st),
                                                 static_cast<size_t>(st.UploadPosition), sum));
      st.UploadSum = static_cast<int32_t>(sum);
      st.UploadPosition += static_cast<int32_t>(firmware::kPacketDataSize);
      if (st.UploadSequence == st.FirmwarePacketCount) st.LinkMode = LinkMode::UploadSum;
      break;
    }
    case LinkMode::UploadSum:
      sendPacket(core, firmware::buildSumPacket(seq, static_cast<uint32_t>(st.UploadSum)));
      st.LinkMode = LinkMode::UploadFinish;
      break;
    case LinkMode::UploadFinish:
      if (st.UploadSum != st.DeviceSum) {
        char why[128];
        std::snprintf(why, sizeof why,
                      "the loader's sum of the image, %08X, differs from the one sent, %08X (a data error)",
                      static_cast<unsigned>(st.DeviceSum), static_cast<unsigned>(st.UploadSum));
        failOnData(core, why);
        return;
      }
      sendPacket(core, firmware::buildPacket(PacketKind::Finish, seq));
      st.LinkMode = LinkMode::UploadLast;
      break;
    default:
      succeed(core);
      break;
  }
}

}  // namespace

bool beforeUpgrade(Core& core) {
  MainState& st = core.st;
  st.KindReply.clear();
  if (!imageHeld(st)) return true;  // nothing would be sent: the transfer says so itself
  const int port = core.port.isOpen() ? core.port.portNumber() : core.win.comboIndex(ids::kPortList) + 1;
  const std::string shown = core.win.text(ids::kPortList);
  const std::string com = "COM" + std::to_string(port);
  const Text question =
      upgradeQuestionWords(portAndDevice(shown.rfind(com + " (", 0) == 0 ? shown : com), st.FirmwarePath,
                           st.FirmwareFileLength, packetsOf(st));
  if (core.prompts.tell(question, Text("Zorv"), Prompts::Buttons::OkCancel, Prompts::Icon::Question, true) ==
      Prompts::Answer::Ok)
    return true;
  core.ended({ExchangeKind::Upgrade, Outcome::Refused, "the upgrade was not confirmed", 0, packetsOf(st)});
  return false;
}

void onKindReply(Core& core) {
  MainState& st = core.st;
  // Kept whole, for telling a foreign or damaged answer once the limit ends the wait.
  if (st.KindReply.size() < kKindReplyKept) {
    st.KindReply += st.ReceiveBuffer;
    if (st.ReceivedCount > static_cast<int32_t>(st.ReceiveBuffer.size()))
      st.KindReply.append(static_cast<size_t>(st.ReceivedCount) - st.ReceiveBuffer.size(), '\0');
  }
  st.FirmwareTag = kindTag(st.ReceiveBuffer);
  st.ReceiveBuffer.clear();
  st.ReceivedCount = 0;
  const std::string command = firmware::upgradeCommandFor(st.FirmwareTag);
  if (command.empty()) return;  // not a kind we know: keep waiting in mode 30
  st.LinkMode = LinkMode::UpgradeAnswer;
  core.await(Exchange::UpgradeCommand,
             ZORV_TEXT("Messages", "to start its loader (%1)").arg(command.substr(0, command.size() - 1)));
  core.send(command);
}

void onUpgradeAnswer(Core& core) {
  MainState& st = core.st;
  const std::string head = st.ReceiveBuffer.substr(0, 4);
  st.ReceiveBuffer = answerTail(st.ReceiveBuffer);
  st.ReceivedCount = 0;
  st.UploadSequence = 1;
  st.UploadPosition = 0;
  if (firmware::isReadyAnswer(st.ReceiveBuffer) || firmware::isReadyAnswer(head)) startTransfer(core);
}

void onPacketBytes(Core& core, const uint8_t* data, size_t n) {
  MainState& st = core.st;
  // The line end of "RADY" may come in a piece of its own after the transfer has started; a
  // loader reply never begins with one (its byte 0 echoes the packet kind).
  if (st.ReceivedCount == 0) {
    while (n > 0 && (*data == '\r' || *data == '\n')) {
      ++data;
      --n;
    }
  }
  if (n == 0) return;
  const size_t have = static_cast<size_t>(std::max<int32_t>(st.ReceivedCount, 0));
  // A reply longer than 64 bytes, or a second one before the first was taken, does not fit the
  // reply area: the transfer can no longer be trusted.
  if (st.ReceivedCount < 0 || have > st.ReplyArea.size() || n > st.ReplyArea.size() - have) {
    failOnData(core, "the loader's answer did not fit its 64 bytes (a data error)");
    return;
  }
  std::copy(data, data + n, st.ReplyArea.begin() + static_cast<std::ptrdiff_t>(have));
  st.ReceivedCount += static_cast<int32_t>(n);
  if (st.ReceivedCount == static_cast<int32_t>(st.ReplyArea.size())) onReply(core);
}

void onLinkConfirmed(Core& core) { releaseLockedControls(core, false); }

std::string onTransferAbandoned(Core& core, Outcome outcome, const std::string& why) {
  MainState& st = core.st;
  const LinkMode mode = st.LinkMode;
  if (mode != LinkMode::KindQuery && !isUploadMode(mode)) return "";
  const std::string stopped = stoppedAt(core);
  const ExchangeResult end = upgradeEnd(core, outcome, why);
  endTransfer(core);
  st.UpgradeUnfinished = stopped;
  core.win.setProgressVisible(false);
  giveBackUpgradeButtons(core);
  core.ended(end);
  return stopped;
}

void tellUpgradeUnfinished(Core& core, const std::string& stopped, const Text& cause, const Text& tipMore) {
  core.st.UpgradeUnfinished = stopped;
  Text tip = Text(Marked{nullptr, "%1 %2"}).arg(stopped).arg(Text(kIncompleteFirmware));
  if (!tipMore.empty()) tip = Text(Marked{nullptr, "%1\n\n%2"}).arg(tip).arg(tipMore);
  core.win.showToolTip(ids::kPortStatus, tip);
  core.prompts.tell(Text(Marked{nullptr, "%1\r\r%2"}).arg(cause).arg(Text(kIncompleteFirmware)),
                    ZORV_TEXT("Messages", "Tarvik Warning:"), Prompts::Buttons::Ok, Prompts::Icon::Warning);
}

void onTransferSilent(Core& core, const Awaited& due) {
  MainState& st = core.st;
  // The controller did answer the kind query, but with nothing that starts an upgrade: say what
  // it said instead of "No answer".
  const Text words = due.exchange == Exchange::KindQuery ? kindReplyText(st.KindReply) : Text();
  if (!words.empty()) {
    ExchangeResult end{ExchangeKind::Upgrade, Outcome::Failed, "", 0, packetsOf(st)};
    if (judgeKindReply(st.KindReply) == KindReply::OtherKind) {
      end.outcome = Outcome::Refused;
      end.reported = st.KindReply.substr(4, 4);
      end.message = "the controller reports firmware kind " + end.reported + "; only TKVR and PXOJ boards are upgraded";
    } else {
      end.message = judgeKindReply(st.KindReply) == KindReply::InPieces
                        ? "the controller's answer to the firmware-kind query (?W) came in pieces"
                        : "the controller's answer to the firmware-kind query (?W) was damaged";
    }
    endTransfer(core);
    st.ReceiveBuffer.clear();
    core.port.discardInput();
    core.win.showToolTip(ids::kPortStatus, words);
    core.prompts.tell(words, ZORV_TEXT("Messages", "Tarvik Warning:"), Prompts::Buttons::Ok, Prompts::Icon::Warning);
    core.win.setProgressVisible(false);
    showPortStatus(core, ZORV_NOOP("Messages", "COM Opened"));
    giveBackUpgradeButtons(core);
    core.ended(end);
    return;
  }
  ExchangeResult end{ExchangeKind::Upgrade, Outcome::NoAnswer, noAnswerMessage(due), packetsTaken(&due),
                     packetsOf(st)};
  end.upgradeCommandSent = due.exchange != Exchange::KindQuery;
  const std::string stopped = due.exchange == Exchange::KindQuery
                                  ? ""
                                  : upgradeStoppedAt(st.FirmwarePath, packetsTaken(&due), packetsOf(st));
  // "No answer" is on show while the message box is, and stays.
  reportNoAnswer(core, due);
  fail(core, end, stopped, kNoAnswerStatus, stopped.empty() ? Text() : noAnswerTip(portAsShown(core), due));
}

}  // namespace zorv
