#pragma once
// The serial line of the end-to-end benchmarks, built from pseudo-terminals: a pair whose slave
// the window opens as COM3, a relay thread that carries bytes between it and a controller (the
// simulated one, in a child process) and can hold each byte back as long as 115 200 baud takes
// to carry it, a feeder that plays a byte stream at the wire rate, and child processes.

#include <sys/types.h>

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "tests/support/child_process.h"

namespace zorv::bench {

using test::Child;

constexpr double kBaud = 115200.0;
constexpr double kByteUs = 10.0 * 1e6 / kBaud;  // 8N1: ten bits a byte

// Microseconds on the monotonic clock.
double nowUs();
// CPU seconds (user + system) of the calling thread, or of the whole process.
double threadCpuSeconds();
double processCpuSeconds();
// Seconds the wire needs for this many bytes.
inline double wireSeconds(size_t bytes) { return static_cast<double>(bytes) * kByteUs / 1e6; }

double median(std::vector<double> v);

// A pseudo-terminal: the bench keeps the master (and a descriptor of the slave, so the line never
// hangs up when the window closes it); the window opens `path`.
struct PtyPair {
  int master = -1;
  int slave = -1;
  std::string path;
  bool open(std::string& error);
  void close();
  ~PtyPair() { close(); }
};

// Opens a terminal device raw and non-blocking (the simulated controller's line, seen from our side).
int openDevice(const std::string& path, std::string& error);

// Points the symbolic link `link` at `target`, replacing what was there.
bool pointLink(const std::string& link, const std::string& target, std::string& error);

// A fresh folder under $TMPDIR, removed with everything in it when the object goes.
struct TempDir {
  std::string path;
  TempDir();
  ~TempDir();
  std::string file(const std::string& name) const { return path + "/" + name; }
};

// corvex-sim in a child process.
struct SimProcess {
  Child child;
  std::string device;
  // extra: "--pace", "--link", path, ...
  bool start(const std::string& program, const std::vector<std::string>& extra, std::string& error);
  void stop() { child.stop(); }
};

// Carries bytes between the window's pty (its master) and the controller's device. When pacing,
// a direction delivers every chunk only once the line would have carried its last byte: chunks
// queue behind each other like bytes on a wire, and the controller sees a command no earlier than
// a real line would hand it over.
class Relay {
 public:
  struct Options {
    bool paceUp = false;    // window -> controller
    bool paceDown = false;  // controller -> window
    std::string watchUp;    // when the window sends this text, note the time
    size_t replyAfterWatch = 0;  // and note when this many bytes have come back after it
  };
  Relay(int windowMaster, int controllerFd, Options options);
  ~Relay();
  void start();
  void stop();

  std::atomic<uint64_t> bytesUp{0}, bytesDown{0};
  std::atomic<double> firstUpUs{0};    // first byte from the window
  std::atomic<double> watchSeenUs{0};  // watchUp seen
  std::atomic<double> replyDoneUs{0};  // replyAfterWatch bytes forwarded after it
  std::string firstUpText() const;     // the first few bytes the window sent

 private:
  void run();
  int window_, controller_;
  Options options_;
  int wake_[2] = {-1, -1};
  std::thread thread_;
  mutable std::mutex mutex_;
  std::string firstUp_;
  std::string upTail_;
  uint64_t downAfterWatch_ = 0;
};

// Writes a byte stream into the window's pty at the wire rate, as a USB serial adapter hands it
// over: every millisecond (or step) whatever the line has carried by then. Reads and drops what the window
// sends. Measures its own CPU so that the bench can leave it out of the window's share.
class Feeder {
 public:
  // Every `stepMs` milliseconds, what the line has carried since the last step.
  Feeder(int windowMaster, std::string stream, int stepMs = 1);
  ~Feeder();
  void start(std::function<void()> onDone);
  void join();
  double cpuSeconds() const { return cpu_; }
  double wallSeconds() const { return wall_; }
  uint64_t bytesWritten() const { return written_; }

 private:
  void run();
  int window_;
  std::string stream_;
  int stepMs_;
  std::function<void()> onDone_;
  std::thread thread_;
  double cpu_ = 0, wall_ = 0;
  uint64_t written_ = 0;
};

}  // namespace zorv::bench
