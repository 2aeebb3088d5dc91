#include "sim/sim_options.h"

namespace zorv::sim {

namespace {

constexpr int kUsageExitCode = 2;

const char kHelp[] =
    "Usage: corvex-sim [options]\n"
    "Serves a simulated Corvex flight controller on a pseudo-terminal, so that zorv (or any serial\n"
    "terminal) can talk to it as to a real board. The first line on stdout is the device to open.\n"
    "Runs until interrupted (Ctrl+C) or sent SIGTERM.\n"
    "\n"
    "Options:\n"
    "  --link PATH   also reach the device through the symbolic link PATH, e.g.\n"
    "                ~/.config/zorv/ports/COM3 to make it zorv's COM3\n"
    "  --log FILE    append every command received to FILE, one per line\n"
    "  --flash FILE  write the flash image to FILE after every completed upgrade\n"
    "  --pace        take and send bytes no faster than a real line at 115200 baud\n"
    "  --kind KIND   firmware kind reported and accepted for upgrades: TKVR (default) or PXOJ\n"
    "  --moving-sticks  the monitor stream sweeps the sticks end to end and flips the\n"
    "                switches, as when a pilot checks the radio\n"
    "  --mute-after N  answer N commands or upgrade packets, then fall silent, like a board\n"
    "                that hangs or loses power (0: a port where nothing answers)\n"
    "  --quiet       no messages on stderr\n"
    "  -h, --help    show this help and exit\n"
    "  -v, --version show the version and exit\n";

SimCommandLine usageError(const std::string& message) {
  SimCommandLine result;
  result.exitCode = kUsageExitCode;
  result.err = "corvex-sim: " + message + "\n" + kHelp;
  return result;
}

}  // namespace

SimCommandLine parseSimCommandLine(const std::vector<std::string>& arguments) {
  SimCommandLine result;
  SimOptions& o = result.options;
  for (size_t i = 1; i < arguments.size(); ++i) {
    const std::string& arg = arguments[i];
    const auto value = [&](std::string& into) {
      if (i + 1 >= arguments.size()) return false;
      into = arguments[++i];
      return true;
    };
    if (arg == "-h" || arg == "--help") {
      result.exitCode = 0;
      result.out = kHelp;
      return result;
    } else if (arg == "-v" || arg == "--version") {
      result.exitCode = 0;
      result.out = std::string("corvex-sim ") + ZORV_VERSION + "\n";
      return result;
    } else if (arg == "--link" || arg == "--log" || arg == "--flash" || arg == "--kind") {
      std::string& into = arg == "--link" ? o.link : arg == "--log" ? o.logPath : arg == "--flash" ? o.flashPath : o.kind;
      if (!value(into)) return usageError("Missing value after '" + arg + "'.");
      if (arg == "--kind" && o.kind != "TKVR" && o.kind != "PXOJ") {
        return usageError("--kind takes TKVR or PXOJ, not '" + o.kind + "'.");
      }
    } else if (arg == "--mute-after") {
      std::string n;
      if (!value(n)) return usageError("Missing value after '" + arg + "'.");
      if (n.empty() || n.size() > 9 || n.find_first_not_of("0123456789") != std::string::npos) {
        return usageError("--mute-after takes a number of commands, not '" + n + "'.");
      }
      o.muteAfter = std::stoi(n);
    } else if (arg == "--pace") {
      o.pace = true;
    } else if (arg == "--moving-sticks") {
      o.movingSticks = true;
    } else if (arg == "--quiet") {
      o.quiet = true;
    } else if (!arg.empty() && arg[0] == '-') {
      return usageError("Unknown option '" + arg + "'.");
    } else {
      return usageError("Unexpected argument '" + arg + "'.");
    }
  }
  return result;
}

}  // namespace zorv::sim
