#pragma once
// corvex-sim's command line.

#include <cstdint>
#include <string>
#include <vector>

namespace zorv::sim {

struct SimOptions {
  std::string link;
  std::string logPath;
  std::string flashPath;
  std::string kind = "TKVR";
  int muteAfter = -1;  // commands answered before it falls silent; -1: never
  bool pace = false;
  bool movingSticks = false;
  bool quiet = false;
  uint32_t bootDelayMs = 0;
  uint32_t slowFlashMs = 0;
  std::vector<uint8_t> noiseOnOpen;
  bool defaultsAfterUpgrade = false;
  // A recorded session to play instead of the simulated controller; empty: none.
  std::string replayPath;
};

// The outcome of parsing. When exitCode is set (>= 0) the program prints out on stdout and err on
// stderr and ends with that code; otherwise it serves the controller with options.
struct SimCommandLine {
  SimOptions options;
  int exitCode = -1;
  std::string out;
  std::string err;
};

// arguments[0] is the program's path, as in argv.
SimCommandLine parseSimCommandLine(const std::vector<std::string>& arguments);

}  // namespace zorv::sim
