#pragma once
// Reading numbers out of received text and typed boxes the way the controller's text is meant:
// leading blanks skipped, an optional sign, digits up to the first non-digit, 0 without digits.

#include <string_view>

namespace zorv {

int leadingInt(std::string_view text);

}  // namespace zorv
