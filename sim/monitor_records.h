#pragma once
// The live monitor stream as the controller sends it: one 38-character record every 20 ms,
// cycling receiver channels, motor outputs and sensors.

#include <array>
#include <cstdint>
#include <string>

namespace zorv::sim {

inline constexpr uint32_t kMonitorPeriodMs = 20;
inline constexpr size_t kMonitorRecordSize = 38;
inline constexpr int kMonitorRecordKinds = 3;  // "CHDA", "MSDA", "SSDA"

// Record number `kind` (0 CHDA, 1 MSDA, 2 SSDA) as it reads `timeMs` after power-on: the tag,
// eight right-aligned, blank-padded 4-character decimal fields, CR, LF. The values move slowly
// and repeat, like sticks, motors and sensors on a bench: channels and motors 1000..2000,
// heading 0..359 degrees, sonar in mm, barometric height in dm. With movingSticks the sticks
// are swept to their ends and a little beyond (988..2012, as many radios send) and the switches
// flip every few seconds, as when a pilot checks the radio.
std::string monitorRecord(int kind, uint32_t timeMs, bool movingSticks = false);

// One record with these eight values: the tag, each value right-aligned in four characters
// (limited to -999..9999), CR, LF.
std::string monitorRecordText(const char* tag, const std::array<int, 8>& values);

}  // namespace zorv::sim
