#include "files/file_store.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

#include "core/text.h"

namespace zorv {

namespace fs = std::filesystem;

namespace {

std::FILE* openFile(const fs::path& p, bool forWriting) {
#ifdef _WIN32
  return _wfopen(p.c_str(), forWriting ? L"wbx" : L"rb");
#else
  return std::fopen(p.c_str(), forWriting ? "wbx" : "rb");  // "x": never reuse an existing name
#endif
}

bool syncToDisk(std::FILE* f) {
#ifdef _WIN32
  return _commit(_fileno(f)) == 0;
#else
  return ::fsync(fileno(f)) == 0;
#endif
}

// Makes the rename itself durable; a failure here loses nothing, so it is not reported.
void syncFolder([[maybe_unused]] const fs::path& folder) {
#ifndef _WIN32
  const int fd = ::open(folder.c_str(), O_RDONLY);
  if (fd >= 0) {
    (void)::fsync(fd);
    ::close(fd);
  }
#endif
}

std::string errnoText() { return std::strerror(errno); }

// A new, empty file beside the target, with a name nobody else uses.
std::FILE* createTemporary(const fs::path& target, fs::path* tmp) {
  std::random_device rd;
  std::mt19937_64 rng((uint64_t{rd()} << 32) ^ rd());
  for (int attempt = 0; attempt < 16; ++attempt) {
    // Short and apart from the target's name, so a long file name cannot make it too long.
    char name[32];
    std::snprintf(name, sizeof name, ".zorv-%016llx.tmp", static_cast<unsigned long long>(rng()));
    *tmp = target.parent_path() / name;
    errno = 0;
    if (std::FILE* f = openFile(*tmp, true)) return f;
    if (errno != EEXIST) return nullptr;
  }
  return nullptr;
}

// The bytes into a new temporary file beside `target`, on disk; empty, or why not.
std::string writeTemporary(const fs::path& target, std::string_view bytes, fs::path* tmp) {
  std::FILE* f = createTemporary(target, tmp);
  if (!f) return errnoText();
  std::string error;
  if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size()) error = errnoText();
  if (error.empty() && std::fflush(f) != 0) error = errnoText();
  if (error.empty() && !syncToDisk(f)) error = errnoText();
  if (std::fclose(f) != 0 && error.empty()) error = errnoText();
  std::error_code ec;
  if (!error.empty()) fs::remove(*tmp, ec);
  return error;
}

// Puts the finished temporary file in place under `target` unless that name is taken.
NewFile::Result placeNew(const fs::path& tmp, const fs::path& target, std::error_code& ec) {
#ifndef _WIN32
  // A second name for the written file: link() fails when the name is taken, where rename()
  // would replace what another program has just put there.
  if (::link(tmp.c_str(), target.c_str()) == 0) return NewFile::Written;
  if (errno == EEXIST) return NewFile::Exists;
  // A file system without hard links (a FAT stick): the check below leaves a moment in which
  // another program could take the name.
  if (errno != EPERM && errno != ENOTSUP && errno != EOPNOTSUPP && errno != ENOSYS) {
    ec = std::error_code(errno, std::generic_category());
    return NewFile::Failed;
  }
#endif
  if (fs::exists(fs::symlink_status(target, ec))) return NewFile::Exists;
  ec.clear();
  fs::rename(tmp, target, ec);
  return ec ? NewFile::Failed : NewFile::Written;
}

}  // namespace

NewFile writeNewFile(const std::string& path, std::string_view bytes) {
  NewFile r;
  const fs::path target = fs::u8path(path);
  std::error_code ec;
  if (fs::exists(fs::symlink_status(target, ec))) {
    r.result = NewFile::Exists;
    return r;
  }
  fs::path tmp;
  r.error = writeTemporary(target, bytes, &tmp);
  if (!r.error.empty()) return r;
  ec.clear();
  r.result = placeNew(tmp, target, ec);
  if (r.result == NewFile::Failed) r.error = ec.message();
  std::error_code ignored;
  fs::remove(tmp, ignored);  // the linked copy keeps the bytes; after a rename nothing is there
  if (r.result == NewFile::Written)
    syncFolder(target.parent_path().empty() ? fs::path(".") : target.parent_path());
  return r;
}

std::string replaceFileContents(const std::string& path, std::string_view bytes) {
  std::error_code ec;
  fs::path target = fs::u8path(path);
  // Saving over a link writes the file it points to, and keeps the link.
  if (fs::is_symlink(target, ec)) {
    fs::path real = fs::canonical(target, ec);
    if (!ec) target = real;
  }
  if (fs::is_directory(target, ec)) return ZORV_NOOP("Messages", "it is a folder");

  fs::path tmp;
  std::string error = writeTemporary(target, bytes, &tmp);
  if (!error.empty()) return error;
  // The new file gets the old one's permissions.
  const fs::file_status old = fs::status(target, ec);
  if (!ec && fs::exists(old)) fs::permissions(tmp, old.permissions(), ec);
  fs::rename(tmp, target, ec);
  if (ec) {
    error = ec.message();
    fs::remove(tmp, ec);
    return error;
  }
  syncFolder(target.parent_path().empty() ? fs::path(".") : target.parent_path());
  return "";
}

BoundedRead readFileBounded(const std::string& path, size_t maxBytes) {
  BoundedRead r;
  std::error_code ec;
  const fs::path p = fs::u8path(path);
  const fs::file_status st = fs::status(p, ec);
  if (ec || !fs::exists(st)) {
    r.error = ec ? ec.message() : ZORV_NOOP("Messages", "no such file");
    return r;
  }
  // A folder, a device or a pipe would never end or never start.
  if (!fs::is_regular_file(st)) {
    r.error = ZORV_NOOP("Messages", "it is not a regular file");
    return r;
  }
  const uintmax_t size = fs::file_size(p, ec);
  if (!ec && size > maxBytes) {
    r.result = BoundedRead::TooLarge;
    return r;
  }
  std::FILE* f = openFile(p, false);
  if (!f) {
    r.error = errnoText();
    return r;
  }
  std::string bytes(maxBytes + 1, '\0');
  size_t got = 0;
  while (got < bytes.size()) {
    const size_t n = std::fread(&bytes[got], 1, bytes.size() - got, f);
    if (n == 0) break;
    got += n;
  }
  const bool failed = std::ferror(f) != 0;
  const std::string error = failed ? errnoText() : "";
  std::fclose(f);
  if (failed) {
    r.error = error;
    return r;
  }
  if (got > maxBytes) {  // it grew while we looked
    r.result = BoundedRead::TooLarge;
    return r;
  }
  bytes.resize(got);
  r.bytes = std::move(bytes);
  r.result = BoundedRead::Ok;
  return r;
}

}  // namespace zorv
