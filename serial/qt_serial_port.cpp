#include "serial/qt_serial_port.h"

#include <QDir>
#include <QFileInfo>
#include <QSerialPortInfo>
#include <QStandardPaths>
#include <algorithm>

namespace zorv {

namespace {

int deviceRank(const QSerialPortInfo& info) {
  const QString name = info.portName();
  if (name.startsWith("ttyACM")) return 0;
  if (name.startsWith("ttyUSB")) return 1;
  return 2;
}

std::vector<QSerialPortInfo> orderedDevices() {
  std::vector<QSerialPortInfo> all;
  for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) all.push_back(info);
  std::sort(all.begin(), all.end(), [](const QSerialPortInfo& a, const QSerialPortInfo& b) {
    const int ra = deviceRank(a), rb = deviceRank(b);
    return ra != rb ? ra < rb : a.portName() < b.portName();
  });
  return all;
}

}  // namespace

std::string portLinkFolder() {
  QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
  if (base.isEmpty()) base = QDir::homePath() + "/.config";
  return (base + "/zorv/ports").toStdString();
}

namespace {
std::string resolveAgainst(int n, const std::vector<QSerialPortInfo>* scanned) {
  if (n < 1 || n > 20) return {};
#ifdef Q_OS_WIN
  (void)scanned;
  return "COM" + std::to_string(n);
#else
  const QString link = QString::fromStdString(portLinkFolder()) + "/COM" + QString::number(n);
  if (QFileInfo(link).isSymLink() || QFileInfo::exists(link)) return link.toStdString();
  const auto devices = scanned ? *scanned : orderedDevices();
  if (static_cast<size_t>(n) <= devices.size()) return devices[static_cast<size_t>(n - 1)].systemLocation().toStdString();
  return {};
#endif
}
}  // namespace

std::string resolvePortDevice(int n) { return resolveAgainst(n, nullptr); }

std::vector<std::string> portListLabels() {
  std::vector<std::string> labels;
  const std::vector<QSerialPortInfo> devices = orderedDevices();  // one scan for all twenty entries
  for (int n = 1; n <= 20; ++n) {
    std::string label = "COM" + std::to_string(n);
#ifndef Q_OS_WIN
    const std::string dev = resolveAgainst(n, &devices);
    if (!dev.empty()) {
      QFileInfo fi(QString::fromStdString(dev));
      QString shown = fi.isSymLink() ? QFileInfo(fi.symLinkTarget()).fileName() : fi.fileName();
      label += " (" + shown.toStdString() + ")";
    }
#endif
    labels.push_back(label);
  }
  return labels;
}

QtSerialPort::QtSerialPort(QObject* parent) : QObject(parent) {
  connect(&port_, &QSerialPort::readyRead, this, [this] {
    if (onReceive) onReceive();
  });
  connect(&port_, &QSerialPort::errorOccurred, this, [this](QSerialPort::SerialPortError e) { onError(e); });
}

bool QtSerialPort::open() {
  error_.clear();
  if (port_.isOpen()) port_.close();
  device_ = resolvePortDevice(number_);
  if (device_.empty()) {
    error_ = "COM" + std::to_string(number_) + ": no such device (nothing is bound to this number; link " +
             portLinkFolder() + "/COM" + std::to_string(number_) + " to a device)";
    return false;
  }
  port_.setPortName(QFileInfo(QString::fromStdString(device_)).canonicalFilePath().isEmpty()
                        ? QString::fromStdString(device_)
                        : QFileInfo(QString::fromStdString(device_)).canonicalFilePath());
  port_.setReadBufferSize(inSize_);
  if (!port_.open(QIODevice::ReadWrite)) {
    std::string reason = port_.errorString().toStdString();
    if (port_.error() == QSerialPort::PermissionError)
      reason += " (is the user in the 'dialout' group?)";
    error_ = device_ + ": " + reason;
    return false;
  }
  applyLineSettings();
  return true;
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

void QtSerialPort::onError(QSerialPort::SerialPortError e) {
  // A device that went away (USB unplugged) reports a resource error; the port is useless then.
  if (e == QSerialPort::ResourceError && port_.isOpen()) {
    error_ = device_ + ": " + port_.errorString().toStdString() + " (device gone)";
    port_.close();
    if (onLost) onLost(error_);
  }
}

}  // namespace zorv
