#include "gui/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <cstdio>
#include <memory>

#include "core/user_config.h"

namespace zorv {

namespace {

constexpr LanguageInfo kLanguages[4] = {
    {Language::Original, "original", ZORV_NOOP("Menu", "Original"), nullptr, nullptr},
    {Language::English, "en", "English", "zorv_en", nullptr},
    {Language::Russian, "ru", "Русский", "zorv_ru", "qtbase_ru"},
    {Language::Chinese, "zh", "中文", "zorv_zh_CN", "qtbase_zh_CN"},
};

Language current = Language::Original;
std::unique_ptr<QTranslator> ours;
std::unique_ptr<QTranslator> qts;

// Where a plain text is looked up: the handlers' constant texts, then the window's captions and
// list items (a caption or list item quoted in a message).
constexpr const char* kPlainContext = "Messages";
constexpr const char* kPlainAlso = "Window";

}  // namespace

const LanguageInfo (&languages())[4] { return kLanguages; }

const LanguageInfo& languageInfo(Language language) { return kLanguages[static_cast<int>(language)]; }

std::optional<Language> languageFromKey(std::string_view key) {
  for (const LanguageInfo& l : kLanguages)
    if (key == l.key) return l.language;
  return std::nullopt;
}

bool setLanguage(Language language) {
  const LanguageInfo& info = languageInfo(language);
  auto next = std::make_unique<QTranslator>();
  if (info.translation && !next->load(QString(":/i18n/") + info.translation + ".qm")) return false;
  if (ours) QCoreApplication::removeTranslator(ours.get());
  if (qts) QCoreApplication::removeTranslator(qts.get());
  ours.reset();
  qts.reset();
  if (info.translation) {
    ours = std::move(next);
    QCoreApplication::installTranslator(ours.get());
  }
  // Qt's own words (OK, Cancel, the file dialogs) where Qt's translations are installed.
  if (info.qtTranslation) {
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(info.qtTranslation, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
      qts = std::move(qt);
      QCoreApplication::installTranslator(qts.get());
    }
  }
  current = language;
  return true;
}

Language currentLanguage() { return current; }

QString shown(const char* context, const char* source) {
  if (current == Language::Original || !source || !*source) return QString::fromUtf8(source ? source : "");
  return QCoreApplication::translate(context, source);
}

QString shown(const Text& words) {
  const std::string& source = words.source();
  QString pattern = shown(words.context() ? words.context() : kPlainContext, source.c_str());
  if (!words.context() && current != Language::Original && pattern == QString::fromStdString(source))
    pattern = shown(kPlainAlso, source.c_str());
  if (words.parts().empty()) return pattern;
  // %1 .. %9 filled in one pass, as Text::original() fills them.
  QString out;
  const auto& parts = words.parts();
  for (int i = 0; i < pattern.size(); ++i) {
    const QChar c = pattern[i];
    if (c == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
      const auto n = static_cast<size_t>(pattern[i + 1].unicode() - '1');
      if (n < parts.size()) {
        out += shown(parts[n]);
        ++i;
        continue;
      }
    }
    out += c;
  }
  return out;
}

std::optional<Language> rememberedLanguage() {
  UserConfig config;
  if (!config.load()) return std::nullopt;
  const auto key = config.get("window", "language");
  return key ? languageFromKey(*key) : std::nullopt;
}

void rememberLanguage(Language language) {
  UserConfig config;
  std::string error;
  if (!config.load(&error)) {
    std::fprintf(stderr, "zorv: the language is not remembered: %s\n", error.c_str());
    return;
  }
  config.set("window", "language", languageInfo(language).key);
  if (!config.save(&error)) std::fprintf(stderr, "zorv: the language is not remembered: %s\n", error.c_str());
}

}  // namespace zorv
