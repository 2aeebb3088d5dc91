#include "tests/support/harness.h"

#include <atomic>
#include <unistd.h>

namespace zorv::test {

namespace {
std::filesystem::path makeTempDir() {
  static std::atomic<int> counter{0};
  auto p = std::filesystem::temp_directory_path() /
           ("zorv-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
  std::filesystem::remove_all(p);
  std::filesystem::create_directories(p);
  return p;
}
}  // namespace

Harness::Harness(bool start) : Harness(Options{nullptr, false, start}) {}

Harness::Harness(Options options)
    : port(options.peer ? *options.peer : ctrl),
      traffic(port, [this] { return int64_t{clock.now} * 1000; }),
      dir(makeTempDir()),
      core(options.traced ? static_cast<SerialPort&>(traffic) : port, win, prompts, clock,
           (dir / "tkvrconfig.ini").string()) {
  win.router = &core;
  core.onExchangeEnd = [this](const ExchangeResult& end) { ends.push_back(end); };
  SerialPort& wire = options.traced ? static_cast<SerialPort&>(traffic) : port;
  wire.onReceive = [this] { core.onReceive(); };
  wire.onLost = [this](const std::string& reason) { core.onPortLost(reason); };
  if (options.start) connect();
}

Harness::~Harness() {
  std::error_code ec;
  std::filesystem::remove_all(dir, ec);
}

void Harness::connect() {
  core.initialise();
  pump();
}

std::string Harness::sent() {
  std::string all = port.written();
  if (sentMark_ > all.size()) sentMark_ = 0;
  std::string s = all.substr(sentMark_);
  sentMark_ = all.size();
  return s;
}

void Harness::silence() {
  clock.now += answer_limits::kLoaderReplyMs + 1;  // the longest limit
  core.onTick();
}

std::string queriesIn(const std::string& sent) {
  std::string out;
  for (size_t i = 0; i < sent.size();) {
    const size_t end = sent.find('\r', i);
    if (end == std::string::npos) break;
    if (sent[i] == '?') out += sent.substr(i, end + 1 - i);
    i = end + 1;
  }
  return out;
}

}  // namespace zorv::test
