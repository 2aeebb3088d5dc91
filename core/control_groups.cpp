#include "core/control_groups.h"

#include "core/control_ids.h"
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

void addReverseBoxes(std::vector<int>& v) {
  addBoxes(v, kReceiverReverseGroup);
  addBoxes(v, kOutputReverseGroup);
}

void addReadouts(std::vector<int>& v) {
  addRange(v, ids::kFirstChannelReadout, ids::kLastChannelReadout);
  addRange(v, ids::kFirstMotorReadout, ids::kLastMotorReadout);
}

}  // namespace

const std::vector<int>& upgradeLockedControls() {
  static const std::vector<int> list = [] {
    std::vector<int> v = {ids::kServoRateList, ids::kSaveButton};
    addReverseBoxes(v);
    addReadouts(v);
    v.push_back(ids::kChooseImageButton);
    addRange(v, ids::kFirstLabelButton, ids::kLastLabelButton);
    for (int index : {14, 8, 9}) v.push_back(sliderByIndex(index)->labelButton);
    for (const SliderParam& p : sliderParams()) v.push_back(p.edit);
    v.insert(v.end(), {ids::kModelTypeList, ids::kEscRateList});
    for (const SliderParam& p : sliderParams()) v.push_back(p.slider);
    v.insert(v.end(), kCellEdits.begin(), kCellEdits.end());
    addBoxes(v, kSensorGroup);
    v.insert(v.end(), {ids::kBatterySaveButton, ids::kUpgradeButton, ids::kDisplayButton, ids::kLoadList,
                       ids::kLoadButton});
    for (int row = 0; row < 9; ++row)
      for (int col = 0; col < 8; ++col) v.push_back(matrixCheckId(row, col));
    return v;
  }();
  return list;
}

const std::vector<int>& readoutAndReverseControls() {
  static const std::vector<int> list = [] {
    std::vector<int> v;
    addReadouts(v);  // the channels and motors; the sensor read-outs are not locked by an upgrade
    addReverseBoxes(v);
    return v;
  }();
  return list;
}

const std::vector<int>& identityEnableList() {
  static const std::vector<int> list = [] {
    std::vector<int> v;
    addRange(v, ids::kFirstLabelButton, ids::kLastLabelButton - 1);
    v.push_back(sliderByIndex(14)->labelButton);
    v.insert(v.end(), {ids::kLoadList, ids::kLoadButton, ids::kBatterySaveButton, ids::kSaveButton,
                       ids::kServoRateList, ids::kModelTypeList, ids::kEscRateList});
    for (int index : {3, 4, 5, 6, 7, 10, 11, 12, 13, 14}) {
      const SliderParam* p = sliderByIndex(index);
      v.push_back(p->edit);
      v.push_back(p->slider);
    }
    return v;
  }();
  return list;
}

const std::vector<int>& identityDisableList() { return readoutAndReverseControls(); }

const std::vector<int>& readouts() {
  static const std::vector<int> list = [] {
    std::vector<int> v;
    addReadouts(v);
    v.insert(v.end(), {ids::kCompassReadout, ids::kSonarReadout, ids::kBarometerReadout});
    return v;
  }();
  return list;
}

const std::vector<int>& displayControls() {
  static const std::vector<int> list = [] {
    std::vector<int> v = readouts();
    addReverseBoxes(v);
    return v;
  }();
  return list;
}

const std::vector<int>& lockedWhileDisplaying() {
  static const std::vector<int> list = [] {
    std::vector<int> v;
    for (const SliderParam& p : sliderParams()) v.insert(v.end(), {p.slider, p.edit, p.labelButton});
    for (const ListParam& p : listParams()) {
      v.push_back(p.combo);
      if (const ControlRow* c = findControl(p.combo); c && c->buddy > 0) v.push_back(c->buddy);
    }
    for (int row = 0; row < 9; ++row) addBoxes(v, row);  // flight-mode matrix
    // A sensor box sets LinkMode 0 and the calibration counts its 8-byte echoes: either would
    // stall the display, so both wait until it is stopped.
    addBoxes(v, kSensorGroup);
    v.insert(v.end(), {ids::kBatterySaveButton, ids::kSaveButton, ids::kFirmwareHint, ids::kLoadList,
                       ids::kLoadButton, ids::kChooseImageButton, ids::kUpgradeButton});
    return v;
  }();
  return list;
}

}  // namespace zorv
