// The remembered-port file: decodePortFile on any content, and the window's own reading of the
// file at start-up (readRememberedPort), which hands the number to the port and the port list.
// The two-byte files the window writes read back as the number written.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/clock.h"
#include "core/serial_port.h"
#include "core/text_number.h"
#include "fuzz/fuzz_support.h"
#include "router/router.h"
#include "serial/connection.h"
#include "serial/port_file.h"
#include "tests/support/fake_clock.h"
#include "tests/support/fakes.h"

namespace {

namespace fz = zorv::fuzz;

class NumberPort : public zorv::SerialPort {
 public:
  void setPortNumber(int n) override { number = n; }
  int portNumber() const override { return number; }
  void setBufferSizes(int, int) override {}
  bool open() override { return false; }
  void close() override {}
  bool isOpen() const override { return false; }
  std::string errorText() const override { return "closed"; }
  void applyLineSettings() override {}
  std::vector<uint8_t> readAll() override { return {}; }
  void write(const uint8_t*, size_t) override {}
  int number = -12345;
};

class SilentPrompts : public zorv::Prompts {
 public:
  Answer message(const std::string&, const std::string&, Buttons, Icon, bool) override { return Answer::Cancel; }
  std::optional<std::string> openFile(const std::string&, const std::string&) override { return std::nullopt; }
  std::optional<std::string> saveFile(const std::string&, const std::string&, const std::string&) override {
    return std::nullopt;
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string content(reinterpret_cast<const char*>(data), size);
  const int n = zorv::decodePortFile(content);
  const size_t nul = content.find('\0');
  ZORV_FUZZ_CHECK(n == zorv::leadingInt(content.substr(0, nul)));

  // What the window writes for a list choice reads back unchanged.
  if (size >= 1) {
    const int written = data[0] % 100;
    const std::string file = zorv::encodePortFile(written);
    ZORV_FUZZ_CHECK(file.size() == 2);
    ZORV_FUZZ_CHECK(zorv::decodePortFile(file) == written);
  }

  // The window reading the file.
  static NumberPort port;
  static zorv::test::FakeWindow win;
  static SilentPrompts prompts;
  static zorv::FakeClock clock;
  static const std::string path = (fz::scratchDir() / "tkvrconfig.ini").string();
  static zorv::Router core(port, win, prompts, clock, path);
  fz::writeFile(path, content);
  port.number = -12345;
  win.setComboIndex(1061, 2);
  zorv::readRememberedPort(core);
  // An empty file means the default port 3; otherwise what the first 64 bytes say.
  const int expected = size == 0 ? 3 : zorv::decodePortFile(content.substr(0, 64));
  ZORV_FUZZ_CHECK(port.number == expected);
  const int index = win.comboIndex(1061);
  ZORV_FUZZ_CHECK(index >= -1 && index < 20);
  if (size != 0 && expected >= 1 && expected <= 20) ZORV_FUZZ_CHECK(index == expected - 1);
  return 0;
}
