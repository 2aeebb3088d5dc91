// The firmware image loader: the bytes of a chosen file, from memory and from disk.
//
// An accepted file (2..65,536 bytes) lands at the start of a zeroed image area with a packet
// count that covers it; a refused one leaves the area untouched. Loading the same bytes from a
// file gives the same result. The name checks run on the input as a path, too.

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

#include "firmware/image.h"
#include "firmware/packet.h"
#include "fuzz/fuzz_support.h"

namespace {

namespace fw = zorv::firmware;
namespace fz = zorv::fuzz;

void checkLoaded(std::string_view bytes, const fw::LoadedImage& img, const fw::ImageArea& area,
                 const fw::ImageArea& before) {
  if (bytes.size() < 2) {
    ZORV_FUZZ_CHECK(img.status == fw::ImageStatus::TooShort);
  } else if (bytes.size() > fw::kImageAreaSize) {
    ZORV_FUZZ_CHECK(img.status == fw::ImageStatus::TooLong);
  } else {
    ZORV_FUZZ_CHECK(img.status == fw::ImageStatus::Ok);
  }
  // Whole-area comparisons go through memcmp: a byte loop here would be traced byte by byte.
  static const fw::ImageArea zeros{};
  if (img.status != fw::ImageStatus::Ok) {
    ZORV_FUZZ_CHECK(std::memcmp(area.data(), before.data(), area.size()) == 0);
    return;
  }
  ZORV_FUZZ_CHECK(img.fileLength == static_cast<int32_t>(bytes.size()));
  ZORV_FUZZ_CHECK(img.size == img.fileLength + 1);
  ZORV_FUZZ_CHECK(std::memcmp(area.data(), bytes.data(), bytes.size()) == 0);
  ZORV_FUZZ_CHECK(std::memcmp(area.data() + bytes.size(), zeros.data(), area.size() - bytes.size()) == 0);
  // Sequence 1 is the start packet; 2..N carry 56 bytes each and cover the counted length.
  const int64_t dataPackets = img.packetCount - 1;
  ZORV_FUZZ_CHECK(dataPackets >= 1);
  ZORV_FUZZ_CHECK(dataPackets * static_cast<int64_t>(fw::kPacketDataSize) >= img.size);
  ZORV_FUZZ_CHECK((dataPackets - 1) * static_cast<int64_t>(fw::kPacketDataSize) < img.size);

  // The last data packet reads within the area and carries nothing past the file.
  uint32_t sum = 0;
  const size_t lastPosition = static_cast<size_t>(dataPackets - 1) * fw::kPacketDataSize;
  const fw::Packet p = fw::buildDataPacket(static_cast<uint32_t>(img.packetCount), area.data(),
                                           static_cast<size_t>(img.fileLength), lastPosition, sum);
  for (size_t i = 0; i < fw::kBodySize; ++i) {
    const size_t at = lastPosition + i;
    const uint8_t expected = at < bytes.size() ? static_cast<uint8_t>(bytes[at]) : 0;
    ZORV_FUZZ_CHECK(p[fw::kBodyOffset + i] == expected);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  static auto area = std::make_unique<fw::ImageArea>();
  static auto before = std::make_unique<fw::ImageArea>();

  // Whatever an earlier file left in the area: a refused file must keep it.
  std::fill(area->begin(), area->end(), static_cast<uint8_t>(size * 7 + 1));
  *before = *area;
  const fw::LoadedImage fromMemory = fw::loadImage(bytes, *area);
  checkLoaded(bytes, fromMemory, *area, *before);

  static const std::string path = (fz::scratchDir() / "firmware.bin").string();
  fz::writeFile(path, bytes);
  std::fill(area->begin(), area->end(), static_cast<uint8_t>(size * 7 + 1));
  const fw::LoadedImage fromFile = fw::loadImageFile(path, *area);
  checkLoaded(bytes, fromFile, *area, *before);
  ZORV_FUZZ_CHECK(fromFile.status == fromMemory.status && fromFile.packetCount == fromMemory.packetCount);

  // The input as a chosen path.
  const std::string name = fw::fileNameOf(bytes);
  ZORV_FUZZ_CHECK(name.size() <= bytes.size());
  ZORV_FUZZ_CHECK(name.find_first_of("/\\") == std::string::npos);
  ZORV_FUZZ_CHECK(fw::hasImageName(bytes) == (bytes.size() >= 3 && bytes.substr(bytes.size() - 3) == "bin"));
  return 0;
}
