// Sending a saved file back under faults on the controller's answers. Each answer lets the next
// setting go; one that is lost or unreadable stops the chain where it is (no time-out, no
// message), and choosing the file again sends it whole. The file itself is never touched.

#include <gtest/gtest.h>

#include <iterator>

#include "files/load_chain.h"
#include "tests/reliability.h"
#include "tests/support/read_file.h"

namespace zorv::test {
namespace {

using namespace reliability;

// A window whose controller holds the power-on values, saved to "p.txt"; then default set 3 is
// chosen, so that everything the file carries differs from what the controller holds.
struct SavedFile {
  Harness h;
  std::map<char, int> saved;  // letter: value the file carries
  std::string bytes;
  SavedFile() {
    for (char letter : kLoadChain)
      if (letter != 'j') saved[letter] = h.ctrl.value(letter);
    saveFile(h);
    bytes = readFile(h.path("p.txt"));
    h.prompts.shown.clear();
    h.win.userSelect(ids::kLoadList, 3);
    h.pump();
    h.sent();
  }
  void load() { chooseFileItem(h); }
  int fromFile() const {
    int n = 0;
    for (const auto& [letter, value] : saved) n += h.ctrl.value(letter) == value;
    return n;
  }
  bool allFromFile() const { return fromFile() == static_cast<int>(saved.size()); }
};

TEST(ReliabilityFiles, FaultOnOneAnswerOfTheChain) {
  struct Target {
    const char* name;
    const char* after;
  };
  const Target targets[] = {
      {"announcement echo", ""}, {"first setting echo", "Sj0004"}, {"flight-mode row echo", "SL"}, {"last echo", "SN"}};
  enum class Ends { Loaded, Stopped, Skipped, ReadBackStopped, Lost };
  struct Row {
    Fault fault;
    Ends ends[4];
  };
  std::vector<Row> rows;
  // More than six bytes let the next setting go; a line end that comes after is dropped.
  for (const Fault& f : everySplit(8)) rows.push_back({f, {Ends::Loaded, Ends::Loaded, Ends::Loaded, Ends::Loaded}});
  const Row more[] = {
      {drop(), {Ends::Stopped, Ends::Stopped, Ends::Stopped, Ends::Stopped}},
      {corrupt(0), {Ends::Stopped, Ends::Stopped, Ends::Stopped, Ends::Stopped}},  // "s": no answer of the chain
      // The letter in another case names another step: the chain goes on from there, forwards
      // (the settings in between are missed; the read-back at its end shows what the controller
      // holds) or back (some settings go twice).
      {corrupt(1), {Ends::Skipped, Ends::Skipped, Ends::Loaded, Ends::Stopped}},
      {corrupt(3), {Ends::Loaded, Ends::Loaded, Ends::Loaded, Ends::Loaded}},
      {extra("\r\n"), {Ends::Loaded, Ends::Loaded, Ends::Loaded, Ends::Loaded}},
      {extra("\r\n", true), {Ends::Loaded, Ends::Loaded, Ends::Loaded, Ends::Loaded}},
      // Noise counted into the next answer takes that answer's place: the chain stops. After the
      // last answer it stands in front of the read-back's first reply.
      {extra("zz", true), {Ends::Stopped, Ends::Stopped, Ends::Stopped, Ends::ReadBackStopped}},
      {restarted(), {Ends::Loaded, Ends::Loaded, Ends::Loaded, Ends::Loaded}},
      {vanishAfter(3), {Ends::Lost, Ends::Lost, Ends::Lost, Ends::Lost}},
  };
  rows.insert(rows.end(), std::begin(more), std::end(more));

  for (const Row& row : rows) {
    for (size_t t = 0; t < std::size(targets); ++t) {
      SCOPED_TRACE(std::string(targets[t].name) + ", " + row.fault.name);
      SavedFile f;
      Harness& h = f.h;
      if (!*targets[t].after) row.fault.arm(h.ctrl, 8);
      f.load();
      ASSERT_TRUE(untilHeard(h, targets[t].after));
      if (*targets[t].after) row.fault.arm(h.ctrl, 8);
      h.pump();
      switch (row.ends[t]) {
        case Ends::Loaded:
          break;
        case Ends::Stopped:
          EXPECT_EQ(h.core.st.LinkMode, LinkMode::FileChain);
          EXPECT_EQ(h.pump(), 0);  // waits: nothing more goes out
          EXPECT_EQ(h.sent().find("?C\r"), std::string::npos);
          EXPECT_FALSE(f.allFromFile() && t + 1 < std::size(targets));
          f.load();
          h.pump();
          break;
        case Ends::Skipped:
          EXPECT_EQ(h.core.st.LinkMode, LinkMode::Rest);
          expectConnected(h);
          EXPECT_FALSE(f.allFromFile());
          f.load();
          h.pump();
          break;
        case Ends::ReadBackStopped:
          EXPECT_TRUE(f.allFromFile());
          EXPECT_NE(h.core.st.ParamValues[3], h.ctrl.value('C'));  // the window shows the set from before
          pickPortAgain(h);
          break;
        case Ends::Lost:
          expectLost(h);
          plugInAndPickPort(h);
          expectConnected(h);
          f.load();
          h.pump();
          break;
      }
      EXPECT_TRUE(f.allFromFile()) << f.fromFile() << " of " << f.saved.size();
      EXPECT_EQ(h.core.st.LinkMode, LinkMode::Rest);
      expectConnected(h);  // the chain ended with a read-back
      EXPECT_EQ(readFile(h.path("p.txt")), f.bytes);
      EXPECT_TRUE(h.prompts.shown.empty());
    }
  }
}

}  // namespace
}  // namespace zorv::test
