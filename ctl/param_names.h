#pragma once
// Naming parameters and their values on the command line. A NAME is a parameter's label as in
// the saved file, in any case, its blanks left out or kept ("AlarmVoltage", "alarm voltage"),
// or its index 0..114. A VALUE is what the window shows: a slider's number (gimbal -100..100,
// alarm 280..370), a list's item number from 1, a check box's 0 or 1. Pure code.

#include <optional>
#include <string>
#include <string_view>

namespace zorv {

// How a parameter is changed in the window, and the values its control can show.
enum class ParamControl { List, Slider, Cell, Sensor, Reverse, Matrix };
struct ParamRange {
  ParamControl control;
  int lo, hi;
};
ParamRange paramRange(int index);

// The index a NAME stands for, or nothing with the reason in *error.
std::optional<int> findParam(std::string_view name, std::string* error);

// NAME=VALUE checked against the control's range. Battery cells are not set this way (they are
// the calibration's). Nothing, with the reason in *error, for anything that cannot be sent.
struct Assignment {
  int index;
  int value;
};
std::optional<Assignment> parseAssignment(std::string_view arg, std::string* error);

// A label without its leading and trailing blanks, for messages ("Battery", "Blance  Level").
std::string labelOf(int index);

// A whole decimal number with an optional sign, nothing else.
std::optional<int> parseWholeNumber(std::string_view text);

}  // namespace zorv
