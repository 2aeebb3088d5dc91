// The firmware codecs: name check, packet count, image loading, 64-byte packets and replies, and
// the texts that open an upgrade.

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "core/control_groups.h"
#include "core/control_ids.h"
#include "core/control_layout.h"
#include "core/reply.h"
#include "firmware/image.h"
#include "firmware/packet.h"

namespace zorv::firmware {
namespace {

TEST(FirmwareCodecName, LastThreeCharactersMustBeLowerCaseBin) {
  const struct {
    const char* path;
    bool accepted;
  } cases[] = {
      {"/tmp/fw.bin", true},      {"C:\\fw\\FC.bin", true}, {"firmwarebin", true}, {"bin", true},
      {"/tmp/fw.BIN", false},     {"fw.Bin", false},        {"fw.bin ", false},    {"in", false},
      {"", false},                {"fw.bin.txt", false},
  };
  for (const auto& c : cases) EXPECT_EQ(hasImageName(c.path), c.accepted) << c.path;
}

TEST(FirmwareCodecName, FileNameDropsTheFolder) {
  EXPECT_EQ(fileNameOf("/tmp/a/fw.bin"), "fw.bin");
  EXPECT_EQ(fileNameOf("C:\\fw\\FC.bin"), "FC.bin");
  EXPECT_EQ(fileNameOf("fw.bin"), "fw.bin");
  EXPECT_EQ(fileNameOf("/tmp/dir/"), "");
}

// L is the file length; the counted size is L + 1 and N = ceil((L + 1) / 56) + 1.
TEST(FirmwareCodecImage, LoadsAcceptedLengthsAndCountsPackets) {
  const struct {
    size_t length;
    ImageStatus status;
    int32_t packets;
  } cases[] = {
      {0, ImageStatus::TooShort, 0},     {1, ImageStatus::TooShort, 0}, {2, ImageStatus::Ok, 2},
      {55, ImageStatus::Ok, 2},          {56, ImageStatus::Ok, 3},      {111, ImageStatus::Ok, 3},
      {112, ImageStatus::Ok, 4},         {1000, ImageStatus::Ok, 19},   {65535, ImageStatus::Ok, 1172},
      {65536, ImageStatus::Ok, 1172},    {65537, ImageStatus::TooLong, 0}, {200000, ImageStatus::TooLong, 0},
  };
  auto image = std::make_unique<ImageArea>();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.length);
    image->fill(0xEE);
    std::string bytes(c.length, '\0');
    for (size_t i = 0; i < c.length; ++i) bytes[i] = static_cast<char>(i * 7 + 1);
    const LoadedImage r = loadImage(bytes, *image);
    EXPECT_EQ(r.status, c.status);
    if (c.status != ImageStatus::Ok) {
      // A refused file leaves the image area alone.
      EXPECT_TRUE(std::all_of(image->begin(), image->end(), [](uint8_t b) { return b == 0xEE; }));
      continue;
    }
    EXPECT_EQ(r.fileLength, static_cast<int32_t>(c.length));
    EXPECT_EQ(r.size, static_cast<int32_t>(c.length + 1));
    EXPECT_EQ(r.packetCount, c.packets);
    EXPECT_EQ(packetCountFor(r.size), c.packets);
    // The data packets carry the whole counted size and less than one packet of fill.
    const size_t carried = static_cast<size_t>(c.packets - 1) * kPacketDataSize;
    EXPECT_GE(carried, c.length + 1);
    EXPECT_LT(carried - (c.length + 1), kPacketDataSize);
    EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), image->begin(),
                           [](char a, uint8_t b) { return static_cast<uint8_t>(a) == b; }));
    EXPECT_TRUE(std::all_of(image->begin() + static_cast<std::ptrdiff_t>(c.length), image->end(),
                            [](uint8_t b) { return b == 0; }));
  }
}

TEST(FirmwareCodecImage, UnreadableFileIsAnOpenFailure) {
  auto image = std::make_unique<ImageArea>();
  EXPECT_EQ(loadImageFile("", *image).status, ImageStatus::OpenFailed);
  EXPECT_EQ(loadImageFile("/nonexistent/zorv/fw.bin", *image).status, ImageStatus::OpenFailed);
}

std::vector<uint8_t> bytesOf(const Packet& p) { return {p.begin(), p.end()}; }

std::vector<uint8_t> expectedPacket(uint8_t kind, std::vector<uint8_t> seq, std::vector<uint8_t> body) {
  std::vector<uint8_t> p(kPacketSize, 0);
  p[0] = kind;
  std::copy(seq.begin(), seq.end(), p.begin() + 4);
  std::copy(body.begin(), body.end(), p.begin() + 8);
  return p;
}

TEST(FirmwareCodecPacket, LayoutOfEveryKind) {
  uint32_t unused = 0;
  const uint8_t image[3] = {0x10, 0x20, 0x30};
  std::vector<uint8_t> dataBody = {0x10, 0x20, 0x30};
  const struct {
    const char* name;
    Packet packet;
    std::vector<uint8_t> expected;
  } cases[] = {
      {"start", buildPacket(PacketKind::Start, 1), expectedPacket(0xA0, {1, 0, 0, 0}, {})},
      {"finish", buildPacket(PacketKind::Finish, 0x01020304), expectedPacket(0xA6, {4, 3, 2, 1}, {})},
      {"data, zero after the held bytes", buildDataPacket(2, image, 3, 0, unused),
       expectedPacket(0xA5, {2, 0, 0, 0}, dataBody)},
      {"data from the middle", buildDataPacket(3, image, 3, 1, unused),
       expectedPacket(0xA5, {3, 0, 0, 0}, {0x20, 0x30})},
      {"data wholly past the held bytes", buildDataPacket(9, image, 3, 56, unused),
       expectedPacket(0xA5, {9, 0, 0, 0}, {})},
      {"sum", buildSumPacket(0x00010203, 0xA1B2C3D4),
       expectedPacket(0xC8, {3, 2, 1, 0}, {0xD4, 0xC3, 0xB2, 0xA1})},
  };
  for (const auto& c : cases) EXPECT_EQ(bytesOf(c.packet), c.expected) << c.name;
}

TEST(FirmwareCodecPacket, DataBytesAddToTheSumModulo2To32) {
  std::vector<uint8_t> image(112, 0xFF);
  uint32_t sum = 0xFFFFFF00u;
  buildDataPacket(2, image.data(), image.size(), 0, sum);
  EXPECT_EQ(sum, 0xFFFFFF00u + 56u * 0xFFu);  // wrapped
  sum = 0;
  buildDataPacket(3, image.data(), 60, 56, sum);  // 4 held bytes, then zero fill
  EXPECT_EQ(sum, 4u * 0xFFu);
}

TEST(FirmwareCodecReply, SequenceAndSumAreLittleEndian) {
  const struct {
    std::vector<uint8_t> head;  // bytes 0..11
    int32_t sequence, sum;
  } cases[] = {
      {{0xA5, 0, 0, 0, 2, 0, 0, 0, 0x34, 0x12, 0, 0}, 2, 0x1234},
      {{0xC8, 9, 9, 9, 0x04, 0x03, 0x02, 0x01, 0xFF, 0xFF, 0xFF, 0x7F}, 0x01020304, 0x7FFFFFFF},
      {{0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0x80}, -1, INT32_MIN},
  };
  for (const auto& c : cases) {
    std::vector<uint8_t> reply(kPacketSize, 0x5A);
    std::copy(c.head.begin(), c.head.end(), reply.begin());
    const DeviceReply r = parseReply(reply.data());
    EXPECT_EQ(r.echoedSequence, c.sequence);
    EXPECT_EQ(r.deviceSum, c.sum);
  }
}

TEST(FirmwareCodecText, KindTagAndUpgradeAnswer) {
  const struct {
    const char* received;
    const char* tag;
    const char* tail;
  } cases[] = {
      {"?W\r TKVR01\r\n", "TKVR", "VR01"},
      {"noise?W\r PXOJ01\r\n", "PXOJ", "OJ01"},
      {"?W\r TK", "?W\r ", "?W\r "},  // first half of a split reply
      {"VR01\r\n", "VR01", "VR01"},    // second half
      {"TKVR", "TKVR", "TKVR"},
      {"RADY\r\n", "RADY", "RADY"},
      {"xxRADE\r\n", "xxRA", "RADE"},
      {"", "", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(kindTag(c.received), c.tag) << c.received;
    EXPECT_EQ(answerTail(c.received), c.tail) << c.received;
  }
  EXPECT_EQ(upgradeCommandFor("TKVR"), "UPTKVR\r");
  EXPECT_EQ(upgradeCommandFor("PXOJ"), "UPPXOJ\r");
  EXPECT_EQ(upgradeCommandFor("tkvr"), "");
  EXPECT_TRUE(isReadyAnswer("RADY"));
  EXPECT_TRUE(isReadyAnswer("RADE"));
  EXPECT_FALSE(isReadyAnswer("RAD"));
}

}  // namespace
}  // namespace zorv::firmware

namespace zorv {
namespace {

TEST(FirmwareControlLists, LockedControlsAreTheUpgradeList) {
  const std::vector<int>& ids = upgradeLockedControls();
  std::vector<int> sorted = ids;
  std::sort(sorted.begin(), sorted.end());
  EXPECT_EQ(std::adjacent_find(sorted.begin(), sorted.end()), sorted.end()) << "duplicate id";
  // 2 + 16 reverse + 16 read-outs + 1001 + 15 label buttons + 12 boxes + 2 lists + 12 sliders
  // + 4 battery boxes + 8 sensors + 5 buttons + 72 flight-mode boxes
  EXPECT_EQ(ids.size(), 165u);
  for (int id : ids) EXPECT_NE(findControl(id), nullptr) << id;
  auto has = [&](int id) { return std::binary_search(sorted.begin(), sorted.end(), id); };
  for (int id : {ids::kServoRateList, ids::kSaveButton, 1197, 1205, 1208, 1214, ids::kFirstChannelReadout,
                 ids::kLastChannelReadout, ids::kFirstMotorReadout, ids::kLastMotorReadout, ids::kChooseImageButton,
                 ids::kFirstLabelButton, ids::kLastLabelButton, 1054, 1076, 1079, 1063, 1066, 1074, 1077, 1080,
                 ids::kModelTypeList, ids::kEscRateList, 1038, ids::kAlarmSlider, 1078, 1081, 1084, 1088, 1056, 1065,
                 ids::kBatterySaveButton, ids::kUpgradeButton, ids::kDisplayButton, ids::kLoadList, ids::kLoadButton,
                 matrixCheckId(0, 0), matrixCheckId(8, 7)})
    EXPECT_TRUE(has(id)) << id;
  for (int id : {ids::kPortList, ids::kPortButton, ids::kFeaturesButton, ids::kCompassReadout, ids::kSonarReadout,
                 ids::kBarometerReadout, ids::kPortStatus, ids::kFirmwareHint, ids::kVersionBox, ids::kProgressBar})
    EXPECT_FALSE(has(id)) << id;

  const std::vector<int>& kept = readoutAndReverseControls();
  EXPECT_EQ(kept.size(), 32u);
  for (int id : kept) EXPECT_TRUE(has(id)) << id;
}

}  // namespace
}  // namespace zorv
