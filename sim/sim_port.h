#pragma once
// A SerialPort wired to a simulated controller (or another peer, such as a replay) in memory, for
// tests and the demo.
//
// Receive events are raised only by deliverOne()/deliverAll(), never from inside write(): the
// window handles one receive event at a time, after the handler that wrote has returned, and a
// test decides when that happens. Each write of the controller becomes one receive event.

#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "core/serial_port.h"
#include "sim/controller.h"

namespace zorv::sim {

class SimPort : public zorv::SerialPort {
 public:
  // With a controller of its own.
  SimPort();
  // Bound to a controller that the caller keeps alive for the port's lifetime.
  explicit SimPort(Controller& controller);
  // Bound to any peer (a replay, a controller) that the caller keeps alive; controller() only
  // when the peer is a controller.
  explicit SimPort(Peer& peer);

  void setPortNumber(int n) override { portNumber_ = n; }
  int portNumber() const override { return portNumber_; }
  void setBufferSizes(int in, int out) override;

  bool open() override;
  void close() override;
  bool isOpen() const override { return open_; }
  std::string errorText() const override { return errorText_; }
  void applyLineSettings() override { ++lineSettingsApplied_; }

  std::vector<uint8_t> readAll() override;
  void write(const uint8_t* data, size_t n) override;
  // Takes the next pending chunk into the input without an event; with nothing pending, the
  // controller's time moves on by ms first (a running stream sends its next record).
  bool waitForInput(int ms) override;
  using SerialPort::write;

  // Moves the next pending chunk into the input buffer and raises onReceive. When nothing is
  // pending but the controller has vanished, closes the port and raises onLost once instead.
  // Returns whether an event was raised.
  bool deliverOne();
  // Delivers until nothing is pending, including chunks caused by what the handlers write
  // meanwhile. Returns the number of events raised; stops after maxEvents.
  int deliverAll(int maxEvents = 100000);
  // Time passes for the controller (monitor stream); its output becomes pending.
  void advance(uint32_t ms);
  // Bytes arriving from the line on their own (noise, a reply made up by a test): queued as one
  // receive event after what is already pending. Dropped when the port is not open.
  void inject(std::vector<uint8_t> bytes);

  Controller& controller() { return *controller_; }
  Peer& peer() { return *peer_; }
  size_t pendingEvents() const { return pending_.size(); }

  // Everything written while the port was open, in order.
  const std::string& written() const { return written_; }
  void clearWritten() { written_.clear(); }

  // The port is lost inside the n-th write from now (1: the next), as when a handler's flush
  // fails: it closes and raises onLost before write() returns, and the bytes never go out. 0: never.
  int loseInWrite = 0;

  // open() fails while this is set, with failOpenText as errorText().
  bool failOpen = false;
  std::string failOpenText = "No such file or directory";

  int inBufferSize() const { return inBufferSize_; }
  int outBufferSize() const { return outBufferSize_; }
  int lineSettingsApplied() const { return lineSettingsApplied_; }
  int opens() const { return opens_; }

 private:
  void collect();

  std::unique_ptr<Controller> owned_;
  Controller* controller_ = nullptr;
  Peer* peer_;
  int portNumber_ = 1;
  int inBufferSize_ = 0;
  int outBufferSize_ = 0;
  bool open_ = false;
  bool lostReported_ = false;
  std::string errorText_;
  int lineSettingsApplied_ = 0;
  int opens_ = 0;
  std::deque<std::vector<uint8_t>> pending_;
  std::vector<uint8_t> input_;
  std::string written_;
};

}  // namespace zorv::sim
