#include "bench/wire_window.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <cstdio>

#include "qtsys/serial_port.h"

namespace zorv::bench {

void CountingPort::received() {
  ++events;
  ForwardingPort::received();
}

std::vector<uint8_t> CountingPort::readAll() {
  std::vector<uint8_t> v = inner().readAll();
  bytesIn += v.size();
  if (trace) std::fprintf(stderr, "%10.1f us  read %zu\n", nowUs() - firstWriteUs, v.size());
  return v;
}

void CountingPort::write(const uint8_t* data, size_t n) {
  if (n > 0) {
    if (firstWriteUs == 0) firstWriteUs = nowUs();
    bytesOut += n;
    ++writes;
    const double now = nowUs();
    writeUs.push_back(now);
    if (data[0] == '?') {
      ++queries;
      queryUs.push_back(now);
    }
    if (trace) std::fprintf(stderr, "%10.1f us  write %zu\n", nowUs() - firstWriteUs, n);
  }
  inner().write(data, n);
}

void CountingPort::arm() {
  firstWriteUs = 0;
  bytesOut = bytesIn = 0;
  writes = queries = events = 0;
  writeUs.clear();
  queryUs.clear();
}

RepaintLimiter::RepaintLimiter(QWidget* window, int perSecond)
    : window_(window), intervalMs_(std::max(1, 1000 / std::max(1, perSecond))) {
  window_->installEventFilter(this);
}

bool RepaintLimiter::eventFilter(QObject* watched, QEvent* event) {
  if (watched != window_ || event->type() != QEvent::UpdateRequest || sending_) return false;
  const double now = nowUs();
  if (now - lastUs_ >= intervalMs_ * 1000.0) {
    lastUs_ = now;
    return false;  // a frame is due: paint now
  }
  // Swallowed: Qt posts no further request until one is handled, so the dirty regions gather
  // until the frame below paints them all.
  if (!pending_) {
    pending_ = true;
    const int wait = std::max(1, static_cast<int>((lastUs_ + intervalMs_ * 1000.0 - now) / 1000.0));
    QTimer::singleShot(wait, this, [this] {
      pending_ = false;
      lastUs_ = nowUs();
      sending_ = true;
      QEvent request(QEvent::UpdateRequest);
      QCoreApplication::sendEvent(window_, &request);
      sending_ = false;
    });
  }
  return true;
}

PaintCounter::PaintCounter(QWidget* window) : window_(window) { qApp->installEventFilter(this); }

PaintCounter::~PaintCounter() { qApp->removeEventFilter(this); }

bool PaintCounter::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Paint) {
    ++widgets;
    if (watched == window_) ++frames;
  }
  return false;
}

Session::Session(const std::string& device, const WindowOptions& options) {
  std::string error;
  if (!pointLink(portLinkFolder() + "/COM3", device, error)) std::fprintf(stderr, "%s\n", error.c_str());
  realPort = std::make_unique<QtSerialPort>();
  port = std::make_unique<CountingPort>(*realPort);
  port->trace = options.trace;
  dlg = std::make_unique<CZorvDlg>(*port, &prompts, clock, dir.file("tkvrconfig.ini"));
  port->onReceive = [this] {
    dlg->receive();
    if (afterEvent) afterEvent();
  };
  port->onLost = [this](const std::string& reason) { dlg->portLost(reason); };
  if (options.repaintsPerSecond > 0) limiter = std::make_unique<RepaintLimiter>(dlg.get(), options.repaintsPerSecond);
  if (options.shown) dlg->show();
  settle(100);
}

Session::~Session() {
  port->onReceive = nullptr;
  limiter.reset();
  dlg.reset();
  port.reset();
  realPort.reset();
}

void Session::settle(int ms) {
  QEventLoop loop;
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  loop.exec();
}

double Session::runUntil(const std::function<bool()>& done, int timeoutMs, int pollMs) {
  QEventLoop loop;
  double doneUs = 0;
  afterEvent = [&] {
    if (doneUs == 0 && done()) {
      doneUs = nowUs();
      loop.quit();
    }
  };
  // Receive events that the window gathers are handled on its timer, after the event itself.
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, &loop, [&] { afterEvent(); });
  if (pollMs > 0) poll.start(pollMs);
  QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
  loop.exec();
  afterEvent = nullptr;
  return doneUs;
}

bool Session::readback(double* elapsedUs) {
  port->arm();
  bool identityAsked = false;
  auto done = [&] {
    if (core().st.LinkMode == LinkMode::Identity) identityAsked = true;
    return identityAsked && core().st.LinkMode == LinkMode::Rest;
  };
  const double cpu0 = threadCpuSeconds();
  dlg->initialise();
  const double doneUs = runUntil(done, 20000);
  cpuUs = (threadCpuSeconds() - cpu0) * 1e6;
  *elapsedUs = doneUs - port->firstWriteUs;
  return doneUs > 0 && dlg->isEnabled(1038);
}

}  // namespace zorv::bench
