#include "firmware/packet.h"

namespace zorv::firmware {

uint32_t readLe32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 | static_cast<uint32_t>(p[2]) << 16 |
         static_cast<uint32_t>(p[3]) << 24;
}

void writeLe32(uint8_t* p, uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(v >> (8 * i));
}

Packet buildPacket(PacketKind kind, uint32_t sequence) {
  Packet p{};
  p[0] = static_cast<uint8_t>(kind);
  writeLe32(&p[4], sequence);
  return p;
}

Packet buildDataPacket(uint32_t sequence, const uint8_t* image, size_t length, size_t position, uint32_t& sum) {
  Packet p = buildPacket(PacketKind::Data, sequence);
  for (size_t i = 0; i < kBodySize; ++i) {
    const size_t at = position + i;
    const uint8_t b = at < length ? image[at] : 0;
    p[kBodyOffset + i] = b;
    sum += b;  // unsigned: wraps modulo 2^32 like the controller's sum
  }
  return p;
}

Packet buildSumPacket(uint32_t sequence, uint32_t sum) {
  Packet p = buildPacket(PacketKind::Sum, sequence);
  writeLe32(&p[kBodyOffset], sum);
  return p;
}

DeviceReply parseReply(const uint8_t* reply) {
  DeviceReply r;
  r.echoedSequence = static_cast<int32_t>(readLe32(reply + 4));
  r.deviceSum = static_cast<int32_t>(readLe32(reply + 8));
  return r;
}

bool isReadyAnswer(std::string_view text) { return text == "RADY" || text == "RADE"; }

std::string upgradeCommandFor(std::string_view tag) {
  if (tag == "PXOJ") return "UPPXOJ\r";
  if (tag == "TKVR") return "UPTKVR\r";
  return {};
}

}  // namespace zorv::firmware
