#pragma once
// The serial port on a real device, through Qt SerialPort. Which device a number stands for is
// decided by the port list (serial/port_list.h) when it is labelled; opening takes the device the
// label showed, so what the user picked is what opens.

#include <QObject>
#include <QSerialPort>
#include <string>
#include <vector>

#include "core/serial_port.h"
#include "serial/port_list.h"

namespace zorv {

// The devices present and the pinned links, scanned now.
std::vector<PortEntry> scanPorts();
// The device that port number n stands for now, or "" when there is none.
std::string resolvePortDevice(int n);
// The port list's 20 entries as they read now.
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
  OpenFailure openFailure() const override { return failure_; }
  void applyLineSettings() override;
  std::vector<uint8_t> readAll() override;
  void write(const uint8_t* data, size_t n) override;
  bool waitForInput(int ms) override;
  using SerialPort::write;

  // Scans again and returns the 20 labels; open() uses these entries until the next call.
  std::vector<std::string> relabel();
  std::string device() const { return device_; }
  // Opens this device path, whatever the port number, when not empty.
  void bindDevice(const std::string& path) { bound_ = path; }

 private:
  bool waiting_ = false;  // inside waitForInput: readyRead is not passed on
  void onError(QSerialPort::SerialPortError e);

  QSerialPort port_;
  std::vector<PortEntry> entries_;  // as last labelled
  int number_ = 3;
  int inSize_ = 1024;
  std::string device_;
  std::string bound_;
  std::string error_;
  OpenFailure failure_;
};

}  // namespace zorv
