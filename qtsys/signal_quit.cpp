#include "qtsys/signal_quit.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace zorv {

namespace {

constexpr int kSignals[3] = {SIGTERM, SIGINT, SIGHUP};
int pipeFds[2] = {-1, -1};  // one instance at a time owns it

void handleSignal(int signal) {
  const int saved = errno;
  const unsigned char byte = static_cast<unsigned char>(signal);
  (void)!write(pipeFds[1], &byte, 1);
  errno = saved;
}

}  // namespace

SignalQuit::SignalQuit(std::function<void(int)> onSignal, QObject* parent)
    : QObject(parent), onSignal_(std::move(onSignal)) {
  if (pipeFds[0] >= 0 || pipe2(pipeFds, O_CLOEXEC | O_NONBLOCK) != 0) return;
  notifier_ = std::make_unique<QSocketNotifier>(pipeFds[0], QSocketNotifier::Read);
  connect(notifier_.get(), &QSocketNotifier::activated, this, [this] { drain(); });
  struct sigaction sa {};
  sa.sa_handler = handleSignal;
  sigemptyset(&sa.sa_mask);
  sa.sa_flags = SA_RESTART;
  for (int i = 0; i < 3; ++i) sigaction(kSignals[i], &sa, &previous_[i]);
  installed_ = true;
}

SignalQuit::~SignalQuit() {
  if (!installed_) return;
  for (int i = 0; i < 3; ++i) sigaction(kSignals[i], &previous_[i], nullptr);
  notifier_.reset();
  close(pipeFds[0]);
  close(pipeFds[1]);
  pipeFds[0] = pipeFds[1] = -1;
}

void SignalQuit::drain() {
  unsigned char bytes[16];
  for (;;) {
    const ssize_t n = read(pipeFds[0], bytes, sizeof bytes);
    if (n <= 0) break;
    for (ssize_t i = 0; i < n; ++i) {
      if (onSignal_) onSignal_(bytes[i]);
    }
  }
}

}  // namespace zorv
