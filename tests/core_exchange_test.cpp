// The data exchange works from what the controls showed when last looked at and reads again
// only what the window reports changed. These tests hold it to the full read it replaces: every
// exchange in this test program reads all controls afresh and compares (a window that fails to
// report a change aborts the test), and the tables below check what is read and written.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "core/control_ids.h"
#include "core/control_layout.h"
#include "router/id_map.h"
#include "router/router.h"
#include "sim/controller.h"
#include "sim/sim_port.h"
#include "tests/support/fake_clock.h"
#include "tests/support/fakes.h"

namespace zorv {
namespace {

// Every exchange of every test in this program is checked against a full read of the controls.
const bool kEveryExchangeChecked = (Core::defaultCheckShownEvery = 1, true);

struct WrittenCase {
  const char* name;
  void (*act)(IdMap<int>&);
  bool known;
  std::vector<int> ids;
};

TEST(IdMapWritten, ReportsWhatWasWritten) {
  const WrittenCase cases[] = {
      {"nothing", [](IdMap<int>&) {}, true, {}},
      {"one write", [](IdMap<int>& m) { m[1063] = 5; }, true, {1063}},
      {"a write of the same value counts", [](IdMap<int>& m) { m[1063] = m.at(1063); }, true, {1063}},
      {"two writes in order", [](IdMap<int>& m) { m[1064] = 1, m[1063] = 2; }, true, {1064, 1063}},
      {"a writable look-up", [](IdMap<int>& m) { m.find(1070)->second = 9; }, true, {1070}},
      {"const reads", [](IdMap<int>& m) { (void)static_cast<const IdMap<int>&>(m).at(1063); }, true, {}},
      {"a writable iteration", [](IdMap<int>& m) { for (auto& [id, v] : m) v = id; }, false, {}},
      {"a copy assigned", [](IdMap<int>& m) { m = IdMap<int>(); }, false, {}},
      {"past a thousand writes", [](IdMap<int>& m) { for (int i = 0; i < 1100; ++i) m[1000 + i % 200] = i; }, false, {}},
      {"an id outside the window's range", [](IdMap<int>& m) { m[2000] = 1; }, true, {2000}},
  };
  for (const WrittenCase& c : cases) {
    IdMap<int> m;
    m[1063] = 1;
    std::vector<int> ids;
    m.takeWritten(ids);  // a new map counts as written everywhere; start from a clean log
    ids.clear();
    c.act(m);
    EXPECT_EQ(m.takeWritten(ids), c.known) << c.name;
    EXPECT_EQ(ids, c.ids) << c.name;
    ids.clear();
    EXPECT_TRUE(m.takeWritten(ids)) << c.name << ": the log starts again after each call";
    EXPECT_TRUE(ids.empty()) << c.name;
  }
}

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
  bool takeChangedControls(std::vector<int>& ids) override { return honest ? FakeWindow::takeChangedControls(ids) : true; }

  mutable int reads = 0;
  std::vector<int> written;
  bool honest = true;
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
      {"a member set", none, [](Core& c) { c.st.bound.at(ids::kAlarmEdit) = 360; }, {ids::kAlarmEdit}, 1},
      {"a member and a check box", none,
       [box](Core& c) {
         c.st.bound.at(ids::kAlarmEdit) = 360;
         c.st.bound.at(box) = 1;
       },
       {ids::kAlarmEdit, box}, 2},
      {"a slider", none, [](Core& c) { c.st.bound.at(ids::kAlarmSlider) = c.st.bound.at(ids::kAlarmSlider) + 1; },
       {ids::kAlarmSlider}, 1},
      {"typed by the user", [](CountingWindow& w) { w.userType(ids::kAlarmEdit, "351"); }, none, {}, 1},
      {"typed \"05\": the box keeps its text", [](CountingWindow& w) { w.userType(ids::kAlarmEdit, "05"); }, none,
       {}, 1},
      {"typed, then set back by a handler", [](CountingWindow& w) { w.userType(ids::kAlarmEdit, "351"); },
       [](Core& c) { c.st.bound.at(ids::kAlarmEdit) = 355; }, {ids::kAlarmEdit}, 2},
      {"a box emptied gets its number back", [](CountingWindow& w) { w.userType(ids::kAlarmEdit, ""); }, none,
       {ids::kAlarmEdit}, 2},
      {"a check state beyond 2 shows clear", [box](CountingWindow& w) { w.userClick(box); },
       [box](Core& c) { c.st.bound.at(box) = 7; }, {box}, 2},
      {"a status text", none, [](Core& c) { c.st.bound.portStatus = "COM3 open"; }, {ids::kPortStatus}, 1},
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
  EXPECT_EQ(r.core.st.bound.at(ids::kAlarmEdit), 360);
}

TEST(DataExchange, MemoryGivenBackWithCopiesOfWindowAndStateNeedsNoReadAndStaysTrue) {
  const std::vector<std::pair<const char*, std::function<void(Rig&)>>> afterCopies = {
      {"the user typed", [](Rig& r) { r.win.userType(ids::kAlarmEdit, "351"); }},
      {"a handler set a member", [](Rig& r) { r.core.st.bound.at(ids::kAlarmEdit) = 360; }},
      {"both, and an exchange ran", [](Rig& r) {
         r.win.userType(ids::kAlarmEdit, "351");
         r.core.controlsToMembers();
         r.core.st.bound.at(ids::kAlarmSlider) = 5;
         r.core.membersToControls();
       }},
  };
  for (const auto& [name, act] : afterCopies) {
    Rig r;
    r.core.controlsToMembers();
    r.core.membersToControls();
    r.win.userType(kRangedBox, "12");          // a change the memory has not yet seen
    r.core.st.bound.at(ids::kAlarmEdit) = 340;      // and a member written since the last exchange
    const Core::ExchangeMemory memory = r.core.exchangeMemory();
    const MainState st = r.core.st;
    const CountingWindow win = r.win;
    act(r);
    r.core.st = st;
    static_cast<test::FakeWindow&>(r.win) = win;
    r.core.restoreExchangeMemory(memory);
    r.win.reads = 0;
    r.win.written.clear();
    r.core.checkShownEvery = 0;
    EXPECT_TRUE(r.core.controlsToMembers()) << name;
    EXPECT_EQ(r.win.reads, 0) << name << ": nothing read again";
    EXPECT_EQ(r.core.st.bound.at(kRangedBox), 12) << name;
    EXPECT_EQ(r.core.st.bound.at(ids::kAlarmEdit), 355) << name << ": the member is read back from its box";
    // The full read agrees with what the memory says.
    r.core.checkShownEvery = 1;
    r.core.membersToControls();
    EXPECT_TRUE(r.win.written.empty()) << name;
  }
}

TEST(DataExchangeDeathTest, AChangeTheWindowDidNotReportIsCaught) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_DEATH(
      {
        Rig r;
        r.core.checkShownEvery = 1;
        r.core.controlsToMembers();
        r.win.honest = false;  // from now on it reports nothing
        r.win.userType(ids::kAlarmEdit, "351");
        r.core.controlsToMembers();
      },
      "control 1074 changed without the window reporting it");
}

}  // namespace
}  // namespace zorv
