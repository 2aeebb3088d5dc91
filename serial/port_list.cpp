#include "serial/port_list.h"

#include <algorithm>
#include <cctype>

namespace zorv {

namespace {

bool startsWith(const std::string& s, const char* prefix) { return s.rfind(prefix, 0) == 0; }

int rankOf(const SerialDevice& d) {
  const std::string name = shortDeviceName(d.location);
  if (startsWith(name, "ttyACM")) return 0;
  if (startsWith(name, "ttyUSB")) return 1;
  return 2;
}

std::string lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

// What goes in the brackets: "ttyACM0 · Corvex FC · Tarvik". The maker is left out when the
// description already names it (by the first word of the maker's name: "u-blox" of "u-blox AG");
// parts the system does not know are left out.
std::string describe(const std::string& shown, const SerialDevice* d) {
  std::string text = shown;
  auto add = [&text](const std::string& part) { text += (text.empty() ? "" : " · ") + part; };
  if (!d) return text;
  if (!d->description.empty()) add(d->description);
  const std::string makerWord = lower(d->maker.substr(0, d->maker.find(' ')));
  if (!d->maker.empty() && lower(d->description).find(makerWord) == std::string::npos) add(d->maker);
  return text;
}

std::string withDetails(const std::string& com, const std::string& details) {
  return details.empty() ? com : com + " (" + details + ")";
}

const SerialDevice* find(const std::vector<SerialDevice>& devices, const std::string& location) {
  for (const SerialDevice& d : devices)
    if (d.location == location) return &d;
  return nullptr;
}

std::string named(int number, const std::string& device) {
  std::string text = "COM" + std::to_string(number);
  if (!device.empty()) text += " (" + shortDeviceName(device) + ")";
  return text;
}

}  // namespace

std::string shortDeviceName(const std::string& location) {
  if (startsWith(location, "/dev/")) return location.substr(5);
  const size_t slash = location.find_last_of("/\\");
  return slash == std::string::npos ? location : location.substr(slash + 1);
}

std::vector<PortEntry> layoutPorts(std::vector<SerialDevice> devices, const std::vector<PinnedPort>& pins,
                                   bool windows) {
  std::stable_sort(devices.begin(), devices.end(), [](const SerialDevice& a, const SerialDevice& b) {
    const int ra = rankOf(a), rb = rankOf(b);
    return ra != rb ? ra < rb : shortDeviceName(a.location) < shortDeviceName(b.location);
  });
  std::vector<PortEntry> entries(kPortCount);
  for (int n = 1; n <= kPortCount; ++n) {
    PortEntry& e = entries[static_cast<size_t>(n - 1)];
    const std::string com = "COM" + std::to_string(n);
    e.label = com;
    if (windows) {
      // The number is the device; the entry tells what the system knows of it, if present.
      e.device = com;
      for (const SerialDevice& d : devices)
        if (shortDeviceName(d.location) == com) e.label = withDetails(com, describe("", &d));
      continue;
    }
    const auto pin = std::find_if(pins.begin(), pins.end(), [n](const PinnedPort& p) { return p.number == n; });
    if (pin != pins.end()) {
      e.link = pin->link;
      // The label shows the device the link leads to; opening takes that device, or the link
      // itself when nothing is there yet (it may be plugged in by then).
      e.device = pin->target.empty() ? pin->link : pin->target;
      if (!pin->target.empty()) {
        const SerialDevice* d = find(devices, pin->target);
        e.label = withDetails(com, describe(shortDeviceName(pin->target), d));
        if (d) e.serialNumber = d->serialNumber;
      }
      continue;
    }
    if (static_cast<size_t>(n) <= devices.size()) {
      const SerialDevice& d = devices[static_cast<size_t>(n - 1)];
      e.device = d.location;
      e.serialNumber = d.serialNumber;
      e.label = withDetails(com, describe(shortDeviceName(d.location), &d));
    }
  }
  return entries;
}

Text describeOpenFailureWords(const OpenFailure& f) {
  const std::string port = named(f.number, f.device);
  switch (f.problem) {
    case OpenProblem::NothingBound:
      return ZORV_TEXT("Messages", "%1: no serial device is connected for this number. Plug the controller in with a "
                                   "data cable, then open the port list again and pick it.")
          .arg(port);
    case OpenProblem::NotThere:
      if (!f.pinnedLink.empty())
        return ZORV_TEXT("Messages", "COM%1 is pinned to %2, but no device is there. Plug the controller in (with a "
                                     "data cable) and pick the port again.")
            .arg(f.number)
            .arg(f.pinnedLink);
      return ZORV_TEXT("Messages", "%1 is not there any more (unplugged?). Plug the controller in, then open the port "
                                   "list again and pick it.")
          .arg(port);
    case OpenProblem::Busy:
      return ZORV_TEXT("Messages", "%1 is in use by another program. Close it (another Zorv window, a serial "
                                   "terminal; on Linux also ModemManager, which grabs new boards for a few seconds) "
                                   "and pick the port again.")
          .arg(port);
    case OpenProblem::NoPermission:
      return ZORV_TEXT("Messages", "You are not allowed to use %1. Add yourself to the dialout group with: sudo "
                                   "usermod -aG dialout $USER — then log out, log in again and pick the port.")
          .arg(port);
    case OpenProblem::Other:
      break;
  }
  if (f.systemText.empty())
    return ZORV_TEXT("Messages", "%1 could not be opened. Pick the port again, or try another one.").arg(port);
  return ZORV_TEXT("Messages", "%1 could not be opened: %2. Pick the port again, or try another one.")
      .arg(port)
      .arg(f.systemText);
}

std::string describeOpenFailure(const OpenFailure& f) { return describeOpenFailureWords(f).original(); }

Text openErrorWords(const SerialPort& port) {
  const std::string said = port.errorText();
  const Text words = describeOpenFailureWords(port.openFailure());
  // A port that words its failures otherwise is shown as it says.
  return words.original() == said ? words : Text(said);
}

}  // namespace zorv
