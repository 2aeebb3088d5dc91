#pragma once
// Reconnect when the board comes back. When the open port's device goes away (unplugged, a board
// reset), the window looks once a second whether it is back: a pinned number's link leads to a
// device again, or the very device path it had is there again and the number still stands for
// it. Then, after a settle time, it opens the port and reads it back as the pilot's choice of the
// port would; the same USB serial number (recorded at the last read-back that completed, and
// kept in zorv.ini's [reconnect] for the next start) under the same number counts as the same
// device even under another path. A read-back that meets "No answer" (a board still booting) is started again on the
// open port up to kRetries times, a second apart, and then it stops and says so. At start the
// same for a pinned number that had no device, or for the number whose device's serial number
// was recorded. Never after an unfinished upgrade (the board is in
// its loader and waits for the pilot), and never to a device the pilot did not pick. Looking
// costs one file test a second; the port list is scanned again only when the device is back.

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <functional>
#include <string>

#include "core/exchange_result.h"
#include "serial/port_list.h"

namespace zorv {

class CZorvDlg;

class Reconnect : public QObject {
 public:
  static constexpr int kScanMs = 1000;
  static constexpr int kSettleMs = 500;
  static constexpr int kRetryMs = 1000;
  static constexpr int kRetries = 3;

  struct Devices {
    // The path to test for the number: its pinned link, or "" when the number is not pinned.
    std::function<std::string(int number)> pinnedLink;
    // Scans the devices again (the port list's labels too) and returns what the number now
    // stands for.
    std::function<PortEntry(int number)> rescan;
    // Whether a device with this USB serial number is present (without a scan).
    std::function<bool(const std::string& serial)> serialPresent;
    // The device the open port opened.
    std::function<std::string()> openedDevice;
  };

  // `configPath`: the zorv.ini where the serial number is kept ("" keeps it in memory only).
  Reconnect(CZorvDlg& window, Devices devices, std::string configPath = "");

  // The open port's device went away (called after the window has heard of it).
  void portLost();
  // The window started and its port did not open: watched for when the number is pinned.
  void startFailed();
  bool watching() const { return state_ != State::Idle; }

  // Plain words for the pilot when it gives up.
  static std::string gaveUpText(int number);
  static Text gaveUpWords(int number);  // the same, for the window

 private:
  enum class State { Idle, Watching, Settling, ReadingBack, Retrying };
  void watch(int number, std::string device);
  void record(const PortEntry& entry);
  void tick();
  void exchangeEnded(const ExchangeResult& end);
  void stop();
  bool present() const;
  // The number watched is the one whose device's serial number was recorded.
  bool bySerial() const;

  CZorvDlg& window_;
  Devices devices_;
  QTimer timer_;
  QElapsedTimer since_;
  State state_ = State::Idle;
  int number_ = 0;
  std::string device_;      // the device path watched for; "" for a pinned number
  std::string configPath_;
  int recordedNumber_ = 0;  // the number and serial number of the last read-back completed
  std::string recordedSerial_;
  int retries_ = 0;
  bool loaderLeft_ = false;  // an upgrade stopped after its command went out
};

}  // namespace zorv
