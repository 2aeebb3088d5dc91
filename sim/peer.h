#pragma once
// What sits at the controller's end of the line, as the ports that serve it see it: the simulated
// controller, or a replay of a recorded session. Bytes in, time passing, bytes out; no I/O of its
// own, so SimPort drives it in memory and corvex-sim on a pseudo-terminal.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace zorv::sim {

class Peer {
 public:
  virtual ~Peer() = default;

  // Bytes the window wrote, in whatever pieces they arrive.
  virtual void receive(const uint8_t* data, size_t n) = 0;
  // The window opened the port.
  virtual void portOpened() = 0;
  // Simulated time passes.
  virtual void advance(uint32_t ms) = 0;
  // Milliseconds until advance() has something to do; UINT32_MAX when nothing is scheduled.
  virtual uint32_t msUntilDue() const = 0;
  // Everything sent since the last call, one element per write.
  virtual std::vector<std::vector<uint8_t>> takeOutput() = 0;
  // True once the device is gone: nothing is sent or heard any more.
  virtual bool vanished() const { return false; }
  // What the peer has to say to whoever runs it (corvex-sim prints it on stderr), since the last call.
  virtual std::vector<std::string> takeNotes() { return {}; }
};

}  // namespace zorv::sim
