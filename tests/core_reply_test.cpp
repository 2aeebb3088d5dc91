// The value of a query's reply, found from the end of what was received.

#include <gtest/gtest.h>

#include <string>

#include "core/reply.h"

namespace zorv {
namespace {

TEST(ReplyValue, ReadsTheFieldFromTheEndOfWhatArrived) {
  const struct {
    std::string received;
    int value;
  } cases[] = {
      {"?C\r 0045\r\n", 45},         // a whole reply
      {"?J\r 0150\r\n", 150},        // the gimbal rate, offset kept for the caller
      {"?C\r-0012\r\n", 12},         // the character before the field is not read
      {"?C\r  -12\r\n", -12},        // a signed value
      {"xx?C\r 0045\r\n", 45},       // bytes in front do not move the field
      {"?C\r 12ab\r\n", 12},         // conversion stops at the first non-digit
      {"0045\r\n", 45},              // only the tail arrived
      {"45", 45},                    // shorter than six: the whole text
      {"", 0},                       // nothing: no digits
      {"?C\r abcd\r\n", 0},
  };
  for (const auto& c : cases) EXPECT_EQ(replyValue(c.received), c.value) << c.received;
}

}  // namespace
}  // namespace zorv
