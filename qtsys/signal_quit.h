#pragma once
// Ends the program cleanly on SIGTERM, SIGINT or SIGHUP (a session ending, Ctrl+C, a closed
// terminal): the signal handler only writes a byte to a pipe, and the event loop reads it and
// calls onSignal, where anything may be done.

#include <QObject>
#include <QSocketNotifier>
#include <csignal>
#include <functional>
#include <memory>

namespace zorv {

class SignalQuit : public QObject {
  Q_OBJECT
 public:
  // Installs the handlers; the ones found before are put back on destruction.
  explicit SignalQuit(std::function<void(int signal)> onSignal, QObject* parent = nullptr);
  ~SignalQuit() override;
  SignalQuit(const SignalQuit&) = delete;
  SignalQuit& operator=(const SignalQuit&) = delete;

  bool installed() const { return installed_; }

 private:
  void drain();
  std::function<void(int)> onSignal_;
  std::unique_ptr<QSocketNotifier> notifier_;
  struct sigaction previous_[3] = {};
  bool installed_ = false;
};

}  // namespace zorv
