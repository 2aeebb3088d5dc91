// corvex-sim: serves the simulated Corvex controller on a pseudo-terminal, so that the window
// (or any serial terminal) can talk to it as to a real board.
//
//   corvex-sim [--link PATH] [--log FILE] [--flash FILE] [--pace] [--kind TKVR|PXOJ] [--moving-sticks]
//              [--mute-after N] [--boot-delay MS] [--slow-flash MS] [--noise-on-open BYTES]
//              [--defaults-after-upgrade] [--replay TRACE] [--quiet]   (--help: every option)
//
// The first line on stdout is the device to open (e.g. /dev/pts/7). The program runs until
// SIGINT or SIGTERM. The window may close and reopen the device as often as it likes: the
// program keeps a descriptor of the device open itself, so the pseudo-terminal never hangs up,
// and watches the device's opens (inotify) to tell the controller when the window opened it.

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/inotify.h>
#include <sys/prctl.h>
#include <termios.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

#include "serial/traffic_line.h"
#include "sim/controller.h"
#include "sim/replay.h"
#include "sim/sim_options.h"
#include "sim/wire_pace.h"

namespace {

namespace fs = std::filesystem;
using SteadyClock = std::chrono::steady_clock;

constexpr double kSpinUs = 100;  // how long before a paced deadline the loop stops sleeping
constexpr size_t kMaxPendingOutput = 256 * 1024;
constexpr int kStaleAfterMs = 2000;  // nobody read the device for this long: drop what waits

int signalPipe[2] = {-1, -1};

void onSignal(int) {
  const char byte = 1;
  const int saved = errno;
  (void)!write(signalPipe[1], &byte, 1);
  errno = saved;
}

// A log line shows control bytes escaped, so that "?C\r" reads as such.
std::string escaped(const std::string& text) {
  std::string out;
  for (unsigned char c : text) {
    if (c == '\r') {
      out += "\\r";
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '\\') {
      out += "\\\\";
    } else if (c < 0x20 || c >= 0x7f) {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\x%02X", c);
      out += hex;
    } else {
      out += static_cast<char>(c);
    }
  }
  return out;
}

struct Pty {
  int master = -1;
  int slave = -1;  // held open by us so that the device never hangs up
  std::string path;
};

bool openPty(Pty& pty, std::string& error) {
  pty.master = posix_openpt(O_RDWR | O_NOCTTY);
  if (pty.master < 0 || grantpt(pty.master) != 0 || unlockpt(pty.master) != 0) {
    error = std::string("cannot create a pseudo-terminal: ") + std::strerror(errno);
    return false;
  }
  char name[256];
  if (ptsname_r(pty.master, name, sizeof name) != 0) {
    error = std::string("cannot name the pseudo-terminal: ") + std::strerror(errno);
    return false;
  }
  pty.path = name;
  pty.slave = open(name, O_RDWR | O_NOCTTY);
  if (pty.slave < 0) {
    error = "cannot open " + pty.path + ": " + std::strerror(errno);
    return false;
  }
  termios t{};
  tcgetattr(pty.slave, &t);
  cfmakeraw(&t);
  cfsetispeed(&t, B115200);
  cfsetospeed(&t, B115200);
  tcsetattr(pty.slave, TCSANOW, &t);
  fcntl(pty.master, F_SETFL, fcntl(pty.master, F_GETFL) | O_NONBLOCK);
  return true;
}

bool makeLink(const std::string& link, const std::string& target, std::string& error) {
  std::error_code ec;
  const fs::path path(link);
  if (path.has_parent_path()) fs::create_directories(path.parent_path(), ec);
  if (fs::is_symlink(fs::symlink_status(path, ec)) || fs::is_regular_file(fs::symlink_status(path, ec))) {
    fs::remove(path, ec);
  }
  fs::create_symlink(target, path, ec);
  if (ec) error = "cannot create the link " + link + ": " + ec.message();
  return !ec;
}

void removeLink(const std::string& link, const std::string& target) {
  std::error_code ec;
  // Only our own link: another simulator may have replaced it meanwhile.
  if (fs::read_symlink(link, ec) == fs::path(target) && !ec) fs::remove(link, ec);
}

// The whole image, replacing the file: written beside it, then renamed over it.
bool writeFlash(const std::string& path, const std::vector<uint8_t>& image) {
  const std::string temporary = path + ".part";
  FILE* f = std::fopen(temporary.c_str(), "wb");
  if (!f) return false;
  const bool written = std::fwrite(image.data(), 1, image.size(), f) == image.size();
  if (std::fclose(f) != 0 || !written) return false;
  return std::rename(temporary.c_str(), path.c_str()) == 0;
}

// The trace to replay, read whole (up to the reader's bound). False with `error` set when it
// cannot be read or holds no command.
bool readReplay(const std::string& path, zorv::TraceReading& reading, std::string& error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error = "cannot read " + path + ": " + std::strerror(errno);
    return false;
  }
  // Up to a little more than the reader takes, so that it can tell a trace was cut.
  std::string text;
  std::vector<char> buffer(64 * 1024);
  while (text.size() <= zorv::kTraceMaxText) {
    in.read(buffer.data(), static_cast<std::streamsize>(buffer.size()));
    const std::streamsize got = in.gcount();
    if (got <= 0) break;
    text.append(buffer.data(), static_cast<size_t>(got));
  }
  reading = zorv::readTrace(text);
  const bool anyCommand = std::any_of(reading.chunks.begin(), reading.chunks.end(),
                                      [](const zorv::TraceChunk& c) { return c.direction == zorv::Traffic::Written; });
  if (!anyCommand) error = path + " holds no command written to the controller: is it a traffic log?";
  return anyCommand;
}

double microsSince(SteadyClock::time_point start, SteadyClock::time_point t) {
  return std::chrono::duration<double, std::micro>(t - start).count();
}

timespec timespecOfUs(double us) {
  timespec t{};
  if (us <= 0) return t;
  t.tv_sec = static_cast<time_t>(us / 1e6);
  t.tv_nsec = static_cast<long>((us - static_cast<double>(t.tv_sec) * 1e6) * 1000.0);
  return t;
}

}  // namespace

int main(int argc, char** argv) {
  const zorv::sim::SimCommandLine command = zorv::sim::parseSimCommandLine(std::vector<std::string>(argv, argv + argc));
  if (command.exitCode >= 0) {
    std::fputs(command.out.c_str(), stdout);
    std::fputs(command.err.c_str(), stderr);
    return command.exitCode;
  }
  const zorv::sim::SimOptions& options = command.options;

  std::unique_ptr<zorv::sim::Replay> replay;
  if (!options.replayPath.empty()) {
    zorv::TraceReading trace;
    std::string error;
    if (!readReplay(options.replayPath, trace, error)) {
      std::fprintf(stderr, "corvex-sim: %s\n", error.c_str());
      return 1;
    }
    if (trace.badLines > 0) {
      std::fprintf(stderr, "corvex-sim: %zu lines of %s are no traffic and are left out, among them:\n", trace.badLines,
                   options.replayPath.c_str());
      for (const std::string& p : trace.problems) std::fprintf(stderr, "corvex-sim:   %s\n", p.c_str());
    }
    if (trace.cut) std::fprintf(stderr, "corvex-sim: only the first 64 MiB of %s are played\n", options.replayPath.c_str());
    replay = std::make_unique<zorv::sim::Replay>(trace.chunks, fs::path(options.replayPath).filename().string());
  }

  Pty pty;
  std::string error;
  if (!openPty(pty, error)) {
    std::fprintf(stderr, "corvex-sim: %s\n", error.c_str());
    return 1;
  }
  if (pipe(signalPipe) != 0) return 1;
  fcntl(signalPipe[0], F_SETFL, O_NONBLOCK);
  fcntl(signalPipe[1], F_SETFL, O_NONBLOCK);
  struct sigaction sa {};
  sa.sa_handler = onSignal;
  sigemptyset(&sa.sa_mask);
  sigaction(SIGINT, &sa, nullptr);
  sigaction(SIGTERM, &sa, nullptr);
  sigaction(SIGHUP, &sa, nullptr);
  signal(SIGPIPE, SIG_IGN);

  // Each open of the device by the window (our own descriptor was opened before the watch), watched
  // before the device is named or linked, so that no open goes unseen.
  const int opens = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
  if (opens < 0 || inotify_add_watch(opens, pty.path.c_str(), IN_OPEN) < 0) {
    std::fprintf(stderr, "corvex-sim: cannot watch %s for opens (%s); the controller is never told of one\n",
                 pty.path.c_str(), std::strerror(errno));
  }

  if (!options.link.empty() && !makeLink(options.link, pty.path, error)) {
    std::fprintf(stderr, "corvex-sim: %s\n", error.c_str());
    return 1;
  }
  FILE* logFile = nullptr;
  if (!options.logPath.empty()) {
    logFile = std::fopen(options.logPath.c_str(), "a");
    if (!logFile) {
      std::fprintf(stderr, "corvex-sim: cannot open %s: %s\n", options.logPath.c_str(), std::strerror(errno));
      removeLink(options.link, pty.path);
      return 1;
    }
  }

  std::printf("%s\n", pty.path.c_str());
  std::fflush(stdout);
  if (!options.quiet) {
    if (replay) {
      std::fprintf(stderr, "corvex-sim: replaying the %zu commands of %s on %s%s%s\n", replay->commandsInTrace(),
                   options.replayPath.c_str(), pty.path.c_str(), options.link.empty() ? "" : " via ",
                   options.link.c_str());
    } else {
      std::fprintf(stderr, "corvex-sim: %s controller on %s%s%s\n", options.kind.c_str(), pty.path.c_str(),
                   options.link.empty() ? "" : " via ", options.link.c_str());
    }
  }

  zorv::sim::Controller controller;
  controller.kind = options.kind;
  controller.movingSticks = options.movingSticks;
  controller.faults.muteAfterCommands = options.muteAfter;
  controller.bootDelayMs = options.bootDelayMs;
  controller.slowFlashMs = options.slowFlashMs;
  controller.noiseOnOpen = options.noiseOnOpen;
  controller.defaultsAfterUpgrade = options.defaultsAfterUpgrade;
  zorv::sim::Peer& peer = replay ? static_cast<zorv::sim::Peer&>(*replay) : controller;


  // Paced, both directions keep the line's time: what the window writes reaches the controller
  // once its last byte has crossed, and each answer is handed over once its own last byte has,
  // on microsecond deadlines. An answer starts when its request has crossed, however late this
  // process is scheduled to give it: the controller itself answers within microseconds.
  zorv::sim::WirePace inbound, outbound;
  if (options.pace) prctl(PR_SET_TIMERSLACK, 1UL);  // wake within a microsecond, not fifty

  const auto start = SteadyClock::now();
  auto lastTick = start;
  std::string out;  // bytes handed over, waiting for room in the device, from outPos on
  size_t outPos = 0;
  double blockedSinceUs = -1;
  double masterQuietUntilUs = 0;
  bool stop = false;
  int restartsSeen = 0;

  auto logLine = [&](const std::string& line, bool note) {
    if (logFile) {
      std::fprintf(logFile, "%s%s\n", note ? "# " : "", line.c_str());
      std::fflush(logFile);
    }
    if (!options.quiet) std::fprintf(stderr, "corvex-sim: %s%s\n", note ? "" : "<- ", line.c_str());
  };
  auto takeLog = [&] {
    for (const std::string& entry : replay ? replay->log() : controller.log()) logLine(escaped(entry), false);
    if (replay) {
      replay->clearLog();
    } else {
      controller.clearLog();
    }
    for (const std::string& note : peer.takeNotes()) logLine(note, true);
  };
  // What the controller said, started at startUs.
  auto takeOutput = [&](double startUs) {
    for (const auto& chunk : peer.takeOutput()) {
      const size_t waiting = out.size() - outPos + outbound.queuedBytes();
      if (waiting + chunk.size() > kMaxPendingOutput) continue;  // lost, as on a line nobody reads
      if (options.pace) {
        outbound.send(startUs, std::string(chunk.begin(), chunk.end()));
      } else {
        out.append(chunk.begin(), chunk.end());
      }
    }
  };

  auto onOpened = [&](double nowUs) {
    peer.portOpened();
    takeOutput(nowUs);
    if (!replay && controller.booting() && !options.quiet) {
      std::fprintf(stderr, "corvex-sim: device opened; booting for %u ms\n", static_cast<unsigned>(options.bootDelayMs));
    }
  };

  while (!stop) {
    const auto now = SteadyClock::now();
    const double nowUs = microsSince(start, now);
    const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(now - lastTick);
    if (elapsed.count() > 0) {
      peer.advance(static_cast<uint32_t>(std::min<int64_t>(elapsed.count(), 60000)));
      lastTick += elapsed;
    }
    takeOutput(nowUs);  // a stream record or a time-out: no request before it

    // Requests whose last byte has crossed reach the controller; its answers start from there.
    std::string arrived;
    double crossedUs = 0;
    if (inbound.takeDue(nowUs, arrived, &crossedUs)) {
      peer.receive(reinterpret_cast<const uint8_t*>(arrived.data()), arrived.size());
      takeOutput(crossedUs);
    }
    takeLog();
    // A completed upgrade restarts the application: its image goes to the flash file.
    if (!replay && controller.restarts() != restartsSeen) {
      restartsSeen = controller.restarts();
      if (!options.flashPath.empty() && !controller.flash().empty() && !writeFlash(options.flashPath, controller.flash()))
        std::fprintf(stderr, "corvex-sim: cannot write %s: %s\n", options.flashPath.c_str(), std::strerror(errno));
    }
    outbound.takeDue(nowUs, out);

    if (outPos < out.size()) {
      const ssize_t n = write(pty.master, out.data() + outPos, out.size() - outPos);
      if (n > 0) {
        outPos += static_cast<size_t>(n);
        blockedSinceUs = -1;
      } else if (n < 0 && errno == EAGAIN) {
        if (blockedSinceUs < 0) blockedSinceUs = nowUs;
        if (nowUs - blockedSinceUs > kStaleAfterMs * 1000.0) {
          // Nobody has read the device for a while: forget the stale bytes on both sides.
          tcflush(pty.slave, TCIFLUSH);
          outPos = out.size();
          outbound.clear(nowUs);
          blockedSinceUs = -1;
        }
      }
      if (outPos == out.size()) {
        out.clear();
        outPos = 0;
      } else if (outPos > 64 * 1024) {
        out.erase(0, outPos);
        outPos = 0;
      }
    }

    // Sleep until input, a signal, the controller's next record, or the next paced deadline.
    double timeoutUs = std::min<double>(peer.msUntilDue(), 1000) * 1000.0;
    const bool waiting = outPos < out.size();
    if (waiting) timeoutUs = std::min(timeoutUs, 50000.0);  // the device was full; poll for room below
    const double nextDueUs = std::min(inbound.nextDueUs(), outbound.nextDueUs());
    const double afterUs = microsSince(start, SteadyClock::now());
    if (nextDueUs < afterUs + timeoutUs) {
      // A sleeping thread wakes late on a busy machine: sleep until shortly before the deadline
      // and spin the rest of the way.
      timeoutUs = std::max(0.0, nextDueUs - afterUs - kSpinUs);
    }
    const bool listen = nowUs >= masterQuietUntilUs;
    pollfd fds[3] = {{signalPipe[0], POLLIN, 0}, {opens, POLLIN, 0}, {pty.master, 0, 0}};
    if (listen) fds[2].events = static_cast<short>(POLLIN | (waiting ? POLLOUT : 0));
    const timespec wait = timespecOfUs(timeoutUs);
    const int ready = ppoll(fds, listen ? 3 : 2, &wait, nullptr);
    if (ready < 0 && errno != EINTR) break;
    if (ready <= 0) continue;
    if (fds[0].revents & POLLIN) stop = true;
    // An open comes before whatever the window wrote after it: the board hears the open first.
    if (fds[1].revents & POLLIN) {
      alignas(inotify_event) char events[4096];
      for (ssize_t n; (n = read(opens, events, sizeof events)) > 0;) {
        for (ssize_t at = 0; at + static_cast<ssize_t>(sizeof(inotify_event)) <= n;) {
          const auto* e = reinterpret_cast<const inotify_event*>(events + at);
          if (e->mask & IN_OPEN) onOpened(microsSince(start, SteadyClock::now()));
          at += static_cast<ssize_t>(sizeof(inotify_event) + e->len);
        }
      }
    }
    if (!listen) continue;

    if (fds[2].revents & POLLIN) {
      uint8_t buffer[4096];
      for (;;) {
        const ssize_t n = read(pty.master, buffer, sizeof buffer);
        if (n > 0) {
          if (options.pace) {
            inbound.send(microsSince(start, SteadyClock::now()),
                         std::string(reinterpret_cast<char*>(buffer), static_cast<size_t>(n)));
          } else {
            peer.receive(buffer, static_cast<size_t>(n));
          }
          continue;
        }
        if (n < 0 && errno == EIO) masterQuietUntilUs = nowUs + 20000;  // no one on the other side
        break;
      }
    } else if (fds[2].revents & (POLLHUP | POLLERR)) {
      // Cannot happen while we hold the device open ourselves; if it does, wait and retry.
      masterQuietUntilUs = nowUs + 20000;
    }
  }

  if (!options.link.empty()) removeLink(options.link, pty.path);
  if (logFile) std::fclose(logFile);
  if (opens >= 0) close(opens);
  close(pty.slave);
  close(pty.master);
  if (!options.quiet) std::fprintf(stderr, "corvex-sim: stopped\n");
  return 0;
}
