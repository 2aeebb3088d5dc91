#pragma once
// The loader's 64-byte packets and replies, and the short texts that open an upgrade.
// Pure code: no window, no port. All numbers on the wire are little-endian.
//
// Packet: byte 0 kind, 1..3 zero, 4..7 sequence number, 8..63 body (56 image bytes for a data
// packet, the running sum in 8..11 for the sum packet, zero otherwise).
// Reply:  4..7 the sequence number the controller expects next, 8..11 its own running sum of the
// data bytes; nothing else is read.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace zorv::firmware {

constexpr size_t kPacketSize = 64;
constexpr size_t kBodyOffset = 8;
constexpr size_t kBodySize = kPacketSize - kBodyOffset;  // 56

enum class PacketKind : uint8_t { Start = 0xA0, Data = 0xA5, Sum = 0xC8, Finish = 0xA6 };

using Packet = std::array<uint8_t, kPacketSize>;

// The sequence numbers of an upload of an image counted in N (packetCountFor): the start packet
// is 1, the data packets 2..N, the sum packet N + 1 and the finish packet N + 2.
constexpr int32_t uploadPackets(int32_t n) { return n + 2; }
constexpr int32_t sumPacketSequence(int32_t n) { return n + 1; }
constexpr int32_t finishPacketSequence(int32_t n) { return n + 2; }
// Image bytes the data packets up to `sequence` (2..N) carried.
constexpr int32_t imageBytesThrough(int32_t sequence) { return (sequence - 1) * static_cast<int32_t>(kBodySize); }

// A packet of the given kind with an empty body (start and finish packets).
Packet buildPacket(PacketKind kind, uint32_t sequence);
// A data packet carrying the 56 bytes that begin at `position` of an image of which `length`
// bytes are held; positions at or past `length` are sent as zero. `sum` gets every byte added.
Packet buildDataPacket(uint32_t sequence, const uint8_t* image, size_t length, size_t position, uint32_t& sum);
// The sum packet: the running sum of all data bytes sent.
Packet buildSumPacket(uint32_t sequence, uint32_t sum);

struct DeviceReply {
  int32_t echoedSequence = 0;  // the sequence number the controller expects next
  int32_t deviceSum = 0;       // its running sum of the data bytes
};
DeviceReply parseReply(const uint8_t* reply);  // reads the 64-byte reply

uint32_t readLe32(const uint8_t* p);
void writeLe32(uint8_t* p, uint32_t v);

// Both answers of the loader start the transfer.
bool isReadyAnswer(std::string_view text);

// The upgrade command for a kind tag, or empty for an unknown kind.
std::string upgradeCommandFor(std::string_view tag);

}  // namespace zorv::firmware
