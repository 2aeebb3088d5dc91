#pragma once
// The main window's controls as one table: ids, kinds, captions, panels, grid places, ranges.
// The Qt window is built from it; the data exchange and the enable lists use the same ids.

#include <string>
#include <vector>

namespace zorv {

enum class ControlKind {
  LabelButton,   // caption button beside a parameter control; shows a help text
  Button,
  Slider,
  Edit,          // number box bound to an int
  ReadOnlyEdit,  // bound to an int or a text, not typed into
  Combo,
  Check,
  Label,         // static text (id 0)
  Scale,         // static scale under a slider column: "left|middle|right"
  Progress,
};

struct PanelRow {
  const char* caption;  // empty: no frame
  int row, col, rowSpan, colSpan;  // place in the window's grid
};

struct ControlRow {
  int id;  // 0 for static texts
  ControlKind kind;
  const char* caption;
  int panel;
  int row, col, rowSpan, colSpan;
  int lo = 0, hi = 0, tick = 0;  // slider range and tick step; edit range when rangeChecked
  bool rangeChecked = false;
  int initial = 0;
  int buddy = 0;  // label button whose caption names this slider or number box
  bool text = false;  // a read-only box bound to a text rather than a number
  const char* name = nullptr;  // the widget's objectName when not its id
  const char* context = "Window";  // where the caption is marked for translation
};

const std::vector<PanelRow>& panels();
const std::vector<ControlRow>& controls();
const ControlRow* findControl(int id);

// Items of a drop-down list, in order. The captions, scales and list items are marked for
// translation in the "Window" context (core/text.h); the window shows them in the pilot's language.
const std::vector<std::string>& comboItems(int id);

// The 72 flight-mode check boxes, row-major: matrixCheckId(row 0..8, column 0..7).
int matrixCheckId(int row, int column);
// The caption of flight-mode row 0..8 ("Стабильность", marked in the "Flight modes" context),
// and of battery cell 0..3 ("1 банка").
const char* matrixRowCaption(int row);
const char* cellCaption(int cell);

// "График": opens the live data window. It only shows what the display receives and sends nothing.
constexpr int kGraphButton = 2000;

// The window title.
extern const char* const kWindowTitle;

}  // namespace zorv
