// The monitor record reader on its own: fields, tags, and how gathered text is cut into records.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "monitor/record.h"

namespace zorv {
namespace {

// A record as the controller sends it: tag, the eight 4-character fields as given, CR LF.
std::string record(const std::string& tag, const std::vector<std::string>& fields, const std::string& closing = "\r\n") {
  std::string s = tag;
  for (const std::string& f : fields) s += f;
  return s + closing;
}

const std::vector<std::string> kPlain = {"1000", "1100", "1200", "1300", "1400", "1500", "1600", "1700"};

struct ParseCase {
  const char* name;
  std::string text;
  bool ok;
  RecordKind kind;
  std::array<int, 8> fields;
};

TEST(MonitorRecord, ParsesTagAndEveryField) {
  const std::vector<ParseCase> cases = {
      {"whole record", record("CHDA", kPlain), true, RecordKind::Channels,
       {1000, 1100, 1200, 1300, 1400, 1500, 1600, 1700}},
      {"without closing characters", record("MSDA", kPlain, ""), true, RecordKind::Motors,
       {1000, 1100, 1200, 1300, 1400, 1500, 1600, 1700}},
      {"blank-padded and signed", record("SSDA", {" 359", "  12", "-012", "   0", "+7  ", "  -1", "9999", "0001"}),
       true, RecordKind::Sensors, {359, 12, -12, 0, 7, -1, 9999, 1}},
      {"digits up to a letter", record("CHDA", {" 12x", "1a23", "x123", "12 3", "----", "    ", "- 5 ", "+-1 "}), true,
       RecordKind::Channels, {12, 1, 0, 12, 0, 0, 0, 0}},
      {"unknown tag", record("CHDB", kPlain), false, RecordKind::Channels, {}},
      {"tag in lower case", record("chda", kPlain), false, RecordKind::Channels, {}},
      {"one field character short", record("CHDA", kPlain, "").substr(0, 35), false, RecordKind::Channels, {}},
  };
  for (const ParseCase& c : cases) {
    SCOPED_TRACE(c.name);
    MonitorRecord r{};
    ASSERT_EQ(parseRecord(c.text, &r), c.ok);
    if (!c.ok) continue;
    EXPECT_EQ(r.kind, c.kind);
    EXPECT_EQ(r.fields, c.fields);
  }
}

struct GatherCase {
  const char* name;
  std::string text;
  std::vector<RecordKind> kinds;  // records found, oldest first
  std::vector<int> firstFields;   // field 1 of each
  std::string kept;               // what is left to begin the next gathering
};

TEST(MonitorRecord, GatheredTextIsCutIntoRecords) {
  const std::string ch = record("CHDA", kPlain);
  const std::string ms = record("MSDA", {"1234", "1100", "1200", "1300", "1400", "1500", "1600", "1700"});
  const std::string ss = record("SSDA", {" 180", " 300", "  45", "1620", "   9", "  31", "   0", "   0"});
  const std::vector<GatherCase> cases = {
      {"one whole record", ch, {RecordKind::Channels}, {1000}, ""},
      {"36 characters; the closing ones start the next gathering", ch.substr(0, 36), {RecordKind::Channels}, {1000}, ""},
      {"37 characters", ch.substr(0, 37), {RecordKind::Channels}, {1000}, ""},
      {"after an earlier record's closing characters", "\r\n" + ms, {RecordKind::Motors}, {1234}, ""},
      {"closing characters alone", "\r\n", {}, {}, ""},
      {"a record and the start of the next", ch + ms.substr(0, 20), {RecordKind::Channels}, {1000}, ms.substr(0, 20)},
      {"the next tag half arrived", ch + "MS", {RecordKind::Channels}, {1000}, "MS"},
      {"a burst in arrival order", ch + ms + ss + ch, {RecordKind::Channels, RecordKind::Motors, RecordKind::Sensors,
       RecordKind::Channels}, {1000, 1234, 180, 1000}, ""},
      {"records without closing characters", ch.substr(0, 36) + ms.substr(0, 36),
       {RecordKind::Channels, RecordKind::Motors}, {1000, 1234}, ""},
      {"a record cut short by lost bytes is passed over", ch.substr(0, 20) + ms, {RecordKind::Motors}, {1234}, ""},
      {"noise before a record", "xyz\r\n?N\r 0005" + ss, {RecordKind::Sensors}, {180}, ""},
      {"noise only keeps nothing", std::string(500, '7'), {}, {}, ""},
      {"noise that ends like a tag keeps that", std::string(500, '7') + "SSD", {}, {}, "SSD"},
      {"an unknown tag is noise", record("XXDA", kPlain) + "CH", {}, {}, "CH"},
  };
  for (const GatherCase& c : cases) {
    SCOPED_TRACE(c.name);
    const GatheredRecords g = gatherRecords(c.text);
    std::vector<RecordKind> kinds;
    std::vector<int> firsts;
    for (const MonitorRecord& r : g.records) {
      kinds.push_back(r.kind);
      firsts.push_back(r.fields[0]);
    }
    EXPECT_EQ(kinds, c.kinds);
    EXPECT_EQ(firsts, c.firstFields);
    ASSERT_LE(g.keepFrom, c.text.size());
    EXPECT_EQ(c.text.substr(g.keepFrom), c.kept);
  }
}

}  // namespace
}  // namespace zorv
