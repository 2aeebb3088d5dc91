// Snapshots of the controller's settings: written after each completed read-back and right before
// a default set, a saved file or an upgrade, byte for byte what the save button writes; the
// folder's names, pruning and what a folder that cannot be written does.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/control_ids.h"
#include "core/param_catalogue.h"
#include "files/file_store.h"
#include "files/param_file_format.h"
#include "files/snapshot_keeper.h"
#include "tests/support/harness.h"
#include "tests/support/pilot.h"
#include "tests/reliability.h"
#include "tests/support/read_file.h"
#include "tests/support/test_names.h"

namespace zorv::test {
namespace {

namespace fs = std::filesystem;

void spit(const fs::path& p, const std::string& bytes) {
  std::ofstream f(p, std::ios::binary);
  f << bytes;
}

// A window in memory that keeps snapshots in its scratch folder's "snap".
struct Snapshotting {
  Harness h{false};
  SnapshotKeeper keeper{h.core};
  std::vector<std::string> told;
  Snapshotting() {
    keeper.setFolder(h.path("snap"));
    keeper.tell = [this](const std::string& text) { told.push_back(text); };
    h.connect();
  }
  std::vector<SnapshotEntry> list() const { return listSnapshots(h.path("snap")); }
};

TEST(FilesSnapshots, AfterAReadBackTheSnapshotIsTheWindowsOwnSave) {
  Snapshotting s;
  std::vector<SnapshotEntry> all = s.list();
  ASSERT_EQ(all.size(), 1u);
  EXPECT_EQ(all[0].name.reason, SnapshotReason::Connected);
  EXPECT_EQ(all[0].name.kind, "TKVR");
  s.h.prompts.files.push_back(s.h.path("saved.txt"));
  s.h.win.userPress(ids::kSaveButton);
  EXPECT_EQ(readFile(all[0].path), readFile(s.h.path("saved.txt")));
  EXPECT_EQ(readSnapshot(all[0].path).values, s.h.core.st.ParamValues);

  // The same settings read again: no new snapshot. Other settings: one.
  s.h.win.userSelect(ids::kPortList, s.h.win.comboIndex(ids::kPortList));
  s.h.pump();
  EXPECT_EQ(s.list().size(), 1u);
  s.h.ctrl.setValue('C', 40);
  s.h.win.userSelect(ids::kPortList, s.h.win.comboIndex(ids::kPortList));
  s.h.pump();
  all = s.list();
  ASSERT_EQ(all.size(), 2u);
  EXPECT_EQ(readFile(all[0].path), writeParamFile(3, s.h.core.st.ParamValues));
  EXPECT_TRUE(s.told.empty());
}

struct ReplaceRow {
  const char* name;
  int loadItem;  // 0: the first default set; 4: a saved file
  SnapshotReason before, after;
};
void PrintTo(const ReplaceRow& r, std::ostream* os) { *os << r.name; }

class FilesSnapshotsBefore : public ::testing::TestWithParam<ReplaceRow> {};

// What the controller holds right before: the read-back plus what was sent since, even when no
// setting differs from the newest snapshot.
TEST_P(FilesSnapshotsBefore, HoldsTheReadBackWithTheSettingsSentSince) {
  const ReplaceRow& row = GetParam();
  Snapshotting s;
  s.h.prompts.files.push_back(s.h.path("file.txt"));
  s.h.win.userPress(ids::kSaveButton);
  const SliderParam& p = sliderParams()[0];
  s.h.win.userSetSlider(p.slider, s.h.win.sliderPos(p.slider) + 1);
  const Settings held = s.h.core.st.ParamValues;
  ASSERT_NE(held, readSnapshot(s.list()[0].path).values);

  s.h.prompts.files.push_back(s.h.path("file.txt"));
  s.h.win.userSelect(ids::kLoadList, row.loadItem);
  s.h.pump();
  const std::vector<SnapshotEntry> all = s.list();
  ASSERT_GE(all.size(), 2u);
  const auto before = std::find_if(all.begin(), all.end(), [&](const SnapshotEntry& e) { return e.name.reason == row.before; });
  ASSERT_NE(before, all.end());
  EXPECT_EQ(readSnapshot(before->path).values, held);
  EXPECT_EQ(readFile(before->path), writeParamFile(3, held));
  if (readSnapshot(all[0].path).values != held) {
    EXPECT_EQ(all[0].name.reason, row.after);
  }
}

INSTANTIATE_TEST_SUITE_P(Rows, FilesSnapshotsBefore,
                         ::testing::Values(ReplaceRow{"DefaultSet", 0, SnapshotReason::BeforeDefaultSet,
                                                      SnapshotReason::AfterDefaultSet},
                                           ReplaceRow{"SavedFile", 4, SnapshotReason::BeforeLoad,
                                                      SnapshotReason::AfterLoad}),
                         RowName());

TEST(FilesSnapshots, OnceThePortChangedNothingIsWrittenBeforeUntilTheNextReadBack) {
  Snapshotting s;
  const std::string first = s.keeper.lastWritten();
  ASSERT_FALSE(first.empty());
  s.keeper.linkChanged();
  s.keeper.replacing(ExchangeKind::DefaultSet);
  EXPECT_EQ(s.keeper.lastWritten(), first);
  EXPECT_EQ(s.list().size(), 1u);
}

// The upgrade brings the controller's defaults back; the pilot's next port pick reads them, and
// the one question sends the tune back on Yes, nothing on No.
TEST(FilesSnapshots, AfterAnUpgradeThatResetTheSettingsOneQuestionSendsTheTuneBack) {
  for (const bool yes : {true, false}) {
    SCOPED_TRACE(yes ? "Yes" : "No");
    Snapshotting s;
    Harness& h = s.h;
    s.keeper.offerRestoreAfterUpgrade = true;
    h.ctrl.defaultsAfterUpgrade = true;
    for (const auto& [letter, value] : {std::pair<char, int>{'C', 40}, {'D', 12}, {'E', 33}}) h.ctrl.setValue(letter, value);
    h.win.userSelect(ids::kPortList, h.win.comboIndex(ids::kPortList));
    h.pump();
    const Settings tune = h.core.st.ParamValues;
    chooseImage(h, std::string(300, 'x'));
    reliability::pressUpgrade(h);
    h.pump();
    ASSERT_EQ(h.ends.back().exchange, ExchangeKind::Upgrade);
    ASSERT_EQ(h.ends.back().outcome, Outcome::Done);
    h.prompts.shown.clear();
    h.prompts.agree = yes;
    h.sent();
    h.win.userSelect(ids::kPortList, h.win.comboIndex(ids::kPortList));
    h.pump();
    ASSERT_FALSE(h.prompts.shown.empty());
    EXPECT_EQ(h.prompts.shown[0].text.rfind("The upgrade changed ", 0), 0u) << h.prompts.shown[0].text;
    EXPECT_NE(h.prompts.shown[0].text.find(" → "), std::string::npos);
    EXPECT_EQ(h.prompts.shown[0].buttons, Prompts::Buttons::YesNo);
    EXPECT_EQ(sentDifferences(compareSettings(tune, h.core.st.ParamValues)).empty(), yes);
    EXPECT_EQ(h.sent().find("Sj0004") != std::string::npos, yes);
    // Asked once: the next read-back does not ask again.
    h.prompts.shown.clear();
    h.win.userSelect(ids::kPortList, h.win.comboIndex(ids::kPortList));
    h.pump();
    EXPECT_TRUE(h.prompts.shown.empty()) << (h.prompts.shown.empty() ? "" : h.prompts.shown[0].text);
  }
}

TEST(FilesSnapshots, NoFolderNoSnapshot) {
  Harness h(false);
  SnapshotKeeper keeper(h.core);  // the demo: no folder
  h.connect();
  h.win.userSelect(ids::kLoadList, 0);
  h.pump();
  EXPECT_EQ(keeper.lastWritten(), "");
}

TEST(FilesSnapshots, AFolderThatCannotBeWrittenIsToldOnceAndTheWorkGoesOn) {
  Harness h(false);
  spit(h.path("plain"), "a file where the folder should be");
  SnapshotKeeper keeper(h.core);
  keeper.setFolder(h.path("plain") + "/snap");
  h.connect();
  h.win.userSelect(ids::kLoadList, 0);
  h.pump();
  int told = 0;
  for (const ScriptedPrompts::Shown& m : h.prompts.shown)
    if (m.text.find("could not be kept as a snapshot") != std::string::npos) ++told;
  EXPECT_EQ(told, 1);
  int readBacks = 0;
  for (const ExchangeResult& e : h.ends)
    if (e.exchange == ExchangeKind::ReadBack && e.outcome == Outcome::Done) ++readBacks;
  EXPECT_EQ(readBacks, 2);
  EXPECT_EQ(h.ends.back().exchange, ExchangeKind::ReadBack);
}

TEST(FilesSnapshotFolder, TwoWritersOfTheSameMomentGetTwoNamesAndNothingHalfWritten) {
  Harness h(false);
  SnapshotName n;
  n.kind = "TKVR";
  const WrittenSnapshot a = writeSnapshot(h.path("snap"), n, "first");
  const WrittenSnapshot b = writeSnapshot(h.path("snap"), n, "second");
  ASSERT_TRUE(a.error.empty() && b.error.empty());
  EXPECT_NE(a.path, b.path);
  EXPECT_EQ(readFile(a.path), "first");
  EXPECT_EQ(readFile(b.path), "second");
  EXPECT_EQ(fs::path(b.path).filename().string(), "2000-01-01_00-00-00.000-2_TKVR_connected.txt");
  EXPECT_EQ(writeNewFile(a.path, "third").result, NewFile::Exists);
  EXPECT_EQ(readFile(a.path), "first");
  size_t files = 0;
  for (const auto& e : fs::directory_iterator(h.path("snap"))) files += e.is_regular_file() ? 1 : 0;
  EXPECT_EQ(files, 2u);  // no temporary file left behind
}

TEST(FilesSnapshotFolder, PruningKeepsTheNewestAndOnlyTouchesTheToolsOwnNames) {
  Harness h(false);
  const fs::path dir = h.path("snap");
  fs::create_directories(dir);
  for (int i = 0; i < 205; ++i) {
    SnapshotName n;
    n.kind = "TKVR";
    n.minute = i / 60;
    n.second = i % 60;
    spit(dir / snapshotFileName(n), "x");
  }
  const char* foreign[] = {"notes.txt", "2000-01-01_00-00-00_TKVR_connected.txt.bak",
                           "2000-01-01_00-00-00_tkvr_connected.txt", "2000-13-01_00-00-00_TKVR_connected.txt"};
  for (const char* f : foreign) spit(dir / f, "mine");
  pruneSnapshots(dir.string());
  const std::vector<SnapshotEntry> all = listSnapshots(dir.string());
  ASSERT_EQ(all.size(), kSnapshotsKept);
  EXPECT_EQ(all.back().name.minute * 60 + all.back().name.second, 5);
  for (const char* f : foreign) EXPECT_TRUE(fs::exists(dir / f)) << f;
  // The names without milliseconds are the tool's own as well, and sort among the others.
  EXPECT_TRUE(parseSnapshotName("2026-12-09_14-03-07_TKVR_connected.txt").has_value());
  EXPECT_FALSE(parseSnapshotName("2026-12-09_14-03-07-01_TKVR_connected.txt").has_value());
}

TEST(FilesSnapshotFolder, AHandEditedSnapshotSaysWhyAndIsNeverSent) {
  Snapshotting s;
  const std::string path = s.list()[0].path;
  std::string bytes = readFile(path);
  bytes.replace(0, 7, "Garbage");
  fs::remove(path);
  spit(path, bytes);
  const SnapshotContent c = readSnapshot(path);
  EXPECT_FALSE(c.ok);
  EXPECT_FALSE(c.refusal.empty());
  s.h.sent();
  EXPECT_FALSE(s.keeper.offerToSend(path));
  EXPECT_EQ(s.h.sent(), "");
}

}  // namespace
}  // namespace zorv::test
