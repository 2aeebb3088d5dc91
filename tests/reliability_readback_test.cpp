// The read-back under faults. Each row arms one fault on one answer of the chain (the first
// reply, one from the middle, the identity reply) and says how the exchange ends; wherever it
// does not end as an undisturbed one, picking the port again must read everything back.

#include <gtest/gtest.h>

#include <algorithm>

#include "tests/reliability.h"

namespace zorv::test {
namespace {

using namespace reliability;

enum class Ends {
  AsUndisturbed,  // the same queries, the same window
  AskedAgain,     // a value read as 0 is asked again, then the same window
  Garbled,        // the same queries, but the reply's value shows as the digits before the bad byte
  Stalled,        // no time-out: the chain waits with the parameter controls locked
  Lost,           // the port is gone
};

struct Target {
  const char* name;
  const char* after;  // the command heard before the target answer's own
  size_t length;
};
const Target kTargets[] = {{"first reply", "", 10}, {"sensor reply", "?7\r", 10}, {"identity reply", "?j\r", 12}};

struct Row {
  Fault fault;
  Ends ends[3];  // per target
};

std::vector<Row> rows() {
  std::vector<Row> v;
  for (const Fault& f : everySplit(12)) {
    // A reply is gathered by its count (splits past the end of a 10-byte reply leave it whole);
    // the identity answer too.
    v.push_back({f, {Ends::AsUndisturbed, Ends::AsUndisturbed, Ends::AsUndisturbed}});
  }
  const Row more[] = {
      {drop(), {Ends::Stalled, Ends::Stalled, Ends::Stalled}},
      // The echo: no query of the chain. The identity reply's echo is not read.
      {corrupt(0), {Ends::Stalled, Ends::Stalled, Ends::AsUndisturbed}},
      // The first digit of the value: it reads as 0 and is asked again. The identity tag: another kind.
      {corrupt(4), {Ends::AskedAgain, Ends::AskedAgain, Ends::Stalled}},
      // The last digit of the value: there is no check sum, the number before it is shown.
      {corrupt(7), {Ends::Garbled, Ends::Garbled, Ends::Stalled}},
      // The line end is not read.
      {corrupt(9), {Ends::AsUndisturbed, Ends::AsUndisturbed, Ends::AsUndisturbed}},
      // Two bytes too many in the same event: the count passes the reply's length.
      {extra("\r\n"), {Ends::Stalled, Ends::Stalled, Ends::Stalled}},
      // The same bytes in an event of their own: a line end left over, dropped.
      {extra("\r\n", true), {Ends::AsUndisturbed, Ends::AsUndisturbed, Ends::AsUndisturbed}},
      // Queries ask for stored values: a controller restarted between two of them answers alike.
      {restarted(), {Ends::AsUndisturbed, Ends::AsUndisturbed, Ends::AsUndisturbed}},
      {vanishAfter(3), {Ends::Lost, Ends::Lost, Ends::Lost}},
      {vanishAfter(10), {Ends::Lost, Ends::Lost, Ends::Lost}},
  };
  v.insert(v.end(), std::begin(more), std::end(more));
  return v;
}

struct Reference {
  WindowState connected, reconnected;
  std::vector<std::string> log;
};

const Reference& reference() {
  static const Reference r = [] {
    Harness h;
    Reference ref{stateOf(h.win), {}, h.ctrl.log()};
    pickPortAgain(h);
    ref.reconnected = stateOf(h.win);
    return ref;
  }();
  return r;
}

void expectEnds(Harness& h, Ends ends, const std::string& target) {
  const Reference& ref = reference();
  switch (ends) {
    case Ends::AsUndisturbed:
      EXPECT_EQ(differences(stateOf(h.win), ref.connected), "");
      EXPECT_EQ(h.ctrl.log(), ref.log);
      return;
    case Ends::AskedAgain: {
      EXPECT_EQ(differences(stateOf(h.win), ref.connected), "");
      std::vector<std::string> asked = ref.log;
      asked.insert(std::find(asked.begin(), asked.end(), target), target);
      EXPECT_EQ(h.ctrl.log(), asked);
      return;
    }
    case Ends::Garbled:
      EXPECT_NE(differences(stateOf(h.win), ref.connected), "");
      EXPECT_EQ(h.ctrl.log(), ref.log);
      EXPECT_TRUE(h.win.isEnabled(1038));
      pickPortAgain(h);
      break;
    case Ends::Stalled:
      EXPECT_TRUE(h.port.isOpen());
      EXPECT_FALSE(h.win.isEnabled(1038));
      EXPECT_EQ(h.win.text(ids::kPortStatus), "COM opened");
      EXPECT_EQ(h.pump(), 0);  // nothing more comes: the chain waits
      pickPortAgain(h);
      break;
    case Ends::Lost:
      expectLost(h);
      EXPECT_FALSE(h.win.isEnabled(1038));
      plugInAndPickPort(h);
      break;
  }
  EXPECT_EQ(differences(stateOf(h.win), ref.reconnected), "");
  expectConnected(h);
}

TEST(ReliabilityReadback, FaultOnOneReplyOfTheChain) {
  const std::string targetQuery[] = {"?C\r", "?M\r", "?W\r"};
  for (const Row& row : rows()) {
    for (size_t t = 0; t < std::size(kTargets); ++t) {
      SCOPED_TRACE(std::string(kTargets[t].name) + ", " + row.fault.name);
      Harness h(false);
      if (*kTargets[t].after) {
        h.core.initialise();
        ASSERT_TRUE(untilHeard(h, kTargets[t].after));
      }
      row.fault.arm(h.ctrl, kTargets[t].length);
      if (!*kTargets[t].after) h.core.initialise();
      h.pump();
      expectEnds(h, row.ends[t], targetQuery[t]);
    }
  }
}

}  // namespace
}  // namespace zorv::test
