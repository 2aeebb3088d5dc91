// Before a setting built from a bound value goes out, the value is held against what its box
// shows. A value that differs (a value set behind the window's back, a change of the box the
// window failed to report) sends nothing, tells the pilot once and is read again from the box.

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
const std::string kNotSent = "Nothing was sent to the controller: the value about to be sent for ";

struct GuardCase {
  const char* name;
  std::function<void(Harness&)> setup;  // what it sends is not counted
  bool calibrate;                       // the act: calibrate, or release the stability slider
  std::string sent;                     // by the act
  std::string told;                     // the pilot's message when nothing is sent, else ""
  std::string retried;                  // then sent when the pilot does it once more
};

void dragTo40(Harness& h) { h.win.userSetSlider(kStabilitySlider, 40); }
void typeCellsAndRead(Harness& h) {
  for (int id : kCellEdits) h.win.userType(id, "410");
  h.core.controlsToMembers();
}

TEST(SendGuard, AValueItsBoxDoesNotShowIsNotSentAndOrdinaryPathsSendAsBefore) {
  const std::vector<GuardCase> cases = {
      {"a slider dragged", dragTo40, false, "SC0040\r", "", ""},
      {"a value beyond the scale as reported",
       [](Harness& h) {
         h.ctrl.setValue('C', 150);
         h.core.startReadback();
         h.pump();
       },
       false, "SC0100\r", "", ""},
      {"the box's value set behind the window's back",
       [](Harness& h) {
         dragTo40(h);
         h.core.st.bound.set(kStabilityBox, 70);
       }, false, "",
       kNotSent + "Уровень стабилиз. (70) is not what its box shows (40). Check the box, then move the slider again.",
       "SC0040\r"},
      {"the box changed unreported",
       [](Harness& h) {
         dragTo40(h);
         h.core.checkShownEvery = 0;  // as in the shipped program
         h.win.showUnreported(kStabilityBox, "45");
       },
       false, "",
       kNotSent + "Уровень стабилиз. (40) is not what its box shows (45). Check the box, then move the slider again.",
       "SC0045\r"},
      {"the cells as typed", typeCellsAndRead, true, "S00410\r", "", ""},
      {"a cell's value set behind the window's back: read from its box first",
       [](Harness& h) {
         typeCellsAndRead(h);
         h.core.st.bound.set(kCellEdits[1], 999);
       },
       true, "S00410\r", "", ""},
      {"a cell box changed unreported",
       [](Harness& h) {
         typeCellsAndRead(h);
         h.core.checkShownEvery = 0;
         h.win.showUnreported(kCellEdits[1], "420");
       },
       true, "", kNotSent + "cell 2 (410) is not what its box shows (420). Check the box, then calibrate again.",
       "S00410\r"},
  };
  for (const GuardCase& c : cases) {
    SCOPED_TRACE(c.name);
    Harness h;
    c.setup(h);
    h.sent();
    const size_t shown = h.prompts.shown.size();
    auto act = [&] {
      if (c.calibrate) {
        h.win.userPress(kCalibrate);
      } else {
        h.win.userRelease(kStabilitySlider);
      }
    };
    testing::internal::CaptureStderr();
    act();
    const std::string details = testing::internal::GetCapturedStderr();
    EXPECT_EQ(h.sent(), c.sent);
    std::vector<std::string> told;
    for (size_t i = shown; i < h.prompts.shown.size(); ++i)
      if (h.prompts.shown[i].text.rfind(kNotSent, 0) == 0) told.push_back(h.prompts.shown[i].text);
    EXPECT_EQ(told, c.told.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.told});
    EXPECT_EQ(details.find("nothing sent") != std::string::npos, !c.told.empty()) << details;
    if (c.told.empty()) continue;
    act();  // the box's value was taken again: once more sends what it shows
    EXPECT_EQ(h.sent(), c.retried);
  }
}

}  // namespace
}  // namespace zorv::test
