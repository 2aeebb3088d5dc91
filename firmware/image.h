#pragma once
// The firmware image as the transfer sees it: the name check, the packet count and loading the
// file's bytes into the fixed image area. Pure code: no window, no port.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace zorv::firmware {

constexpr size_t kImageAreaSize = 65536;  // the image area; a longer file is refused
constexpr size_t kPacketDataSize = 56;    // image bytes carried by one data packet

using ImageArea = std::array<uint8_t, kImageAreaSize>;

// The name must end in exactly "bin" (case-sensitive); a name without a dot qualifies too.
bool hasImageName(std::string_view path);

// The file name without its folder (either kind of slash separates).
std::string fileNameOf(std::string_view path);

// The counted length is the file length plus one. N sequence numbers are used: 1 for the start
// packet, 2..N for the data packets of 56 bytes each, so the counted length is rounded up to
// whole packets: N = ceil(size / 56) + 1.
int32_t packetCountFor(int32_t firmwareSize);

enum class ImageStatus { Ok, OpenFailed, TooShort, TooLong };

struct LoadedImage {
  ImageStatus status = ImageStatus::OpenFailed;
  int32_t fileLength = 0;   // bytes held in the image area
  int32_t size = 0;         // fileLength + 1
  int32_t packetCount = 0;  // N
};

// Checks the bytes and, only when they are accepted (2..65,536 bytes), zeroes the image area and
// copies them to its start. A refused file leaves the area as it was.
LoadedImage loadImage(std::string_view bytes, ImageArea& image);

// Reads the file (never more than one byte past the image area, so a huge file costs nothing)
// and loads it as above. A file that cannot be opened or read gives OpenFailed.
LoadedImage loadImageFile(const std::string& path, ImageArea& image);

}  // namespace zorv::firmware
