#pragma once
// What the simulated controller keeps in its parameter store: which letters it answers to a
// query, the values it holds after power-on, and the four default sets it can load.

#include <array>
#include <string_view>

namespace zorv::sim {

// Every letter that "?" + letter + CR answers with a 10-byte reply. "?W" (the kind) is answered
// separately and "?j" reads the last default set selected.
inline constexpr std::string_view kQueryLetters = "CDEFGRTYZABPJKL4567MNOabcdefghiHIkVj";

// The letters a default set writes, in the order the window sends a saved file after "SC".
inline constexpr std::string_view kDefaultSetLetters = "CABPDEFGYZRTJKLabcdefghiMNO";

struct LetterValue {
  char letter;
  int value;
};

// One default set: a value for each letter of kDefaultSetLetters.
using DefaultSet = std::array<LetterValue, kDefaultSetLetters.size()>;

inline constexpr int kDefaultSetCount = 4;

// The four sets of the window's load list: "less 300mm", "300-450mm", "450-650mm", "650mm".
const DefaultSet& defaultSet(int k);

// The set the controller comes up with, and the index reported by "?j" at power-on.
inline constexpr int kPowerOnDefaultSet = 1;

// Values outside the default sets that the controller holds at power-on.
inline constexpr std::array<LetterValue, 12> kPowerOnExtras{{
    {'V', 2015},  // firmware 2.015
    {'H', 51},    // internal; the window writes 51 whenever the height-lock box changes
    {'I', 120},   // internal
    {'k', 3},     // internal
    {'4', 4150},  // cell voltages in thousandths of a volt, as if calibrated at 4.15/4.16/4.14/4.15 V
    {'5', 4160},
    {'6', 4140},
    {'7', 4150},
    {'0', 415},   // the cumulative calibration sums that produced the cells above
    {'1', 831},
    {'2', 1245},
    {'3', 1660},
}};

}  // namespace zorv::sim
