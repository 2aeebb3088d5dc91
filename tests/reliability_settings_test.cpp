// Setting writes, flight-mode pairs and default sets under faults on the controller's answers.
// A setting is not waited for, so a bad echo must change nothing the user sees or sends; a
// default set is followed by a read-back, which a bad echo may stop until the user chooses again.

#include <gtest/gtest.h>

#include "core/control_layout.h"
#include "tests/reliability.h"

namespace zorv::test {
namespace {

using namespace reliability;


struct Write {
  const char* name;
  std::function<void(Harness&)> act;
  std::string sent;
};

// With row 2 ticked in column CH7 L (the controller's power-on rows: a = 7, b = 64), ticking row 1
// there clears it in row 2: "a" with 71, then "b" with 0.
const Write kWrites[] = {
    {"slider", [](Harness& h) { h.win.userSetSlider(1038, 77); }, "SC0077\r"},
    {"list", [](Harness& h) { h.win.userSelect(ids::kEscRateList, 5); }, "SB0006\r"},
    {"sensor box", [](Harness& h) { h.win.userClick(1056); }, "SM0190\r"},
    {"flight-mode pair", [](Harness& h) { h.win.userClick(matrixCheckId(0, 6)); }, "Sa0071\rSb0000\r"},
};

// The window and the controller agree, and the next setting and a read-back work as ever.
void expectCarriesOn(Harness& h) {
  EXPECT_EQ(h.core.st.LinkMode, LinkMode::Rest);
  h.sent();
  h.win.userSetSlider(1039, 33);
  EXPECT_EQ(h.sent(), "SD0033\r");
  h.pump();
  EXPECT_EQ(h.ctrl.value('D'), 33);
  const auto shown = h.core.st.ParamValues;
  pickPortAgain(h);
  EXPECT_EQ(h.core.st.ParamValues, shown);
  expectConnected(h);
}

TEST(ReliabilitySettings, FaultOnTheEchoOfAWrite) {
  std::vector<Fault> faults = everySplit(8);
  for (const Fault& f : {drop(), corrupt(0), corrupt(3), corrupt(7), extra("\r\n"), extra("\r\n", true),
                         extra("zz"), restarted()})
    faults.push_back(f);
  for (const Write& w : kWrites) {
    for (const Fault& f : faults) {
      SCOPED_TRACE(std::string(w.name) + ", " + f.name);
      Harness h;
      h.sent();
      f.arm(h.ctrl, 8);
      w.act(h);
      EXPECT_EQ(h.sent(), w.sent);
      h.pump();
      expectConnected(h);  // the controller holds what the window shows
      expectCarriesOn(h);
    }
  }
}

// The controller is gone before or while it answers: what it heard, it keeps; the window shows
// that after the port is picked again. A pair's second command is not heard once it is gone.
TEST(ReliabilitySettings, PortGoneWhileWriting) {
  for (const Write& w : kWrites) {
    const int64_t echoes = static_cast<int64_t>(w.sent.size() / 7 * 8);
    for (int64_t after = 0; after <= echoes; after += 4) {
      SCOPED_TRACE(std::string(w.name) + ", gone after " + std::to_string(after));
      Harness h;
      h.sent();
      h.ctrl.faults.vanishAfterBytes = after;
      w.act(h);
      h.pump();
      expectLost(h);
      plugInAndPickPort(h);
      expectConnected(h);
      expectCarriesOn(h);
    }
  }
}

// A default set: the echo "Sj0..." restarts the read-back, which shows the set. Where it does not,
// the window keeps showing the values from before and choosing the set again reads it back.
TEST(ReliabilitySettings, FaultOnTheEchoOfADefaultSet) {
  enum class Ends { ReadBack, Stalled, Lost };
  struct Row {
    Fault fault;
    Ends ends;
  };
  std::vector<Row> rows;
  // The restart fires once the echo is whole, wherever it was cut.
  for (const Fault& f : everySplit(8)) rows.push_back({f, Ends::ReadBack});
  const Row more[] = {
      {drop(), Ends::Stalled},
      {corrupt(0), Ends::Stalled},  // "sj0...": no restart
      {corrupt(5), Ends::ReadBack},
      {extra("\r\n"), Ends::ReadBack},
      {extra("\r\n", true), Ends::ReadBack},
      {restarted(), Ends::ReadBack},
      {vanishAfter(3), Ends::Lost},
      {vanishAfter(8), Ends::Lost},
  };
  rows.insert(rows.end(), std::begin(more), std::end(more));

  for (const Row& row : rows) {
    SCOPED_TRACE(row.fault.name);
    Harness h;
    const auto before = h.core.st.ParamValues;
    h.sent();
    row.fault.arm(h.ctrl, 8);
    h.win.userSelect(ids::kLoadList, 2);
    EXPECT_EQ(h.sent(), "Sj0002\r");
    h.pump();
    EXPECT_EQ(h.ctrl.value('j'), 2);
    switch (row.ends) {
      case Ends::ReadBack:
        break;
      case Ends::Stalled:
        EXPECT_EQ(h.core.st.ParamValues, before);
        EXPECT_EQ(h.sent(), row.fault.name == "dropped" || row.fault.name == "byte 0 corrupted" ? "" : "?C\r");
        h.win.userSelect(ids::kLoadList, 2);
        h.pump();
        break;
      case Ends::Lost:
        expectLost(h);
        plugInAndPickPort(h);
        break;
    }
    EXPECT_NE(h.core.st.ParamValues, before);
    expectConnected(h);
    expectCarriesOn(h);
  }
}

}  // namespace
}  // namespace zorv::test
