// The data exchange works from what the controls showed when last looked at and reads again
// only what the window reports changed. These tests hold it to the full read it replaces: every
// exchange in this test program reads all controls afresh and compares (tests/support/
// gtest_main.cpp; a window that fails to report a change aborts the test), and the tables below
// check what is read and written.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/control_ids.h"
#include "core/control_layout.h"
#include "router/router.h"
#include "sim/controller.h"
#include "sim/sim_port.h"
#include "tests/support/fake_clock.h"
#include "tests/support/fakes.h"

namespace zorv {
namespace {

// The in-memory window, counting what the exchange reads and writes.
class CountingWindow : public test::FakeWindow {
 public:
  std::string text(int id) const override {
    ++reads;
    return FakeWindow::text(id);
  }
  int sliderPos(int id) const override {
    ++reads;
    return FakeWindow::sliderPos(id);
  }
  int checkState(int id) const override {
    ++reads;
    return FakeWindow::checkState(id);
  }
  void setText(int id, const std::string& t) override {
    written.push_back(id);
    FakeWindow::setText(id, t);
  }
  void setSliderPos(int id, int pos) override {
    written.push_back(id);
    FakeWindow::setSliderPos(id, pos);
  }
  void setCheckState(int id, int state) override {
    written.push_back(id);
    FakeWindow::setCheckState(id, state);
  }
  mutable int reads = 0;
  std::vector<int> written;
};

constexpr int kRangedBox = 1072;  // a number box whose range the exchange checks

struct Rig {
  Rig() {
    win.router = nullptr;  // the exchange alone: no handler runs on a change
    core.checkShownEvery = 0;  // its full read would count
  }
  sim::Controller ctrl;
  sim::SimPort port{ctrl};
  test::ScriptedPrompts prompts;
  FakeClock clock;
  CountingWindow win;
  Router core{port, win, prompts, clock, "/nonexistent/tkvrconfig.ini"};
};

struct WrittenCase {
  const char* name;
  void (*act)(Bindings&);
  std::vector<int> written;  // by the next values-to-controls exchange
  bool refused = false;      // the act throws: the id is bound to nothing of that kind
};

TEST(BindingsWritten, ReportsWhatWasWritten) {
  const WrittenCase cases[] = {
      {"nothing", [](Bindings&) {}, {}},
      {"one value set", [](Bindings& b) { b.set(ids::kAlarmEdit, 360); }, {ids::kAlarmEdit}},
      {"a text set", [](Bindings& b) { b.setText(ids::kPortStatus, "COM3 open"); }, {ids::kPortStatus}},
      {"an id bound to no integer", [](Bindings& b) { b.set(ids::kModelTypeList, 1); }, {}, true},
      {"an id bound to no text", [](Bindings& b) { b.setText(ids::kAlarmEdit, "1"); }, {}, true},
      {"an id outside the window's range", [](Bindings& b) { b.set(kGraphButton, 1); }, {}, true},
  };
  for (const WrittenCase& c : cases) {
    Rig r;
    r.core.controlsToMembers();
    r.core.membersToControls();
    r.win.written.clear();
    if (c.refused) {
      EXPECT_THROW(c.act(r.core.st.bound), std::out_of_range) << c.name;
      continue;
    }
    c.act(r.core.st.bound);
    r.core.membersToControls();
    EXPECT_EQ(r.win.written, c.written) << c.name;
  }
}

struct ExchangeCase {
  const char* name;
  std::function<void(CountingWindow&)> user;  // what the user does before the exchange reads
  std::function<void(Core&)> handler;         // what a handler sets between the two exchanges
  std::vector<int> written;                   // by the members-to-controls exchange
  int reads;                                  // controls read by both exchanges together
  bool accepted = true;                       // what controlsToMembers returns
};

TEST(DataExchange, ReadsAndWritesOnlyWhatChanged) {
  auto none = [](auto&) {};
  const int box = matrixCheckId(1, 1);
  const std::vector<ExchangeCase> cases = {
      {"nothing changed", none, none, {}, 0},
      {"a member set", none, [](Core& c) { c.st.bound.set(ids::kAlarmEdit, 360); }, {ids::kAlarmEdit}, 1},
      {"a member and a check box", none,
       [box](Core& c) {
         c.st.bound.set(ids::kAlarmEdit, 360);
         c.st.bound.set(box, 1);
       },
       {ids::kAlarmEdit, box}, 2},
      {"a slider", none, [](Core& c) { c.st.bound.set(ids::kAlarmSlider, c.st.bound.get(ids::kAlarmSlider) + 1); },
       {ids::kAlarmSlider}, 1},
      {"typed by the user", [](CountingWindow& w) { w.userType(ids::kAlarmEdit, "351"); }, none, {}, 1},
      {"typed \"05\": the box keeps its text", [](CountingWindow& w) { w.userType(ids::kAlarmEdit, "05"); }, none, {}, 1},
      {"typed, then set back by a handler", [](CountingWindow& w) { w.userType(ids::kAlarmEdit, "351"); },
       [](Core& c) { c.st.bound.set(ids::kAlarmEdit, 355); }, {ids::kAlarmEdit}, 2},
      {"a box emptied gets its number back", [](CountingWindow& w) { w.userType(ids::kAlarmEdit, ""); }, none,
       {ids::kAlarmEdit}, 2},
      {"a check state beyond 2 shows clear", [box](CountingWindow& w) { w.userClick(box); },
       [box](Core& c) { c.st.bound.set(box, 7); }, {box}, 2},
      {"a status text", none, [](Core& c) { c.st.bound.setText(ids::kPortStatus, "COM3 open"); }, {ids::kPortStatus}, 1},
      {"typed beyond the range: stops with the warning", [](CountingWindow& w) { w.userType(kRangedBox, "-150"); },
       none, {}, 1, false},
  };
  for (const ExchangeCase& c : cases) {
    Rig r;
    r.core.controlsToMembers();  // the first exchange reads everything
    r.core.membersToControls();
    r.win.reads = 0;
    r.win.written.clear();
    c.user(r.win);
    r.win.written.clear();  // the user's own typing is not the exchange's
    EXPECT_EQ(r.core.controlsToMembers(), c.accepted) << c.name;
    c.handler(r.core);
    r.core.membersToControls();
    std::vector<int> written = r.win.written, expected = c.written;
    std::sort(written.begin(), written.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(written, expected) << c.name;
    EXPECT_EQ(r.win.reads, c.reads) << c.name;
    EXPECT_EQ(r.prompts.shown.size(), c.accepted ? 0u : 1u) << c.name;
  }
}

TEST(DataExchange, TypedTextThatStillReadsAsTheNumberIsLeftAlone) {
  Rig r;
  r.core.controlsToMembers();
  r.win.userType(ids::kAlarmEdit, "0360");
  r.core.controlsToMembers();
  r.core.membersToControls();
  EXPECT_EQ(r.win.text(ids::kAlarmEdit), "0360");
  EXPECT_EQ(r.core.st.bound.get(ids::kAlarmEdit), 360);
}

enum class PutBack { Both, StateAlone, WindowAlone };

struct CopyCase {
  const char* name;
  std::function<void(Rig&)> act;  // after the copies were taken
  PutBack putBack;
  bool readAll;     // the next exchange reads every control again
  int alarmAfter;   // the alarm box's value after it
};

TEST(DataExchange, CopiesPutBackTogetherNeedNoReadAndApartAreReadAgain) {
  auto typed = [](Rig& r) { r.win.userType(ids::kAlarmEdit, "351"); };
  auto handlerSet = [](Rig& r) { r.core.st.bound.set(ids::kAlarmEdit, 360); };
  const std::vector<CopyCase> cases = {
      {"the user typed, both put back", typed, PutBack::Both, false, 355},
      {"a handler set a value, both put back", handlerSet, PutBack::Both, false, 355},
      {"both and an exchange ran, both put back",
       [](Rig& r) {
         r.win.userType(ids::kAlarmEdit, "351");
         r.core.controlsToMembers();
         r.core.st.bound.set(ids::kAlarmSlider, 5);
         r.core.membersToControls();
       },
       PutBack::Both, false, 355},
      {"the user typed, the state alone put back", typed, PutBack::StateAlone, true, 351},
      {"the user typed, the window alone put back", typed, PutBack::WindowAlone, true, 355},
      {"a handler set a value, the window alone put back", handlerSet, PutBack::WindowAlone, false, 355},
  };
  int fullRead = 0;
  {
    Rig r;
    r.core.controlsToMembers();
    fullRead = r.win.reads;
  }
  for (const CopyCase& c : cases) {
    Rig r;
    r.core.controlsToMembers();
    r.core.membersToControls();
    r.win.userType(kRangedBox, "12");      // a change the exchange has not yet read
    r.core.st.bound.set(ids::kAlarmEdit, 340);  // and a value set since the last exchange
    const MainState st = r.core.st;
    const CountingWindow win = r.win;
    c.act(r);
    if (c.putBack != PutBack::WindowAlone) r.core.st = st;
    if (c.putBack != PutBack::StateAlone) static_cast<test::FakeWindow&>(r.win) = win;
    r.win.reads = 0;
    r.win.written.clear();
    r.core.checkShownEvery = 0;
    EXPECT_TRUE(r.core.controlsToMembers()) << c.name;
    EXPECT_EQ(r.win.reads, c.readAll ? fullRead : 1) << c.name << ": only the box typed before the copies, or all";
    EXPECT_EQ(r.core.st.bound.get(kRangedBox), 12) << c.name;
    EXPECT_EQ(r.core.st.bound.get(ids::kAlarmEdit), c.alarmAfter) << c.name << ": the value is read back from its box";
    // The full read agrees with what the bindings say.
    r.core.checkShownEvery = 1;
    r.core.membersToControls();
    EXPECT_TRUE(r.win.written.empty()) << c.name;
  }
}

TEST(DataExchangeDeathTest, AChangeTheWindowDidNotReportIsCaught) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_DEATH(
      {
        Rig r;
        r.core.checkShownEvery = 1;
        r.core.controlsToMembers();
        r.win.showUnreported(ids::kAlarmEdit, "351");
        r.core.controlsToMembers();
      },
      "control 1074 changed without the window reporting it");
}

}  // namespace
}  // namespace zorv
