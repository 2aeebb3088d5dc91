// The firmware upload against the simulated controller: the bytes on the wire, what the
// controller commits to flash, what the window shows, and how a broken exchange ends.

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>
#include <vector>

#include "core/control_layout.h"
#include "firmware/image_choice.h"
#include "firmware/packet.h"
#include "firmware/transfer.h"
#include "tests/reliability.h"
#include "tests/support/harness.h"

namespace zorv::test {
namespace {

using reliability::dataErrorUnfinished;
using reliability::pressUpgrade;

constexpr const char* kSuccess = "Congratulations!You've upgraded successfully!";

struct SentPacket {
  uint8_t kind;
  uint32_t sequence;
  std::string body;  // bytes 8..63
};

// Splits what the window wrote after the upgrade command into 64-byte packets.
std::vector<SentPacket> packetsOf(const std::string& wire) {
  std::vector<SentPacket> out;
  EXPECT_EQ(wire.size() % 64, 0u);
  for (size_t at = 0; at + 64 <= wire.size(); at += 64) {
    const auto* p = reinterpret_cast<const uint8_t*>(wire.data() + at);
    EXPECT_EQ(p[1] | p[2] | p[3], 0);
    out.push_back({p[0], firmware::readLe32(p + 4), wire.substr(at + 8, 56)});
  }
  return out;
}

// A connected window with an accepted image of the given length (random bytes, fixed seed).
struct Upgrade {
  Harness h;
  std::string image;
  explicit Upgrade(size_t length, unsigned seed = 1) {
    std::mt19937 gen(seed);
    image.resize(length);
    for (char& c : image) c = static_cast<char>(gen() & 0xFF);
    chooseImage(h, image);
    h.sent();
    h.prompts.shown.clear();
  }
  const MainState& st() const { return h.core.st; }
  int32_t n() const { return h.core.st.FirmwarePacketCount; }
  // The file followed by its zero fill, as the data packets carry it.
  std::string carried() const {
    std::string c = image;
    c.resize(static_cast<size_t>(n() - 1) * 56, '\0');
    return c;
  }
  std::string flash() const { return std::string(h.ctrl.flash().begin(), h.ctrl.flash().end()); }
  // Delivers events one at a time until `when` holds; false if nothing more came first.
  bool stepUntil(const std::function<bool(const MainState&)>& when) {
    while (!when(h.core.st))
      if (!h.port.deliverOne()) return false;
    return true;
  }
  std::string lastPacketLogged() const {
    for (auto it = h.ctrl.log().rbegin(); it != h.ctrl.log().rend(); ++it)
      if (it->rfind("PKT", 0) == 0) return *it;
    return "";
  }
};

// After a successful upgrade: everything it locked is back but the start button, which waits for
// the file to be chosen again.
void expectRestored(const Harness& h) {
  for (int id : {ids::kChooseImageButton, 1038, 1063, ids::kModelTypeList, ids::kSaveButton, ids::kBatterySaveButton,
                 ids::kDisplayButton, ids::kLoadList, ids::kLoadButton, 1056, matrixCheckId(4, 2), 1054})
    EXPECT_TRUE(h.win.isEnabled(id)) << id;
  for (int id : {ids::kUpgradeButton, 1197, 1205, 1214, ids::kFirstChannelReadout, ids::kLastMotorReadout})
    EXPECT_FALSE(h.win.isEnabled(id)) << id;
}

TEST(FirmwareTransfer, WholeExchangeWritesTheImageToFlash) {
  const struct {
    size_t length;
    int32_t packets;
  } cases[] = {{2, 2}, {55, 2}, {1000, 19}, {65536, 1172}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.length);
    Upgrade u(c.length, static_cast<unsigned>(c.length));
    Harness& h = u.h;
    ASSERT_EQ(u.n(), c.packets);
    h.core.st.UploadSum = 0x1234;  // left over by a transfer that was broken off
    pressUpgrade(h);
    for (int id : {ids::kChooseImageButton, ids::kUpgradeButton, 1038, 1197, ids::kFirstChannelReadout})
      EXPECT_FALSE(h.win.isEnabled(id)) << id;
    h.pump();

    const std::string wire = h.sent();
    ASSERT_EQ(wire.substr(0, 10), "?W\rUPTKVR\r");
    const std::vector<SentPacket> packets = packetsOf(wire.substr(10));
    const auto n = static_cast<uint32_t>(c.packets);
    ASSERT_EQ(packets.size(), n + 2);  // start, N - 1 data, sum, finish
    const std::string carried = u.carried();
    uint32_t sum = 0;
    for (uint32_t i = 0; i < packets.size(); ++i) {
      const SentPacket& p = packets[i];
      EXPECT_EQ(p.sequence, i + 1);
      if (i == 0) {
        EXPECT_EQ(p.kind, 0xA0);
        EXPECT_EQ(p.body, std::string(56, '\0'));
      } else if (i < n) {
        EXPECT_EQ(p.kind, 0xA5);
        EXPECT_EQ(p.body, carried.substr((i - 1) * 56, 56)) << "packet " << i + 1;
        for (char b : p.body) sum += static_cast<uint8_t>(b);
      } else if (i == n) {
        EXPECT_EQ(p.kind, 0xC8);
        EXPECT_EQ(firmware::readLe32(reinterpret_cast<const uint8_t*>(p.body.data())), sum);
        EXPECT_EQ(p.body.substr(4), std::string(52, '\0'));
      } else {
        EXPECT_EQ(p.kind, 0xA6);
        EXPECT_EQ(p.body, std::string(56, '\0'));
      }
    }
    uint32_t fileSum = 0;
    for (char b : u.image) fileSum += static_cast<uint8_t>(b);
    EXPECT_EQ(sum, fileSum);  // the zero fill adds nothing

    EXPECT_TRUE(h.ctrl.lastSumMatched());
    EXPECT_TRUE(u.flash() == carried) << "flash differs from the file and its zero fill";
    ASSERT_EQ(h.prompts.shown.size(), 1u);
    EXPECT_EQ(h.prompts.shown[0].text, kSuccess);
    EXPECT_EQ(h.prompts.shown[0].caption, "Tarvik Congratulations:");
    EXPECT_EQ(u.st().LinkMode, LinkMode::Rest);
    EXPECT_EQ(u.st().UploadSum, 0);
    EXPECT_FALSE(h.win.progressVisible());
    EXPECT_EQ(h.win.text(ids::kPortStatus), "COM Opened");
    expectRestored(h);
  }
}

// Every step of a two-packet image: the percentage and the bar never pass their top.
TEST(FirmwareTransfer, ProgressOfEachStep) {
  Upgrade u(10);
  Harness& h = u.h;
  pressUpgrade(h);
  ASSERT_TRUE(h.port.deliverOne());  // kind reply
  EXPECT_EQ(h.sent(), "?W\rUPTKVR\r");
  const struct {
    const char* status;
    int pos;
    LinkMode mode;
  } steps[] = {
      {"Data sending...>>33%", 1, LinkMode::UploadData},  // "RADY": start packet
      {"Finished66%", 2, LinkMode::UploadSum},            // data packet 2 = N
      {"Finished100%", 3, LinkMode::UploadFinish},        // sum packet
      {"Finished100%", 3, LinkMode::UploadLast},          // finish packet: 4 * 100 / 3 is shown as 100
  };
  for (const auto& s : steps) {
    SCOPED_TRACE(s.status);
    ASSERT_TRUE(h.port.deliverOne());
    EXPECT_EQ(h.win.text(ids::kPortStatus), s.status);
    EXPECT_EQ(h.win.progressPos(), s.pos);
    EXPECT_EQ(u.st().LinkMode, s.mode);
    EXPECT_TRUE(h.win.progressVisible());
    EXPECT_EQ(h.win.progressLo(), 0);
    EXPECT_EQ(h.win.progressHi(), 3);
    EXPECT_EQ(h.win.progressColor, (std::vector<int>{0, 0, 255}));
    EXPECT_EQ(h.sent().size(), 64u);
  }
  EXPECT_LE(u.st().UploadPercent, 100);
  ASSERT_TRUE(h.port.deliverOne());
  EXPECT_TRUE(h.prompts.sawMessage(kSuccess));
  EXPECT_EQ(h.win.text(ids::kPortStatus), "COM Opened");
  EXPECT_FALSE(h.port.deliverOne());
}

TEST(FirmwareTransfer, KindReply) {
  const char* damaged =
      "The controller's answer to the firmware-kind query (?W) was damaged, so the upgrade did not start and nothing "
      "was sent to it. Check the cable, then press \"Обновить\" to ask again.";
  const struct {
    const char* name;
    const char* kind;
    std::vector<size_t> split;
    int corrupt;
    const char* command;  // nullptr: nothing is sent and the window keeps waiting in mode 30
    const char* tag;      // the last tag taken
    const char* told;     // once the limit ends the wait, in the box and the status box's tooltip
  } cases[] = {
      {"TKVR", "TKVR", {}, -1, "UPTKVR\r", "TKVR", ""},
      {"PXOJ", "PXOJ", {}, -1, "UPPXOJ\r", "PXOJ", ""},
      {"unknown kind", "ABCD", {}, -1, nullptr, "ABCD",
       "The controller reports firmware kind ABCD; this tool upgrades TKVR and PXOJ boards only."},
      // "?W\r TK" and "VR01\r\n": each piece is judged alone and neither is a kind
      {"split in two events", "TKVR", {6}, -1, nullptr, "VR01",
       "The controller reported firmware kind TKVR, but its answer came in pieces, so the upgrade did not start and "
       "nothing was sent to it. Press \"Обновить\" to ask again."},
      {"kind corrupted", "TKVR", {}, 4, nullptr, "tKVR", damaged},
      {"line end corrupted", "ABCD", {}, 10, nullptr, "ABCD", damaged},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Upgrade u(100);
    Harness& h = u.h;
    h.ctrl.kind = c.kind;
    h.ctrl.faults.splitAt = c.split;
    h.ctrl.faults.corruptByte = c.corrupt;
    pressUpgrade(h);
    h.pump();
    const std::string wire = h.sent();
    EXPECT_EQ(wire.substr(0, 3), "?W\r");
    EXPECT_EQ(u.st().FirmwareTag, c.tag);
    if (c.command) {
      EXPECT_EQ(wire.substr(3, 7), c.command);
      EXPECT_EQ(u.flash(), u.carried());
      EXPECT_TRUE(h.prompts.sawMessage(kSuccess));
    } else {
      EXPECT_EQ(wire, "?W\r");
      EXPECT_EQ(u.st().LinkMode, LinkMode::KindQuery);
      EXPECT_TRUE(h.prompts.shown.empty());
      for (int tick = 0; tick < 10; ++tick) {
        h.clock.now += 100;
        h.core.onTick();
      }
      ASSERT_EQ(h.prompts.shown.size(), 1u);
      EXPECT_EQ(h.prompts.shown[0].text, c.told);
      EXPECT_EQ(h.win.toolTip(ids::kPortStatus), c.told);
      EXPECT_EQ(h.win.text(ids::kPortStatus), "COM Opened") << "the controller did answer";
      EXPECT_TRUE(h.win.isEnabled(ids::kUpgradeButton));
      EXPECT_EQ(h.sent(), "");
    }
  }
}

// Nothing goes out before the pilot has said yes to a question that names the port, the file and
// its size; Cancel leaves the window as it was.
TEST(FirmwareTransfer, AsksFirstAndCancelSendsNothing) {
  Upgrade u(20480);
  Harness& h = u.h;
  const uint32_t waited = h.clock.waitedMs;
  h.prompts.answers = {Prompts::Answer::Cancel};
  h.win.userPress(ids::kUpgradeButton);
  ASSERT_EQ(h.prompts.shown.size(), 1u);
  EXPECT_EQ(h.prompts.shown[0].text,
            "Upgrade the controller on COM3 with fw.bin (20,480 bytes, 369 packets)? Keep the cable in and the power "
            "on until it says it has finished.");
  EXPECT_EQ(h.sent(), "");
  EXPECT_EQ(h.clock.waitedMs, waited);
  EXPECT_EQ(u.st().LinkMode, LinkMode::Rest);
  for (int id : {ids::kChooseImageButton, ids::kUpgradeButton, 1038, ids::kDisplayButton})
    EXPECT_TRUE(h.win.isEnabled(id)) << id;
}

// The answer to the upgrade command, fed in pieces in place of the controller's own "RADY".
TEST(FirmwareTransfer, UpgradeAnswer) {
  const struct {
    const char* name;
    std::vector<std::string> pieces;
    bool starts;
  } cases[] = {
      {"RADY", {"RADY\r\n"}, true},
      {"RADE", {"RADE\r\n"}, true},
      {"RADE after noise", {"xxRADE\r\n"}, true},
      {"RADY then noise", {"RADYxxxxxx"}, true},
      {"RADE in two events", {"RA", "DE\r\n"}, true},
      {"something else", {"READY\r\n"}, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Upgrade u(1000);
    Harness& h = u.h;
    pressUpgrade(h);
    h.ctrl.faults.dropAnswers = 1;  // the controller's "RADY" never arrives
    ASSERT_TRUE(h.port.deliverOne());
    ASSERT_EQ(u.st().LinkMode, LinkMode::UpgradeAnswer);
    EXPECT_EQ(h.sent(), "?W\rUPTKVR\r");
    for (const std::string& piece : c.pieces) {
      h.core.st.ReceiveBuffer += piece;
      h.core.st.ReceivedCount += static_cast<int32_t>(piece.size());
      onUpgradeAnswer(h.core);
    }
    if (!c.starts) {
      EXPECT_EQ(u.st().LinkMode, LinkMode::UpgradeAnswer);
      EXPECT_EQ(h.sent(), "");
      continue;
    }
    EXPECT_EQ(u.st().LinkMode, LinkMode::UploadData);
    EXPECT_EQ(u.st().ReceiveBuffer, "");
    const std::string start = h.sent();
    ASSERT_EQ(start.size(), 64u);
    EXPECT_EQ(static_cast<uint8_t>(start[0]), 0xA0);
    h.pump();
    EXPECT_TRUE(h.prompts.sawMessage(kSuccess));
    EXPECT_EQ(u.flash(), u.carried());
  }
}

// Replies cut into pieces are gathered until the count reaches 64.
TEST(FirmwareTransfer, RepliesInSeveralEvents) {
  Upgrade u(1000);
  Harness& h = u.h;
  pressUpgrade(h);
  int events = 0;
  do {
    // Every 64-byte reply comes in pieces (armed once "RADY" is on its way).
    if (u.st().LinkMode != LinkMode::KindQuery && h.ctrl.faults.splitAt.empty()) h.ctrl.faults.splitAt = {1, 5, 12, 63};
    EXPECT_LT(u.st().ReceivedCount, 64);
  } while (h.port.deliverOne() && ++events);
  EXPECT_EQ(events, 2 + 5 * (u.n() + 2));  // kind reply, "RADY", N + 2 replies in five pieces
  EXPECT_TRUE(h.prompts.sawMessage(kSuccess));
  EXPECT_EQ(u.flash(), u.carried());
}

struct FailureCase {
  const char* name;
  std::function<bool(const MainState&)> when;  // armed once this holds
  std::function<void(sim::Faults&)> arm;
  const char* lastPacket;  // the packet whose reply ends the transfer; nothing is sent after it
  bool flashed;            // the controller had committed the image
  int taken;               // packets answered before it, of 21
};

TEST(FirmwareTransfer, BrokenRepliesEndWithDataError) {
  auto inMode = [](LinkMode mode, int32_t seq = -1) {
    return [mode, seq](const MainState& st) { return st.LinkMode == mode && (seq < 0 || st.UploadSequence == seq); };
  };
  // N = 19 for 1000 bytes: the sum packet is 20, the finish packet 21.
  const std::vector<FailureCase> cases = {
      {"wrong sequence for the start packet", inMode(LinkMode::UpgradeAnswer), [](sim::Faults& f) { f.wrongSequence = true; },
       "PKT A0 seq=1", false, 0},
      {"wrong sequence for a data packet", inMode(LinkMode::UploadData, 5), [](sim::Faults& f) { f.wrongSequence = true; },
       "PKT A5 seq=6", false, 5},
      {"wrong sequence for the sum packet", inMode(LinkMode::UploadSum), [](sim::Faults& f) { f.wrongSequence = true; },
       "PKT C8 seq=20", false, 19},
      {"wrong sequence for the finish packet", inMode(LinkMode::UploadFinish), [](sim::Faults& f) { f.wrongSequence = true; },
       "PKT A6 seq=21", true, 20},
      {"wrong sum for the sum packet", inMode(LinkMode::UploadSum), [](sim::Faults& f) { f.wrongSum = true; }, "PKT C8 seq=20",
       false, 19},
      {"reply longer than 64 bytes", inMode(LinkMode::UploadData, 5), [](sim::Faults& f) { f.extraBytes = {0xA5, 0, 0}; },
       "PKT A5 seq=6", false, 5},
      {"extra bytes in an event of their own, then the next reply", inMode(LinkMode::UploadData, 5),
       [](sim::Faults& f) {
         f.extraBytes = {1, 2, 3};
         f.splitAt = {64};
       },
       "PKT A5 seq=7", false, 6},
  };
  for (const FailureCase& c : cases) {
    SCOPED_TRACE(c.name);
    Upgrade u(1000);
    Harness& h = u.h;
    pressUpgrade(h);
    ASSERT_TRUE(u.stepUntil(c.when));
    c.arm(h.ctrl.faults);
    h.pump();

    EXPECT_EQ(u.lastPacketLogged(), c.lastPacket);
    ASSERT_EQ(h.prompts.shown.size(), 1u);
    EXPECT_EQ(h.prompts.shown[0].text, dataErrorUnfinished());
    EXPECT_EQ(h.prompts.shown[0].caption, "Tarvik Warning:");
    EXPECT_EQ(h.win.toolTip(ids::kPortStatus), "The upgrade with fw.bin stopped after the controller had taken " +
                                       std::to_string(c.taken) + " of its 21 packets. " + kIncompleteFirmware);
    EXPECT_EQ(u.st().LinkMode, LinkMode::Rest);
    EXPECT_EQ(u.st().UploadSum, 0);
    EXPECT_FALSE(h.win.progressVisible());
    EXPECT_EQ(h.win.text(ids::kPortStatus), "COM Opened");
    EXPECT_EQ(!h.ctrl.flash().empty(), c.flashed);
    // The parameter controls wait for the next connection; the image can be sent again.
    for (int id : {1038, ids::kSaveButton, ids::kDisplayButton, 1197}) EXPECT_FALSE(h.win.isEnabled(id)) << id;
    EXPECT_TRUE(h.win.isEnabled(ids::kChooseImageButton));
    EXPECT_TRUE(h.win.isEnabled(ids::kUpgradeButton));
  }
}

TEST(FirmwareTransfer, WrongSumInADataReplyIsNotChecked) {
  Upgrade u(1000);
  Harness& h = u.h;
  pressUpgrade(h);
  ASSERT_TRUE(u.stepUntil([](const MainState& st) { return st.LinkMode == LinkMode::UploadData && st.UploadSequence == 5; }));
  h.ctrl.faults.wrongSum = true;
  h.pump();
  EXPECT_TRUE(h.prompts.sawMessage(kSuccess));
  EXPECT_EQ(u.flash(), u.carried());
}

// Nothing is stored past the 64-byte reply area, whatever the count says.
TEST(FirmwareTransfer, ReplyAreaIsNeverOverrun) {
  const struct {
    const char* name;
    int32_t count;
    size_t n;
  } cases[] = {
      {"count 60, 10 bytes", 60, 10},
      {"count 0, 65 bytes", 0, 65},
      {"count already past 64", 70, 1},
      {"negative count", -5, 3},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Upgrade u(1000);
    Harness& h = u.h;
    MainState& st = h.core.st;
    st.LinkMode = LinkMode::UploadData;
    st.ReceivedCount = c.count;
    st.ReplyArea.fill(0x11);
    st.PacketArea.fill(0x22);  // lies right after the reply area
    std::vector<uint8_t> bytes(c.n, 0x33);
    onPacketBytes(h.core, bytes.data(), bytes.size());
    EXPECT_EQ(st.LinkMode, LinkMode::Rest);
    EXPECT_TRUE(h.prompts.sawMessage(dataErrorUnfinished()));
    for (uint8_t b : st.ReplyArea) ASSERT_EQ(b, 0x11);
    for (uint8_t b : st.PacketArea) ASSERT_EQ(b, 0x22);
    EXPECT_EQ(h.sent(), "");
  }
}

// The controller goes away in the middle of a reply; after it is back the user picks the port
// again and sends the same file. Told of the lost link, the firmware side gives the start button
// back at once; otherwise choosing the still loaded file again arms it.
TEST(FirmwareTransfer, VanishedPortThenRetry) {
  for (bool firmwareTold : {false, true}) {
    SCOPED_TRACE(firmwareTold ? "firmware side told" : "port lost only");
    Upgrade u(1000);
    Harness& h = u.h;
    if (firmwareTold) {
      h.port.onLost = [&h](const std::string& reason) {
        onTransferAbandoned(h.core, Outcome::Lost, "gone");
        h.core.onPortLost(reason);
      };
    }
    const auto image = u.st().FirmwareImage;
    h.ctrl.faults.vanishAfterBytes = 12 + 6 + 64 * 4 + 30;  // kind, RADY, four replies, part of the fifth
    pressUpgrade(h);
    h.pump();
    EXPECT_FALSE(h.port.isOpen());
    EXPECT_EQ(h.win.text(ids::kPortStatus), "串口未打开");
    EXPECT_EQ(u.st().LinkMode, LinkMode::Rest);
    EXPECT_FALSE(h.win.progressVisible());
    // Past the upgrade command: the controller may hold half a firmware, and the window says so
    // unless the firmware side was told first and ended the transfer on its own.
    if (firmwareTold) {
      EXPECT_TRUE(h.prompts.shown.empty());
    } else {
      ASSERT_EQ(h.prompts.shown.size(), 1u);
      EXPECT_EQ(h.prompts.shown[0].text,
                std::string("The port went away during the upgrade: Port closed: device gone (unplugged or switched "
                            "off)\r\r") + kIncompleteFirmware);
    }
    EXPECT_TRUE(h.ctrl.flash().empty());
    EXPECT_TRUE(u.st().FirmwareImage == image);
    EXPECT_EQ(u.st().FirmwarePacketCount, 19);
    EXPECT_TRUE(h.win.isEnabled(ids::kChooseImageButton));
    EXPECT_TRUE(h.win.isEnabled(ids::kPortList));
    if (firmwareTold) {
      EXPECT_TRUE(h.win.isEnabled(ids::kUpgradeButton));
    }

    h.ctrl.restart();  // plugged in again
    h.win.userSelect(ids::kPortList, 2);
    h.pump();
    EXPECT_EQ(h.win.text(ids::kPortStatus), "COM Opened");
    EXPECT_TRUE(h.win.isEnabled(1038));  // the read-back gave the parameter controls back
    if (!h.win.isEnabled(ids::kUpgradeButton)) {
      h.prompts.files.push_back(h.path("fw.bin"));
      h.win.userPress(ids::kChooseImageButton);
    }
    pressUpgrade(h);
    h.pump();
    EXPECT_TRUE(h.prompts.sawMessage(kSuccess));
    EXPECT_EQ(u.flash(), u.carried());
    expectRestored(h);

    // Outside an upgrade the firmware side leaves the buttons alone.
    h.win.setEnabled(ids::kUpgradeButton, false);
    onTransferAbandoned(h.core, Outcome::Lost, "gone");
    EXPECT_FALSE(h.win.isEnabled(ids::kUpgradeButton));
  }
}

TEST(FirmwareTransfer, RetryAfterDataError) {
  Upgrade u(1000);
  Harness& h = u.h;
  pressUpgrade(h);
  ASSERT_TRUE(u.stepUntil([](const MainState& st) { return st.LinkMode == LinkMode::UploadData && st.UploadSequence == 8; }));
  h.ctrl.faults.wrongSequence = true;
  h.pump();
  ASSERT_TRUE(h.prompts.sawMessage(dataErrorUnfinished()));
  h.port.advance(3000);  // the controller's loader gives up and restarts the application
  h.prompts.shown.clear();
  pressUpgrade(h);
  h.pump();
  EXPECT_TRUE(h.prompts.sawMessage(kSuccess));
  EXPECT_EQ(u.flash(), u.carried());
  expectRestored(h);
}

}  // namespace
}  // namespace zorv::test
