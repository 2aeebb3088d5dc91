// Before a setting built from a bound value goes out, the value is held against what its box
// shows. A value that differs (a value set behind the window's back, a change of the box the
// window failed to report) sends nothing, tells the pilot once and is read again from the box;
// every ordinary path sends as it always did.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "core/param_catalogue.h"
#include "tests/support/harness.h"

namespace zorv::test {
namespace {

constexpr int kStabilitySlider = 1038;
constexpr int kStabilityBox = 1063;
constexpr int kCalibrate = 1096;

void typeFourCells(Harness& h) {
  for (int id : kCellEdits) h.win.userType(id, "410");
}

struct GuardCase {
  const char* name;
  std::function<void(Harness&)> setup;  // what it sends is not counted
  std::function<void(Harness&)> act;
  std::string sent;     // by the act
  std::string told;     // the pilot's message when nothing is sent, else ""
  std::string retried;  // then sent when the pilot does it once more
};

TEST(SendGuard, AValueItsBoxDoesNotShowIsNotSentAndOrdinaryPathsSendAsBefore) {
  auto release = [](Harness& h) { h.win.userRelease(kStabilitySlider); };
  auto calibrate = [](Harness& h) { h.win.userPress(kCalibrate); };
  const std::vector<GuardCase> cases = {
      {"a slider dragged and released", [](Harness&) {}, [](Harness& h) { h.win.userSetSlider(kStabilitySlider, 60); },
       "SC0060\r", "", ""},
      {"a number typed, then the slider released",
       [](Harness& h) { h.win.userType(kStabilityBox, "35"); }, release, "SC0035\r", "", ""},
      {"a value beyond the scale as the controller reported it",
       [](Harness& h) {
         h.ctrl.setValue('C', 150);
         h.core.startReadback();
         h.pump();
       },
       release, "SC0100\r", "", ""},
      {"the box's value set behind the window's back",
       [](Harness& h) {
         h.win.userSetSlider(kStabilitySlider, 40);
         h.core.st.bound.set(kStabilityBox, 70);
       },
       release, "",
       "Nothing was sent to the controller: the value about to be sent for Уровень стабилиз. (70) is not what its "
       "box shows (40). Check the box, then move the slider again.",
       "SC0040\r"},
      {"the box changed without the window reporting it",
       [](Harness& h) {
         h.win.userSetSlider(kStabilitySlider, 40);
         h.core.checkShownEvery = 0;  // as in the shipped program
         h.win.showUnreported(kStabilityBox, "45");
       },
       release, "",
       "Nothing was sent to the controller: the value about to be sent for Уровень стабилиз. (40) is not what its "
       "box shows (45). Check the box, then move the slider again.",
       "SC0045\r"},
      {"the calibration's cells as typed", typeFourCells, calibrate, "S00410\r", "", ""},
      {"a cell's value set behind the window's back: the exchange reads the box first",
       [](Harness& h) {
         typeFourCells(h);
         h.core.st.bound.set(kCellEdits[1], 999);
       },
       calibrate, "S00410\r", "", ""},
      {"a cell box changed without the window reporting it",
       [](Harness& h) {
         typeFourCells(h);
         h.core.controlsToMembers();  // the typed cells read
         h.core.checkShownEvery = 0;
         h.win.showUnreported(kCellEdits[1], "420");
       },
       calibrate, "",
       "Nothing was sent to the controller: the value about to be sent for cell 2 (410) is not what its box shows "
       "(420). Check the box, then calibrate again.",
       "S00410\r"},
  };
  for (const GuardCase& c : cases) {
    SCOPED_TRACE(c.name);
    Harness h;
    c.setup(h);
    h.sent();
    const size_t shown = h.prompts.shown.size();
    testing::internal::CaptureStderr();
    c.act(h);
    const std::string details = testing::internal::GetCapturedStderr();
    EXPECT_EQ(h.sent(), c.sent);
    std::vector<std::string> told;
    for (size_t i = shown; i < h.prompts.shown.size(); ++i)
      if (h.prompts.shown[i].text.rfind("Nothing was sent", 0) == 0) told.push_back(h.prompts.shown[i].text);
    if (c.told.empty()) {
      EXPECT_EQ(told, std::vector<std::string>{});
      EXPECT_EQ(details, "");
      continue;
    }
    EXPECT_EQ(told, std::vector<std::string>{c.told}) << "told once";
    EXPECT_NE(details.find("nothing sent"), std::string::npos) << details;
    // The boxes are read again: once more sends what the box shows.
    c.act(h);
    EXPECT_EQ(h.sent(), c.retried);
  }
}

}  // namespace
}  // namespace zorv::test
