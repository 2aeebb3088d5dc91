#include "sim/parameter_table.h"

#include <stdexcept>

namespace zorv::sim {

namespace {

// Smaller frames get livelier gains and faster ESC rates; bigger ones calmer gains, more height
// hold and a gimbal. Each set keeps the row rules the window enforces: stability and 3D mode
// never share a switch position, nor heading lock and care-free, and auto-landing positions are
// always height-lock positions too. Gimbal rates are as written (100 = centre).
//
// Order of letters:    C       A      B      P      D       E       F       G       Y       Z
//                      R       T       J        K        L        a      b       c        d
//                      e       f      g      h        i        M        N      O
constexpr std::array<DefaultSet, kDefaultSetCount> kSets{{
    // 0: four axes, less than 300 mm: 330 Hz ESCs, no GPS and no sonar fitted.
    {{{'C', 60}, {'A', 5}, {'B', 4}, {'P', 2}, {'D', 55}, {'E', 50}, {'F', 65}, {'G', 60}, {'Y', 50}, {'Z', 45},
      {'R', 40}, {'T', 35}, {'J', 150}, {'K', 150}, {'L', 330}, {'a', 63}, {'b', 64}, {'c', 134}, {'d', 16},
      {'e', 32}, {'f', 7}, {'g', 4}, {'h', 128}, {'i', 128}, {'M', 63}, {'N', 4}, {'O', 64}}},
    // 1: four axes, 300 to 450 mm: the power-on set; 270 Hz ESCs, GPS fitted.
    {{{'C', 50}, {'A', 5}, {'B', 3}, {'P', 1}, {'D', 45}, {'E', 40}, {'F', 55}, {'G', 50}, {'Y', 45}, {'Z', 40},
      {'R', 50}, {'T', 45}, {'J', 140}, {'K', 130}, {'L', 350}, {'a', 7}, {'b', 64}, {'c', 134}, {'d', 16},
      {'e', 32}, {'f', 7}, {'g', 4}, {'h', 128}, {'i', 128}, {'M', 191}, {'N', 4}, {'O', 64}}},
    // 2: four axes, 450 to 650 mm: every sensor fitted, two gimbal servos reversed.
    {{{'C', 40}, {'A', 5}, {'B', 3}, {'P', 2}, {'D', 35}, {'E', 35}, {'F', 45}, {'G', 40}, {'Y', 40}, {'Z', 35},
      {'R', 55}, {'T', 50}, {'J', 130}, {'K', 120}, {'L', 345}, {'a', 7}, {'b', 192}, {'c', 38}, {'d', 16},
      {'e', 32}, {'f', 63}, {'g', 36}, {'h', 128}, {'i', 32}, {'M', 255}, {'N', 4}, {'O', 192}}},
    // 3: four axes, 650 mm and more: 100 Hz ESCs, soft gains, strong height hold.
    {{{'C', 30}, {'A', 5}, {'B', 2}, {'P', 1}, {'D', 30}, {'E', 25}, {'F', 35}, {'G', 35}, {'Y', 35}, {'Z', 30},
      {'R', 60}, {'T', 55}, {'J', 120}, {'K', 110}, {'L', 340}, {'a', 63}, {'b', 128}, {'c', 198}, {'d', 24},
      {'e', 32}, {'f', 63}, {'g', 68}, {'h', 64}, {'i', 128}, {'M', 191}, {'N', 4}, {'O', 192}}},
}};

// A set that names its letters out of order would write the wrong parameters; refuse to build.
constexpr bool lettersInOrder() {
  for (const DefaultSet& set : kSets) {
    for (size_t i = 0; i < set.size(); ++i) {
      if (set[i].letter != kDefaultSetLetters[i]) return false;
    }
  }
  return true;
}
static_assert(lettersInOrder(), "default set letters must follow kDefaultSetLetters");

}  // namespace

const DefaultSet& defaultSet(int k) {
  if (k < 0 || k >= kDefaultSetCount) throw std::out_of_range("no such default set");
  return kSets[static_cast<size_t>(k)];
}

}  // namespace zorv::sim
