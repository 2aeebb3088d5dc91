#pragma once
// One window's behaviour against the simulated controller, in memory, with a fake clock.
//   Harness h;          // window initialised: the read-back has been asked for
//   h.pump();           // deliver every answer: the whole exchange runs
//   h.port.written()    // every byte the window sent

#include <filesystem>
#include <string>

#include "app/router.h"
#include "core/clock.h"
#include "sim/controller.h"
#include "sim/sim_port.h"
#include "tests/support/fake_clock.h"
#include "tests/support/fakes.h"

namespace zorv::test {

struct Harness {
  explicit Harness(bool start = true);
  ~Harness();

  sim::Controller ctrl;
  sim::SimPort port{ctrl};
  FakeWindow win;
  ScriptedPrompts prompts;
  FakeClock clock;
  std::filesystem::path dir;  // a fresh temporary folder (settings file, saved files)
  Router core;

  int pump() { return port.deliverAll(); }
  // Bytes arriving from the line as one receive event of their own (not from the controller).
  void inject(const std::string& bytes) { port.inject(std::vector<uint8_t>(bytes.begin(), bytes.end())); }
  // Initialises the window and completes the read-back.
  void connect();
  // The bytes sent since the last call (or since the start).
  std::string sent();
  std::string path(const std::string& name) const { return (dir / name).string(); }

 private:
  size_t sentMark_ = 0;
};

}  // namespace zorv::test
