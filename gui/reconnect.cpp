#include "gui/reconnect.h"

#include <sys/stat.h>

#include "core/control_ids.h"
#include "core/link_mode.h"
#include "core/user_config.h"
#include "gui/zorv_dlg.h"

namespace zorv {

Reconnect::Reconnect(CZorvDlg& window, Devices devices, std::string configPath)
    : window_(window), devices_(std::move(devices)), configPath_(std::move(configPath)) {
  if (!configPath_.empty()) {
    UserConfig config(configPath_);
    if (config.load()) {
      recordedNumber_ = config.getInt("reconnect", "number", 0, 1, kPortCount);
      recordedSerial_ = config.get("reconnect", "serial").value_or("");
    }
  }
  connect(&timer_, &QTimer::timeout, this, [this] { tick(); });
  Router& router = window_.core();
  auto before = std::move(router.onExchangeEnd);
  router.onExchangeEnd = [this, before](const ExchangeResult& end) {
    if (before) before(end);
    exchangeEnded(end);
  };
}

Text Reconnect::gaveUpWords(int number) {
  return ZORV_TEXT("Messages", "The controller on %1 is back but does not answer: Zorv read it back %2 times, a "
                               "second apart, and had no answer.\n\nCheck that it is powered and has finished "
                               "starting up, then pick %1 in the port list to read it again.")
      .arg("COM" + std::to_string(number))
      .arg(kRetries + 1);
}

std::string Reconnect::gaveUpText(int number) { return gaveUpWords(number).original(); }

void Reconnect::exchangeEnded(const ExchangeResult& end) {
  if (end.exchange == ExchangeKind::Upgrade) loaderLeft_ = end.upgradeCommandSent && end.outcome != Outcome::Done;
  if (end.exchange != ExchangeKind::ReadBack) return;
  if (end.outcome == Outcome::Done) {
    loaderLeft_ = false;
    // The device read is the pilot's: its serial number (after the exchange, outside the router).
    QTimer::singleShot(0, this, [this] {
      if (window_.core().port.isOpen()) record(devices_.rescan(window_.core().port.portNumber()));
    });
  }
  if (state_ != State::ReadingBack) return;
  if (end.outcome == Outcome::NoAnswer && retries_ < kRetries) {
    // A board still booting: ask again a second later, on the open port.
    state_ = State::Retrying;
    since_.start();
    timer_.start(100);
  } else {
    if (end.outcome == Outcome::NoAnswer) {
      const int number = number_;
      stop();
      QTimer::singleShot(0, &window_, [this, number] {
        window_.routeCall([this, number] {
          window_.core().prompts.tell(gaveUpWords(number), Text("Zorv"), Prompts::Buttons::Ok, Prompts::Icon::Warning);
        });
      });
      return;
    }
    stop();
  }
}

void Reconnect::record(const PortEntry& entry) {
  const int number = window_.core().port.portNumber();
  if (entry.serialNumber.empty() || (number == recordedNumber_ && entry.serialNumber == recordedSerial_)) return;
  recordedNumber_ = number;
  recordedSerial_ = entry.serialNumber;
  if (configPath_.empty()) return;
  UserConfig config(configPath_);
  if (!config.load()) return;  // a file it cannot read is never written over
  config.set("reconnect", "number", std::to_string(number));
  config.set("reconnect", "serial", recordedSerial_);
  config.save();
}

void Reconnect::portLost() {
  const Router& router = window_.core();
  const LinkMode mode = router.st.LinkMode;
  // Lost in the middle of an upgrade, or after one that stopped: the board waits in its loader.
  if (loaderLeft_ || mode == LinkMode::UpgradeAnswer || mode == LinkMode::KindQuery || isUploadMode(mode)) {
    stop();
    return;
  }
  const int number = window_.core().port.portNumber();
  const std::string pinned = devices_.pinnedLink(number);
  watch(number, pinned.empty() ? devices_.openedDevice() : "");
}

void Reconnect::startFailed() {
  const int number = window_.core().port.portNumber();
  if (!devices_.pinnedLink(number).empty() || (number == recordedNumber_ && !recordedSerial_.empty()))
    watch(number, "");
}

bool Reconnect::bySerial() const { return number_ == recordedNumber_ && !recordedSerial_.empty(); }

void Reconnect::watch(int number, std::string device) {
  number_ = number;
  if (number < 1 || (device.empty() && devices_.pinnedLink(number).empty() && !bySerial())) return stop();
  device_ = std::move(device);
  retries_ = 0;
  state_ = State::Watching;
  timer_.start(kScanMs);
}

void Reconnect::stop() {
  state_ = State::Idle;
  timer_.stop();
}

bool Reconnect::present() const {
  // stat follows the link: a pinned link that leads nowhere is not there.
  const std::string path = device_.empty() ? devices_.pinnedLink(number_) : device_;
  struct stat st {};
  if (!path.empty() && ::stat(path.c_str(), &st) == 0) return true;
  return bySerial() && devices_.serialPresent(recordedSerial_);
}

void Reconnect::tick() {
  Router& router = window_.core();
  if ((state_ == State::Watching || state_ == State::Settling) && router.port.isOpen()) return stop();  // the pilot's own choice
  switch (state_) {
    case State::Idle:
      return stop();
    case State::Watching:
      if (!present()) return;
      state_ = State::Settling;
      since_.start();
      timer_.start(100);
      return;
    case State::Settling: {
      if (since_.elapsed() < kSettleMs) return;
      if (!present()) {
        state_ = State::Watching;
        timer_.start(kScanMs);
        return;
      }
      // The number must still stand for the device the pilot picked.
      const PortEntry now = devices_.rescan(number_);
      const bool same = !now.link.empty() || (!device_.empty() && now.device == device_) ||
                        (bySerial() && now.serialNumber == recordedSerial_);
      if (now.device.empty() || !same) {
        state_ = State::Watching;
        timer_.start(kScanMs);
        return;
      }
      state_ = State::ReadingBack;
      timer_.stop();
      // As the pilot's choice of the same number: open, then read back.
      window_.routeCall([&router, this] {
        router.win.setComboIndex(ids::kPortList, number_ - 1);
        router.onComboActivated(ids::kPortList);
      });
      if (!router.port.isOpen()) watch(number_, device_);
      return;
    }
    case State::Retrying:
      if (since_.elapsed() < kRetryMs) return;
      if (!router.port.isOpen()) return watch(number_, device_);
      ++retries_;
      state_ = State::ReadingBack;
      timer_.stop();
      window_.routeCall([&router] {
        MainState& st = router.st;
        st.LinkMode = LinkMode::Rest;
        st.ReceivedCount = 0;
        st.ReceiveBuffer.clear();
        router.QueryRetries = 3;
        router.startReadback();
      });
      return;
    case State::ReadingBack:
      return;
  }
}

}  // namespace zorv
