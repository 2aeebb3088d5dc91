#pragma once
// The parameter catalogue: one table of indices, labels, controls, letters and encodings that
// the read-back, the setting handlers and the saved file all use.

#include <array>
#include <string>

#include "core/main_state.h"

namespace zorv {

// The 115 parameter labels, each exactly 13 characters, inner and trailing blanks kept.
const std::array<std::string, kParamCount>& paramLabels();

// A slider parameter: slider and number box in step, written with its letter on release.
struct SliderParam {
  int index;        // ParamValues index
  int slider;       // slider id
  int edit;         // number box id
  int labelButton;  // caption button id
  char letter;      // setting and query letter
  int wireOffset;   // added before sending (100 for the gimbal rates)
  // Its row in the settings panel: the label button's caption, the range (also the number box's
  // range when rangeChecked), the slider's tick step and the value shown before the read-back.
  const char* caption;
  int lo, hi, tick;
  bool rangeChecked;
  int initial;
};
// In the settings panel's order, top to bottom.
const std::array<SliderParam, 12>& sliderParams();
const SliderParam* sliderBySlider(int sliderId);
const SliderParam* sliderByEdit(int editId);
const SliderParam* sliderByIndex(int index);

// A drop-down list parameter.
struct ListParam {
  int index;
  int combo;
  char letter;
};
const std::array<ListParam, 3>& listParams();  // model type A, ESC rate B, servo rate P
const ListParam* listByCombo(int comboId);
// What item `item` (0-based) of the list keeps in ParamValues and what it writes to the
// controller: item + 1 for both, except the servo rate, whose second item keeps 2 and writes 3.
int listStoredValue(const ListParam& p, int item);
int listWireValue(const ListParam& p, int item);

// Eight check boxes forming one byte: bit k is box k and ParamValues[firstIndex + k].
struct BitGroup {
  char letter;
  int firstIndex;
  std::array<int, 8> boxes;
};
// 0..8: flight-mode rows 'a'..'i'; 9: sensors 'M'; 10: receiver reverse 'N'; 11: output reverse 'O'.
const std::array<BitGroup, 12>& bitGroups();
constexpr int kSensorGroup = 9;
constexpr int kReceiverReverseGroup = 10;
constexpr int kOutputReverseGroup = 11;
const BitGroup* groupByLetter(char letter);
const BitGroup* groupByBox(int boxId, int* bit = nullptr);

// The values this tool knows for a parameter: the list's items (1..14, 1..6, and 1 or 2 for the
// servo rate), a slider's scale, 0 or 1 for a check box. The battery cells take what the saved
// file can carry (-999..9999); they are never sent from a file. What the pilot chooses stays
// inside; a value the controller reports beyond it is kept as reported (core/beyond_scale.h).
struct ParamScale {
  int lo, hi;
  bool holds(int v) const { return v >= lo && v <= hi; }
  int clamp(int v) const { return v < lo ? lo : v > hi ? hi : v; }
};
ParamScale paramScale(int index);

// Battery cell boxes "1 банка".."4 банка"; parameters 15..18.
constexpr std::array<int, 4> kCellEdits = {1084, 1086, 1087, 1088};

}  // namespace zorv
