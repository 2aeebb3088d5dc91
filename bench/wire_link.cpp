#include "bench/wire_link.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <termios.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <filesystem>
#include <map>

#include "sim/wire_pace.h"

namespace zorv::bench {

namespace fs = std::filesystem;

double nowUs() {
  return std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

namespace {

double seconds(const rusage& u) {
  return static_cast<double>(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
         static_cast<double>(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

timespec timespecOfUs(double us) {
  if (us < 0) us = 0;
  timespec t{};
  t.tv_sec = static_cast<time_t>(us / 1e6);
  t.tv_nsec = static_cast<long>((us - static_cast<double>(t.tv_sec) * 1e6) * 1000.0);
  return t;
}

void makeRaw(int fd) {
  termios t{};
  if (tcgetattr(fd, &t) != 0) return;
  cfmakeraw(&t);
  cfsetispeed(&t, B115200);
  cfsetospeed(&t, B115200);
  tcsetattr(fd, TCSANOW, &t);
}

constexpr double kSpinUs = 100;  // how long before a paced chunk is due the relay stops sleeping

void setNonBlocking(int fd) { fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK); }

// Sleeps until the monotonic clock reads `us` (as nowUs() counts).
void sleepUntilUs(double us) {
  const double left = us - nowUs();
  if (left <= 0) return;
  const timespec t = timespecOfUs(left);
  nanosleep(&t, nullptr);
}

}  // namespace

double threadCpuSeconds() {
  rusage u{};
  getrusage(RUSAGE_THREAD, &u);
  return seconds(u);
}

double processCpuSeconds() {
  rusage u{};
  getrusage(RUSAGE_SELF, &u);
  return seconds(u);
}

double median(std::vector<double> v) {
  if (v.empty()) return std::nan("");
  std::sort(v.begin(), v.end());
  const size_t m = v.size() / 2;
  return v.size() % 2 ? v[m] : (v[m - 1] + v[m]) / 2.0;
}

bool PtyPair::open(std::string& error) {
  master = posix_openpt(O_RDWR | O_NOCTTY);
  char name[256];
  if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0 || ptsname_r(master, name, sizeof name) != 0) {
    error = std::string("cannot create a pseudo-terminal: ") + std::strerror(errno);
    return false;
  }
  path = name;
  slave = ::open(name, O_RDWR | O_NOCTTY);
  if (slave < 0) {
    error = "cannot open " + path + ": " + std::strerror(errno);
    return false;
  }
  makeRaw(slave);
  setNonBlocking(master);
  return true;
}

void PtyPair::close() {
  if (slave >= 0) ::close(slave);
  if (master >= 0) ::close(master);
  slave = master = -1;
}

int openDevice(const std::string& path, std::string& error) {
  const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
  if (fd < 0) {
    error = "cannot open " + path + ": " + std::strerror(errno);
    return -1;
  }
  makeRaw(fd);
  return fd;
}

bool pointLink(const std::string& link, const std::string& target, std::string& error) {
  std::error_code ec;
  fs::create_directories(fs::path(link).parent_path(), ec);
  fs::remove(link, ec);
  fs::create_symlink(target, link, ec);
  if (ec) error = "cannot link " + link + ": " + ec.message();
  return !ec;
}

TempDir::TempDir() {
  const char* base = std::getenv("TMPDIR");
  std::string pattern = std::string(base && *base ? base : "/tmp") + "/zorv-bench-XXXXXX";
  std::vector<char> buf(pattern.begin(), pattern.end());
  buf.push_back('\0');
  if (mkdtemp(buf.data())) path = buf.data();
}

TempDir::~TempDir() {
  std::error_code ec;
  if (!path.empty()) fs::remove_all(path, ec);
}

bool SimProcess::start(const std::string& program, const std::vector<std::string>& extra, std::string& error) {
  std::vector<std::string> argv = {program, "--quiet"};
  argv.insert(argv.end(), extra.begin(), extra.end());
  if (!child.start(argv, {}, "", true, error)) return false;
  if (!child.readLine(device, 5000) || device.empty()) {
    error = program + " did not name its device";
    child.stop();
    return false;
  }
  return true;
}

Relay::Relay(int windowMaster, int controllerFd, Options options)
    : window_(windowMaster), controller_(controllerFd), options_(std::move(options)) {}

Relay::~Relay() { stop(); }

void Relay::start() {
  if (pipe2(wake_, O_CLOEXEC | O_NONBLOCK) != 0) return;
  thread_ = std::thread([this] { run(); });
}

void Relay::stop() {
  if (!thread_.joinable()) return;
  const char b = 1;
  (void)!write(wake_[1], &b, 1);
  thread_.join();
  ::close(wake_[0]);
  ::close(wake_[1]);
}

std::string Relay::firstUpText() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return firstUp_;
}

void Relay::run() {
  prctl(PR_SET_TIMERSLACK, 1UL);  // wake for a paced chunk within a microsecond, not 50
  sim::WirePace up, down;
  sim::AnswerClock answers;
  std::string upOut, downOut;  // due, not yet taken by the device
  uint8_t buf[4096];

  for (;;) {
    const double now = nowUs();
    double crossedUs = 0;
    if (up.takeDue(now, upOut, &crossedUs)) answers.requestCrossed(crossedUs);
    down.takeDue(now, downOut);
    if (!upOut.empty()) {
      const ssize_t n = write(controller_, upOut.data(), upOut.size());
      if (n > 0) upOut.erase(0, static_cast<size_t>(n));
    }
    if (!downOut.empty()) {
      const ssize_t n = write(window_, downOut.data(), downOut.size());
      if (n > 0) {
        downOut.erase(0, static_cast<size_t>(n));
        if (watchSeenUs.load() > 0 && replyDoneUs.load() == 0) {
          downAfterWatch_ += static_cast<uint64_t>(n);
          if (downAfterWatch_ >= options_.replyAfterWatch) replyDoneUs = nowUs();
        }
      }
    }

    const double timeoutUs = std::min(1e6, std::min(up.nextDueUs(), down.nextDueUs()) - nowUs());
    pollfd fds[3] = {{wake_[0], POLLIN, 0},
                     {window_, static_cast<short>(POLLIN | (downOut.empty() ? 0 : POLLOUT)), 0},
                     {controller_, static_cast<short>(POLLIN | (upOut.empty() ? 0 : POLLOUT)), 0}};
    // A sleeping thread wakes late (tens to hundreds of microseconds on a virtual machine): sleep
    // until shortly before a chunk is due and spin the rest of the way.
    const timespec t = timespecOfUs(timeoutUs > kSpinUs ? timeoutUs - kSpinUs : 0);
    const int ready = ppoll(fds, 3, &t, nullptr);
    if (ready < 0 && errno != EINTR) return;
    if (ready <= 0) continue;
    if (fds[0].revents & POLLIN) return;

    if (fds[1].revents & POLLIN) {
      const ssize_t n = read(window_, buf, sizeof buf);
      if (n > 0) {
        const double at = nowUs();
        std::string chunk(reinterpret_cast<char*>(buf), static_cast<size_t>(n));
        if (bytesUp.load() == 0) firstUpUs = at;
        bytesUp += static_cast<uint64_t>(n);
        {
          std::lock_guard<std::mutex> lock(mutex_);
          if (firstUp_.size() < 16) firstUp_ += chunk.substr(0, 16 - firstUp_.size());
        }
        if (!options_.watchUp.empty() && watchSeenUs.load() == 0) {
          upTail_ += chunk;
          if (upTail_.find(options_.watchUp) != std::string::npos) {
            watchSeenUs = at;
            downAfterWatch_ = 0;
          } else if (upTail_.size() > options_.watchUp.size()) {
            upTail_.erase(0, upTail_.size() - options_.watchUp.size());
          }
        }
        if (options_.paceUp) {
          up.send(at, std::move(chunk));
        } else {
          upOut += chunk;
        }
      }
    }
    if (fds[2].revents & POLLIN) {
      const ssize_t n = read(controller_, buf, sizeof buf);
      if (n > 0) {
        const double at = nowUs();
        std::string chunk(reinterpret_cast<char*>(buf), static_cast<size_t>(n));
        bytesDown += static_cast<uint64_t>(n);
        if (options_.paceDown) {
          // An answer goes on the wire when its request has crossed, not when the simulated
          // controller's process got round to writing it.
          down.send(options_.paceUp ? answers.answerStart(at) : at, std::move(chunk));
        } else {
          downOut += chunk;
        }
      }
    }
  }
}

Feeder::Feeder(int windowMaster, std::string stream, int stepMs)
    : window_(windowMaster), stream_(std::move(stream)), stepMs_(std::max(1, stepMs)) {}

Feeder::~Feeder() { join(); }

void Feeder::start(std::function<void()> onDone) {
  onDone_ = std::move(onDone);
  thread_ = std::thread([this] { run(); });
}

void Feeder::join() {
  if (thread_.joinable()) thread_.join();
}

void Feeder::run() {
  prctl(PR_SET_TIMERSLACK, 1UL);
  const double cpu0 = threadCpuSeconds();
  const double t0 = nowUs();
  size_t pos = 0;
  uint8_t sink[1024];
  for (int tick = 1; pos < stream_.size(); ++tick) {
    const auto due = std::min(stream_.size(), static_cast<size_t>((nowUs() - t0) / kByteUs));
    while (pos < due) {
      const ssize_t n = write(window_, stream_.data() + pos, due - pos);
      if (n <= 0) break;  // the window is not reading: what the line carries waits
      pos += static_cast<size_t>(n);
    }
    while (read(window_, sink, sizeof sink) > 0) {
    }
    sleepUntilUs(t0 + tick * 1000.0 * stepMs_);
  }
  written_ = pos;
  wall_ = (nowUs() - t0) / 1e6;
  cpu_ = threadCpuSeconds() - cpu0;
  if (onDone_) onDone_();
}

}  // namespace zorv::bench
