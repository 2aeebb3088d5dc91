#pragma once
// The words the window shows. The handlers make them in the tool's own wording, the original
// texts, and keep and compare only those; the window shows them in the language the pilot chose
// (gui/language.h). A text is marked where it is written:
//
//   ZORV_TEXT("Messages", "Data error，Please try it again!")
//
// names its context (where it belongs: "Window", "Help", "Messages", ...) and its original
// wording. Qt's lupdate reads the mark as it reads QT_TRANSLATE_NOOP (scripts/update-translations.sh
// passes the alias) and puts each marked text into the translation files in i18n/.
// ZORV_NOOP marks a literal the same way but stands for the bare literal, for tables of
// const char* and for constants the handlers compare. A plain text (Text::plain, or a std::string
// handed to the window) is looked up whole in the "Messages" context when it is shown, then in
// "Window", so a constant message only needs its mark there; a composed one is a Text. A message made
// of parts is one marked template with %1, %2 ... filled by arg(); a part that is itself a text
// of the window (a caption, a list item) goes in as a Text and is shown in the same language.
// Names, numbers, paths and the system's own words go in as they stand.

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zorv {

class Text;

// A marked text: a literal with its context, usable in constant tables.
struct Marked {
  const char* context = nullptr;
  const char* source = "";

  constexpr bool empty() const { return source == nullptr || *source == '\0'; }
  // The template with its next %N filled (see Text::arg).
  Text arg(const Text& part) const;
  Text arg(std::string part) const;
  Text arg(long long number) const;
};

#define ZORV_TEXT(context, source) (::zorv::Marked{context, source})
#define ZORV_NOOP(context, source) source

class Text {
 public:
  Text() = default;
  Text(Marked marked);  // NOLINT(google-explicit-constructor): a marked literal is a text
  // Words in the tool's own wording, looked up whole when shown (see above).
  explicit Text(std::string words) : source_(std::move(words)) {}
  // Words shown as they stand in every language: a path, a device name, a number, a system message.
  static Text plain(std::string words);

  // Fills the next placeholder: the first arg() fills %1, the second %2, and so on.
  Text& arg(const Text& part) &;
  Text& arg(std::string part) &;
  Text& arg(long long number) &;
  Text&& arg(const Text& part) && { return std::move(arg(part)); }
  Text&& arg(std::string part) && { return std::move(arg(std::move(part))); }
  Text&& arg(long long number) && { return std::move(arg(number)); }

  // The text in the tool's own wording, exactly as the window shows it in "Original".
  std::string original() const;
  bool empty() const { return source_.empty(); }

  // For the window: null for plain words, else the context it was marked with.
  const char* context() const { return context_; }
  // The marked template, or the plain words.
  const std::string& source() const { return source_; }
  const std::vector<Text>& parts() const { return parts_; }

 private:
  const char* context_ = nullptr;
  std::string source_;
  std::vector<Text> parts_;
};

// Fills %1 .. %9 of `pattern` with `parts`, in one pass: a filled part is not searched again, and
// a % followed by anything but the digit of a part given stays as it is.
std::string fillTemplate(std::string_view pattern, const std::vector<std::string>& parts);

// "a", "a and b", "a, b and c": `pair` joins two parts ("%1, %2"), `last` the last one ("%1 and %2").
Text joinedList(const std::vector<Text>& items, Marked pair, Marked last);

inline Text Marked::arg(const Text& part) const { return Text(*this).arg(part); }
inline Text Marked::arg(std::string part) const { return Text(*this).arg(std::move(part)); }
inline Text Marked::arg(long long number) const { return Text(*this).arg(number); }

}  // namespace zorv
