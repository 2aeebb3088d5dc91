#pragma once
// One window session driven by bytes: the dispatcher fuzz target runs it on the fuzzer's input,
// and the seed maker runs the same steps to record real conversations as inputs.
//
// Input layout:
//   byte 0     the starting link mode: below 240 one of the handled modes (kModes, cyclic),
//              from 240 on one of kOtherModes, which no handler owns
//   byte 1     bit 0: message boxes are answered Ok/Yes (else Cancel/No; an Ok-only box is Ok)
//              bit 1: file dialogs give a file (a firmware image, a saved parameter file, a
//                     place to save) instead of being cancelled
//              bit 2: opening the port fails
//              bit 3: a firmware image is loaded whatever the mode
//   bytes 2-3  length of that image less 2 (big-endian, modulo 65535)
//   then steps until the input ends, each picked by one byte:
//   00..7F  a receive event bringing the next (op + 1) bytes
//   80..8F  a press on an enabled push or caption button (next byte picks it)
//   90..9F  a choice in an enabled list (next bytes: the list, the item)
//   A0..AF  a click on an enabled check box (next byte)
//   B0..BF  a slider moved to a position (next bytes); odd op: released, too
//   C0..CF  typing into an enabled number box (next byte, then op & 7 characters)
//   D0..DF  the link mode set as at the start (next byte), its state primed
//   E0..E7  a receive event with nothing new waiting
//   E8..EF  the port lost (unplugged)
//   F0..F7  the message box answers flip between agreeing and cancelling
//   F8..FB  close box, Esc, Enter
//   FC..FF  a receive event of 129..2169 bytes (past the 2048-byte staging area), the next
//           byte giving the length and up to 16 more the pattern repeated
// Everything runs on fakes: no sleeping, no real port, files only in a scratch folder.

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/clock.h"
#include "core/control_groups.h"
#include "core/control_layout.h"
#include "core/serial_port.h"
#include "files/param_file_format.h"
#include "firmware/image.h"
#include "fuzz/fuzz_support.h"
#include "monitor/display.h"
#include "router/router.h"
#include "tests/support/fake_clock.h"
#include "tests/support/fakes.h"

namespace zorv::fuzz {

constexpr std::array<LinkMode, 12> kModes = {
    LinkMode::Rest,       LinkMode::Identity,     LinkMode::UpgradeAnswer, LinkMode::UploadData,
    LinkMode::UploadSum,  LinkMode::UploadFinish, LinkMode::UploadLast,    LinkMode::FileChain,
    LinkMode::Monitor,    LinkMode::CalibrationEcho, LinkMode::ReverseReadback, LinkMode::KindQuery};
// Values no handler owns.
constexpr std::array<int32_t, 16> kOtherModes = {8, 9, 11, 12, 14, 16, 19, 21, 29, 31, 40, 100,
                                                 -1, -30, INT32_MAX, INT32_MIN};

inline LinkMode modeFrom(uint8_t b) {
  return b < 240 ? kModes[b % kModes.size()]
                 : static_cast<LinkMode>(kOtherModes[static_cast<size_t>(b - 240) % kOtherModes.size()]);
}

// The byte that starts a session in `mode` (one of kModes).
inline uint8_t modeByte(LinkMode mode) {
  for (size_t i = 0; i < kModes.size(); ++i)
    if (kModes[i] == mode) return static_cast<uint8_t>(i);
  return 0;
}

// The port: bytes handed over wait in `pending` until the next readAll; a handler's discardInput
// drops them, as the real port's would. Like the real driver's buffer it holds a few KiB at most.
class FuzzPort : public SerialPort {
 public:
  static constexpr size_t kHeld = 4096;

  void setPortNumber(int n) override { number_ = n; }
  int portNumber() const override { return number_; }
  void setBufferSizes(int, int) override {}
  bool open() override {
    open_ = !failOpen;
    return open_;
  }
  void close() override { open_ = false; }
  bool isOpen() const override { return open_; }
  std::string errorText() const override { return open_ ? "" : "Access denied"; }
  void applyLineSettings() override {}
  std::vector<uint8_t> readAll() override { return std::exchange(pending, {}); }
  void write(const uint8_t* data, size_t n) override {
    if (!open_) return;
    written += n;
    if (capture) sent.append(reinterpret_cast<const char*>(data), n);
  }
  void arrive(std::string_view bytes) {
    const size_t room = kHeld - std::min(kHeld, pending.size());
    pending.insert(pending.end(), bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(std::min(room, bytes.size())));
  }

  std::vector<uint8_t> pending;
  bool failOpen = false;
  size_t written = 0;
  bool capture = false;  // keep what was sent (the seed maker answers it)
  std::string sent;

 private:
  int number_ = 0;
  bool open_ = false;
};

struct Files {
  std::string settings, image, saved, out;
};

// Message boxes never block; the answer follows the current policy. File dialogs give the fixed
// files of the scratch folder when allowed.
class FuzzPrompts : public Prompts {
 public:
  Answer message(const std::string&, const std::string&, Buttons buttons, Icon, bool) override {
    ++shown;
    if (buttons == Buttons::Ok) return Answer::Ok;
    if (buttons == Buttons::YesNo) return agree ? Answer::Yes : Answer::No;
    return agree ? Answer::Ok : Answer::Cancel;
  }
  std::optional<std::string> openFile(const std::string& filter, const std::string&) override {
    if (!giveFiles) return std::nullopt;
    return filter.find("*.bin") != std::string::npos ? files->image : files->saved;
  }
  std::optional<std::string> saveFile(const std::string&, const std::string&, const std::string&) override {
    if (!giveFiles) return std::nullopt;
    return files->out;
  }

  bool agree = false;
  bool giveFiles = false;
  const Files* files = nullptr;
  int shown = 0;
};

// Parameter values as a controller might hold them: all inside their ranges.
inline std::array<int32_t, kParamCount> sampleValues() {
  std::array<int32_t, kParamCount> v{};
  for (size_t i = 0; i < v.size(); ++i) v[i] = i >= 19 ? static_cast<int32_t>(i % 3 == 0) : 40 + static_cast<int32_t>(i);
  v[0] = 3;     // model type
  v[1] = 2;     // ESC rate
  v[2] = 1;     // servo rate
  v[12] = -20;  // gimbal rates
  v[13] = 35;
  v[14] = 330;  // alarm voltage
  v[15] = 410, v[16] = 405, v[17] = 400, v[18] = 395;  // cells
  return v;
}

inline uint8_t imageByte(size_t i) { return static_cast<uint8_t>((i * 37 + i / 251) & 0xFF); }

inline std::string imageBytes(size_t length) {
  std::string bytes(length, '\0');
  for (size_t i = 0; i < length; ++i) bytes[i] = static_cast<char>(imageByte(i));
  return bytes;
}

// The longest image, and the running sum of its bytes, built once: a session loads a prefix of it
// with plain copies instead of building and summing up to 64 KiB of instrumented bytes per input.
struct ImagePattern {
  std::array<uint8_t, kFirmwareImageSize> bytes{};
  std::array<uint32_t, kFirmwareImageSize + 1> sums{};  // sums[n]: the first n bytes
};

inline const ImagePattern& imagePattern() {
  static const ImagePattern* p = [] {
    auto* out = new ImagePattern;
    for (size_t i = 0; i < out->bytes.size(); ++i) {
      out->bytes[i] = imageByte(i);
      out->sums[i + 1] = out->sums[i] + out->bytes[i];
    }
    return out;
  }();
  return *p;
}

inline const Files& sessionFiles() {
  static const Files f = [] {
    Files out;
    const auto& dir = scratchDir();
    out.settings = (dir / "tkvrconfig.ini").string();
    out.image = (dir / "firmware.bin").string();
    out.saved = (dir / "TKVR_Data.txt").string();
    out.out = (dir / "saved_by_window.txt").string();
    writeFile(out.image, imageBytes(3000));
    writeFile(out.saved, writeParamFile(3, sampleValues()));
    return out;
  }();
  return f;
}

// Puts "3" and a zero byte into the remembered-port file, writing only when a port choice of
// the last input changed it: a rewrite per input would cost more than most inputs.
inline void rememberPort3(const std::string& path) {
  const std::string want("3\0", 2);
  std::FILE* f = std::fopen(path.c_str(), "rb");
  char got[4] = {};
  const size_t n = f ? std::fread(got, 1, sizeof got, f) : 0;
  if (f) std::fclose(f);
  if (n != want.size() || std::string(got, n) != want) writeFile(path, want);
}

// Controls a user can act on, by kind, in table order.
struct ControlIds {
  std::vector<int> buttons, combos, checks, sliders, edits;
};

inline const ControlIds& controlIds() {
  static const ControlIds ids = [] {
    ControlIds out;
    for (const ControlRow& c : controls()) {
      if (c.id == 0) continue;
      switch (c.kind) {
        case ControlKind::Button:
        case ControlKind::LabelButton: out.buttons.push_back(c.id); break;
        case ControlKind::Combo: out.combos.push_back(c.id); break;
        case ControlKind::Check: out.checks.push_back(c.id); break;
        case ControlKind::Slider: out.sliders.push_back(c.id); break;
        case ControlKind::Edit: out.edits.push_back(c.id); break;
        default: break;
      }
    }
    return out;
  }();
  return ids;
}

// The byte that picks `id` from `ids` (for the seed maker).
inline uint8_t pickByte(const std::vector<int>& ids, int id) {
  for (size_t i = 0; i < ids.size(); ++i)
    if (ids[i] == id) return static_cast<uint8_t>(i);
  std::fprintf(stderr, "control %d is not in the list\n", id);
  std::abort();
}

// One window for the whole run: it is built and initialised once per way the port opens, and
// every input starts from a copy of that state (the window double, MainState, the port, the
// clock), so an input costs its own steps and not a rebuild of the window and its 64 KiB areas.
class Session {
 public:
  FuzzPort port;
  test::FakeWindow win;
  FuzzPrompts prompts;
  FakeClock clock;
  std::unique_ptr<Router> core;

  ~Session() { win.router = nullptr; }

  // Reads the four header bytes, puts the window into its state right after start-up and enters
  // the mode.
  void start(Bytes& in) {
    const Files& f = sessionFiles();
    // The remembered port is read at start-up and written on every port choice: the same
    // content for every input keeps runs repeatable.
    rememberPort3(f.settings);
    const uint8_t mode = in.byte();
    const uint8_t flags = in.byte();
    const bool failOpen = flags & 4;
    imageEverywhere_ = flags & 8;
    imageLength_ = 2 + in.word() % (kFirmwareImageSize - 1);

    if (!core) {
      core = std::make_unique<Router>(port, win, prompts, clock, f.settings);
      // Every 256th exchange reads all controls again and aborts if the window left a change
      // unreported: the fuzzer hunts for such a change too, at a fraction of the full read's cost.
      core->checkShownEvery = 256;
      win.router = core.get();
    }
    startedUp(failOpen);
    prompts.agree = flags & 1;
    prompts.giveFiles = flags & 2;
    prompts.files = &f;
    prompts.shown = 0;
    enterMode(modeFrom(mode));
    check();
  }

  // Runs one step; the input must not be empty.
  void step(Bytes& in) {
    const ControlIds& ids = controlIds();
    const uint8_t op = in.byte();
    if (op < 0x80) {
      receive(in.take(static_cast<size_t>(op) + 1));
    } else if (op < 0x90) {
      win.userPress(pick(ids.buttons, in.byte()));  // only when enabled
    } else if (op < 0xA0) {
      const int id = pick(ids.combos, in.byte());
      const int item = static_cast<int>(in.byte() % 8);
      if (win.isEnabled(id)) win.userSelect(id, item);
    } else if (op < 0xB0) {
      const int id = pick(ids.checks, in.byte());
      if (win.isEnabled(id)) win.userClick(id);
    } else if (op < 0xC0) {
      const int id = pick(ids.sliders, in.byte());
      const uint8_t pos = in.byte();
      if (win.isEnabled(id)) {
        const ControlRow* c = findControl(id);
        const int lo = c ? c->lo : 0;
        const int span = c ? std::max(c->hi - c->lo + 1, 1) : 256;
        win.userDrag(id, lo + pos % span);
        if (op & 1) win.userRelease(id);
      }
    } else if (op < 0xD0) {
      const int id = pick(ids.edits, in.byte());
      const std::string text(in.take(op & 7));
      if (win.isEnabled(id)) win.userType(id, text);
    } else if (op < 0xE0) {
      enterMode(modeFrom(in.byte()));
    } else if (op < 0xE8) {
      receive({});
    } else if (op < 0xF0) {
      core->onPortLost("The device was removed");
    } else if (op < 0xF8) {
      prompts.agree = !prompts.agree;
    } else if (op < 0xFC) {
      switch (op & 3) {
        case 0: core->onCloseBox(); break;
        case 1: core->onCancel(); break;
        default: core->onAccept(); break;
      }
    } else {
      const size_t n = static_cast<size_t>(in.byte()) * 8 + 129;
      std::string_view pattern = in.take(16);
      if (pattern.empty()) pattern = "SSDA";
      std::string burst;
      while (burst.size() < n) burst.append(pattern);
      burst.resize(n);
      receive(burst);
    }
    check();
  }

  // What must hold after every step, whatever arrived.
  void check() const {
    const MainState& st = core->st;
    ZORV_FUZZ_CHECK(st.ReceiveBuffer.size() <= static_cast<size_t>(kReceiveBufferLimit));
    ZORV_FUZZ_CHECK(st.ReceiveBuffer.find('\0') == std::string::npos);
    if (isPacketMode(st.LinkMode))
      ZORV_FUZZ_CHECK(st.ReceivedCount >= 0 && st.ReceivedCount < static_cast<int32_t>(st.ReplyArea.size()));
    ZORV_FUZZ_CHECK(st.FirmwareFileLength >= 0 && st.FirmwareFileLength <= kFirmwareImageSize);
  }

 private:
  static int pick(const std::vector<int>& ids, uint8_t b) { return ids[b % ids.size()]; }

  void receive(std::string_view bytes) {
    port.arrive(bytes);
    core->onReceive();
  }

  // The state right after window initialisation, taken once for each way the port opens.
  struct StartedUp {
    bool taken = false;
    MainState st;
    int queryRetries = 3;
    test::FakeWindow win;
    FuzzPort port;
    FakeClock clock;
  };

  void startedUp(bool failOpen) {
    StartedUp& s = startedUp_[failOpen ? 1 : 0];
    const bool capture = port.capture;
    core->typedValues = TypedValues();
    core->beyondScale.clear();
    if (!s.taken) {
      port = FuzzPort();
      port.failOpen = failOpen;
      port.capture = capture;
      win = test::FakeWindow();
      win.router = core.get();
      clock = FakeClock();
      core->st = MainState();
      core->QueryRetries = 3;
      core->initialise();
      // The state (its bindings with what the controls showed) and the window, copied at the
      // same moment: put back together, the next exchange need not read every control again.
      s.st = core->st;
      s.queryRetries = core->QueryRetries;
      s.win = win;
      s.port = port;
      s.clock = clock;
      s.taken = true;
    } else {
      core->st = s.st;
      core->QueryRetries = s.queryRetries;
      win = s.win;
      win.router = core.get();
      port = s.port;
      clock = s.clock;
      if (!capture) port.sent.clear();
    }
    port.capture = capture;
  }

  // What loading the image file of this input's length does, from the pattern built once.
  void loadImage() {
    MainState& st = core->st;
    const ImagePattern& image = imagePattern();
    std::memcpy(st.FirmwareImage.data(), image.bytes.data(), imageLength_);
    std::memset(st.FirmwareImage.data() + imageLength_, 0, st.FirmwareImage.size() - imageLength_);
    st.FirmwareFileLength = static_cast<int32_t>(imageLength_);
    st.FirmwareSize = static_cast<int32_t>(imageLength_) + 1;
    st.FirmwarePacketCount = firmware::packetCountFor(st.FirmwareSize);
    st.FirmwarePath = "firmware.bin";
    win.setEnabled(1043, true);
  }

  // Puts the window into `mode` with the state its handlers find there when the mode is reached
  // the ordinary way.
  void enterMode(LinkMode mode) {
    MainState& st = core->st;
    st.ReceiveBuffer.clear();
    st.ReceivedCount = 0;
    const bool upgrading = isUploadMode(mode) || mode == LinkMode::KindQuery;
    if (imageEverywhere_ || upgrading) loadImage();

    if (isUploadMode(mode)) {
      // An upload is under way: the start packet (sequence 1) went out in mode 3; the sum packet
      // follows the reply to the last data packet (mode 4), the finish packet the sum check (5).
      const int32_t n = st.FirmwarePacketCount;
      const uint32_t sum = imagePattern().sums[static_cast<size_t>(st.FirmwareFileLength)];
      const bool dataSent = mode > LinkMode::UploadData;
      st.UploadSequence = dataSent ? n + (static_cast<int32_t>(mode) - static_cast<int32_t>(LinkMode::UploadSum)) : 1;
      st.UploadPosition = dataSent ? (n - 1) * static_cast<int32_t>(firmware::kPacketDataSize) : 0;
      st.UploadSum = dataSent ? static_cast<int32_t>(sum) : 0;
      st.UploadPercent = 0;
      if (isPacketMode(mode)) {
        win.setProgressVisible(true);
        win.setProgressRange(0, std::min(n + 1, 0x7FFF));
      }
    }
    if (upgrading) core->setEnabled(upgradeLockedControls(), false);
    if (mode == LinkMode::FileChain) {
      // The same file every time: read once.
      static const ParamFileReading r = readParamFile(writeParamFile(3, sampleValues()));
      ZORV_FUZZ_CHECK(r.ok);
      for (size_t n = 0; n < r.lines.size(); ++n) st.LoadedLines[n] = r.lines[n];
      st.LoadedValues = r.values;
    }
    if (mode == LinkMode::Monitor || mode == LinkMode::ReverseReadback) {
      // The live display runs (the reverse read-back resumes it when it ends).
      st.MonitorStopped = 0;
      core->setEnabled(displayControls(), true);
      core->setEnabled(lockedWhileDisplaying(), false);
    }
    if (mode == LinkMode::CalibrationEcho) {
      st.CellVoltages = {410, 405, 400, 395};
      st.CalibrationValue = 410;
    }
    st.LinkMode = mode;
  }

  bool imageEverywhere_ = false;
  size_t imageLength_ = 2;
  StartedUp startedUp_[2];
};

}  // namespace zorv::fuzz
