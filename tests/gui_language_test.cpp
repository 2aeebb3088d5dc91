// The window in the pilot's language: chosen in the background menu, it relabels every text at
// once and touches nothing else (no byte sent, every value and selection kept, Original given
// back byte for byte); each translation fits its control with the fonts installed.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <algorithm>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QStyleOptionComboBox>
#include <QTextLayout>
#include <string>
#include <vector>

#include "core/control_ids.h"
#include "core/control_layout.h"
#include "gui/background_menu.h"
#include "gui/command_line.h"
#include "gui/language.h"
#include "gui/live_window.h"
#include "tests/support/qt_window_rig.h"
#include "tests/support/read_file.h"
#include "tests/support/scoped_env.h"
#include "tests/support/test_names.h"

namespace zorv::test {
namespace {

// Picks a language the way a pilot does: the background menu, "Language", the entry.
void choose(CZorvDlg& dlg, const char* key) {
  BackgroundMenu& menu = dlg.backgroundMenu();
  ASSERT_TRUE(menu.popup(dlg.mapToGlobal(QPoint(3, 3))));
  QMenu* open = menu.openMenu();
  auto* entry = open->findChild<QAction*>(QString("language-") + key);
  ASSERT_NE(entry, nullptr) << key;
  entry->trigger();
  open->close();
}

// Every text the window and its live data window show or name, in widget order.
std::vector<std::string> everyText(const QWidget& root) {
  std::vector<std::string> out{"title " + root.windowTitle().toStdString()};
  for (const QWidget* w : root.findChildren<QWidget*>()) {
    if (qobject_cast<const QMenu*>(w) || qobject_cast<const QMenu*>(w->parentWidget())) continue;  // closed menus
    std::string t = w->objectName().toStdString() + " " + w->accessibleName().toStdString() + " tip:" +
                    w->toolTip().toStdString() + " ";
    if (auto* b = qobject_cast<const QAbstractButton*>(w)) t += b->text().toStdString();
    if (auto* l = qobject_cast<const QLabel*>(w)) t += l->text().toStdString();
    if (auto* e = qobject_cast<const QLineEdit*>(w)) t += e->text().toStdString();
    if (auto* g = qobject_cast<const QGroupBox*>(w)) t += g->title().toStdString();
    if (auto* p = qobject_cast<const QProgressBar*>(w)) t += p->format().toStdString();
    if (auto* c = qobject_cast<const QComboBox*>(w))
      for (int i = 0; i < c->count(); ++i) t += "|" + c->itemText(i).toStdString();
    out.push_back(t);
  }
  return out;
}

// What the handlers see and the controller gets: every control's value, as the window reports it.
std::vector<std::string> everyValue(CZorvDlg& dlg) {
  std::vector<std::string> out;
  for (const ControlRow& c : controls()) {
    if (c.id == 0) continue;
    out.push_back(std::to_string(c.id) + " " + dlg.text(c.id) + " " + std::to_string(dlg.sliderPos(c.id)) + " " +
                  std::to_string(dlg.checkState(c.id)) + " " + std::to_string(dlg.comboIndex(c.id)));
  }
  return out;
}

// The entries of `now` that differ from `was` (both listed in the same widget order).
std::vector<std::string> changed(const std::vector<std::string>& was, const std::vector<std::string>& now) {
  std::vector<std::string> out;
  for (size_t i = 0; i < std::max(was.size(), now.size()); ++i) {
    const std::string a = i < was.size() ? was[i] : "(none)", b = i < now.size() ? now[i] : "(none)";
    if (a != b) out.push_back(a + "  =>  " + b);
  }
  return out;
}

struct LanguageScope {
  LanguageScope(const std::filesystem::path& dir) : config("XDG_CONFIG_HOME", dir.string()) {}
  ~LanguageScope() { setLanguage(Language::Original); }
  ScopedEnv config;
};

TEST(Language, SwitchingRelabelsAtOnceSendsNothingKeepsValuesAndGivesOriginalBackByteForByte) {
  WindowRig rig;
  LanguageScope scope(rig.dir);
  rig.showConnected();
  rig.dlg->toggleLiveWindow();
  rig.dlg->setComboIndex(ids::kLoadList, -1);  // nothing chosen: stays so
  rig.dlg->setComboIndex(ids::kEscRateList, 2);
  const std::vector<std::string> original = everyText(*rig.dlg);
  const std::vector<std::string> originalLive = everyText(*rig.dlg->liveWindow());
  const std::vector<std::string> values = everyValue(*rig.dlg);
  EXPECT_EQ(rig.dlg->text(ids::kUpgradeButton), "Обновить");

  for (const char* key : {"en", "ru", "zh"}) {
    choose(*rig.dlg, key);
    EXPECT_NE(everyText(*rig.dlg), original) << key;
    EXPECT_NE(everyText(*rig.dlg->liveWindow()), originalLive) << key;
    EXPECT_EQ(everyValue(*rig.dlg), values) << key;
    EXPECT_NE(readFile(rig.dir / "zorv" / "zorv.ini").find(std::string("language=") + key), std::string::npos);
  }
  EXPECT_EQ(qobject_cast<QAbstractButton*>(rig.dlg->control(ids::kUpgradeButton))->text().toStdString(), "升级");
  EXPECT_EQ(rig.dlg->text(ids::kUpgradeButton), "Обновить");  // the handlers' words stay
  choose(*rig.dlg, "original");
  rig.port.deliverAll();
  EXPECT_EQ(changed(original, everyText(*rig.dlg)), std::vector<std::string>{});
  EXPECT_EQ(changed(originalLive, everyText(*rig.dlg->liveWindow())), std::vector<std::string>{});
  EXPECT_EQ(everyValue(*rig.dlg), values);
  EXPECT_EQ(rig.port.written(), "");
}

TEST(Language, MessagesAndStatusTextsShowInTheLanguageTheHandlersKeepTheirOwnWords) {
  WindowRig rig;
  LanguageScope scope(rig.dir);
  rig.showConnected();
  choose(*rig.dlg, "ru");
  auto* status = rig.get<QLineEdit>(ids::kPortStatus);
  EXPECT_EQ(status->text().toStdString(), "Порт открыт");
  EXPECT_EQ(rig.dlg->text(ids::kPortStatus), "COM opened");
  EXPECT_EQ(rig.dlg->core().st.bound.text(ids::kPortStatus), "COM opened");
  choose(*rig.dlg, "en");
  // A composed message: its template and its parts (a caption among them) in the language.
  EXPECT_EQ(shown(ZORV_TEXT("Messages", "\"%1\" takes %2 to %3. The box held %4, so %5 was sent to the controller.")
                      .arg(Marked{"Window", "Монитор LIPO"})
                      .arg(280)
                      .arg(370)
                      .arg(400)
                      .arg(370))
                .toStdString(),
            "\"LiPo alarm\" takes 280 to 370. The box held 400, so 370 was sent to the controller.");
  setLanguage(Language::Original);
  EXPECT_EQ(shown(ZORV_TEXT("Messages", "Finished%1%").arg(100)).toStdString(), "Finished100%");
}

TEST(Language, CommandLineTakesTheFourKeysOnly) {
  for (const char* key : {"original", "en", "ru", "zh"}) {
    const CommandLine c = parseCommandLine({"zorv", "--language", key});
    EXPECT_EQ(c.exitCode, -1) << key;
    EXPECT_EQ(c.options.language, key);
  }
  const CommandLine wrong = parseCommandLine({"zorv", "--language", "de"});
  EXPECT_EQ(wrong.exitCode, kUsageExitCode);
  EXPECT_NE(wrong.err.find("--language takes original, en, ru or zh, not 'de'."), std::string::npos) << wrong.err;
}

// A text drawn with a glyph no installed font has (the box).
bool hasMissingGlyph(const QString& text, const QFont& font) {
  QTextLayout layout(text, font);
  layout.beginLayout();
  layout.createLine();
  layout.endLayout();
  for (const QGlyphRun& run : layout.glyphRuns())
    for (quint32 glyph : run.glyphIndexes())
      if (glyph == 0) return true;
  return false;
}

struct FitCase {
  const char* name;
  const char* key;
};
void PrintTo(const FitCase& c, std::ostream* os) { *os << c.name; }

class LanguageFits : public ::testing::TestWithParam<FitCase> {};

TEST_P(LanguageFits, EveryCaptionListItemAndLabelFitsItsControlWithRealGlyphs) {
  WindowRig rig;
  LanguageScope scope(rig.dir);
  rig.showConnected();
  choose(*rig.dlg, GetParam().key);
  rig.dlg->toggleLiveWindow();
  QApplication::processEvents();
  std::vector<std::string> faults;
  auto check = [&faults](const QWidget* w, const QString& text, int need, int room) {
    if (text.isEmpty()) return;
    const std::string where = w->objectName().toStdString() + " \"" + text.toStdString() + "\"";
    if (need > room) faults.push_back(where + " needs " + std::to_string(need) + " px, has " + std::to_string(room));
    if (hasMissingGlyph(text, w->font())) faults.push_back(where + " has a glyph no font draws");
  };
  for (const QWidget* top : {static_cast<const QWidget*>(rig.dlg.get()), static_cast<const QWidget*>(rig.dlg->liveWindow())}) {
    for (const QWidget* w : top->findChildren<QWidget*>()) {
      if (!w->isVisibleTo(top)) continue;
      if (auto* b = qobject_cast<const QAbstractButton*>(w)) {
        check(w, b->text(), b->sizeHint().width(), b->width());
      } else if (auto* l = qobject_cast<const QLabel*>(w)) {
        check(w, l->text(), l->sizeHint().width(), l->width());
      } else if (auto* g = qobject_cast<const QGroupBox*>(w)) {
        check(w, g->title(), g->fontMetrics().horizontalAdvance(g->title()) + 12, g->width());
      } else if (auto* c = qobject_cast<const QComboBox*>(w)) {
        if (c->objectName() == QString::number(ids::kPortList)) continue;  // device names, the system's
        QStyleOptionComboBox opt;
        opt.initFrom(c);
        const int room = c->style()->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, c).width();
        for (int i = 0; i < c->count(); ++i)
          check(w, c->itemText(i), c->fontMetrics().horizontalAdvance(c->itemText(i)), room);
      }
    }
  }
  // The status box shows each of its words in turn.
  auto* status = rig.get<QLineEdit>(ids::kPortStatus);
  for (const char* s : {"COM opened", "COM Failed", "COM Opened", "串口未打开", "No answer"})
    check(status, shown("Messages", s), status->fontMetrics().horizontalAdvance(shown("Messages", s)),
          status->contentsRect().width() - 8);
  EXPECT_TRUE(faults.empty()) << ::testing::PrintToString(faults);
}

INSTANTIATE_TEST_SUITE_P(Each, LanguageFits,
                         ::testing::Values(FitCase{"Original", "original"}, FitCase{"English", "en"},
                                           FitCase{"Russian", "ru"}, FitCase{"Chinese", "zh"}),
                         RowName());

}  // namespace
}  // namespace zorv::test
