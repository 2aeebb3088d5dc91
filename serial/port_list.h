#pragma once
// The twenty entries of the port list: which device each number stands for and how its entry
// reads. Pure: the Qt side scans the devices and the pinned links and hands them in here.
//
// Number n is pinned when the link COMn exists in the port-link folder; a pinned number keeps
// its link whatever is plugged in. Every other number is the n-th serial device present (USB
// CDC-ACM first, then USB serial adapters, then the rest, each sorted by name). On Windows n is
// simply COMn.

#include <string>
#include <vector>

#include "core/serial_port.h"
#include "core/text.h"

namespace zorv {

struct SerialDevice {
  std::string location;     // "/dev/ttyACM0" (on Windows "COM3")
  std::string description;  // what the system calls it ("Corvex FC"); may be empty
  std::string maker;        // the manufacturer it reports; may be empty
  std::string serialNumber = "";  // its USB serial number; may be empty
};

struct PinnedPort {
  int number = 0;      // 1..20
  std::string link;    // the link itself
  std::string target;  // the device it leads to now, "" when nothing is there
};

struct PortEntry {
  std::string label;   // "COM1 (ttyACM0 · Corvex FC)", or "COM1" with no device
  std::string device;  // what opening this number opens, "" when nothing is bound to it
  std::string link;    // the pinned link, "" when the number is not pinned
  std::string serialNumber = "";  // the USB serial number of the device it stands for, "" when unknown
};

constexpr int kPortCount = 20;

// "/dev/ttyACM0" -> "ttyACM0", "/dev/pts/0" -> "pts/0"; other paths keep their last part.
std::string shortDeviceName(const std::string& location);

// The entries for numbers 1..20, index n - 1.
std::vector<PortEntry> layoutPorts(std::vector<SerialDevice> devices, const std::vector<PinnedPort>& pins,
                                   bool windows);

// Why an open failed (OpenFailure, core/serial_port.h), in the window's words: one or two
// sentences for the status box's tooltip and the upgrade's message box.
std::string describeOpenFailure(const OpenFailure& failure);
Text describeOpenFailureWords(const OpenFailure& failure);
// What the port says about its last failed open, as words the window shows in the pilot's language.
Text openErrorWords(const SerialPort& port);

}  // namespace zorv
