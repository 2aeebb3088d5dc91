// corvex-sim: serves the simulated Corvex controller on a pseudo-terminal, so that the window
// (or any serial terminal) can talk to it as to a real board.
//
//   corvex-sim [--link PATH] [--log FILE] [--flash FILE] [--pace] [--kind TKVR|PXOJ] [--moving-sticks]
//              [--mute-after N] [--quiet]   (--help: every option)
//
// The first line on stdout is the device to open (e.g. /dev/pts/7). The program runs until
// SIGINT or SIGTERM. The window may close and reopen the device as often as it likes: the
// program keeps a descriptor of the device open itself, so the pseudo-terminal never hangs up.

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "sim/controller.h"
#include "sim/sim_options.h"

namespace {

namespace fs = std::filesystem;
using SteadyClock = std::chrono::steady_clock;

constexpr double kByteMicros = 10.0 * 1e6 / 115200.0;  // 8N1: ten bits per byte on the wire
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

double microsSince(SteadyClock::time_point start, SteadyClock::time_point t) {
  return std::chrono::duration<double, std::micro>(t - start).count();
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
    std::fprintf(stderr, "corvex-sim: %s controller on %s%s%s\n", options.kind.c_str(), pty.path.c_str(),
                 options.link.empty() ? "" : " via ", options.link.c_str());
  }

  zorv::sim::Controller controller;
  controller.kind = options.kind;
  controller.movingSticks = options.movingSticks;
  controller.faults.muteAfterCommands = options.muteAfter;

  const auto start = SteadyClock::now();
  auto lastTick = start;
  std::string out;  // bytes waiting for the device, from outPos on
  size_t outPos = 0;
  double wireFreeUs = 0;  // when the simulated line finishes the bytes already written
  double blockedSinceUs = -1;
  double masterQuietUntilUs = 0;
  bool stop = false;
  int restartsSeen = 0;

  while (!stop) {
    const auto now = SteadyClock::now();
    const double nowUs = microsSince(start, now);
    const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(now - lastTick);
    if (elapsed.count() > 0) {
      controller.advance(static_cast<uint32_t>(std::min<int64_t>(elapsed.count(), 60000)));
      lastTick += elapsed;
    }

    // A completed upgrade restarts the application: its image goes to the flash file.
    if (controller.restarts() != restartsSeen) {
      restartsSeen = controller.restarts();
      if (!options.flashPath.empty() && !controller.flash().empty() && !writeFlash(options.flashPath, controller.flash()))
        std::fprintf(stderr, "corvex-sim: cannot write %s: %s\n", options.flashPath.c_str(), std::strerror(errno));
    }

    for (const std::string& entry : controller.log()) {
      const std::string line = escaped(entry);
      if (logFile) {
        std::fprintf(logFile, "%s\n", line.c_str());
        std::fflush(logFile);
      }
      if (!options.quiet) std::fprintf(stderr, "corvex-sim: <- %s\n", line.c_str());
    }
    controller.clearLog();

    for (const auto& chunk : controller.takeOutput()) {
      if (out.size() - outPos + chunk.size() > kMaxPendingOutput) continue;  // lost, as on a line nobody reads
      if (outPos == out.size()) wireFreeUs = std::max(wireFreeUs, nowUs);
      out.append(chunk.begin(), chunk.end());
    }

    // Write what the line would have carried by now (everything, when not pacing).
    size_t allowed = out.size() - outPos;
    if (options.pace && nowUs > wireFreeUs) {
      allowed = std::min(allowed, static_cast<size_t>((nowUs - wireFreeUs) / kByteMicros));
    } else if (options.pace) {
      allowed = 0;
    }
    if (allowed > 0) {
      const ssize_t n = write(pty.master, out.data() + outPos, allowed);
      if (n > 0) {
        outPos += static_cast<size_t>(n);
        wireFreeUs += static_cast<double>(n) * kByteMicros;
        blockedSinceUs = -1;
      } else if (n < 0 && errno == EAGAIN) {
        if (blockedSinceUs < 0) blockedSinceUs = nowUs;
        if (nowUs - blockedSinceUs > kStaleAfterMs * 1000.0) {
          // Nobody has read the device for a while: forget the stale bytes on both sides.
          tcflush(pty.slave, TCIFLUSH);
          outPos = out.size();
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

    // Sleep until input, a signal, the controller's next record or the next paced byte.
    int timeoutMs = static_cast<int>(std::min<uint32_t>(controller.msUntilDue(), 1000));
    const bool waiting = outPos < out.size();
    if (waiting && options.pace) {
      const double untilNextUs = wireFreeUs + kByteMicros - microsSince(start, SteadyClock::now());
      timeoutMs = std::min(timeoutMs, std::max(1, static_cast<int>(std::ceil(untilNextUs / 1000.0))));
    } else if (waiting) {
      timeoutMs = std::min(timeoutMs, 50);  // the device was full; poll for room below
    }
    const bool listen = nowUs >= masterQuietUntilUs;
    pollfd fds[2] = {{signalPipe[0], POLLIN, 0}, {pty.master, 0, 0}};
    if (listen) fds[1].events = static_cast<short>(POLLIN | (waiting && !options.pace ? POLLOUT : 0));
    const int ready = poll(fds, listen ? 2 : 1, std::max(timeoutMs, 0));
    if (ready < 0 && errno != EINTR) break;
    if (ready <= 0) continue;
    if (fds[0].revents & POLLIN) stop = true;
    if (!listen) continue;

    if (fds[1].revents & POLLIN) {
      uint8_t buffer[4096];
      for (;;) {
        const ssize_t n = read(pty.master, buffer, sizeof buffer);
        if (n > 0) {
          controller.receive(buffer, static_cast<size_t>(n));
          continue;
        }
        if (n < 0 && errno == EIO) masterQuietUntilUs = nowUs + 20000;  // no one on the other side
        break;
      }
    } else if (fds[1].revents & (POLLHUP | POLLERR)) {
      // Cannot happen while we hold the device open ourselves; if it does, wait and retry.
      masterQuietUntilUs = nowUs + 20000;
    }
  }

  if (!options.link.empty()) removeLink(options.link, pty.path);
  if (logFile) std::fclose(logFile);
  close(pty.slave);
  close(pty.master);
  if (!options.quiet) std::fprintf(stderr, "corvex-sim: stopped\n");
  return 0;
}
