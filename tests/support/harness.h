#pragma once
// One window's behaviour against the simulated controller, in memory, with a fake clock.
//   Harness h;          // window initialised: the read-back has been asked for
//   h.pump();           // deliver every answer: the whole exchange runs
//   h.port.written()    // every byte the window sent

#include <filesystem>
#include <string>
#include <vector>

#include "core/clock.h"
#include "router/router.h"
#include "serial/traffic_port.h"
#include "sim/controller.h"
#include "sim/sim_port.h"
#include "tests/support/fake_clock.h"
#include "tests/support/fakes.h"

namespace zorv::test {

struct Harness {
  explicit Harness(bool start = true);
  // A harness whose port is bound to `peer` (a replay) instead of `ctrl`, and whose window talks
  // through `traffic` (its log then holds the session) when `traced`.
  struct Options {
    sim::Peer* peer = nullptr;
    bool traced = false;
    bool start = true;
  };
  explicit Harness(Options options);
  ~Harness();

  sim::Controller ctrl;
  sim::SimPort port;
  TrafficPort traffic;  // over `port`, times from `clock`
  FakeWindow win;
  ScriptedPrompts prompts;
  FakeClock clock;
  std::filesystem::path dir;  // a fresh temporary folder (settings file, saved files)
  Router core;
  // Every exchange's end the router reported, oldest first.
  std::vector<ExchangeResult> ends;

  int pump() { return port.deliverAll(); }
  // Bytes arriving from the line as one receive event of their own (not from the controller).
  void inject(const std::string& bytes) { port.inject(std::vector<uint8_t>(bytes.begin(), bytes.end())); }
  // Initialises the window and completes the read-back.
  void connect();
  // The bytes sent since the last call (or since the start).
  std::string sent();
  // The answer limit of the exchange waiting runs out: the clock passes it, and the tick comes.
  void silence();
  std::string path(const std::string& name) const { return (dir / name).string(); }

 private:
  size_t sentMark_ = 0;
};

// The queries of a whole read-back, in the order the window asks them.
inline const char* const kReadbackChain =
    "?C\r?A\r?B\r?D\r?E\r?F\r?G\r?H\r?I\r?J\r?K\r?L\r?R\r?T\r?Y\r?Z\r?4\r?5\r?6\r?7\r"
    "?M\r?N\r?O\r?P\r?V\r?a\r?b\r?c\r?d\r?e\r?f\r?g\r?h\r?i\r?k\r?j\r?W\r";

// The queries among the bytes sent (setting commands such as box 1070's "SH0051" left out).
std::string queriesIn(const std::string& sent);

}  // namespace zorv::test
