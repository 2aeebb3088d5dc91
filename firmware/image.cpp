#include "firmware/image.h"

#include <fstream>

namespace zorv::firmware {

bool hasImageName(std::string_view path) {
  return path.size() >= 3 && path.substr(path.size() - 3) == "bin";
}

std::string fileNameOf(std::string_view path) {
  const size_t slash = path.find_last_of("/\\");
  return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

int32_t packetCountFor(int32_t firmwareSize) {
  const int32_t whole = firmwareSize / static_cast<int32_t>(kPacketDataSize);
  return firmwareSize % static_cast<int32_t>(kPacketDataSize) == 0 ? whole + 1 : whole + 2;
}

LoadedImage loadImage(std::string_view bytes, ImageArea& image) {
  LoadedImage r;
  if (bytes.size() <= 1) {
    r.status = ImageStatus::TooShort;
    return r;
  }
  if (bytes.size() > kImageAreaSize) {
    r.status = ImageStatus::TooLong;
    return r;
  }
  image.fill(0);
  std::copy(bytes.begin(), bytes.end(), image.begin());
  r.status = ImageStatus::Ok;
  r.fileLength = static_cast<int32_t>(bytes.size());
  r.size = r.fileLength + 1;
  r.packetCount = packetCountFor(r.size);
  return r;
}

LoadedImage loadImageFile(const std::string& path, ImageArea& image) {
  LoadedImage failed;
  if (path.empty()) return failed;
  std::ifstream in(path, std::ios::binary);
  if (!in) return failed;
  // One byte more than fits tells a file that is too long without reading the rest of it.
  std::string bytes(kImageAreaSize + 1, '\0');
  in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (in.bad()) return failed;
  bytes.resize(static_cast<size_t>(in.gcount()));
  return loadImage(bytes, image);
}

}  // namespace zorv::firmware
