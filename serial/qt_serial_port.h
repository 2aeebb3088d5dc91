#pragma once
// The serial port on a real device, through Qt SerialPort.
// Port number n is COMn on Windows; elsewhere the link $XDG_CONFIG_HOME/zorv/ports/COMn when it
// exists, otherwise the n-th serial device present (USB CDC-ACM first, then USB serial adapters,
// then the rest, each sorted by name).

#include <QObject>
#include <QSerialPort>
#include <string>
#include <vector>

#include "core/serial_port.h"

namespace zorv {

// The device that port number n stands for, or "" when there is none.
std::string resolvePortDevice(int n);
// The port list's 20 entries: "COM1 (ttyACM0)", or "COM1" when nothing is bound to it.
std::vector<std::string> portListLabels();
// The folder of the COMn links.
std::string portLinkFolder();

class QtSerialPort : public QObject, public SerialPort {
  Q_OBJECT
 public:
  explicit QtSerialPort(QObject* parent = nullptr);

  void setPortNumber(int n) override { number_ = n; }
  int portNumber() const override { return number_; }
  void setBufferSizes(int in, int) override { inSize_ = in; }
  bool open() override;
  void close() override;
  bool isOpen() const override { return port_.isOpen(); }
  std::string errorText() const override { return error_; }
  void applyLineSettings() override;
  std::vector<uint8_t> readAll() override;
  void write(const uint8_t* data, size_t n) override;
  using SerialPort::write;

  std::string device() const { return device_; }

 private:
  void onError(QSerialPort::SerialPortError e);

  QSerialPort port_;
  int number_ = 3;
  int inSize_ = 1024;
  std::string device_;
  std::string error_;
};

}  // namespace zorv
