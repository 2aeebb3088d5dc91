#include "ctl/output.h"

#include <algorithm>
#include <cstdio>

#include "core/param_catalogue.h"

namespace zorv {

namespace {

constexpr int kBarWidth = 40;

}  // namespace

std::string paramLine(int index, int32_t value) {
  return std::to_string(index) + "\t" + paramLabels()[static_cast<size_t>(index)] + "\t" + std::to_string(value);
}

std::string readText(const std::array<int32_t, kParamCount>& values, const std::string& version,
                     const std::string& kind) {
  std::string out;
  for (int i = 0; i < kParamCount; ++i) out += paramLine(i, values[static_cast<size_t>(i)]) + "\n";
  out += "version\t" + version + "\n";
  out += "kind\t" + kind + "\n";
  return out;
}

std::string jsonString(const std::string& text) {
  std::string out = "\"";
  for (unsigned char c : text) {
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (c < 0x20) {
          char hex[8];
          std::snprintf(hex, sizeof hex, "\\u%04x", c);
          out += hex;
        } else {
          out += static_cast<char>(c);
        }
    }
  }
  return out + "\"";
}

std::string readJson(const std::array<int32_t, kParamCount>& values, const std::string& version,
                     const std::string& kind) {
  std::string out = "{\"kind\": " + jsonString(kind) + ", \"version\": " + jsonString(version) + ", \"params\": [";
  for (int i = 0; i < kParamCount; ++i) {
    if (i > 0) out += ", ";
    out += "{\"index\": " + std::to_string(i) + ", \"label\": " + jsonString(paramLabels()[static_cast<size_t>(i)]) +
           ", \"value\": " + std::to_string(values[static_cast<size_t>(i)]) + "}";
  }
  return out + "]}\n";
}

const std::vector<std::string>& monitorColumns() {
  static const std::vector<std::string> columns = [] {
    std::vector<std::string> c = {"time_ms"};  // as in the live data window's CSV
    for (int n = 1; n <= 8; ++n) c.push_back("CH" + std::to_string(n));
    for (int n = 1; n <= 8; ++n) c.push_back("M" + std::to_string(n));
    for (const char* s : {"compass", "sonar", "barometer"}) c.push_back(s);
    return c;
  }();
  return columns;
}

std::string monitorCsvHeader() {
  std::string out;
  for (const std::string& c : monitorColumns()) out += (out.empty() ? "" : ",") + c;
  return out + "\n";
}

std::string monitorCsvLine(uint32_t timeMs, const std::vector<int>& values) {
  std::string out = std::to_string(timeMs);
  for (int v : values) out += "," + std::to_string(v);
  return out + "\n";
}

std::string monitorJsonLine(uint32_t timeMs, const std::vector<int>& values) {
  const auto& columns = monitorColumns();
  std::string out = "{" + jsonString(columns[0]) + ": " + std::to_string(timeMs);
  for (size_t i = 0; i < values.size() && i + 1 < columns.size(); ++i)
    out += ", " + jsonString(columns[i + 1]) + ": " + std::to_string(values[i]);
  return out + "}\n";
}

std::string progressBar(int percent) {
  percent = std::clamp(percent, 0, 100);
  const int filled = percent * kBarWidth / 100;
  char tail[16];
  std::snprintf(tail, sizeof tail, "] %3d%%", percent);
  return "\r[" + std::string(static_cast<size_t>(filled), '#') + std::string(static_cast<size_t>(kBarWidth - filled), '.') +
         tail;
}

std::string progressLine(int percent) { return std::to_string(std::clamp(percent, 0, 100)) + "%\n"; }

}  // namespace zorv
