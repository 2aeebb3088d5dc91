#pragma once
// Reading the controller's text replies. A reply to a query "?X\r" is 10 bytes: the query's echo,
// one character not read, the four-character value field and the line end. Replies may arrive
// cut or with bytes in front, so each field is found from the end of what was received.

#include <cstdint>
#include <string>
#include <string_view>

namespace zorv {

constexpr int32_t kQueryReplySize = 10;

// The first four of the last six characters (of the whole text when it is shorter): the value
// field of a query's reply, and what the upgrade answer keeps ("RADY\r\n" keeps "RADY").
std::string answerTail(std::string_view received);
// The number in a query's reply: its value field read as a number (0 without digits).
int replyValue(std::string_view received);
// The kind tag of the answer to "?W\r": the four characters that begin eight before the end
// (the first four when the text is shorter than eight).
std::string kindTag(std::string_view received);

}  // namespace zorv
