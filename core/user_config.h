#pragma once
// The tool's own settings kept between runs, in one file: $XDG_CONFIG_HOME/zorv/zorv.ini
// (default ~/.config/zorv/zorv.ini), lines of "[section]" and "key=value". Both programs read it;
// the window writes it. Lines it does not know (another version's keys, a pilot's comments) are
// kept as they are when it writes the file again, and a file it cannot read is never
// overwritten. The remembered port stays in tkvrconfig.ini, where it always was.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace zorv {

// $XDG_CONFIG_HOME/zorv and $XDG_DATA_HOME/zorv, falling back to ~/.config/zorv and
// ~/.local/share/zorv (a relative XDG path is ignored, as the base directory rules say).
std::string userConfigDir();
std::string userDataDir();

class UserConfig {
 public:
  // The file is read at most this large; a longer one is refused whole.
  static constexpr size_t kMaxFileBytes = 64 * 1024;
  static constexpr size_t kMaxLineBytes = 1024;

  // The file in userConfigDir(), named zorv.ini.
  static std::string defaultPath();

  explicit UserConfig(std::string path = defaultPath());

  const std::string& path() const { return path_; }

  // Reads the file. A missing file is an empty configuration (true); one that cannot be read,
  // is too large or holds a line too long returns false with a reason, holds nothing, and will
  // not be written over by save().
  bool load(std::string* error = nullptr);
  // Reads the given text as if it were the file's content (the same rules as load()).
  bool parse(const std::string& text, std::string* error = nullptr);

  std::optional<std::string> get(const std::string& section, const std::string& key) const;
  // The value as a whole number within lo..hi; `fallback` when it is missing. A value that is
  // no number or out of range also gives `fallback`, and `warning` (when given) says why in
  // words a pilot can act on.
  int getInt(const std::string& section, const std::string& key, int fallback, int lo, int hi,
             std::string* warning = nullptr) const;

  // Sets a value (keys and sections are kept in the order first seen; a new one goes at the end
  // of its section). Keys and values hold no line ends; sections no brackets.
  void set(const std::string& section, const std::string& key, const std::string& value);

  // The file's text as save() would write it.
  std::string text() const;
  // Writes the file (its folder created when missing) through a temporary file and a rename, so
  // a crash leaves the old file or the new one, never half of one. False with a reason when the
  // file could not be written or was unreadable when loaded.
  bool save(std::string* error = nullptr) const;

 private:
  struct Line {
    std::string section;  // the section the line is in ("" before the first header)
    std::string key;      // empty for a header, a comment or a line not understood
    std::string raw;      // the line as it stands (rebuilt when set() changes the value)
  };
  std::vector<Line> lines_;
  std::string path_;
  bool unreadable_ = false;
};

}  // namespace zorv
