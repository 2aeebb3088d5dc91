#include "ctl/options.h"

#include <cmath>
#include <cstdlib>

#include "core/limits_config.h"
#include "ctl/param_names.h"

namespace zorv {

namespace {

constexpr int kDefaultTimeoutMs = 10000;
constexpr int kFlashTimeoutMs = 180000;  // a full image takes about 20 s on a real line
constexpr int kDefaultSets = 4;

// A positive number of seconds ("10", "2.5") in milliseconds.
std::optional<int> parseSeconds(const std::string& text) {
  if (text.empty()) return std::nullopt;
  char* end = nullptr;
  const double s = std::strtod(text.c_str(), &end);
  if (end != text.c_str() + text.size() || !std::isfinite(s) || s <= 0 || s > 86400) return std::nullopt;
  return static_cast<int>(std::lround(s * 1000));
}

bool isCommand(const std::string& w) {
  for (const char* c : {"ports", "read", "get", "set", "save", "load", "flash", "monitor", "calibrate", "snapshots",
                        "diff", "restore"})
    if (w == c) return true;
  return false;
}

// The answer limit an option such as --reply-ms stands for, or null.
const LimitRange* limitOption(const std::string& w) {
  for (const LimitRange& r : limitRanges()) {
    std::string option = std::string("--") + r.key;
    for (char& c : option)
      if (c == '_') c = '-';
    if (w == option) return &r;
  }
  return nullptr;
}

// The word after option words[i], moving i onto it; null, with the error set, when none is left.
const std::string* valueAfter(const std::vector<std::string>& words, size_t& i, const char* what, std::string* error) {
  if (i + 1 >= words.size()) {
    *error = words[i] + " needs " + what;
    return nullptr;
  }
  return &words[++i];
}

// The command's own words after the command name.
bool parseCommandWords(Options& o, const std::vector<std::string>& words, size_t i, std::string* error) {
  const std::string& cmd = o.command;
  for (; i < words.size(); ++i) {
    const std::string& w = words[i];
    auto value = [&](const char* what) { return valueAfter(words, i, what, error); };
    if (w == "--json" && (cmd == "read" || cmd == "monitor")) {
      o.json = true;
    } else if (w == "--seconds" && cmd == "monitor") {
      const std::string* v = value("a number of seconds");
      if (!v) return false;
      const std::optional<int> ms = parseSeconds(*v);
      if (!ms) {
        *error = "--seconds takes a positive number of seconds, not '" + *v + "'";
        return false;
      }
      o.seconds = *ms;
    } else if (w == "--default" && cmd == "load") {
      const std::string* v = value("the number of a default set, 1 to 4");
      if (!v) return false;
      const std::optional<int> k = parseWholeNumber(*v);
      if (!k || *k < 1 || *k > kDefaultSets) {
        *error = "--default takes the number of a default set, 1 to 4, not '" + *v + "'";
        return false;
      }
      o.defaultSet = *k;
    } else if (w == "--yes" && cmd == "load") {
      o.yes = true;
    } else if ((w == "--last" || w == "--before-upgrade") && cmd == "restore") {
      o.args.push_back(w);
    } else if (w.size() > 1 && w[0] == '-' && !(cmd == "calibrate" && parseWholeNumber(w))) {
      *error = "'" + cmd + "' has no option " + w;
      return false;
    } else {
      o.args.push_back(w);
    }
  }

  const size_t n = o.args.size();
  auto expect = [&](bool ok, const char* form) {
    if (!ok) *error = std::string("usage: zorvctl [options] ") + form;
    return ok;
  };
  if (cmd == "ports" || cmd == "read" || cmd == "monitor") return expect(n == 0, (cmd + (cmd == "ports" ? "" : cmd == "read" ? " [--json]" : " [--json] [--seconds S]")).c_str());
  if (cmd == "get") return expect(n >= 1, "get NAME...");
  if (cmd == "set") return expect(n >= 1, "set NAME=VALUE...");
  if (cmd == "save") return expect(n == 1, "save FILE");
  if (cmd == "flash") return expect(n == 1, "flash FILE.bin");
  if (cmd == "snapshots") return expect(n == 0, "snapshots");
  if (cmd == "diff") return expect(n == 1, "diff FILE");
  if (cmd == "restore") return expect(n <= 1, "restore [SNAPSHOT | --last | --before-upgrade]");
  if (cmd == "load")
    return expect(o.defaultSet ? n == 0 && !o.yes : n == 1, "load [--yes] FILE | load --default K");
  // calibrate
  if (!expect(n == 4, "calibrate C1 C2 C3 C4")) return false;
  for (const std::string& a : o.args) {
    const std::optional<int> c = parseWholeNumber(a);
    if (!c || *c < 0 || *c > 9999) {
      *error = "a cell voltage is a whole number of hundredths of a volt (410 for 4.10 V), not '" + a + "'";
      return false;
    }
    o.cells.push_back(*c);
  }
  return true;
}

}  // namespace

std::optional<Options> parseOptions(const std::vector<std::string>& words, std::string* error) {
  Options o;
  int links = 0;
  size_t i = 0;
  for (; i < words.size(); ++i) {
    const std::string& w = words[i];
    auto value = [&](const char* what) { return valueAfter(words, i, what, error); };
    if (w == "-h" || w == "--help") {
      o.help = true;
      return o;
    } else if (w == "--version") {
      o.version = true;
      return o;
    } else if (w == "--port") {
      const std::string* v = value("a port number, 1 to 20");
      if (!v) return std::nullopt;
      const std::optional<int> n = parseWholeNumber(*v);
      if (!n || *n < 1 || *n > 20) {
        *error = "--port takes a port number from 1 to 20 (as in the window's list), not '" + *v + "'";
        return std::nullopt;
      }
      o.link = Options::Link::Number;
      o.port = *n;
      ++links;
    } else if (w == "--device") {
      const std::string* v = value("a device path");
      if (!v) return std::nullopt;
      o.link = Options::Link::Device;
      o.device = *v;
      ++links;
    } else if (w == "--demo") {
      o.link = Options::Link::Demo;
      ++links;
    } else if (w == "--timeout") {
      const std::string* v = value("a number of seconds");
      if (!v) return std::nullopt;
      const std::optional<int> ms = parseSeconds(*v);
      if (!ms) {
        *error = "--timeout takes a positive number of seconds, not '" + *v + "'";
        return std::nullopt;
      }
      o.timeoutMs = *ms;
    } else if (w == "--trace") {
      const std::string* v = value("a file name");
      if (!v) return std::nullopt;
      o.trace = *v;
    } else if (const LimitRange* r = limitOption(w)) {
      const std::string* v = value("a number of milliseconds");
      if (!v) return std::nullopt;
      const std::optional<int> ms = parseWholeNumber(*v);
      if (!ms || *ms < r->lo || *ms > r->hi) {
        *error = w + " takes a whole number of milliseconds from " + std::to_string(r->lo) + " to " +
                 std::to_string(r->hi) + ", not '" + *v + "'";
        return std::nullopt;
      }
      o.limits.push_back({r->key, *ms});
    } else if (isCommand(w)) {
      o.command = w;
      break;
    } else {
      *error = w.size() > 1 && w[0] == '-' ? "unknown option " + w : "unknown command '" + w + "'";
      return std::nullopt;
    }
  }
  if (links > 1) {
    *error = "give only one of --port, --device and --demo";
    return std::nullopt;
  }
  if (o.command.empty()) {
    *error = "no command given";
    return std::nullopt;
  }
  if (!parseCommandWords(o, words, i + 1, error)) return std::nullopt;
  return o;
}

int defaultTimeoutMs(const std::string& command) {
  return command == "flash" ? kFlashTimeoutMs : kDefaultTimeoutMs;
}

std::string usageText() {
  return R"(Usage: zorvctl [--port N | --device PATH | --demo] [--timeout S] [--trace FILE] COMMAND [ARGS]

Does the jobs of the Zorv window from a terminal or a script, through the very same
code as the window, for the Corvex flight controller.

Commands:
  ports                    list the port numbers 1 to 20 with their device
  read [--json]            read every setting back (115 lines, then version and kind)
  get NAME...              read back, then print the named settings
  set NAME=VALUE...        change settings as the window's controls do, then read
                           back to check them
  save FILE                read back, then save the settings as the window does
  load [--yes] FILE        send a file saved by Zorv, then read back; a file that
                           holds values Zorv does not know is sent only with --yes
  load --default K         make the controller load its default set K (1 to 4)
  flash FILE.bin           upgrade the controller's firmware
  monitor [--json] [--seconds S]
                           print the live receiver, motor and sensor values, a
                           line per record with its time, once all three came
  calibrate C1 C2 C3 C4    calibrate the battery reading with the four measured
                           cell voltages in hundredths of a volt (410 for 4.10 V)
  snapshots                list the snapshots Zorv keeps of the settings, newest
                           first, with how many settings differ from the controller
  diff FILE                print the settings in which FILE differs from the
                           controller (exit 0: none, 1: some, 5: no controller)
  restore [SNAPSHOT | --last | --before-upgrade]
                           send a snapshot back (a path, or a name 'snapshots'
                           lists); --last, the default: the newest one that
                           differs from the controller

Options:
  --port N       port number N as in the window's list (default: the number the
                 window last used, from tkvrconfig.ini in this folder)
  --device PATH  the serial device PATH, for example /dev/ttyACM0
  --demo         a simulated controller inside the program, no hardware needed
  --timeout S    give up after S seconds (default 10, flash 180; for monitor, the
                 longest wait for the first record)
  --trace FILE   write every byte sent and received to FILE as it happens, one
                 line each, as the window's traffic log shows them
  --reply-ms MS, --loader-ms MS, --default-set-ms MS
                 how long to wait for an answer (as [limits] in zorv.ini, which
                 zorvctl also reads): a reply or echo (default 1000), the loader
                 (2000), a default set (1000); raise them for a slow board
  -h, --help     show this text
  --version      show the version

NAME is a setting's name as in a saved file, in any case, spaces left out or kept
(AlarmVoltage, "Alarm Voltage"), or its index 0 to 114. VALUE is what the window
shows: sliders 0..100, gimbal -100..100, alarm voltage 280..370, lists by item
number from 1, check boxes 0 or 1.

When a job fails, standard error names the port used, what happened, everything
that was sent, and what to check; the exit status says which kind of failure:

Exit status:
  0    done
  1    the controller did not answer, refused, or a transfer failed
  2    wrong usage, an unknown name or a value out of range (nothing was sent)
  3    a file was refused (the reason is printed)
  4    the port could not be opened (the reason is printed)
  5    diff: no controller answered with its settings
  130  stopped by Ctrl-C
)";
}

}  // namespace zorv
