#pragma once
// The language the window speaks. "Original" shows every text in the tool's own wording, exactly
// as the handlers make it; the other three load a translation compiled from i18n/*.ts into the
// program. The choice never touches the link, the saved file or anything the handlers compare:
// they keep the original wording, the window translates at display. The system locale plays no
// part: without a choice the window speaks Original.

#include <QString>
#include <optional>
#include <string>
#include <string_view>

#include "core/text.h"

namespace zorv {

enum class Language { Original, English, Russian, Chinese };

struct LanguageInfo {
  Language language;
  const char* key;   // on the command line and in zorv.ini
  const char* name;  // in the menu, in its own language
  const char* translation;  // the compiled translation's base name, or null
  const char* qtTranslation;  // Qt's own (standard buttons, file dialogs), or null
};

const LanguageInfo& languageInfo(Language language);
const LanguageInfo (&languages())[4];
std::optional<Language> languageFromKey(std::string_view key);

// Loads the translation and makes it current. False (and Original kept) when the program holds
// no translation for it, which a build with its translations cannot meet.
bool setLanguage(Language language);
Language currentLanguage();

// A text in the current language: Original gives the source exactly as it stands.
QString shown(const char* context, const char* source);
QString shown(const Text& words);
// zorv.ini's "language=" entry, and the same written back (a warning on stderr when it cannot be).
std::optional<Language> rememberedLanguage();
void rememberLanguage(Language language);

}  // namespace zorv
