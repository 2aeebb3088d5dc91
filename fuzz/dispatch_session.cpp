#include "fuzz/dispatch_session.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <utility>

#include "core/control_groups.h"
#include "core/control_layout.h"
#include "files/param_file_format.h"
#include "firmware/image.h"
#include "firmware/packet.h"
#include "monitor/display.h"

namespace zorv::fuzz {

namespace {

uint8_t imageByte(size_t i) { return static_cast<uint8_t>((i * 37 + i / 251) & 0xFF); }

// The longest image, and the running sum of its bytes, built once: a session loads a prefix of it
// with plain copies instead of building and summing up to 64 KiB of instrumented bytes per input.
struct ImagePattern {
  std::array<uint8_t, kFirmwareImageSize> bytes{};
  std::array<uint32_t, kFirmwareImageSize + 1> sums{};  // sums[n]: the first n bytes
};

const ImagePattern& imagePattern() {
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

// Puts "3" and a zero byte into the remembered-port file, writing only when a port choice of
// the last input changed it: a rewrite per input would cost more than most inputs.
void rememberPort3(const std::string& path) {
  const std::string want("3\0", 2);
  std::FILE* f = std::fopen(path.c_str(), "rb");
  char got[4] = {};
  const size_t n = f ? std::fread(got, 1, sizeof got, f) : 0;
  if (f) std::fclose(f);
  if (n != want.size() || std::string(got, n) != want) writeFile(path, want);
}

int pick(const std::vector<int>& ids, uint8_t b) { return ids[b % ids.size()]; }

}  // namespace

LinkMode modeFrom(uint8_t b) {
  return b < 240 ? kModes[b % kModes.size()]
                 : static_cast<LinkMode>(kOtherModes[static_cast<size_t>(b - 240) % kOtherModes.size()]);
}

uint8_t modeByte(LinkMode mode) {
  for (size_t i = 0; i < kModes.size(); ++i)
    if (kModes[i] == mode) return static_cast<uint8_t>(i);
  return 0;
}

std::array<int32_t, kParamCount> sampleValues() {
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

std::string imageBytes(size_t length) {
  std::string bytes(length, '\0');
  for (size_t i = 0; i < length; ++i) bytes[i] = static_cast<char>(imageByte(i));
  return bytes;
}

const Files& sessionFiles() {
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

const ControlIds& controlIds() {
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

uint8_t pickByte(const std::vector<int>& ids, int id) {
  for (size_t i = 0; i < ids.size(); ++i)
    if (ids[i] == id) return static_cast<uint8_t>(i);
  std::fprintf(stderr, "control %d is not in the list\n", id);
  std::abort();
}

Session::Session() {
  // The scratch folder's files when allowed: a firmware image for the image dialog, the saved
  // parameter file for the load dialog, a place for the save.
  prompts.fileFor = [this](const std::string& filter, bool save) -> std::optional<std::string> {
    if (!giveFiles_) return std::nullopt;
    const Files& f = sessionFiles();
    if (save) return f.out;
    return filter.find("*.bin") != std::string::npos ? f.image : f.saved;
  };
}

Session::~Session() { win.router = nullptr; }

void Session::start(Bytes& in) {
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
    // However an exchange ends, its end says how far it got and, unless done, why.
    core->onExchangeEnd = [](const ExchangeResult& end) {
      ZORV_FUZZ_CHECK(end.done >= 0 && end.total >= 0);
      ZORV_FUZZ_CHECK(end.outcome == Outcome::Done || !end.message.empty());
    };
  }
  startedUp(failOpen);
  prompts.agree = flags & 1;
  giveFiles_ = flags & 2;
  prompts.shown.clear();
  prompts.fileFilters.clear();
  enterMode(modeFrom(mode));
  check();
}

void Session::step(Bytes& in) {
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

void Session::check() const {
  const MainState& st = core->st;
  ZORV_FUZZ_CHECK(st.ReceiveBuffer.size() <= static_cast<size_t>(kReceiveBufferLimit));
  ZORV_FUZZ_CHECK(st.ReceiveBuffer.find('\0') == std::string::npos);
  if (isPacketMode(st.LinkMode))
    ZORV_FUZZ_CHECK(st.ReceivedCount >= 0 && st.ReceivedCount < static_cast<int32_t>(st.ReplyArea.size()));
  ZORV_FUZZ_CHECK(st.FirmwareFileLength >= 0 && st.FirmwareFileLength <= kFirmwareImageSize);
}

void Session::receive(std::string_view bytes) {
  port.arrive(bytes);
  core->onReceive();
}

void Session::startedUp(bool failOpen) {
  StartedUp& s = startedUp_[failOpen ? 1 : 0];
  const bool capture = port.capture;
  core->typedValues = TypedValues();
  core->beyondScale.clear();
  if (!s.taken) {
    port = test::FeedPort();
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

void Session::loadImage() {
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

void Session::enterMode(LinkMode mode) {
  MainState& st = core->st;
  st.ReceiveBuffer.clear();
  st.ReceivedCount = 0;
  const bool upgrading = isUploadMode(mode) || mode == LinkMode::KindQuery;
  if (imageEverywhere_ || upgrading) loadImage();

  if (isUploadMode(mode)) {
    // An upload is under way: the start packet (sequence 1) went out in mode 3; the last data
    // packet (sequence N) before mode 4, the sum packet before mode 5, the finish packet before 6.
    const int32_t n = st.FirmwarePacketCount;
    const bool dataSent = mode > LinkMode::UploadData;
    st.UploadSequence = mode == LinkMode::UploadSum      ? n
                        : mode == LinkMode::UploadFinish ? firmware::sumPacketSequence(n)
                        : mode == LinkMode::UploadLast   ? firmware::finishPacketSequence(n)
                                                         : 1;
    st.UploadPosition = dataSent ? firmware::imageBytesThrough(n) : 0;
    st.UploadSum = dataSent ? static_cast<int32_t>(imagePattern().sums[static_cast<size_t>(st.FirmwareFileLength)]) : 0;
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

}  // namespace zorv::fuzz
