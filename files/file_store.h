#pragma once
// Whole-file reads and writes for the parameter files, done so that nothing already saved is
// lost: a write goes to a temporary file beside the target and replaces the target only when
// every byte is on disk; a read takes a bounded number of bytes from a regular file only.
// Paths are UTF-8.

#include <cstddef>
#include <string>
#include <string_view>

namespace zorv {

// Empty on success, else why the file could not be written (the old file is then untouched).
std::string replaceFileContents(const std::string& path, std::string_view bytes);

// Writes a new file that nobody can see half-written: through a temporary file beside it, put in
// place only when every byte is on disk, and never over a file that is there (two programs
// writing the same name: one gets Exists and picks another name).
struct NewFile {
  enum Result { Written, Exists, Failed } result = Failed;
  std::string error;  // for Failed: why (nothing is left behind)
};
NewFile writeNewFile(const std::string& path, std::string_view bytes);

struct BoundedRead {
  enum Result { Ok, TooLarge, Failed } result = Failed;
  std::string bytes;  // for Ok
  std::string error;  // for Failed
};

// Reads the whole file when it holds at most maxBytes; never reads more than maxBytes + 1.
BoundedRead readFileBounded(const std::string& path, size_t maxBytes);

}  // namespace zorv
