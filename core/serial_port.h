#pragma once
// The one serial port of the program. Every byte to and from the controller passes here.
// Implementations: QtSerialPort (a real device), sim::SimPort (in memory, for tests and the demo).

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace zorv {

// Why an open failed, as a kind each shell words with its own advice.
enum class OpenProblem {
  NothingBound,  // no device for this number
  NotThere,      // the device (or the pinned link's device) is not present: unplugged
  Busy,          // another program holds it
  NoPermission,  // the user may not open it (on Linux: not in the dialout group)
  Other,
};

struct OpenFailure {
  OpenProblem problem = OpenProblem::Other;
  int number = 0;
  std::string device;       // as opened ("/dev/ttyACM0"), may be empty
  std::string pinnedLink;   // the link when the number is pinned
  std::string systemText;   // the system's own words, used for Other
};

class SerialPort {
 public:
  virtual ~SerialPort() = default;

  // Port number 1..20 (0 is passed through unchanged and never opens).
  virtual void setPortNumber(int n) = 0;
  virtual int portNumber() const = 0;
  virtual void setBufferSizes(int in, int out) = 0;

  // Opens the port chosen by the last setPortNumber. False on failure; errorText() says why.
  virtual bool open() = 0;
  virtual void close() = 0;
  virtual bool isOpen() const = 0;
  virtual std::string errorText() const = 0;
  // Why the last open failed, by kind; a port that cannot tell says Other with errorText().
  virtual OpenFailure openFailure() const {
    OpenFailure f;
    f.number = portNumber();
    f.systemText = errorText();
    return f;
  }

  // 115 200 baud, 8 data bits, no parity, 1 stop bit, no flow control.
  virtual void applyLineSettings() = 0;

  // Returns and removes every byte waiting (possibly none).
  virtual std::vector<uint8_t> readAll() = 0;
  // Queues bytes for sending in order; bytes written to a port that is not open are dropped.
  virtual void write(const uint8_t* data, size_t n) = 0;

  // Waits up to ms for bytes to arrive, without raising onReceive; true when some are waiting.
  // Only for a handler that must let the line go quiet before it asks something; a port that
  // cannot wait says nothing arrived.
  virtual bool waitForInput(int ms) {
    (void)ms;
    return false;
  }

  void write(std::string_view s) { write(reinterpret_cast<const uint8_t*>(s.data()), s.size()); }
  void discardInput() { (void)readAll(); }

  // Raised on the window thread, never inside a handler: bytes are waiting.
  std::function<void()> onReceive;
  // Raised on the window thread when the device went away (unplugged) or failed for good.
  std::function<void(const std::string& reason)> onLost;
};

}  // namespace zorv
