// zorv.ini: any content is read within its bounds, what is read is written back exactly as it
// stood, and a value changed reads back as set while every other key keeps its value.

#include <cstdint>
#include <string>

#include "core/user_config.h"
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string content(reinterpret_cast<const char*>(data), size);
  zorv::UserConfig config("zorv.ini");
  if (!config.parse(content)) {
    ZORV_FUZZ_CHECK(!config.get("limits", "reply_ms"));
    return 0;
  }
  // Read and written back: the same lines (a CR before a line end and a missing last line end
  // are the only things normalised).
  std::string normal;
  for (size_t start = 0; start < content.size();) {
    size_t end = content.find('\n', start);
    if (end == std::string::npos) end = content.size();
    std::string line = content.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    normal += line + "\n";
    start = end + 1;
  }
  ZORV_FUZZ_CHECK(config.text() == normal);

  const int reply = config.getInt("limits", "reply_ms", 1000, 100, 10000);
  ZORV_FUZZ_CHECK(reply >= 100 && reply <= 10000);
  const auto language = config.get("language", "choice");
  config.set("limits", "loader_ms", "2500");
  ZORV_FUZZ_CHECK(config.get("limits", "loader_ms").value_or("") == "2500");
  ZORV_FUZZ_CHECK(config.get("language", "choice") == language);
  zorv::UserConfig again("zorv.ini");
  if (again.parse(config.text())) {
    ZORV_FUZZ_CHECK(again.get("limits", "loader_ms").value_or("") == "2500");
  }
  return 0;
}
