#pragma once
// What zorvctl prints: the settings as tab-separated lines or one JSON object, the live values
// as CSV or JSON lines, the upgrade's progress. Pure code.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/main_state.h"

namespace zorv {

// "index<TAB>label<TAB>value" for one parameter; the label as in the saved file.
std::string paramLine(int index, int32_t value);
// All 115 parameter lines, then "version<TAB>..." and "kind<TAB>...".
std::string readText(const std::array<int32_t, kParamCount>& values, const std::string& version,
                     const std::string& kind);
// {"kind": "TKVR", "version": "2.015", "params": [{"index": 0, "label": "...", "value": 5}, ...]}
std::string readJson(const std::array<int32_t, kParamCount>& values, const std::string& version,
                     const std::string& kind);
// A JSON string literal.
std::string jsonString(const std::string& text);

// The live values, in the order of monitorColumns(): the time in ms since the display started,
// then CH1..CH8, M1..M8, compass, sonar, barometer.
const std::vector<std::string>& monitorColumns();
std::string monitorCsvHeader();
std::string monitorCsvLine(uint32_t timeMs, const std::vector<int>& values);
std::string monitorJsonLine(uint32_t timeMs, const std::vector<int>& values);

// The upgrade's progress for a terminal ("\r[#####.....]  50%") or a log ("50%\n").
std::string progressBar(int percent);
std::string progressLine(int percent);

}  // namespace zorv
