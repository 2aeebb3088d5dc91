#include "core/user_config.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace zorv {

namespace {

namespace fs = std::filesystem;

std::string baseDir(const char* variable, const char* fallbackBelowHome) {
  const char* value = std::getenv(variable);
  if (value && value[0] == '/') return value;
  const char* home = std::getenv("HOME");
  return std::string(home && home[0] ? home : ".") + "/" + fallbackBelowHome;
}

// A stray CR counts as a blank, so a line reads the same whatever line ends it was saved with.
std::string trim(const std::string& s) {
  const size_t a = s.find_first_not_of(" \t\r");
  if (a == std::string::npos) return "";
  const size_t b = s.find_last_not_of(" \t\r");
  return s.substr(a, b - a + 1);
}

bool isHeader(const std::string& t) { return t.size() >= 2 && t.front() == '[' && t.back() == ']'; }

}  // namespace

std::string userConfigDir() { return baseDir("XDG_CONFIG_HOME", ".config") + "/zorv"; }
std::string userDataDir() { return baseDir("XDG_DATA_HOME", ".local/share") + "/zorv"; }

std::string UserConfig::defaultPath() { return userConfigDir() + "/zorv.ini"; }

UserConfig::UserConfig(std::string path) : path_(std::move(path)) {}

bool UserConfig::load(std::string* error) {
  lines_.clear();
  unreadable_ = false;
  std::error_code ec;
  if (!fs::exists(path_, ec)) return true;
  const auto size = fs::file_size(path_, ec);
  if (ec || size > kMaxFileBytes) {
    unreadable_ = true;
    if (error) *error = path_ + " is larger than " + std::to_string(kMaxFileBytes / 1024) + " KiB; it was left alone";
    return false;
  }
  std::ifstream in(path_, std::ios::binary);
  if (!in) {
    unreadable_ = true;
    if (error) *error = "cannot read " + path_ + ": " + std::strerror(errno);
    return false;
  }
  std::ostringstream content;
  content << in.rdbuf();
  const bool ok = parse(content.str(), error);
  if (!ok && error) *error = path_ + ": " + *error + "; it was left alone";
  return ok;
}

bool UserConfig::parse(const std::string& text, std::string* error) {
  lines_.clear();
  unreadable_ = false;
  if (text.size() > kMaxFileBytes) {
    unreadable_ = true;
    if (error) *error = "the file is too large";
    return false;
  }
  std::string section;
  size_t start = 0;
  int number = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string raw = text.substr(start, end - start);
    start = end + 1;
    ++number;
    if (!raw.empty() && raw.back() == '\r') raw.pop_back();
    if (raw.size() > kMaxLineBytes) {
      lines_.clear();
      unreadable_ = true;
      if (error) *error = "line " + std::to_string(number) + " is too long";
      return false;
    }
    const std::string t = trim(raw);
    Line line{section, "", raw};
    if (isHeader(t)) {
      section = trim(t.substr(1, t.size() - 2));
      line.section = section;
    } else if (!t.empty() && t[0] != '#' && t[0] != ';') {
      const size_t eq = t.find('=');
      if (eq != std::string::npos && eq > 0) line.key = trim(t.substr(0, eq));
    }
    lines_.push_back(std::move(line));
  }
  return true;
}

std::optional<std::string> UserConfig::get(const std::string& section, const std::string& key) const {
  // The last line of a key wins, as a pilot who appends a line would expect.
  for (auto it = lines_.rbegin(); it != lines_.rend(); ++it) {
    if (it->section != section || it->key != key) continue;
    const std::string t = trim(it->raw);
    return trim(t.substr(t.find('=') + 1));
  }
  return std::nullopt;
}

int UserConfig::getInt(const std::string& section, const std::string& key, int fallback, int lo, int hi,
                       std::string* warning) const {
  const std::optional<std::string> value = get(section, key);
  if (!value) return fallback;
  const std::string& v = *value;
  bool digits = !v.empty() && v.size() <= 9;
  for (size_t i = 0; digits && i < v.size(); ++i)
    digits = (v[i] >= '0' && v[i] <= '9') || (i == 0 && v[i] == '-' && v.size() > 1);
  const long n = digits ? std::strtol(v.c_str(), nullptr, 10) : 0;
  if (!digits || n < lo || n > hi) {
    if (warning) {
      *warning = "[" + section + "] " + key + "=" + v + " in " + path_ + " is not a whole number from " +
                 std::to_string(lo) + " to " + std::to_string(hi) + "; " + std::to_string(fallback) +
                 " is used instead";
    }
    return fallback;
  }
  return static_cast<int>(n);
}

void UserConfig::set(const std::string& section, const std::string& key, const std::string& value) {
  const std::string raw = key + "=" + value;
  // The last line of the key is the one read: change it in place.
  for (auto it = lines_.rbegin(); it != lines_.rend(); ++it) {
    if (it->section == section && it->key == key) {
      it->raw = raw;
      return;
    }
  }
  // A new key goes after the last line of its section, or into a new section at the end.
  size_t insertAt = lines_.size();
  bool found = false;
  for (size_t i = 0; i < lines_.size(); ++i) {
    if (lines_[i].section != section) continue;
    found = true;
    if (!trim(lines_[i].raw).empty()) insertAt = i + 1;
  }
  if (!found) {
    if (!lines_.empty() && !trim(lines_.back().raw).empty()) lines_.push_back({lines_.back().section, "", ""});
    if (!section.empty()) lines_.push_back({section, "", "[" + section + "]"});
    insertAt = lines_.size();
  }
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insertAt), Line{section, key, raw});
}

std::string UserConfig::text() const {
  std::string out;
  for (const Line& line : lines_) out += line.raw + "\n";
  return out;
}

bool UserConfig::save(std::string* error) const {
  if (unreadable_) {
    if (error) *error = path_ + " could not be read, so it is not written over";
    return false;
  }
  std::error_code ec;
  const fs::path target(path_);
  if (target.has_parent_path()) fs::create_directories(target.parent_path(), ec);
  const std::string temp = path_ + ".tmp" + std::to_string(::getpid());
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    out << text();
    out.flush();
    if (!out) {
      if (error) *error = "cannot write " + path_ + ": " + std::strerror(errno);
      fs::remove(temp, ec);
      return false;
    }
  }
  fs::rename(temp, target, ec);
  if (ec) {
    if (error) *error = "cannot write " + path_ + ": " + ec.message();
    fs::remove(temp, ec);
    return false;
  }
  return true;
}

}  // namespace zorv
