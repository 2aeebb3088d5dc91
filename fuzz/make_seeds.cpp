// Writes the seed inputs of the fuzz targets: `fuzz_seeds DIR` fills DIR/<target>/.
//
// The dispatcher's seeds are whole conversations: a session runs the same steps as the fuzz
// target while a small stand-in for the controller answers everything the window sends, and
// every step and answer is recorded as input bytes. Replaying a seed therefore walks the
// read-back, the upgrade, the calibration, the live display, the reverse read-back and the
// loading of a saved file, from where fuzzing then strays.

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <initializer_list>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "core/param_catalogue.h"
#include "files/param_file_format.h"
#include "firmware/packet.h"
#include "fuzz/dispatch_session.h"
#include "fuzz/fuzz_support.h"
#include "serial/traffic_log.h"

namespace {

namespace fs = std::filesystem;
namespace fz = zorv::fuzz;

// Answers as the controller does (see the controller notes): queries with 10 bytes, settings with
// their echo and LF, the upgrade command with "RADY", loader packets with 64-byte replies.
class StandIn {
 public:
  std::vector<std::string> answer(std::string_view sent) {
    std::vector<std::string> out;
    size_t i = 0;
    while (i < sent.size()) {
      std::string_view rest = sent.substr(i);
      if (loader_) {
        if (rest.size() < zorv::firmware::kPacketSize) break;
        out.push_back(loaderReply(reinterpret_cast<const uint8_t*>(rest.data())));
        i += zorv::firmware::kPacketSize;
      } else if (rest.size() >= 3 && rest[0] == '?' && rest[2] == '\r') {
        out.push_back(queryReply(rest[1]));
        i += 3;
      } else if (rest.size() >= 7 && rest.substr(0, 2) == "UP" && rest[6] == '\r') {
        out.push_back("RADY\r\n");
        loader_ = true;
        i += 7;
      } else if (rest.size() >= 7 && rest[0] == 'S' && rest[6] == '\r') {
        out.push_back(std::string(rest.substr(0, 7)) + "\n");
        i += 7;
      } else {
        ++i;
      }
    }
    return out;
  }

  std::map<char, std::string> fields = {
      {'A', "0003"}, {'B', "0002"}, {'P', "0001"}, {'J', "0080"}, {'K', "0135"}, {'L', "0330"},
      {'4', "4100"}, {'5', "4050"}, {'6', "4000"}, {'7', "3950"}, {'M', "0031"}, {'N', "0005"},
      {'O', "0160"}, {'V', "2015"}, {'j', "0000"}, {'H', "0007"}, {'I', "0009"}, {'k', "0011"},
      {'a', "0001"}, {'b', "0002"}, {'c', "0004"}, {'d', "0008"}, {'e', "0016"}, {'f', "0032"},
      {'g', "0064"}, {'h', "0128"}, {'i', "0003"}};

 private:
  std::string queryReply(char letter) {
    if (letter == 'W') return "?W\r TKVR01\r\n";
    auto it = fields.find(letter);
    return std::string{'?', letter, '\r', ' '} + (it == fields.end() ? "0050" : it->second) + "\r\n";
  }

  std::string loaderReply(const uint8_t* packet) {
    namespace fw = zorv::firmware;
    const uint8_t kind = packet[0];
    const uint32_t seq = fw::readLe32(packet + 4);
    if (kind == static_cast<uint8_t>(fw::PacketKind::Start)) sum_ = 0;
    if (kind == static_cast<uint8_t>(fw::PacketKind::Data))
      for (size_t k = fw::kBodyOffset; k < fw::kPacketSize; ++k) sum_ += packet[k];
    if (kind == static_cast<uint8_t>(fw::PacketKind::Finish)) loader_ = false;
    std::string reply(fw::kPacketSize, '\0');
    auto* r = reinterpret_cast<uint8_t*>(reply.data());
    r[0] = kind;
    fw::writeLe32(r + 4, seq + 1);
    fw::writeLe32(r + 8, sum_);
    return reply;
  }

  bool loader_ = false;
  uint32_t sum_ = 0;
};

// Records a session as input bytes while running it.
class Script {
 public:
  Script(zorv::LinkMode mode, uint8_t flags, uint16_t imageLength = 2) {
    const uint16_t word = static_cast<uint16_t>(imageLength - 2);
    bytes_ = {static_cast<char>(fz::modeByte(mode)), static_cast<char>(flags), static_cast<char>(word >> 8),
              static_cast<char>(word & 0xFF)};
    fz::Bytes in(reinterpret_cast<const uint8_t*>(bytes_.data()), bytes_.size());
    s.port.capture = true;
    s.start(in);
  }

  Script(const Script&) = delete;  // the session's window and core point into it
  Script& operator=(const Script&) = delete;

  void op(std::initializer_list<uint8_t> b) { op(std::string(b.begin(), b.end())); }
  void op(const std::string& b) {
    bytes_ += b;
    fz::Bytes in(reinterpret_cast<const uint8_t*>(b.data()), b.size());
    s.step(in);
    if (!in.empty()) {
      std::fprintf(stderr, "a step left bytes unread\n");
      std::abort();
    }
  }

  // One answer arriving in pieces of at most `piece` bytes (one receive event each).
  void arrive(std::string_view answer, size_t piece = 128) {
    for (size_t at = 0; at < answer.size(); at += piece) {
      const std::string_view part = answer.substr(at, piece);
      op(std::string(1, static_cast<char>(part.size() - 1)) + std::string(part));
    }
  }

  // Answers what the window sent until it sends nothing more.
  void converse(StandIn& c, size_t piece = 128) {
    for (int round = 0; round < 5000; ++round) {
      const std::vector<std::string> answers = c.answer(std::exchange(s.port.sent, {}));
      if (answers.empty()) return;
      // Mode 1 lasts one receive event: the identity answer has to come whole.
      for (const std::string& a : answers) arrive(a, a.compare(0, 2, "?W") == 0 ? a.size() : piece);
    }
  }

  void press(int id) { op({0x80, fz::pickByte(fz::controlIds().buttons, id)}); }
  void choose(int id, uint8_t item) { op({0x90, fz::pickByte(fz::controlIds().combos, id), item}); }
  void click(int id) { op({0xA0, fz::pickByte(fz::controlIds().checks, id)}); }

  const std::string& bytes() const { return bytes_; }
  fz::Session s;

 private:
  std::string bytes_;
};

void expect(bool ok, const char* what) {
  if (!ok) {
    std::fprintf(stderr, "seed does not do what it should: %s\n", what);
    std::abort();
  }
}

std::string record(std::string_view tag, std::initializer_list<int> fields) {
  std::string r(tag);
  for (int f : fields) {
    char field[16];
    std::snprintf(field, sizeof field, "%4d", f);
    r += field;
  }
  return r + "\r\n";
}

const std::string kChannels = record("CHDA", {1500, 1500, 1100, 1500, 1900, 1000, 1500, 2000});
const std::string kMotors = record("MSDA", {1000, 1200, 1300, 1400, 1500, 1600, 1700, 1800});
const std::string kSensors = record("SSDA", {273, 1520, 95, 0, 0, -5, 12, 0});

class Writer {
 public:
  explicit Writer(fs::path root) : root_(std::move(root)) {}
  void put(const std::string& target, const std::string& name, std::string_view bytes) {
    const fs::path dir = root_ / target;
    fs::create_directories(dir);
    fz::writeFile(dir / name, bytes);
    ++count_;
  }
  int count() const { return count_; }

 private:
  fs::path root_;
  int count_ = 0;
};

// Connects a window started in mode 0: the read-back and the identity check.
void connect(Script& sc, StandIn& c, size_t piece = 128) {
  sc.converse(c, piece);
  expect(sc.s.win.isEnabled(1015) && sc.s.core->st.LinkMode == zorv::LinkMode::Rest, "read-back ends in the identity check");
}

void dispatcherSeeds(Writer& w) {
  constexpr uint8_t kAgree = 1, kFiles = 2, kImage = 8;
  {
    StandIn c;
    Script sc(zorv::LinkMode::Rest, 0);
    connect(sc, c);
    w.put("dispatcher", "readback", sc.bytes());
  }
  {
    StandIn c;
    Script sc(zorv::LinkMode::Rest, 0);
    connect(sc, c, 3);
    w.put("dispatcher", "readback_in_pieces", sc.bytes());
  }
  {
    StandIn c;
    Script sc(zorv::LinkMode::Rest, kAgree | kImage, 200);
    connect(sc, c);
    sc.press(1043);
    sc.converse(c);
    const zorv::MainState& st = sc.s.core->st;
    expect(st.LinkMode == zorv::LinkMode::Rest && st.UploadSequence == st.FirmwarePacketCount + 3, "upload runs to the end");
    w.put("dispatcher", "upgrade", sc.bytes());
  }
  {
    StandIn c;
    Script sc(zorv::LinkMode::Rest, kAgree);
    connect(sc, c);
    sc.press(1096);
    expect(sc.s.core->st.LinkMode == zorv::LinkMode::CalibrationEcho, "calibration starts");
    sc.converse(c);
    expect(sc.s.core->st.LinkMode == zorv::LinkMode::Rest, "calibration ends");
    w.put("dispatcher", "calibration", sc.bytes());
  }
  {
    StandIn c;
    Script sc(zorv::LinkMode::Rest, 0);
    connect(sc, c);
    sc.press(1118);
    expect(sc.s.core->st.LinkMode == zorv::LinkMode::Monitor, "display starts");
    sc.converse(c);
    sc.arrive(kChannels + kMotors);
    sc.arrive(kSensors, 7);
    sc.arrive(kChannels.substr(5) + kMotors + "garbage" + kSensors);
    // A reverse box while the display runs: echo (mode 15), read-back (mode 20), display again.
    sc.click(zorv::bitGroups()[zorv::kReceiverReverseGroup].boxes[2]);
    sc.converse(c);
    expect(sc.s.core->st.LinkMode == zorv::LinkMode::Monitor, "the reverse read-back resumes the display");
    sc.arrive(kMotors);
    sc.press(1118);
    w.put("dispatcher", "display_and_reverse", sc.bytes());
  }
  {
    StandIn c;
    Script sc(zorv::LinkMode::Rest, kAgree | kFiles);
    connect(sc, c);
    sc.choose(1099, 4);
    expect(sc.s.core->st.LinkMode == zorv::LinkMode::FileChain, "the saved file is sent");
    sc.converse(c);
    expect(sc.s.core->st.LinkMode == zorv::LinkMode::Rest, "the chain ends with a read-back");
    w.put("dispatcher", "load_saved_file", sc.bytes());
  }
  {
    StandIn c;
    Script sc(zorv::LinkMode::Rest, kAgree | kFiles);
    connect(sc, c);
    sc.choose(1099, 1);
    sc.converse(c);
    sc.press(1015);
    w.put("dispatcher", "default_set_and_save", sc.bytes());
  }
  {
    StandIn c;
    Script sc(zorv::LinkMode::Rest, 0);
    connect(sc, c);
    sc.op({0xB1, fz::pickByte(fz::controlIds().sliders, 1038), 77});
    sc.converse(c);
    sc.op({0xC3, fz::pickByte(fz::controlIds().edits, 1063), '1', '2', '3'});
    sc.converse(c);
    sc.choose(1061, 4);
    sc.converse(c);
    w.put("dispatcher", "controls_and_port_choice", sc.bytes());
  }
  // Each mode entered directly with a typical answer.
  struct Direct {
    zorv::LinkMode mode;
    const char* name;
    std::string answer;
  };
  std::string loaderReply(64, '\0');
  loaderReply[0] = static_cast<char>(0xA0);
  loaderReply[4] = 2;
  const std::vector<Direct> direct = {
      {zorv::LinkMode::Identity, "mode1_kind", "?W\r TKVR01\r\n"},
      {zorv::LinkMode::UpgradeAnswer, "mode2_ready", "RADY\r\n"},
      {zorv::LinkMode::UploadData, "mode3_reply", loaderReply},
      {zorv::LinkMode::FileChain, "mode7_echo", "Sj0004\r\n"},
      {zorv::LinkMode::Monitor, "mode10_records", kChannels + kMotors + kSensors},
      {zorv::LinkMode::CalibrationEcho, "mode15_echo", "S00410\r\n"},
      {zorv::LinkMode::ReverseReadback, "mode20_reverse", "?N\r 0005\r\n"},
      {zorv::LinkMode::KindQuery, "mode30_kind", "?W\r PXOJ01\r\n"},
  };
  for (const Direct& d : direct) {
    Script sc(d.mode, kAgree, 120);
    sc.arrive(d.answer);
    StandIn c;
    sc.converse(c);
    w.put("dispatcher", d.name, sc.bytes());
  }
  {
    Script sc(zorv::LinkMode::Rest, 0);
    sc.op({0xFF, 255, 'C', 'H', 'D', 'A', ' ', '1', '2'});
    sc.op({0xD0, 240});  // a mode no handler owns: bytes stay in the port
    sc.arrive("?C\r 0045\r\n");
    sc.op({0xD0, 0});
    sc.op({0xE0});
    w.put("dispatcher", "burst_and_unowned_mode", sc.bytes());
  }
}

void paramFileSeeds(Writer& w) {
  const auto values = fz::sampleValues();
  const std::string file = zorv::writeParamFile(3, values);
  w.put("param_file", "saved_com3.txt", file);
  auto extremes = values;
  extremes[3] = 0, extremes[4] = 100, extremes[12] = -100, extremes[13] = 100, extremes[15] = -12;
  w.put("param_file", "saved_com12_extremes.txt", zorv::writeParamFile(12, extremes));
  std::string lf;
  for (char ch : file)
    if (ch != '\r') lf += ch;
  w.put("param_file", "saved_lf.txt", lf);
  w.put("param_file", "saved_bom.txt", "\xEF\xBB\xBF" + file);
  w.put("param_file", "truncated.txt", file.substr(0, file.size() / 2));
  std::string badGimbal = file;
  badGimbal.replace(badGimbal.find("PTZ PitchRate") + 13, 4, "0300");
  w.put("param_file", "bad_gimbal.txt", badGimbal);
}

void imageSeeds(Writer& w) {
  w.put("image", "tiny.bin", fz::imageBytes(200));
  w.put("image", "two_bytes.bin", std::string("\x02\x00", 2));
  w.put("image", "one_packet.bin", fz::imageBytes(55));
  w.put("image", "path_like", "C:\\firmware\\TKVR_v2015.bin");
}

void portFileSeeds(Writer& w) {
  w.put("port_file", "com3", std::string("3\0", 2));
  w.put("port_file", "com12", "12");
  w.put("port_file", "com20", "20");
  w.put("port_file", "blank_sign", " -7");
  w.put("port_file", "long_number", "99999999999999999999");
}

void recordSeeds(Writer& w) {
  w.put("record", "channels", kChannels);
  w.put("record", "motors", kMotors);
  w.put("record", "sensors", kSensors);
  w.put("record", "burst", kChannels + kMotors + kSensors + kChannels.substr(0, 20));
  w.put("record", "noise_between", "xxSS" + kChannels.substr(0, 30) + kMotors + "\r\nSSD");
}

// A session's traffic log as the log writes it: each command, then the stand-in's answers.
class TraceWriter {
 public:
  void event(const std::string& text) { log_.record(now(), zorv::Traffic::Event, text); }
  void read(const std::string& bytes) { log_.record(now(), zorv::Traffic::Read, bytes); }
  void ask(StandIn& c, const std::string& command) {
    log_.record(now(), zorv::Traffic::Written, command);
    for (const std::string& a : c.answer(command)) read(a);
  }
  std::string text() const { return log_.text(); }

 private:
  int64_t now() { return us_ += 873; }
  zorv::TrafficLog log_;
  int64_t us_ = 0;
};

void traceSeeds(Writer& w) {
  {
    TraceWriter t;
    StandIn c;
    t.event("opened COM3");
    for (char letter : std::string("CABDEFGHIJKLRTYZ4567MNOPVabcdefghikjW")) t.ask(c, std::string{'?', letter, '\r'});
    w.put("trace", "readback.log", t.text());
  }
  {
    TraceWriter t;
    StandIn c;
    t.event("opened COM3");
    t.ask(c, "?W\r");
    t.ask(c, "UPTKVR\r");
    namespace fw = zorv::firmware;
    const std::string image = fz::imageBytes(100);
    const auto* bytes = reinterpret_cast<const uint8_t*>(image.data());
    uint32_t sum = 0;
    auto send = [&](const fw::Packet& p) { t.ask(c, std::string(p.begin(), p.end())); };
    send(fw::buildPacket(fw::PacketKind::Start, 1));
    send(fw::buildDataPacket(2, bytes, image.size(), 0, sum));
    send(fw::buildDataPacket(3, bytes, image.size(), 56, sum));
    fw::Packet total = fw::buildPacket(fw::PacketKind::Sum, 4);
    fw::writeLe32(total.data() + 8, sum);
    send(total);
    send(fw::buildPacket(fw::PacketKind::Finish, 5));
    w.put("trace", "upgrade.log", t.text());
  }
  {
    TraceWriter t;
    StandIn c;
    t.event("opened COM3");
    t.ask(c, "S~0001\r");
    t.read(kChannels + kMotors);
    t.read(kSensors.substr(0, 11));
    t.read(kSensors.substr(11));
    t.ask(c, "S~0000\r");
    t.event("closed");
    w.put("trace", "monitor.log", t.text());
  }
  {
    TraceWriter t;
    StandIn c;
    t.event("could not open COM3: Device or resource busy");
    t.event("opened COM3");
    t.read(std::string("\0\xFF\r\n", 4));
    t.ask(c, "?C\r");
    t.ask(c, "Sj0002\r");
    t.event("lost: /dev/ttyACM0: Input/output error (device gone)");
    t.event("opened COM3");
    t.ask(c, "?C\r");
    // As a pilot may send it: a comment, Windows line ends, blanks taken off, a line mangled.
    std::string text = "# Zorv traffic log\r\n";
    for (const char ch : t.text()) text += ch == '\n' ? std::string("\r\n") : std::string(1, ch);
    text += "   99.000 > 3F 43 0D  ?C.\r\n";
    w.put("trace", "noise_reopen_and_edits.log", text);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s DIR\n", argv[0]);
    return 2;
  }
  Writer w{fs::path(argv[1])};
  dispatcherSeeds(w);
  paramFileSeeds(w);
  imageSeeds(w);
  portFileSeeds(w);
  recordSeeds(w);
  traceSeeds(w);
  std::printf("%d seed files written under %s\n", w.count(), argv[1]);
  return 0;
}
