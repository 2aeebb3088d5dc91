// The firmware upgrade under faults on each answer of the exchange: the kind reply, "RADY" and the
// loader's replies to the start, a data, the sum and the finish packet. Every row ends in success,
// in a "Data error" or in waiting (there is no time-out); from each the user gets back to a window
// with every control the upgrade locked, and the same image goes through on the next try.

#include <gtest/gtest.h>

#include "tests/reliability.h"

namespace zorv::test {
namespace {

using namespace reliability;

constexpr uint32_t kLoaderGivesUpMs = sim::Controller::kLoaderIdleMs;

// How a row ends: the image went through, "Data error", the port is gone, or the link mode it waits in.
constexpr int kUpgraded = 0, kFailed = -1, kGone = -2;

struct Target {
  const char* name;
  const char* after;  // the command heard before the target answer's own
  size_t length;
};
const Target kTargets[] = {
    {"kind reply", "", 12},         {"RADY", "?W\r", 6},          {"start reply", "UPTKVR\r", 64},
    {"data reply", "PKT A0 seq=1", 64}, {"sum reply", "PKT A5 seq=3", 64}, {"finish reply", "PKT C8 seq=4", 64},
};

struct Row {
  Fault fault;
  int ends[std::size(kTargets)];
  size_t split = 0;  // the boundary of a split: only answers longer than it are cut
};

Fault wrongSequence() {
  return {"wrong sequence", [](sim::Controller& c, size_t) { c.faults.wrongSequence = true; }};
}
Fault wrongSum() {
  return {"wrong sum", [](sim::Controller& c, size_t) { c.faults.wrongSum = true; }};
}

std::vector<Row> rows() {
  std::vector<Row> v;
  for (size_t k = 1; k < 64; ++k) {
    // The kind reply is judged by each event on its own: only a piece that ends with the whole
    // tag and the four characters after it names the kind. A line end of "RADY" that comes late
    // is not taken for the start of the loader's reply.
    const int kind = k <= 4 ? kUpgraded : 30;
    v.push_back({splitAt(k), {kind, kUpgraded, kUpgraded, kUpgraded, kUpgraded, kUpgraded}, k});
  }
  const Row more[] = {
      {bytewise(), {30, kUpgraded, kUpgraded, kUpgraded, kUpgraded, kUpgraded}},
      {drop(), {30, 2, 3, 3, 5, 6}},
      // The packet kind echoed in byte 0 is not read.
      {corrupt(0), {kUpgraded, 2, kUpgraded, kUpgraded, kUpgraded, kUpgraded}},
      // The tag; the sequence number.
      {corrupt(4), {30, kUpgraded, kFailed, kFailed, kFailed, kFailed}},
      // The running sum is checked on the sum packet's reply only.
      {corrupt(8), {kUpgraded, kUpgraded, kUpgraded, kUpgraded, kFailed, kUpgraded}},
      // Armed before the loader answers, these two wait for its first reply.
      {wrongSequence(), {kFailed, kFailed, kFailed, kFailed, kFailed, kFailed}},
      {wrongSum(), {kUpgraded, kUpgraded, kUpgraded, kUpgraded, kFailed, kUpgraded}},
      // A reply longer than 64 bytes does not fit the reply area.
      {extra("\r\n"), {30, kUpgraded, kFailed, kFailed, kFailed, kFailed}},
      {extra("\r\n", true), {kUpgraded, kUpgraded, kUpgraded, kUpgraded, kUpgraded, kUpgraded}},
      {extra("xyz", true), {kUpgraded, kFailed, kFailed, kFailed, kFailed, kUpgraded}},
      // Restarted before the target's command: out of its loader, it takes no packet.
      {restarted(), {kUpgraded, kUpgraded, 3, 3, 5, 6}},
      {vanishAfter(3), {kGone, kGone, kGone, kGone, kGone, kGone}},
  };
  v.insert(v.end(), std::begin(more), std::end(more));
  return v;
}

TEST(ReliabilityFirmware, FaultOnOneAnswerOfTheUpgrade) {
  for (const Row& row : rows()) {
    for (size_t t = 0; t < std::size(kTargets); ++t) {
      const Target& target = kTargets[t];
      if (row.split >= target.length) continue;
      SCOPED_TRACE(std::string(target.name) + ", " + row.fault.name);
      Harness h;
      chooseImage(h);
      if (!*target.after) row.fault.arm(h.ctrl, target.length);
      pressUpgrade(h);
      ASSERT_TRUE(untilHeard(h, target.after));
      if (*target.after) row.fault.arm(h.ctrl, target.length);
      h.pump();

      const int ends = row.ends[t];
      if (ends == kUpgraded) {
        expectUpgraded(h);
        continue;
      }
      if (ends == kGone) {
        expectLost(h);
        // Gone once the upgrade command was out: the box says the firmware may be incomplete.
        EXPECT_EQ(h.prompts.shown.size(), t == 0 ? 0u : 1u);
        plugInAndPickPort(h);
      } else {
        if (ends == kFailed) {
          ASSERT_EQ(h.prompts.shown.size(), 1u);
          EXPECT_EQ(h.prompts.shown[0].text, dataErrorUnfinished());
          EXPECT_EQ(h.core.st.LinkMode, LinkMode::Rest);
          EXPECT_EQ(h.win.text(ids::kPortStatus), "COM Opened");
        } else {
          EXPECT_TRUE(h.prompts.shown.empty());
          EXPECT_EQ(h.core.st.LinkMode, static_cast<LinkMode>(ends));
          EXPECT_FALSE(h.win.isEnabled(1038));  // still locked: no time-out
        }
        EXPECT_FALSE(h.win.isEnabled(ids::kDisplayButton));
        h.port.advance(kLoaderGivesUpMs);  // a controller left in its loader starts its application again
        pickPortAgain(h);
      }
      // The next connection gives back what the upgrade locked, and the same image goes through.
      EXPECT_FALSE(h.win.progressVisible());
      expectConnected(h);
      expectUnlockedAfterUpgrade(h);
      h.prompts.shown.clear();
      pressUpgrade(h);
      h.pump();
      expectUpgraded(h);
    }
  }
}

}  // namespace
}  // namespace zorv::test
