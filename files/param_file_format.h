#pragma once
// The saved parameter file. It is positional: 116 lines, each ended by CR CR LF. Line 0 reads
// "Current   COM<n>"; line n (1..115) holds parameter n-1 as its 13-character label followed, at
// column 13, by its value field:
//   parameters 0..11, 14..18   four digits ("0045"); a negative value as "%d"; a battery cell
//                              (15..18, never sent) of 1000 or more as "0%d" ("01000")
//   12, 13 (gimbal rates)      the rate plus 100 as four digits, then "-100" ("0100-100")
//   19..114 (check boxes)      one character, 0 or 1
// The load chain sends the four digits of lines 1..15 unchanged and builds the bit bytes from
// the check-box lines, so the reader refuses anything it could not send faithfully. A value the
// controller once reported beyond the tool's scale is written as it is and read back as it is;
// the reader lists such lines so that the loader can ask before sending. Pure code: bytes in,
// bytes out.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/text.h"
#include "core/main_state.h"

namespace zorv {

constexpr int kParamFileLines = 116;
constexpr size_t kParamFileMaxBytes = 64 * 1024;  // a saved file is about 2.5 KiB
constexpr char kParamFileLineEnd[] = "\r\r\n";
constexpr char kParamFilePortPrefix[] = "Current   COM";
constexpr int kGimbalWireOffset = 100;

// Line index+1 of the file, without its line end.
std::string paramFileLine(int index, int value);

// The whole file, every line ended by CR CR LF.
std::string writeParamFile(int portNumber, const std::array<int32_t, kParamCount>& values);

struct ParamFileReading {
  bool ok = false;
  std::string refusal;  // why the file is not taken, for the user (when !ok)
  Text refusalWords;    // the same, as the words the window shows in the pilot's language
  // The LoadedLines text of each line the file has, at most 120: four characters from column
  // 13 for lines 0..19, one character for the rest.
  std::vector<std::string> lines;
  // LoadedValues: entries 20..115 hold the check-box values; the others are 0.
  std::array<int32_t, kLoadedLineCount> values{};
  // Each parameter's value as the file holds it, in ParamValues terms (the gimbal rates without
  // their offset, a cell at any width): what a save of the same values wrote.
  std::array<int32_t, kParamCount> params{};

  // Lines 1..15 whose value lies outside what the tool knows for its setting. Four digits go to
  // the controller as they stand; a value that cannot go out as four digits (negative, or above
  // 9999) is skipped by the load chain, and its LoadedLines text is left empty.
  struct Unknown {
    int line;           // counted from 1, as in messages
    std::string label;  // the parameter's label
    std::string field;  // the value as the file holds it ("0020", "-12")
    std::string known;  // what the tool knows, in the file's terms ("0001 to 0014")
    bool sent;
  };
  std::vector<Unknown> unknown;
};

// Reads and checks a saved file. Lines end at LF; CRs before it (CR LF, CR CR LF) do not matter.
// A file that is not a parameter file written by this tool, or that holds a value the
// controller cannot take, is refused.
ParamFileReading readParamFile(std::string_view bytes);

}  // namespace zorv
