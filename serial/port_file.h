#pragma once
// The remembered-port file "tkvrconfig.ini": its whole content is the port number in decimal,
// always written as exactly two bytes ("3" and a zero byte, or "12").

#include <string>

namespace zorv {

std::string encodePortFile(int n);
// The leading decimal number of the content (up to the first zero byte); 0 without digits.
int decodePortFile(const std::string& content);

}  // namespace zorv
