#pragma once
// zorvctl's command line:
//   zorvctl [--port N | --device PATH | --demo] [--timeout S] COMMAND [ARGS]
// Pure code: the words in, the options or the reason they are refused out.

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace zorv {

struct Options {
  enum class Link { Remembered, Number, Device, Demo };
  Link link = Link::Remembered;
  int port = 0;         // --port N
  std::string device;   // --device PATH
  int timeoutMs = -1;   // --timeout S; -1: the command's own limit
  std::string trace;    // --trace FILE: the traffic log's lines, written as they happen
  // --reply-ms, --loader-ms, --default-set-ms: [limits] keys with the values given, in range.
  std::vector<std::pair<std::string, int>> limits;
  bool help = false;
  bool version = false;

  std::string command;  // ports read get set save load flash monitor calibrate
  std::vector<std::string> args;
  bool json = false;    // read --json, monitor --json
  int seconds = -1;     // monitor --seconds S; -1: until Ctrl-C
  int defaultSet = 0;   // load --default K (1..4); 0: a file
  bool yes = false;     // load --yes: send a file holding values the tool does not know
  std::vector<int> cells;  // calibrate C1 C2 C3 C4
};

// Refused words give nothing and the reason, for the user, in *error.
std::optional<Options> parseOptions(const std::vector<std::string>& words, std::string* error);

// The --help text.
std::string usageText();

// Time a command may take when --timeout is not given.
int defaultTimeoutMs(const std::string& command);

}  // namespace zorv
