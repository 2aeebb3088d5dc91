#include "core/reply.h"

#include "core/text_number.h"

namespace zorv {

namespace {
std::string_view lastChars(std::string_view s, size_t n) { return s.size() > n ? s.substr(s.size() - n) : s; }
}  // namespace

std::string answerTail(std::string_view received) { return std::string(lastChars(received, 6).substr(0, 4)); }

int replyValue(std::string_view received) { return leadingInt(answerTail(received)); }

std::string kindTag(std::string_view received) { return std::string(lastChars(received, 8).substr(0, 4)); }

}  // namespace zorv
