// A value typed into a number box goes out only when its slider is next released. Until then the
// box shows it, the save says so before its own question, and Enter asks before closing.

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>

#include "core/control_ids.h"
#include "core/typed_values.h"
#include "tests/support/harness.h"
#include "tests/support/read_file.h"
#include "tests/support/test_names.h"

namespace zorv::test {
namespace {

struct TypedCase {
  const char* name;
  const char* typed;                    // into "Доп. стабилизация" (1067); the controller holds 45
  std::function<void(Harness&)> then;
  const char* sent;
  const char* saveList;   // the save's first question lists these ("": no such question)
  const char* enterList;  // Enter asks about these ("": closes at once)
};
void PrintTo(const TypedCase& c, std::ostream* os) { *os << c.name; }

class TypedNotSent : public ::testing::TestWithParam<TypedCase> {};

TEST_P(TypedNotSent, IsShownSaidBeforeASaveAndAskedAboutOnEnter) {
  const TypedCase& c = GetParam();
  Harness h(false);
  h.ctrl.setValue('C', 50);
  h.ctrl.setValue('D', 45);
  h.connect();
  h.sent();
  h.win.userType(1067, c.typed);
  if (c.then) c.then(h);
  EXPECT_EQ(h.sent(), c.sent);
  EXPECT_EQ(h.win.marked[1067], *c.enterList != '\0');
  EXPECT_EQ(h.win.toolTip(1067), *c.enterList ? kTypedNotSentTip : "");

  // Cancel at the typed values' question writes nothing; OK goes on to the save's own question.
  const std::string path = h.path("saved.txt");
  h.prompts.shown.clear();
  h.prompts.answers = {Prompts::Answer::Cancel, Prompts::Answer::Ok};
  h.prompts.files = {path, path};
  h.win.userPress(ids::kSaveButton);
  if (*c.saveList) {
    EXPECT_EQ(h.prompts.shown.back().text, std::string("These values were typed but not sent to the controller; "
                                                       "the file will hold them: ") +
                                               c.saveList +
                                               ".\r\rOK goes on to save them; Cancel saves nothing. Releasing a "
                                               "slider sends its typed value.");
    EXPECT_EQ(readFile(path), "");
    h.win.userPress(ids::kSaveButton);
    EXPECT_NE(readFile(path).find("AUX Stability0060"), std::string::npos);
  } else {
    EXPECT_EQ(h.prompts.shown.back().text.rfind("you will save the current data now", 0), 0u);
  }

  h.prompts.shown.clear();
  h.prompts.answers = {Prompts::Answer::No};
  h.core.onAccept();
  EXPECT_EQ(h.win.ended, *c.enterList ? -1 : 1) << "No keeps the window; nothing pending closes it";
  if (*c.enterList) {
    EXPECT_EQ(h.prompts.shown.back().text, std::string(c.enterList) + " not sent. Close anyway?");
  }
}

INSTANTIATE_TEST_SUITE_P(
    AfterTyping, TypedNotSent,
    ::testing::Values(
        TypedCase{"NothingMore", "60", nullptr, "", "60 typed into Доп. стабилизация (the controller holds 45)",
                  "60 typed into Доп. стабилизация was"},
        TypedCase{"AndAnother", "60", [](Harness& h) { h.win.userType(1063, "30"); }, "",
                  "30 typed into Уровень стабилиз. (the controller holds 50) and 60 typed into Доп. стабилизация "
                  "(the controller holds 45)",
                  "30 typed into Уровень стабилиз. and 60 typed into Доп. стабилизация were"},
        TypedCase{"SliderReleased", "60", [](Harness& h) { h.win.userRelease(1039); }, "SD0060\r", "", ""},
        TypedCase{"WhatTheControllerHolds", "45", nullptr, "", "", ""},
        TypedCase{"SliderMovedAndReleased", "60", [](Harness& h) { h.win.userSetSlider(1039, 30); }, "SD0030\r",
                  "", ""},
        TypedCase{"ReadBackAgain", "60",
                  [](Harness& h) {
                    h.win.userSelect(ids::kPortList, h.win.comboIndex(ids::kPortList));
                    h.pump();
                    h.sent();
                  },
                  "", "", ""},
        // Beyond the scale the table keeps 45, so the file does not hold the typed value.
        TypedCase{"BeyondTheScale", "150", nullptr, "", "", "150 typed into Доп. стабилизация was"}),
    RowName());

}  // namespace
}  // namespace zorv::test
