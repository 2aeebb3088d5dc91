#pragma once
// Small helpers shared by the fuzz targets: a property check that stops the run like a crash,
// a reader over the fuzzer's bytes, and a scratch folder for files the code under test reads.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <system_error>
#include <unistd.h>

namespace zorv::fuzz {

// A broken property is a finding like a crash: print it and abort, so libFuzzer keeps the input.
[[noreturn]] inline void fail(const char* what, const char* file, int line) {
  std::fprintf(stderr, "\n==FUZZ CHECK FAILED== %s:%d: %s\n", file, line, what);
  std::fflush(stderr);
  std::abort();
}
#define ZORV_FUZZ_CHECK(cond)                                          \
  do {                                                                 \
    if (!(cond)) ::zorv::fuzz::fail(#cond, __FILE__, __LINE__);        \
  } while (0)

// Reads the input front to back; past the end every read gives 0 and empty strings.
class Bytes {
 public:
  Bytes(const uint8_t* data, size_t size) : data_(data), size_(size) {}
  bool empty() const { return pos_ >= size_; }
  size_t left() const { return size_ - pos_; }
  uint8_t byte() { return pos_ < size_ ? data_[pos_++] : 0; }
  uint16_t word() {
    const uint16_t hi = byte();
    return static_cast<uint16_t>(hi << 8 | byte());
  }
  // Up to n bytes (fewer at the end of the input).
  std::string_view take(size_t n) {
    if (n > left()) n = left();
    std::string_view s(reinterpret_cast<const char*>(data_ + pos_), n);
    pos_ += n;
    return s;
  }

 private:
  const uint8_t* data_;
  size_t size_;
  size_t pos_ = 0;
};

// A private folder for this process, removed at exit. It lives under $TMPDIR (run.sh points that
// into its scratch folder), so even a crashed run leaves nothing elsewhere.
inline const std::filesystem::path& scratchDir() {
  // Never destroyed, so the exit handler below can still read it.
  static const std::filesystem::path* dir = [] {
    std::error_code ec;
    std::filesystem::path base = std::filesystem::temp_directory_path(ec);
    if (ec) base = "/tmp";
    std::string pattern = (base / "zorv-fuzz-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) {
      std::perror("mkdtemp");
      std::abort();
    }
    return new std::filesystem::path(pattern);
  }();
  static const bool cleanup = [] {
    std::atexit([] {
      std::error_code ignored;
      std::filesystem::remove_all(*dir, ignored);
    });
    return true;
  }();
  (void)cleanup;
  return *dir;
}

inline void writeFile(const std::filesystem::path& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) {
    std::fprintf(stderr, "cannot write %s\n", path.c_str());
    std::abort();
  }
}

}  // namespace zorv::fuzz
