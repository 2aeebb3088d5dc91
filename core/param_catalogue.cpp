#include "core/param_catalogue.h"

#include "core/control_layout.h"
#include "core/text.h"

namespace zorv {

namespace {

std::array<std::string, kParamCount> buildLabels() {
  std::array<std::string, kParamCount> l;
  const char* first[] = {"MultiAxisMode", "ESCOutputMode", "RudderOutMode", "Stabili_level", "AUX Stability",
                         "DynaStability", "Blance  Level", "AUXBalancelev", "DriectStabili", "HeadLockSense",
                         "Height   Lock", "AUXHeightlock", "PTZ PitchRate", "PTZ Roll Rate", "Alarm Voltage",
                         "Battery1 Volt", "Battery2 Volt", "Battery3 Volt", "Battery4 Volt", "  Battery    ",
                         "  Recevier   ", "  Gyroscope  ", " Accelerator ", "  Magnetic   ", "  Barometer  ",
                         "  Ultrasonic ", "GPS Receiver "};
  size_t i = 0;
  for (const char* s : first) l[i++] = s;
  for (int n = 1; n <= 8; ++n) l[i++] = "R_CH" + std::to_string(n) + " Reverse";
  for (int n = 1; n <= 8; ++n) l[i++] = "O_M/S" + std::to_string(n) + "Reverse";
  const char* stems[] = {"AutoSta", "3DStrunt", "HeighLock", "HeadLock", "CareFree",
                         "PTZStab", "FreeFixed", "Go Home", "AutoLand"};
  const char* positions[] = {"CH5 L", "CH5 M", "CH5 H", "CH6 L", "CH6 M", "CH6 H", "CH7 L", "CH7 H"};
  for (const char* stem : stems) {
    for (const char* pos : positions) {
      std::string s = stem;
      std::string p = pos;
      if (s.size() > 8) {
        p.erase(3, 1);  // "HeighLockCH5L": the 9-letter stems take the position's blank
      } else {
        s.resize(8, ' ');
      }
      l[i++] = s + p;
    }
  }
  return l;
}

}  // namespace

const std::array<std::string, kParamCount>& paramLabels() {
  static const std::array<std::string, kParamCount> labels = buildLabels();
  return labels;
}

const std::array<SliderParam, 12>& sliderParams() {
  static const std::array<SliderParam, 12> t = {{
      {3, 1038, 1063, 1004, 'C', 0, ZORV_NOOP("Window", "Уровень стабилиз."), 0, 100, 10, true, 0},
      {4, 1039, 1067, 1005, 'D', 0, ZORV_NOOP("Window", "Доп. стабилизация"), 0, 100, 10, true, 0},
      {5, 1040, 1066, 1006, 'E', 0, ZORV_NOOP("Window", "Динамич. стабилиз."), 0, 100, 10, true, 0},
      {6, 1034, 1068, 1007, 'F', 0, ZORV_NOOP("Window", "Уровень балансир."), 0, 100, 10, true, 0},
      {7, 1035, 1069, 1008, 'G', 0, ZORV_NOOP("Window", "Доп. балансировка"), 0, 100, 10, true, 0},
      {8, 1078, 1077, 1076, 'Y', 0, ZORV_NOOP("Window", "Курсовая стабилиз."), 0, 100, 10, true, 0},
      {9, 1081, 1080, 1079, 'Z', 0, ZORV_NOOP("Window", "Чувствит. компаса"), 0, 100, 10, true, 0},
      {10, 1036, 1070, 1009, 'R', 0, ZORV_NOOP("Window", "Настройки барометр"), 0, 100, 10, true, 0},
      {11, 1037, 1071, 1010, 'T', 0, ZORV_NOOP("Window", "Чувствит. барометр"), 0, 100, 10, true, 0},
      {12, 1046, 1072, 1011, 'J', 100, ZORV_NOOP("Window", "Подвес по Pitch"), -100, 100, 10, true, 0},
      {13, 1045, 1073, 1012, 'K', 100, ZORV_NOOP("Window", "Подвес по Roll"), -100, 100, 10, true, 0},
      {14, 1055, 1074, 1054, 'L', 0, ZORV_NOOP("Window", "Монитор LIPO"), 280, 370, 1, false, 355},
  }};
  return t;
}

const SliderParam* sliderBySlider(int sliderId) {
  for (const SliderParam& p : sliderParams())
    if (p.slider == sliderId) return &p;
  return nullptr;
}

const SliderParam* sliderByEdit(int editId) {
  for (const SliderParam& p : sliderParams())
    if (p.edit == editId) return &p;
  return nullptr;
}

const SliderParam* sliderByIndex(int index) {
  for (const SliderParam& p : sliderParams())
    if (p.index == index) return &p;
  return nullptr;
}

const std::array<ListParam, 3>& listParams() {
  static const std::array<ListParam, 3> t = {{{0, 1032, 'A'}, {1, 1033, 'B'}, {2, 1215, 'P'}}};
  return t;
}

const ListParam* listByCombo(int comboId) {
  for (const ListParam& p : listParams())
    if (p.combo == comboId) return &p;
  return nullptr;
}

int listStoredValue(const ListParam& p, int item) {
  if (p.letter == 'P') return item == 1 ? 2 : 1;
  return item + 1;
}

int listWireValue(const ListParam& p, int item) {
  if (p.letter == 'P') return item == 1 ? 3 : 1;
  return item + 1;
}

const std::array<BitGroup, 12>& bitGroups() {
  static const std::array<BitGroup, 12> t = [] {
    std::array<BitGroup, 12> g{};
    for (int r = 0; r < 9; ++r) {
      g[r].letter = static_cast<char>('a' + r);
      g[r].firstIndex = 43 + 8 * r;
      for (int c = 0; c < 8; ++c) g[r].boxes[c] = matrixCheckId(r, c);
    }
    g[kSensorGroup] = {'M', 19, {1056, 1057, 1058, 1059, 1060, 1062, 1064, 1065}};
    g[kReceiverReverseGroup] = {'N', 27, {1197, 1198, 1199, 1200, 1201, 1202, 1203, 1204}};
    g[kOutputReverseGroup] = {'O', 35, {1205, 1208, 1209, 1210, 1211, 1212, 1213, 1214}};
    return g;
  }();
  return t;
}

ParamScale paramScale(int index) {
  switch (index) {
    case 0: return {1, 14};
    case 1: return {1, 6};
    case 2: return {1, 2};
    case 12:
    case 13: return {-100, 100};
    case 14: return {280, 370};
    case 15:
    case 16:
    case 17:
    case 18: return {-999, 9999};
    default: return index < 12 ? ParamScale{0, 100} : ParamScale{0, 1};
  }
}

const BitGroup* groupByLetter(char letter) {
  for (const BitGroup& g : bitGroups())
    if (g.letter == letter) return &g;
  return nullptr;
}

const BitGroup* groupByBox(int boxId, int* bit) {
  for (const BitGroup& g : bitGroups()) {
    for (int k = 0; k < 8; ++k) {
      if (g.boxes[k] == boxId) {
        if (bit) *bit = k;
        return &g;
      }
    }
  }
  return nullptr;
}

}  // namespace zorv
