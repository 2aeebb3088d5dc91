// Texts made of marked words: a template filled in one pass gives back the tool's own wording
// byte for byte, whatever its parts hold.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/text.h"
#include "tests/support/test_names.h"

namespace zorv::test {
namespace {

struct FillCase {
  const char* name;
  const char* pattern;
  std::vector<std::string> parts;
  const char* expected;
};
void PrintTo(const FillCase& c, std::ostream* os) { *os << c.name; }

class TemplateFill : public ::testing::TestWithParam<FillCase> {};

TEST_P(TemplateFill, FillsEachPlaceholderOnceAndLeavesEveryOtherPercent) {
  EXPECT_EQ(fillTemplate(GetParam().pattern, GetParam().parts), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TemplateFill,
    ::testing::Values(FillCase{"InOrder", "%1 of %2", {"5", "369"}, "5 of 369"},
                      FillCase{"OutOfOrder", "%2 before %1", {"a", "b"}, "b before a"},
                      FillCase{"PercentSignAfterAPlaceholder", "Finished%1%", {"100"}, "Finished100%"},
                      FillCase{"APartHoldingAPlaceholderIsNotFilledAgain", "%1 and %2", {"%2", "x"}, "%2 and x"},
                      FillCase{"APlaceholderWithoutItsPartStays", "%1 %3", {"a"}, "a %3"},
                      FillCase{"APercentBeforeANonDigitStays", "50%% %a %", {}, "50%% %a %"},
                      FillCase{"ZeroIsNoPlaceholder", "%0 %1", {"x"}, "%0 x"}),
    RowName());

TEST(Text, NestedWordsGiveBackTheOriginalWording) {
  const Text item = ZORV_TEXT("Messages", "%1 typed into %2").arg(55).arg(Marked{"Window", "Монитор LIPO"});
  const Text list = joinedList({item, Text(std::string("b")), Text(std::string("c"))}, ZORV_TEXT("Messages", "%1, %2"),
                               ZORV_TEXT("Messages", "%1 and %2"));
  EXPECT_EQ(ZORV_TEXT("Messages", "%1 was not sent.").arg(list).original(),
            "55 typed into Монитор LIPO, b and c was not sent.");
  EXPECT_EQ(joinedList({}, ZORV_TEXT("Messages", "%1, %2"), ZORV_TEXT("Messages", "%1 and %2")).original(), "");
}

}  // namespace
}  // namespace zorv::test
