#pragma once
// Names for the rows of parameterised tests. A row's name ends the test's name that CTest shows,
// so it says which row runs and stays the same from build to build: letters, digits and '_' only,
// never bytes or addresses (scripts/check-test-names.sh checks every name the test program lists).

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <string_view>

namespace zorv::test {

// "a ten-byte reply fills the hex column" -> "ATenByteReplyFillsTheHexColumn"; a name that is
// already a test name ("AfterTheFirstAnswer", "AlarmVoltage_5000") stays as it is.
inline std::string testName(std::string_view words) {
  std::string name;
  bool wordStart = true;
  for (char ch : words) {
    const auto c = static_cast<unsigned char>(ch);
    if (std::isalnum(c) || ch == '_') {
      name += wordStart ? static_cast<char>(std::toupper(c)) : ch;
      wordStart = false;
    } else if (ch != '\'') {  // "a day's" -> "ADays"
      wordStart = true;
    }
  }
  return name;
}

// The 4th argument of INSTANTIATE_TEST_SUITE_P for rows that carry their own `name`.
struct RowName {
  template <class Row>
  std::string operator()(const ::testing::TestParamInfo<Row>& info) const {
    return testName(info.param.name);
  }
};

}  // namespace zorv::test
