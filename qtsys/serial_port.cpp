#include "qtsys/serial_port.h"

#include <QDir>
#include <QFileInfo>
#include <QSerialPortInfo>
#include <QStandardPaths>

namespace zorv {

namespace {

#ifdef Q_OS_WIN
constexpr bool kWindows = true;
#else
constexpr bool kWindows = false;
#endif

std::vector<SerialDevice> presentDevices() {
  std::vector<SerialDevice> devices;
  for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
    devices.push_back({info.systemLocation().toStdString(), info.description().toStdString(),
                       info.manufacturer().toStdString(), info.serialNumber().toStdString()});
  return devices;
}

std::vector<PinnedPort> pinnedPorts() {
  std::vector<PinnedPort> pins;
  if (kWindows) return pins;
  const QString folder = QString::fromStdString(portLinkFolder());
  for (int n = 1; n <= kPortCount; ++n) {
    const QFileInfo link(folder + "/COM" + QString::number(n));
    if (!link.isSymLink() && !link.exists()) continue;
    // canonicalFilePath() is empty when the link leads nowhere (the board is unplugged).
    pins.push_back({n, link.filePath().toStdString(), link.canonicalFilePath().toStdString()});
  }
  return pins;
}

bool mayReadAndWrite(const std::string& device) {
  const QFileInfo fi(QString::fromStdString(device));
  return fi.isReadable() && fi.isWritable();
}

}  // namespace

std::string portLinkFolder() {
  QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
  if (base.isEmpty()) base = QDir::homePath() + "/.config";
  return (base + "/zorv/ports").toStdString();
}

std::vector<PortEntry> scanPorts() { return layoutPorts(presentDevices(), pinnedPorts(), kWindows); }

std::string resolvePortDevice(int n) {
  if (n < 1 || n > kPortCount) return {};
  return scanPorts()[static_cast<size_t>(n - 1)].device;
}

std::vector<std::string> portListLabels() {
  std::vector<std::string> labels;
  for (const PortEntry& e : scanPorts()) labels.push_back(e.label);
  return labels;
}

QtSerialPort::QtSerialPort(QObject* parent) : QObject(parent) {
  connect(&port_, &QSerialPort::readyRead, this, [this] {
    if (onReceive && !waiting_) onReceive();
  });
  connect(&port_, &QSerialPort::errorOccurred, this, [this](QSerialPort::SerialPortError e) { onError(e); });
}

std::vector<std::string> QtSerialPort::relabel() {
  entries_ = scanPorts();
  std::vector<std::string> labels;
  for (const PortEntry& e : entries_) labels.push_back(e.label);
  return labels;
}

bool QtSerialPort::open() {
  error_.clear();
  if (port_.isOpen()) port_.close();
  if (entries_.empty()) entries_ = scanPorts();  // opened before the list was ever shown
  OpenFailure failure;
  failure.number = number_;
  const bool listed = number_ >= 1 && number_ <= kPortCount;
  const PortEntry entry = !bound_.empty() ? PortEntry{bound_, bound_, "", ""}
                          : listed        ? entries_[static_cast<size_t>(number_ - 1)]
                                          : PortEntry{};
  device_ = entry.device;
  failure.device = device_;
  failure.pinnedLink = entry.link;
  const QString path = QString::fromStdString(device_);
  if (device_.empty()) {
    failure.problem = OpenProblem::NothingBound;
  } else if (!kWindows && !QFileInfo::exists(path)) {
    failure.problem = OpenProblem::NotThere;
  } else {
    const QString canonical = QFileInfo(path).canonicalFilePath();
    port_.setPortName(canonical.isEmpty() ? path : canonical);
    port_.setReadBufferSize(inSize_);
    if (port_.open(QIODevice::ReadWrite)) {
      applyLineSettings();
      return true;
    }
    failure.systemText = port_.errorString().toStdString();
    switch (port_.error()) {
      case QSerialPort::DeviceNotFoundError:
        failure.problem = OpenProblem::NotThere;
        break;
      case QSerialPort::PermissionError:
        // The same error for "held by another program" and "not allowed": if we may read and
        // write the device, someone else holds it. On Windows a held port is all it can mean.
        failure.problem = kWindows || mayReadAndWrite(device_) ? OpenProblem::Busy : OpenProblem::NoPermission;
        break;
      case QSerialPort::OpenError:
        failure.problem = OpenProblem::Busy;
        break;
      default:
        failure.problem = OpenProblem::Other;
        break;
    }
  }
  error_ = describeOpenFailure(failure);
  failure_ = failure;
  return false;
}

void QtSerialPort::close() {
  if (port_.isOpen()) port_.close();
}

void QtSerialPort::applyLineSettings() {
  if (!port_.isOpen()) return;
  port_.setBaudRate(QSerialPort::Baud115200);
  port_.setDataBits(QSerialPort::Data8);
  port_.setParity(QSerialPort::NoParity);
  port_.setStopBits(QSerialPort::OneStop);
  port_.setFlowControl(QSerialPort::NoFlowControl);
}

std::vector<uint8_t> QtSerialPort::readAll() {
  if (!port_.isOpen()) return {};
  const QByteArray data = port_.readAll();
  return std::vector<uint8_t>(data.begin(), data.end());
}

void QtSerialPort::write(const uint8_t* data, size_t n) {
  if (!port_.isOpen() || n == 0) return;  // a port that is not open drops the bytes
  port_.write(reinterpret_cast<const char*>(data), static_cast<qint64>(n));
  // Put the bytes on the line now, not after the next repaint of the window.
  port_.flush();
}

bool QtSerialPort::waitForInput(int ms) {
  if (!port_.isOpen()) return false;
  if (port_.bytesAvailable() > 0) return true;
  waiting_ = true;
  const bool arrived = port_.waitForReadyRead(ms);
  waiting_ = false;
  return arrived || port_.bytesAvailable() > 0;
}

void QtSerialPort::onError(QSerialPort::SerialPortError e) {
  // A device that went away (USB unplugged) reports a resource error, a pseudo-terminal whose
  // other end closed a read error (its reads end at once, again and again); the port is useless
  // then.
  if ((e == QSerialPort::ResourceError || e == QSerialPort::ReadError) && port_.isOpen()) {
    error_ = device_ + ": " + port_.errorString().toStdString() + " (device gone)";
    port_.close();
    if (onLost) onLost(error_);
  }
}

}  // namespace zorv
