#include "core/control_groups.h"

#include "core/control_layout.h"
#include "core/param_catalogue.h"

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

const std::vector<int>& identityEnableList() {
  static const std::vector<int> ids = [] {
    std::vector<int> v = {1002, 1003, 1004, 1005, 1006, 1007, 1008, 1009, 1010, 1011, 1012, 1054,
                          1099, 1100, 1096, 1015, 1215, 1032, 1033};
    for (int index : {3, 4, 5, 6, 7, 10, 11, 12, 13, 14}) {
      const SliderParam* p = sliderByIndex(index);
      v.push_back(p->edit);
      v.push_back(p->slider);
    }
    return v;
  }();
  return ids;
}

const std::vector<int>& identityDisableList() {
  static const std::vector<int> ids = [] {
    std::vector<int> v;
    for (int id = 1102; id <= 1109; ++id) v.push_back(id);
    for (int id = 1121; id <= 1128; ++id) v.push_back(id);
    for (int g : {kReceiverReverseGroup, kOutputReverseGroup})
      for (int box : bitGroups()[static_cast<size_t>(g)].boxes) v.push_back(box);
    return v;
  }();
  return ids;
}

}  // namespace zorv
