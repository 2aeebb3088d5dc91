#include "sim/monitor_records.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

namespace zorv::sim {

namespace {

// A triangle wave from lo up to hi and back in periodMs.
int triangle(uint32_t t, uint32_t periodMs, int lo, int hi) {
  const uint32_t half = periodMs / 2;
  const uint32_t phase = t % periodMs;
  const int span = hi - lo;
  if (phase < half) return lo + static_cast<int>(static_cast<int64_t>(span) * phase / half);
  return hi - static_cast<int>(static_cast<int64_t>(span) * (phase - half) / half);
}

// A three-position switch that moves every periodMs: 1000, 1500, 2000, 1000, ...
int switch3(uint32_t t, uint32_t periodMs) { return 1000 + 500 * static_cast<int>((t / periodMs) % 3); }

int pulse(int v) { return std::clamp(v, 1000, 2000); }

struct Sticks {
  int aileron, elevator, throttle, rudder;
};

Sticks sticks(uint32_t t, bool moving) {
  if (!moving)
    return {triangle(t, 2300, 1300, 1700), triangle(t, 3100, 1350, 1650), triangle(t, 5000, 1100, 1900),
            triangle(t, 4100, 1400, 1600)};
  // The right stick stirs circles, the throttle goes from bottom to top and back, the rudder
  // swings from end to end; all reach a little past 1000..2000.
  constexpr double kPi = 3.14159265358979323846;
  const double a = 2 * kPi * static_cast<double>(t % 3000) / 3000.0;
  return {1500 + static_cast<int>(std::lround(512 * std::sin(a))), 1500 + static_cast<int>(std::lround(512 * std::cos(a))),
          triangle(t, 6000, 988, 2012), triangle(t, 4400, 988, 2012)};
}

}  // namespace

std::string monitorRecordText(const char* tag, const std::array<int, 8>& f) {
  char text[64];
  // Each field is limited to what four characters can show, so the record stays 38 bytes.
  auto fit = [](int v) { return std::clamp(v, -999, 9999); };
  std::snprintf(text, sizeof text, "%s%4d%4d%4d%4d%4d%4d%4d%4d\r\n", tag, fit(f[0]), fit(f[1]), fit(f[2]),
                fit(f[3]), fit(f[4]), fit(f[5]), fit(f[6]), fit(f[7]));
  return text;
}


std::string monitorRecord(int kind, uint32_t t, bool movingSticks) {
  const Sticks s = sticks(t, movingSticks);
  const uint32_t quick = movingSticks ? 3 : 1;  // switches and the knob move this much sooner
  switch (kind) {
    case 0:
      return monitorRecordText("CHDA", {s.aileron, s.elevator, s.throttle, s.rudder, switch3(t, 4000 / quick), switch3(t, 7000 / quick),
                             (t / (9000 / quick)) % 2 ? 2000 : 1000, triangle(t, 12000 / quick, 1000, 2000)});
    case 1: {
      // Quad X mix of the sticks; outputs 5 and 6 drive the gimbal servos, 7 and 8 are idle.
      const int roll = (s.aileron - 1500) / 4, pitch = (s.elevator - 1500) / 4, yaw = (s.rudder - 1500) / 4;
      return monitorRecordText("MSDA", {pulse(s.throttle + roll + pitch - yaw), pulse(s.throttle - roll + pitch + yaw),
                             pulse(s.throttle - roll - pitch - yaw), pulse(s.throttle + roll - pitch + yaw),
                             pulse(1500 - 2 * pitch), pulse(1500 + 2 * roll), 1000, 1000});
    }
    default:
      // Heading, sonar (mm), barometric height (dm), then battery (hundredths of a volt),
      // satellites, board temperature and two spare fields, which the window does not show.
      return monitorRecordText("SSDA", {static_cast<int>((t / 50) % 360), triangle(t, 8000, 300, 2500),
                             triangle(t, 20000, 0, 1200), triangle(t, 60000, 1580, 1660), 7 + static_cast<int>((t / 15000) % 5),
                             31, 0, 0});
  }
}

}  // namespace zorv::sim
