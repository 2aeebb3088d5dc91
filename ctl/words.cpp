#include "ctl/words.h"

namespace zorv {

namespace {

constexpr size_t kQueriesCounted = 4;  // a run this long is counted, a shorter one listed
constexpr size_t kPacketSize = 64;

bool isQuery(const std::string& w) { return w.size() == 3 && w[0] == '?' && w[2] == '\r'; }

// A firmware packet: 64 bytes in one write (a text command is seven at most).
bool isPacket(const std::string& w) { return w.size() == kPacketSize; }

// A command as it went out, without its line end; bytes outside 0x20..0x7E as '.'.
std::string shown(const std::string& w) {
  std::string out;
  for (size_t i = 0; i < w.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(w[i]);
    if (c == '\r' && i + 1 == w.size()) break;
    out += c >= 0x20 && c < 0x7f ? static_cast<char>(c) : '.';
  }
  return out;
}

std::string endSentence(std::string text) {
  if (!text.empty() && text.back() != '.') text += '.';
  return text;
}

}  // namespace

std::string sentSummary(const std::vector<std::string>& writes, uint64_t dropped) {
  std::vector<std::string> parts;
  if (dropped > 0) parts.push_back(std::to_string(dropped) + " earlier writes");
  for (size_t i = 0; i < writes.size();) {
    size_t end = i;
    if (isQuery(writes[i])) {
      while (end < writes.size() && isQuery(writes[end])) ++end;
      if (end - i >= kQueriesCounted) {
        parts.push_back(std::to_string(end - i) + " queries (" + shown(writes[i]) + " to " + shown(writes[end - 1]) +
                        ")");
      } else {
        for (size_t k = i; k < end; ++k) parts.push_back(shown(writes[k]));
      }
    } else if (isPacket(writes[i])) {
      while (end < writes.size() && isPacket(writes[end])) ++end;
      parts.push_back(std::to_string(end - i) + (end - i == 1 ? " firmware packet" : " firmware packets"));
    } else {
      parts.push_back(shown(writes[i]));
      ++end;
    }
    i = end;
  }
  if (parts.empty()) return "nothing";
  std::string out;
  for (const std::string& p : parts) out += (out.empty() ? "" : ", ") + p;
  return out;
}

std::vector<std::string> openFailureWords(const OpenFailure& f, const std::string& where) {
  const std::string cannot = "cannot open " + where + ": ";
  const std::string again = "then run the command again";
  switch (f.problem) {
    case OpenProblem::NothingBound:
      return {cannot + "no serial device stands for this number.",
              "run `zorvctl ports` to see the devices present, then give --port with one of their numbers or "
              "--device with a device path."};
    case OpenProblem::NotThere:
      if (!f.pinnedLink.empty())
        return {cannot + "it is pinned to " + f.pinnedLink + ", but no device is there.",
                "plug the controller in with a data cable, " + again + "."};
      return {cannot + "there is no such device (unplugged?).",
              "plug the controller in with a data cable, " + again + "; `zorvctl ports` lists the devices present."};
    case OpenProblem::Busy:
      return {cannot + "another program holds it.",
              "close it (a Zorv window, another zorvctl, a serial terminal; on Linux, ModemManager takes a new board "
              "for a few seconds), " + again + "."};
    case OpenProblem::NoPermission:
      return {cannot + "you are not allowed to use it.",
              "add yourself to the dialout group (sudo usermod -aG dialout $USER), log out and in again, " + again +
                  "."};
    case OpenProblem::Other:
      break;
  }
  return {endSentence(cannot + (f.systemText.empty() ? "the system gave no reason" : f.systemText)),
          "run `zorvctl ports` to check the device, " + again + "."};
}

std::string endWords(const ExchangeResult& end, const std::string& where, const std::string& doing) {
  switch (end.outcome) {
    case Outcome::NoAnswer:
      return endSentence(where + ": no answer while " + doing + ": " + end.message);
    case Outcome::Lost:
      return endSentence(where + " went away while " + doing + ": " + end.message);
    case Outcome::Failed:
      return endSentence(where + ": failed while " + doing + ": " + end.message);
    case Outcome::Refused:
      return endSentence(where + ": refused while " + doing + ": " + end.message);
    case Outcome::Done:
      break;
  }
  return endSentence(where + ": done " + doing);
}

std::string adviceFor(Outcome outcome) {
  switch (outcome) {
    case Outcome::NoAnswer:
      return "check that the controller is powered, that this is its port (`zorvctl ports` lists the device behind "
             "each number), that the USB cable carries data and that no other program holds the port (on Linux, "
             "ModemManager may take a new board); then run the command again.";
    case Outcome::Lost:
      return "check the cable and the controller's power, then run the command again (`zorvctl ports` lists the "
             "devices present).";
    case Outcome::Failed:
      return "check the cable, then run the command again.";
    case Outcome::Refused:
    case Outcome::Done:
      break;
  }
  return "";
}

std::string upgradeLeaves(const ExchangeResult& end) {
  if (!end.upgradeCommandSent) return "the upgrade did not start: the controller's firmware is unchanged.";
  return "the controller had taken " + std::to_string(end.done) + " of its " + std::to_string(end.total) +
         " packets; it may now hold an incomplete firmware and must be upgraded again before it flies: run the "
         "same flash command again.";
}

}  // namespace zorv
