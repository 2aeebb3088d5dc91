// Sliders, number boxes and drop-down lists against the simulated controller: the bytes on the
// wire, what the controller keeps, ParamValues and what the window shows.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/control_ids.h"
#include "core/control_layout.h"
#include "core/param_catalogue.h"
#include "tests/support/harness.h"

namespace zorv::test {
namespace {

// A connected window with nothing sent yet and nothing shown.
struct Connected {
  Harness h;
  Connected() {
    h.sent();
    h.prompts.shown.clear();
  }
  int param(int index) const { return h.core.st.ParamValues.at(static_cast<size_t>(index)); }
};

struct ReleaseCase {
  const char* name;
  int slider;
  int pos;
  const char* wire;
  int index;
  int stored;
};

TEST(ParamsSliderRelease, WritesTheSettingAndStoresTheVisibleValue) {
  const std::vector<ReleaseCase> cases = {
      {"stability 7", 1038, 7, "SC0007\r", 3, 7},
      {"stability 0", 1038, 0, "SC0000\r", 3, 0},
      {"compass sensitivity 100", 1081, 100, "SZ0100\r", 9, 100},
      {"gimbal pitch -100", 1046, -100, "SJ0000\r", 12, -100},
      {"gimbal pitch +100", 1046, 100, "SJ0200\r", 12, 100},
      {"gimbal roll -37", 1045, -37, "SK0063\r", 13, -37},
      {"alarm 355", 1055, 355, "SL0355\r", 14, 355},
      {"alarm 280", 1055, 280, "SL0280\r", 14, 280},
  };
  for (const ReleaseCase& c : cases) {
    SCOPED_TRACE(c.name);
    Connected w;
    Harness& h = w.h;
    h.core.st.LinkMode = LinkMode::Monitor;  // a setting write always returns to the resting mode
    h.win.userSetSlider(c.slider, c.pos);
    EXPECT_EQ(h.sent(), c.wire);
    EXPECT_EQ(h.core.st.LinkMode, LinkMode::Rest);
    EXPECT_EQ(w.param(c.index), c.stored);
    EXPECT_EQ(h.win.text(sliderBySlider(c.slider)->edit), std::to_string(c.stored));
    h.pump();
    const std::string wire = c.wire;
    EXPECT_EQ(h.ctrl.value(wire[1]), std::stoi(wire.substr(2, 4)));
    EXPECT_TRUE(h.prompts.shown.empty());
  }
}

TEST(ParamsSliderRelease, KeyboardStepsSendOncePerStep) {
  // The window reports a keyboard or wheel step as a move followed by a release.
  Connected w;
  Harness& h = w.h;
  h.win.userSetSlider(1039, 20);
  h.sent();
  for (int step = 1; step <= 3; ++step) {
    h.win.userSetSlider(1039, 20 + step);
    EXPECT_EQ(h.sent(), "SD00" + std::to_string(20 + step) + "\r");
  }
  // A release where the slider did not move (already at the end) sends the value once more.
  h.win.userSetSlider(1039, 100);
  h.sent();
  h.win.userRelease(1039);
  EXPECT_EQ(h.sent(), "SD0100\r");
}

TEST(ParamsSliderDrag, MovesTheBoxAndTheTableButSendsNothing) {
  for (const SliderParam& p : sliderParams()) {
    SCOPED_TRACE(p.slider);
    Connected w;
    Harness& h = w.h;
    const ControlRow* s = findControl(p.slider);
    const int pos = s->lo + 3;
    h.win.userDrag(p.slider, pos);
    // The height-lock box announces every change of its text with "SH0051".
    EXPECT_EQ(h.sent(), p.edit == ids::kHeightLockEdit ? "SH0051\r" : "");
    EXPECT_EQ(h.win.text(p.edit), std::to_string(pos));
    EXPECT_EQ(w.param(p.index), pos);  // the alarm voltage gets there through its box
  }
}

struct TypeCase {
  const char* name;
  int edit;
  std::vector<std::string> keystrokes;  // the box text after each key
  int slider;
  int value;
  const char* wire;
};

TEST(ParamsNumberBox, TypingMovesTheSliderAndSendsNothing) {
  const std::vector<TypeCase> cases = {
      {"stability", 1063, {"6", "64"}, 1038, 64, ""},
      {"gimbal pitch negative", 1072, {"-", "-4", "-45"}, 1046, -45, ""},
      {"leading zero kept", 1067, {"0", "05"}, 1039, 5, ""},
      // On its way to 355 the alarm box passes 3 and 35, below the slider's scale.
      {"alarm voltage digit by digit", 1074, {"3", "35", "355"}, 1055, 355, ""},
      {"height lock", 1070, {"7", "70"}, 1036, 70, "SH0051\rSH0051\r"},
  };
  for (const TypeCase& c : cases) {
    SCOPED_TRACE(c.name);
    Connected w;
    Harness& h = w.h;
    for (const std::string& text : c.keystrokes) {
      h.win.userType(c.edit, text);
      EXPECT_EQ(h.win.text(c.edit), text) << "the box is not rewritten under the cursor";
    }
    EXPECT_EQ(h.win.sliderPos(c.slider), c.value);
    EXPECT_EQ(w.param(sliderByEdit(c.edit)->index), c.value);
    EXPECT_EQ(h.sent(), c.wire);
    EXPECT_TRUE(h.prompts.shown.empty());
  }
}

TEST(ParamsNumberBox, TypedValueReachesTheControllerOnTheNextRelease) {
  Connected w;
  Harness& h = w.h;
  h.win.userType(1073, "-60");
  EXPECT_EQ(h.sent(), "");
  h.win.userRelease(1045);
  EXPECT_EQ(h.sent(), "SK0040\r");
  h.pump();
  EXPECT_EQ(h.ctrl.value('K'), 40);
  EXPECT_EQ(w.param(13), -60);
}

TEST(ParamsNumberBox, NonNumberReadsAsZero) {
  Connected w;
  Harness& h = w.h;
  h.win.userType(1068, "abc");
  EXPECT_EQ(h.win.sliderPos(1034), 0);
  EXPECT_EQ(w.param(6), 0);
  EXPECT_EQ(h.win.text(1068), "abc");
}

struct BeyondCase {
  const char* name;
  int edit;
  const char* typed;
  bool warned;
  const char* wire;
  int stored;
};

TEST(ParamsNumberBox, ValueBeyondTheScaleIsNeverWritten) {
  const std::vector<BeyondCase> cases = {
      {"stability 150", 1063, "150", true, "SC0100\r", 100},
      {"gimbal roll -150", 1073, "-150", true, "SK0000\r", -100},
      {"alarm 5000 (no range check)", 1074, "5000", false, "SL0370\r", 370},
      {"alarm 99999", 1074, "99999", false, "SL0370\r", 370},
  };
  for (const BeyondCase& c : cases) {
    SCOPED_TRACE(c.name);
    Connected w;
    Harness& h = w.h;
    const SliderParam* p = sliderByEdit(c.edit);
    h.win.userType(c.edit, c.typed);
    EXPECT_EQ(h.win.text(c.edit), c.typed) << "the box keeps the text for the user to correct";
    EXPECT_EQ(!h.prompts.shown.empty(), c.warned);
    h.win.userRelease(p->slider);
    EXPECT_EQ(h.sent(), c.wire);
    EXPECT_EQ(w.param(p->index), c.stored);
    EXPECT_EQ(h.win.text(c.edit), std::to_string(c.stored));
    EXPECT_EQ(h.win.sliderPos(p->slider), c.stored);
  }
}

struct ListCase {
  const char* name;
  int combo;
  int item;
  const char* wire;
  int index;
  int stored;
};

TEST(ParamsLists, SelectionWritesTheCatalogueValue) {
  const std::vector<ListCase> cases = {
      {"14--FIXED_WING", ids::kModelTypeList, 13, "SA0014\r", 0, 14},
      {"1. GIMBAL", ids::kModelTypeList, 0, "SA0001\r", 0, 1},
      {"6. 2KHz PWM", ids::kEscRateList, 5, "SB0006\r", 1, 6},
      {"2. 270HZ servo", ids::kServoRateList, 1, "SP0003\r", 2, 2},
      {"1. 50Hz servo", ids::kServoRateList, 0, "SP0001\r", 2, 1},
  };
  for (const ListCase& c : cases) {
    SCOPED_TRACE(c.name);
    Connected w;
    Harness& h = w.h;
    h.core.st.LinkMode = LinkMode::FileChain;
    h.win.userSelect(c.combo, c.item);
    EXPECT_EQ(h.sent(), c.wire);
    EXPECT_EQ(h.core.st.LinkMode, LinkMode::Rest);
    EXPECT_EQ(w.param(c.index), c.stored);
    h.pump();
    const std::string wire = c.wire;
    EXPECT_EQ(h.ctrl.value(wire[1]), std::stoi(wire.substr(2, 4)));
  }
}

// Every kind of control changed, then the port chosen again: the read-back shows the same.
TEST(ParamsRoundTrip, ReconnectReadsBackWhatWasWritten) {
  Connected w;
  Harness& h = w.h;
  h.win.userSetSlider(1038, 33);
  h.win.userSetSlider(1046, -100);
  h.win.userSetSlider(1045, 25);
  h.win.userSetSlider(ids::kAlarmSlider, 301);
  h.win.userSetSlider(1036, 77);
  h.win.userType(1071, "12");
  h.win.userRelease(1037);
  h.win.userSelect(ids::kModelTypeList, 7);
  h.win.userSelect(ids::kEscRateList, 2);
  h.win.userSelect(ids::kServoRateList, 1);
  h.win.userClick(matrixCheckId(0, 6));  // stability on CH7 L
  h.win.userClick(matrixCheckId(8, 2));  // auto-landing on CH5 H, height lock follows
  h.win.userClick(matrixCheckId(6, 4));
  h.win.userClick(1062);
  h.win.userClick(1199);
  h.win.userClick(1214);
  h.pump();
  EXPECT_TRUE(h.prompts.shown.empty());

  struct Held {
    char letter;
    int value;
  };
  const int a = h.ctrl.value('a');
  for (const Held& x : std::vector<Held>{{'C', 33}, {'J', 0}, {'K', 125}, {'L', 301}, {'R', 77}, {'T', 12},
                                         {'A', 8}, {'B', 3}, {'P', 3}}) {
    EXPECT_EQ(h.ctrl.value(x.letter), x.value) << x.letter;
  }
  EXPECT_EQ(a & 64, 64);
  EXPECT_EQ(h.ctrl.value('b') & 64, 0);
  EXPECT_EQ(h.ctrl.value('i') & 4, 4);
  EXPECT_EQ(h.ctrl.value('c') & 4, 4);

  // What the window shows now, then everything scrambled behind the handlers' backs.
  const auto shownSliders = h.win.sliders();
  const auto shownTexts = h.win.texts();
  const auto shownChecks = h.win.checks();
  const auto shownCombos = h.win.combos();
  const auto values = h.core.st.ParamValues;
  for (const auto& [id, pos] : shownSliders) h.win.putSlider(id, findControl(id)->lo);
  for (const SliderParam& p : sliderParams()) h.win.putText(p.edit, std::to_string(findControl(p.slider)->lo));
  for (const auto& [id, state] : shownChecks) h.win.putCheck(id, 0);
  for (int combo : {ids::kModelTypeList, ids::kEscRateList, ids::kServoRateList}) h.win.putCombo(combo, 0);
  h.core.st.ParamValues.fill(0);

  h.ctrl.clearLog();
  h.win.userSelect(ids::kPortList, h.win.comboIndex(ids::kPortList));
  h.pump();

  EXPECT_FALSE(h.ctrl.log().empty()) << "nothing was asked after the port was chosen again";
  for (const SliderParam& p : sliderParams()) {
    SCOPED_TRACE(p.slider);
    EXPECT_EQ(h.win.sliders().at(p.slider), shownSliders.at(p.slider));
    EXPECT_EQ(h.win.texts().at(p.edit), shownTexts.at(p.edit));
  }
  EXPECT_EQ(h.win.checks(), shownChecks);
  for (int combo : {ids::kModelTypeList, ids::kEscRateList, ids::kServoRateList})
    EXPECT_EQ(h.win.combos().at(combo), shownCombos.at(combo)) << combo;
  for (size_t i = 0; i < values.size(); ++i) {
    if (i >= 15 && i <= 18) continue;  // cell voltages belong to the calibration
    EXPECT_EQ(h.core.st.ParamValues[i], values[i]) << "ParamValues[" << i << "]";
  }
}

}  // namespace
}  // namespace zorv::test
