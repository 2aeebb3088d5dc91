// The simulated controller's "sticks that move": what the demo and the live window show.

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "sim/controller.h"
#include "sim/monitor_records.h"

namespace zorv::sim {
namespace {

std::vector<int> fields(const std::string& rec) {
  std::vector<int> v;
  for (size_t f = 0; f < 8; ++f) v.push_back(std::stoi(rec.substr(4 + 4 * f, 4)));
  return v;
}

struct Sweep {
  int lo = 10000, hi = -10000;
  std::set<int> seen;
};

// Every value each channel field takes over `ms` of records.
std::vector<Sweep> sweep(bool moving, uint32_t ms) {
  std::vector<Sweep> s(8);
  for (uint32_t t = 0; t < ms; t += 20) {
    const std::string rec = monitorRecord(0, t, moving);
    EXPECT_EQ(rec.size(), kMonitorRecordSize) << t;
    const std::vector<int> f = fields(rec);
    for (size_t i = 0; i < 8; ++i) {
      s[i].lo = std::min(s[i].lo, f[i]);
      s[i].hi = std::max(s[i].hi, f[i]);
      s[i].seen.insert(f[i]);
    }
  }
  return s;
}

struct StickCase {
  const char* name;
  bool moving;
  size_t field;
  bool toTheEnds;  // reaches lo and hi (or beyond); otherwise stays within them
  int lo, hi;
  size_t atLeast;  // distinct values seen
};

TEST(SimMovingSticks, SticksReachTheirEndsOnlyWhenAsked) {
  const std::vector<StickCase> cases = {
      {"bench aileron", false, 0, false, 1300, 1700, 40},
      {"bench throttle", false, 2, false, 1100, 1900, 40},
      {"moving aileron", true, 0, true, 1000, 2000, 60},
      {"moving elevator", true, 1, true, 1000, 2000, 60},
      {"moving throttle", true, 2, true, 990, 2010, 150},
      {"moving rudder", true, 3, true, 990, 2010, 150},
      {"moving three-position switch", true, 4, true, 1000, 2000, 3},
      {"moving two-position switch", true, 6, true, 1000, 2000, 2},
      {"moving knob", true, 7, true, 1000, 2000, 100},
  };
  const std::vector<Sweep> bench = sweep(false, 12000), moving = sweep(true, 12000);
  for (const StickCase& c : cases) {
    const Sweep& s = (c.moving ? moving : bench)[c.field];
    if (c.toTheEnds) {
      EXPECT_LE(s.lo, c.lo) << c.name;
      EXPECT_GE(s.hi, c.hi) << c.name;
    } else {
      EXPECT_GE(s.lo, c.lo) << c.name;
      EXPECT_LE(s.hi, c.hi) << c.name;
    }
    EXPECT_GE(s.seen.size(), c.atLeast) << c.name;
    EXPECT_GE(s.lo, 988) << c.name << ": no further than a radio sends";
    EXPECT_LE(s.hi, 2012) << c.name;
  }
  EXPECT_EQ(moving[4].seen, (std::set<int>{1000, 1500, 2000}));
}

TEST(SimMovingSticks, ControllerStreamsWithTheOptionAndMotorsStayInRange) {
  Controller c;
  c.movingSticks = true;
  c.receive("S~0001\r");
  c.takeOutput();
  c.advance(3000);
  int lowest = 10000, highest = -10000, records = 0;
  for (const auto& out : c.takeOutput()) {
    const std::string rec(out.begin(), out.end());
    ASSERT_EQ(rec.size(), kMonitorRecordSize);
    if (rec.compare(0, 4, "MSDA") != 0) continue;
    ++records;
    for (int v : fields(rec)) lowest = std::min(lowest, v), highest = std::max(highest, v);
  }
  EXPECT_EQ(records, 50);
  EXPECT_EQ(lowest, 1000);
  EXPECT_EQ(highest, 2000);
}

}  // namespace
}  // namespace zorv::sim
