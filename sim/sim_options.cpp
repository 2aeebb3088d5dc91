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
    "  --boot-delay MS  after each open of the device, hear and send nothing for MS\n"
    "                milliseconds, like a board still booting\n"
    "  --slow-flash MS  send the loader's RADY and its reply to the finish packet MS\n"
    "                milliseconds late, like a board whose flash is slow to erase\n"
    "  --noise-on-open BYTES  send these bytes each time the device is opened, like a\n"
    "                board that powers up; hexadecimal, e.g. '00 FF 0D 0A'\n"
    "  --defaults-after-upgrade  after a completed upgrade the settings come back as\n"
    "                default set 0, like a new firmware whose settings layout changed\n"
    "                (without it they survive the upgrade)\n"
    "  --replay TRACE  instead of the simulated controller, answer each command with the\n"
    "                bytes that followed the same command in TRACE (a traffic log), with\n"
    "                the recorded pauses up to 5 s; say on stderr where the session first\n"
    "                departs from the trace\n"
    "  --quiet       no messages on stderr\n"
    "  -h, --help    show this help and exit\n"
    "  -v, --version show the version and exit\n";

constexpr uint32_t kMaxDelayMs = 600000;  // ten minutes: longer is a typing error
constexpr size_t kMaxNoiseBytes = 256;

SimCommandLine usageError(const std::string& message) {
  SimCommandLine result;
  result.exitCode = kUsageExitCode;
  result.err = "corvex-sim: " + message + "\n" + kHelp;
  return result;
}

bool readMs(const std::string& text, uint32_t& ms) {
  if (text.empty() || text.size() > 6 || text.find_first_not_of("0123456789") != std::string::npos) return false;
  const unsigned long v = std::stoul(text);
  if (v > kMaxDelayMs) return false;
  ms = static_cast<uint32_t>(v);
  return true;
}

int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Pairs of hexadecimal digits, blanks, colons or commas between the pairs allowed.
bool readHexBytes(const std::string& text, std::vector<uint8_t>& bytes) {
  bytes.clear();
  for (size_t i = 0; i < text.size();) {
    const char c = text[i];
    if (c == ' ' || c == ':' || c == ',') {
      ++i;
      continue;
    }
    if (i + 1 >= text.size() || hexDigit(c) < 0 || hexDigit(text[i + 1]) < 0) return false;
    bytes.push_back(static_cast<uint8_t>(hexDigit(c) << 4 | hexDigit(text[i + 1])));
    if (bytes.size() > kMaxNoiseBytes) return false;
    i += 2;
  }
  return !bytes.empty();
}

}  // namespace

SimCommandLine parseSimCommandLine(const std::vector<std::string>& arguments) {
  SimCommandLine result;
  SimOptions& o = result.options;
  std::string controllerOption;  // the last option that shapes the simulated controller
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
      if (arg == "--kind" || arg == "--flash") controllerOption = arg;
    } else if (arg == "--mute-after") {
      std::string n;
      if (!value(n)) return usageError("Missing value after '" + arg + "'.");
      if (n.empty() || n.size() > 9 || n.find_first_not_of("0123456789") != std::string::npos) {
        return usageError("--mute-after takes a number of commands, not '" + n + "'.");
      }
      o.muteAfter = std::stoi(n);
      controllerOption = arg;
    } else if (arg == "--boot-delay" || arg == "--slow-flash") {
      std::string n;
      if (!value(n)) return usageError("Missing value after '" + arg + "'.");
      if (!readMs(n, arg == "--boot-delay" ? o.bootDelayMs : o.slowFlashMs)) {
        return usageError(arg + " takes milliseconds from 0 to " + std::to_string(kMaxDelayMs) + ", not '" + n + "'.");
      }
      controllerOption = arg;
    } else if (arg == "--noise-on-open") {
      std::string bytes;
      if (!value(bytes)) return usageError("Missing value after '" + arg + "'.");
      if (!readHexBytes(bytes, o.noiseOnOpen)) {
        return usageError("--noise-on-open takes 1 to " + std::to_string(kMaxNoiseBytes) +
                          " bytes in hexadecimal, such as '00 FF 0D', not '" + bytes + "'.");
      }
      controllerOption = arg;
    } else if (arg == "--defaults-after-upgrade") {
      o.defaultsAfterUpgrade = true;
      controllerOption = arg;
    } else if (arg == "--replay") {
      if (!value(o.replayPath) || o.replayPath.empty()) return usageError("Missing value after '" + arg + "'.");
    } else if (arg == "--pace") {
      o.pace = true;
    } else if (arg == "--moving-sticks") {
      o.movingSticks = true;
      controllerOption = arg;
    } else if (arg == "--quiet") {
      o.quiet = true;
    } else if (!arg.empty() && arg[0] == '-') {
      return usageError("Unknown option '" + arg + "'.");
    } else {
      return usageError("Unexpected argument '" + arg + "'.");
    }
  }
  if (!o.replayPath.empty() && !controllerOption.empty()) {
    return usageError("--replay plays the controller of the trace; " + controllerOption + " cannot go with it.");
  }
  return result;
}

}  // namespace zorv::sim
