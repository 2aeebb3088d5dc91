#pragma once
// The simulated Corvex controller: a pure byte-in/byte-out protocol peer. No I/O, no threads, no
// clock of its own: the owner feeds it the bytes the window wrote, tells it how much time passed,
// and takes what it answered. SimPort (in memory) and corvex-sim (on a pseudo-terminal) drive it.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "sim/faults.h"
#include "sim/peer.h"

namespace zorv::sim {

class Controller : public Peer {
 public:
  Controller();

  // Bytes the window wrote, in whatever pieces they arrive.
  void receive(const uint8_t* data, size_t n) override;
  void receive(std::string_view bytes) { receive(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()); }
  // The window opened the port: the boot delay starts and the noise goes out (both off by default).
  void portOpened() override;

  // Simulated time passes: drives the monitor stream, the loader's idle time-out, a held loader
  // reply and the boot delay.
  void advance(uint32_t ms) override;
  // Milliseconds until advance() has something to do (a monitor record, the loader giving up, a
  // held loader reply, the end of the boot delay); UINT32_MAX when nothing is scheduled. Lets a
  // real-time driver sleep exactly that long.
  uint32_t msUntilDue() const override;

  // Everything sent since the last call, one element per write.
  std::vector<std::vector<uint8_t>> takeOutput() override;
  bool hasOutput() const { return !output_.empty(); }

  // The parameter store. Letters are the command letters ('C', 'a', '4', '~', ...); 'j' is
  // lastDefaultSet. value() of a letter never written or set is 0.
  int value(char letter) const;
  void setValue(char letter, int v);

  // The firmware kind reported by "?W" and required by the upgrade command ("TKVR" or "PXOJ").
  std::string kind = "TKVR";
  // The last default set selected by "Sj": 0..3 loaded a set, 4 announced a saved file. "?j" reads it.
  int lastDefaultSet;
  // The monitor stream shows sticks swept end to end and switches flipped, as when a pilot checks
  // the radio, instead of the small bench movements.
  bool movingSticks = false;
  // What the stream still sends once "S~0000" is heard while it runs, as a controller does that
  // is in the middle of a record: 0 nothing; 1 the rest of the record it was sending (its last
  // 20 bytes; the start went out before the stop), then the answer; 2 that, the answer, and one
  // more whole record.
  int recordsAfterStop = 0;

  // Ways of a real board that last, unlike the faults below, which are used up. All off by default.
  // After each open of the port it hears nothing and sends nothing for this long: a board still
  // booting. What it was doing (a stream, the loader) carries on afterwards.
  uint32_t bootDelayMs = 0;
  // The loader's "RADY" and its reply to the finish packet come this much later: a flash that is
  // slow to erase and to write. The image is committed when the finish reply goes out.
  uint32_t slowFlashMs = 0;
  // Sent once each time the port opens, before anything else: the stray bytes of a board that
  // powers up (a boot loader's banner, a UART glitch).
  std::vector<uint8_t> noiseOnOpen;
  // After a completed upgrade the settings come back as default set 0, as from a new firmware
  // whose settings layout changed; otherwise they survive the upgrade.
  bool defaultsAfterUpgrade = false;
  bool booting() const { return bootLeftMs_ > 0; }

  bool monitorOn() const { return monitorOn_; }
  bool inLoader() const { return inLoader_; }
  // The committed firmware image: every data byte of the last completed upload, zero fill included.
  const std::vector<uint8_t>& flash() const { return flash_; }
  // Whether the window's sum in the last 0xC8 packet matched the controller's own.
  bool lastSumMatched() const { return lastSumMatched_; }
  // Application restarts: after each committed upload and each restart().
  int restarts() const { return restarts_; }

  // Power cycle: partial input is forgotten, the loader and the monitor stream stop, and a
  // controller that had vanished is back. Output already queued stays queued.
  void restart();
  // True once the vanish fault has fired; nothing is sent or heard afterwards.
  bool vanished() const override { return vanished_ || faults.vanishAfterBytes == 0; }
  // True once the mute fault has fired: commands are logged, nothing is done or answered.
  bool muted() const { return faults.muteAfterCommands == 0; }

  // Every complete command received as its raw text ("?C\r", "SC0007\r"), and one short line per
  // loader packet ("PKT A5 seq=2"). Kept to the newest entries when it grows very long.
  const std::vector<std::string>& log() const { return log_; }
  void clearLog() { log_.clear(); }

  size_t bytesReceived() const { return bytesReceived_; }
  size_t bytesSent() const { return bytesSent_; }
  // Bytes of an unfinished command or packet held so far (bounded).
  size_t bufferedInput() const { return line_.size() + packet_.size(); }
  // Bytes sent but not yet taken (bounded: once full, further output is lost like on a real line).
  size_t queuedOutput() const { return queuedBytes_; }

  Faults faults;

  static constexpr size_t kMaxLine = 32;              // longest command kept while waiting for CR
  static constexpr size_t kPacketSize = 64;
  static constexpr size_t kMaxImage = 512 * 1024;     // staging area of the loader
  static constexpr size_t kOutputLimit = 1024 * 1024; // output queued but not taken
  static constexpr size_t kLogLimit = 100000;
  static constexpr uint32_t kLoaderIdleMs = 3000;     // loader gives up and restarts the application
  static constexpr size_t kMaxHeld = 16;              // loader replies held back by a slow flash

 private:
  void onLine(const std::string& line);
  void onQuery(char letter);
  void onSetting(char letter, const std::string& digits, const std::string& raw);
  void onUpgrade(std::string_view wantedKind);
  void onPacket();
  void loadDefaultSet(int k);
  void applyCalibration();
  void send(std::vector<uint8_t> bytes);
  void send(std::string_view text) { send(std::vector<uint8_t>(text.begin(), text.end())); }
  void addLog(std::string entry);
  void leaveModes();
  // Counts one command or packet against the mute budget.
  void countTowardsMute();
  // A loader reply that a slow flash holds back; `commit` when it ends an upgrade.
  void hold(std::vector<uint8_t> reply, bool commit);
  // Sends the held replies that are due; returns how much of the last `ms` the loader was idle.
  uint32_t releaseHeld(uint32_t ms);
  // The finished upgrade's image goes to the flash and the application starts again.
  void commitFlash();

  std::array<int, 128> values_{};
  std::string line_;
  std::vector<uint8_t> packet_;

  bool monitorOn_ = false;
  uint64_t monitorElapsed_ = 0;  // ms since the last record (wide: advance() may be given hours)
  int monitorNext_ = 0;          // kind of the next record
  uint32_t timeMs_ = 0;          // simulated time since power-on, for the moving values
  uint64_t clockMs_ = 0;         // the same, never wrapping, for the held replies
  uint32_t bootLeftMs_ = 0;

  struct Held {
    uint64_t dueMs;
    std::vector<uint8_t> reply;
    bool commit;
  };
  std::vector<Held> held_;

  bool inLoader_ = false;
  uint32_t loaderIdleMs_ = 0;
  uint32_t expectedSequence_ = 1;
  uint32_t sum_ = 0;
  std::vector<uint8_t> staging_;
  std::vector<uint8_t> flash_;
  bool lastSumMatched_ = false;
  int restarts_ = 0;

  bool vanished_ = false;
  std::vector<std::vector<uint8_t>> output_;
  size_t queuedBytes_ = 0;
  std::vector<std::string> log_;
  size_t bytesReceived_ = 0;
  size_t bytesSent_ = 0;
};

}  // namespace zorv::sim
