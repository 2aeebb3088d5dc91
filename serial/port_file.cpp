#include "serial/port_file.h"

#include "core/text_number.h"

namespace zorv {

std::string encodePortFile(int n) {
  std::string digits = std::to_string(n);
  std::string out(2, '\0');
  out[0] = digits[0];
  if (digits.size() > 1) out[1] = digits[1];
  return out;
}

int decodePortFile(const std::string& content) {
  const size_t end = content.find('\0');
  return leadingInt(std::string_view(content).substr(0, end == std::string::npos ? content.size() : end));
}

}  // namespace zorv
