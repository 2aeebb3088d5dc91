#pragma once
// zorv's command line: what to open at start, or a text to print and an exit code.
// Parsed before any window exists, so that --help and --version work without a display.

#include <QStringList>
#include <string>

namespace zorv {

struct StartOptions {
  int port = 0;       // 1..20: open this port number at start; 0: the remembered one
  bool demo = false;  // COM3 bound to the simulated controller inside the program
  std::string trace;  // --trace FILE: the traffic log's lines written to FILE as they happen
  std::string language;  // "original", "en", "ru" or "zh" for this start; empty: the remembered one
};

// The outcome of parsing. When exitCode is set (>= 0) the program prints out on stdout and err on
// stderr and ends with that code without opening a window; otherwise it starts with options.
struct CommandLine {
  StartOptions options;
  int exitCode = -1;
  std::string out;
  std::string err;
};

constexpr int kPortNumberCount = 20;  // the port list offers COM1 to COM20
constexpr int kUsageExitCode = 2;     // a command line the program cannot follow

// arguments[0] is the program's path, as in argv.
CommandLine parseCommandLine(const QStringList& arguments);

}  // namespace zorv
