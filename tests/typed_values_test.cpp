// A value typed into a number box goes to the controller only when the slider is next released.
// Until then the box shows it (link colour, tooltip), the save says so before its own question,
// and Enter asks before closing; once sent, or replaced by the slider or a read-back, nothing is
// pending and Enter closes at once.

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>

#include "core/typed_values.h"
#include "tests/support/harness.h"
#include "tests/support/read_file.h"

namespace zorv::test {
namespace {

constexpr int kBox = 1067;     // "Доп. стабилизация"
constexpr int kSlider = 1039;  // its slider; the controller holds 45

struct TypedCase {
  const char* name;
  const char* typed;
  std::function<void(Harness&)> then;
  const char* sent;       // what the controller received
  bool marked;            // the box shows a typed value not sent
  const char* saveList;   // the save's first question lists these ("" no question)
  const char* enterList;  // Enter asks about these ("" closes at once)
};
void PrintTo(const TypedCase& c, std::ostream* os) { *os << c.name; }

class TypedNotSent : public ::testing::TestWithParam<TypedCase> {};

TEST_P(TypedNotSent, IsShownSaidBeforeASaveAndAskedAboutOnEnter) {
  const TypedCase& c = GetParam();
  Harness h(false);
  h.ctrl.setValue('D', 45);
  h.connect();
  h.sent();
  h.prompts.shown.clear();
  h.win.userType(kBox, c.typed);
  if (c.then) c.then(h);
  EXPECT_EQ(h.sent(), c.sent);
  EXPECT_EQ(h.win.marked[kBox], c.marked);
  EXPECT_EQ(h.win.toolTip(kBox), c.marked ? kTypedNotSentTip : "");

  // The save: Cancel at the typed values' question writes nothing; OK goes on to the save's own.
  const std::string path = h.path("saved.txt");
  h.prompts.shown.clear();
  h.prompts.answers = {Prompts::Answer::Cancel};
  h.prompts.files.push_back(path);
  h.win.userPress(1015);
  const bool asked = *c.saveList != '\0';
  ASSERT_GE(h.prompts.shown.size(), 1u);
  if (asked) {
    EXPECT_EQ(h.prompts.shown[0].text, std::string("These values were typed but not sent to the controller; the file "
                                                   "will hold them: ") +
                                           c.saveList +
                                           ".\r\rOK goes on to save them; Cancel saves nothing. Releasing a slider "
                                           "sends its typed value.");
    EXPECT_EQ(h.prompts.shown.size(), 1u);
    EXPECT_EQ(readFile(path), "");
    h.prompts.answers = {Prompts::Answer::Ok, Prompts::Answer::Ok};
    h.win.userPress(1015);
    EXPECT_NE(readFile(path).find("AUX Stability0060"), std::string::npos);
  } else {
    EXPECT_EQ(h.prompts.shown[0].text.rfind("you will save the current data now", 0), 0u);
  }

  // Enter.
  h.prompts.shown.clear();
  h.prompts.answers = {Prompts::Answer::No};
  h.core.onAccept();
  if (*c.enterList) {
    ASSERT_EQ(h.prompts.shown.size(), 1u);
    EXPECT_EQ(h.prompts.shown[0].text, std::string(c.enterList) + " was not sent. Close anyway?");
    EXPECT_EQ(h.prompts.shown[0].buttons, Prompts::Buttons::YesNo);
    EXPECT_EQ(h.win.ended, -1) << "No keeps the window";
  } else {
    EXPECT_TRUE(h.prompts.shown.empty());
    EXPECT_EQ(h.win.ended, 1);
  }
}

INSTANTIATE_TEST_SUITE_P(
    AfterTyping, TypedNotSent,
    ::testing::Values(
        TypedCase{"NothingMore", "60", nullptr, "", true, "60 typed into Доп. стабилизация (the controller holds 45)",
                  "60 typed into Доп. стабилизация"},
        TypedCase{"SliderReleased", "60", [](Harness& h) { h.win.userRelease(kSlider); }, "SD0060\r", false, "", ""},
        TypedCase{"WhatTheControllerHolds", "45", nullptr, "", false, "", ""},
        TypedCase{"SliderDraggedAndReleased", "60", [](Harness& h) { h.win.userSetSlider(kSlider, 30); }, "SD0030\r",
                  false, "", ""},
        TypedCase{"ReadBackAgain", "60",
                  [](Harness& h) {
                    h.win.userSelect(1061, h.win.comboIndex(1061));
                    h.pump();
                    h.sent();
                  },
                  "", false, "", ""},
        // Beyond the scale the table keeps 45: the file does not hold the typed value.
        TypedCase{"BeyondTheScale", "150", nullptr, "", true, "",
                  "150 typed into Доп. стабилизация"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TypedNotSent, SeveralAreListedTogether) {
  Harness h;
  h.win.userType(1063, "30");
  h.win.userType(kBox, "60");
  const std::vector<TypedValues::Pending> pending = h.core.typedValues.pending();
  EXPECT_EQ(typedList(pending, false), "30 typed into Уровень стабилиз. and 60 typed into Доп. стабилизация");
  h.prompts.answers = {Prompts::Answer::Yes};
  h.core.onAccept();
  EXPECT_EQ(h.prompts.shown.back().text,
            "30 typed into Уровень стабилиз. and 60 typed into Доп. стабилизация were not sent. Close anyway?");
  EXPECT_EQ(h.win.ended, 1) << "Yes closes";
}

}  // namespace
}  // namespace zorv::test
