#include "firmware/control_lists.h"

#include "app/control_layout.h"
#include "params/catalogue.h"

namespace zorv {

namespace {

void addRange(std::vector<int>& v, int first, int last) {
  for (int id = first; id <= last; ++id) v.push_back(id);
}

void addBoxes(std::vector<int>& v, int group) {
  for (int id : bitGroups()[static_cast<size_t>(group)].boxes) v.push_back(id);
}

void addReadouts(std::vector<int>& v) {
  addRange(v, 1102, 1109);  // CH1..CH8
  addRange(v, 1121, 1128);  // M1..M8
}

}  // namespace

const std::vector<int>& upgradeLockedControls() {
  static const std::vector<int> ids = [] {
    std::vector<int> v = {1215, 1015};
    addBoxes(v, kReceiverReverseGroup);
    addBoxes(v, kOutputReverseGroup);
    addReadouts(v);
    v.push_back(1001);
    addRange(v, 1002, 1013);
    v.insert(v.end(), {1054, 1076, 1079});
    for (const SliderParam& p : sliderParams()) v.push_back(p.edit);
    v.insert(v.end(), {1032, 1033});
    for (const SliderParam& p : sliderParams()) v.push_back(p.slider);
    v.insert(v.end(), kCellEdits.begin(), kCellEdits.end());
    addBoxes(v, kSensorGroup);
    v.insert(v.end(), {1096, 1043, 1118, 1099, 1100});
    for (int row = 0; row < 9; ++row)
      for (int col = 0; col < 8; ++col) v.push_back(matrixCheckId(row, col));
    return v;
  }();
  return ids;
}

const std::vector<int>& readoutAndReverseControls() {
  static const std::vector<int> ids = [] {
    std::vector<int> v;
    addReadouts(v);
    addBoxes(v, kReceiverReverseGroup);
    addBoxes(v, kOutputReverseGroup);
    return v;
  }();
  return ids;
}

}  // namespace zorv
