#include "core/control_layout.h"

#include <map>
#include <stdexcept>

#include "core/param_catalogue.h"
#include "core/text.h"

namespace zorv {

const char* const kWindowTitle = ZORV_NOOP("Window", "Программа настройки - Corvex Flight Controller (corvex.example)");

namespace {

using K = ControlKind;

enum PanelIndex { kSystem, kSettings, kLoad, kChannels, kSensors, kBattery, kMonitor, kReadouts };

ControlRow make(int id, K kind, const char* caption, int panel, int row, int col, int rowSpan = 1,
                 int colSpan = 1) {
  ControlRow c{};
  c.id = id;
  c.kind = kind;
  c.caption = caption;
  c.panel = panel;
  c.row = row;
  c.col = col;
  c.rowSpan = rowSpan;
  c.colSpan = colSpan;
  return c;
}

// The flight-mode rows name functions, not the sensors of the same words below them.
constexpr const char* kMatrixContext = "Flight modes";
const char* const kMatrixRows[] = {ZORV_NOOP("Flight modes", "Стабильность"), ZORV_NOOP("Flight modes", "Режим 3D"),
                                   ZORV_NOOP("Flight modes", "Барометр"),     ZORV_NOOP("Flight modes", "Компас"),
                                   ZORV_NOOP("Flight modes", "Care Free"),    ZORV_NOOP("Flight modes", "Подвес серво"),
                                   ZORV_NOOP("Flight modes", "Удержание"),    ZORV_NOOP("Flight modes", "Автопосадка"),
                                   ZORV_NOOP("Flight modes", "AutoLanding")};
const char* const kCellCaptions[] = {ZORV_NOOP("Window", "1 банка"), ZORV_NOOP("Window", "2 банка"),
                                     ZORV_NOOP("Window", "3 банка"), ZORV_NOOP("Window", "4 банка")};

// Flight-mode boxes take the free ids from 1114 up, skipping the display button 1118 and the
// motor read-outs 1121..1128.
const std::vector<int>& matrixIds() {
  static const std::vector<int> ids = [] {
    std::vector<int> v;
    for (int id = 1114; v.size() < 72; ++id) {
      if (id == 1118 || (id >= 1121 && id <= 1128)) continue;
      v.push_back(id);
    }
    return v;
  }();
  return ids;
}

std::vector<ControlRow> buildControls() {
  std::vector<ControlRow> t;
  auto add = [&t](ControlRow c) { t.push_back(c); };

  // System and upgrade.
  add(make(1000, K::LabelButton, ZORV_NOOP("Window", "Порт"), kSystem, 0, 0));
  add(make(1061, K::Combo, "", kSystem, 0, 1));
  t.back().initial = 2;
  t.back().buddy = 1000;
  add(make(1047, K::ReadOnlyEdit, "", kSystem, 0, 2));
  t.back().text = true;
  add(make(1075, K::Progress, ZORV_NOOP("Window", "Загрузка..."), kSystem, 0, 3));
  add(make(1001, K::Button, ZORV_NOOP("Window", "Обновление ПО"), kSystem, 1, 0));
  add(make(1028, K::ReadOnlyEdit, "", kSystem, 1, 1, 1, 2));
  t.back().text = true;
  add(make(1043, K::Button, ZORV_NOOP("Window", "Обновить"), kSystem, 1, 3));

  // Settings: lists, save button, sliders.
  add(make(1002, K::LabelButton, ZORV_NOOP("Window", "Тип модели"), kSettings, 0, 0));
  add(make(1032, K::Combo, "", kSettings, 0, 1, 1, 2));
  t.back().buddy = 1002;
  add(make(1003, K::LabelButton, ZORV_NOOP("Window", "Частота ESC"), kSettings, 1, 0));
  add(make(1033, K::Combo, "", kSettings, 1, 1, 1, 2));
  t.back().buddy = 1003;
  add(make(1013, K::LabelButton, ZORV_NOOP("Window", "Частота servo"), kSettings, 2, 0));
  add(make(1215, K::Combo, "", kSettings, 2, 1));
  t.back().buddy = 1013;
  add(make(1015, K::Button, ZORV_NOOP("Window", "Сохранить конфиг."), kSettings, 2, 2));
  int row = 3;
  for (const SliderParam& s : sliderParams()) {
    if (s.slider == 1046) add(make(0, K::Scale, ZORV_NOOP("Window", "0|50|100"), kSettings, row++, 1));
    if (s.slider == 1055) add(make(0, K::Scale, ZORV_NOOP("Window", "100-|0|100"), kSettings, row++, 1));
    add(make(s.labelButton, K::LabelButton, s.caption, kSettings, row, 0));
    ControlRow slider = make(s.slider, K::Slider, "", kSettings, row, 1);
    slider.lo = s.lo;
    slider.hi = s.hi;
    slider.tick = s.tick;
    slider.initial = s.initial;
    slider.buddy = s.labelButton;
    add(slider);
    ControlRow edit = make(s.edit, K::Edit, "", kSettings, row, 2);
    edit.lo = s.lo;
    edit.hi = s.hi;
    edit.rangeChecked = s.rangeChecked;
    edit.initial = s.initial;
    edit.buddy = s.labelButton;
    add(edit);
    ++row;
  }
  add(make(0, K::Scale, ZORV_NOOP("Window", "2.80V|3.25V|3.70V"), kSettings, row, 1));

  // Load list and version, top right.
  add(make(1100, K::Button, ZORV_NOOP("Window", "Загрузить конфиг."), kLoad, 0, 0));
  add(make(1099, K::Combo, "", kLoad, 0, 1, 1, 2));
  t.back().buddy = 1100;
  t.back().initial = -1;  // nothing chosen until the read-back reports the last set
  add(make(0, K::Label, ZORV_NOOP("Window", "Версия:"), kLoad, 1, 0));
  add(make(1112, K::ReadOnlyEdit, "", kLoad, 1, 1));
  t.back().text = true;

  // Flight-mode matrix.
  add(make(1014, K::Button, ZORV_NOOP("Window", "Возможности"), kChannels, 0, 0));
  add(make(0, K::Label, ZORV_NOOP("Window", "5 Канал"), kChannels, 0, 1, 1, 3));
  add(make(0, K::Label, ZORV_NOOP("Window", "6 Канал"), kChannels, 0, 4, 1, 3));
  add(make(0, K::Label, ZORV_NOOP("Window", "7 Канал"), kChannels, 0, 7, 1, 2));
  add(make(0, K::Scale, ZORV_NOOP("Window", "L   M   H "), kChannels, 1, 1, 1, 3));
  add(make(0, K::Scale, ZORV_NOOP("Window", "L   M   H"), kChannels, 1, 4, 1, 3));
  add(make(0, K::Scale, ZORV_NOOP("Window", "L   H "), kChannels, 1, 7, 1, 2));
  for (int r = 0; r < 9; ++r) {
    add(make(0, K::Label, kMatrixRows[r], kChannels, 2 + r, 0));
    t.back().context = kMatrixContext;
    for (int c = 0; c < 8; ++c) {
      add(make(matrixCheckId(r, c), K::Check, "", kChannels, 2 + r, 1 + c));
      t.back().buddy = -1;  // named from its row and column
    }
  }

  // Sensor selection.
  const std::pair<int, const char*> sensors[] = {{1056, ZORV_NOOP("Window", "LIPO монитор")}, {1057, ZORV_NOOP("Window", "Аппаратура")}, {1058, ZORV_NOOP("Window", "Гироскоп")},
                                                 {1059, ZORV_NOOP("Window", "Акселерометр")}, {1060, ZORV_NOOP("Window", "Компас")},     {1062, ZORV_NOOP("Window", "Барометр")},
                                                 {1064, ZORV_NOOP("Window", "Сонар")},        {1065, ZORV_NOOP("Window", "GPS")}};
  for (int i = 0; i < 8; ++i) add(make(sensors[i].first, K::Check, sensors[i].second, kSensors, i / 4, i % 4));

  // Battery.
  const int cells[] = {1084, 1086, 1087, 1088};
  for (int i = 0; i < 4; ++i) {
    add(make(0, K::Label, kCellCaptions[i], kBattery, 0, i));
    add(make(cells[i], K::Edit, "", kBattery, 1, i));
    t.back().buddy = -1;
  }
  add(make(1096, K::Button, ZORV_NOOP("Window", "Сохранить"), kBattery, 1, 4));

  // Monitor: channels, channel reverse, motors, motor reverse.
  add(make(1118, K::Button, ZORV_NOOP("Window", "Отобразить"), kMonitor, 0, 0, 1, 2));
  add(make(kGraphButton, K::Button, ZORV_NOOP("Window", "График"), kMonitor, 0, 2, 1, 2));
  t.back().name = "graph";
  add(make(0, K::Scale, ZORV_NOOP("Window", "CH1     CH2     CH3      CH4     CH5    CH6     CH7     CH8"), kMonitor, 1, 0, 1, 8));
  for (int i = 0; i < 8; ++i) add(make(1102 + i, K::ReadOnlyEdit, "", kMonitor, 2, i));
  add(make(1206, K::Label, ZORV_NOOP("Window", "Аппаратура управления (реверс каналов)"), kMonitor, 3, 0, 1, 8));
  for (int i = 0; i < 8; ++i) add(make(1197 + i, K::Check, "", kMonitor, 4, i));
  add(make(0, K::Scale, ZORV_NOOP("Window", "М1         M2       M3       M4       M5       M6       M7      M8"), kMonitor, 5, 0, 1, 8));
  for (int i = 0; i < 8; ++i) add(make(1121 + i, K::ReadOnlyEdit, "", kMonitor, 6, i));
  add(make(1207, K::Label, ZORV_NOOP("Window", "Настройка каналов (реверс двигателей)"), kMonitor, 7, 0, 1, 8));
  const int motorReverse[] = {1205, 1208, 1209, 1210, 1211, 1212, 1213, 1214};
  for (int i = 0; i < 8; ++i) add(make(motorReverse[i], K::Check, "", kMonitor, 8, i));

  // Sensor read-outs, bottom right.
  const std::tuple<int, const char*, const char*> readouts[] = {
      {1044, ZORV_NOOP("Window", "Конфиг. компаса"), ZORV_NOOP("Window", "град.")}, {1041, ZORV_NOOP("Window", "Настр. сонара"), ZORV_NOOP("Window", "мм")}, {1029, ZORV_NOOP("Window", "Барометр (высота)"), ZORV_NOOP("Window", "дм")}};
  int r = 0;
  for (const auto& [id, caption, unit] : readouts) {
    add(make(0, K::Label, caption, kReadouts, r, 0));
    add(make(id, K::ReadOnlyEdit, "", kReadouts, r, 1));
    add(make(0, K::Label, unit, kReadouts, r, 2));
    ++r;
  }
  return t;
}

}  // namespace

int matrixCheckId(int row, int column) {
  if (row < 0 || row > 8 || column < 0 || column > 7) throw std::out_of_range("flight-mode box");
  return matrixIds()[static_cast<size_t>(row * 8 + column)];
}

const char* matrixRowCaption(int row) { return row >= 0 && row < 9 ? kMatrixRows[row] : ""; }
const char* cellCaption(int cell) { return cell >= 0 && cell < 4 ? kCellCaptions[cell] : ""; }

const std::vector<PanelRow>& panels() {
  static const std::vector<PanelRow> p = {
      {ZORV_NOOP("Window", "Настройки системы и обновление:"), 0, 0, 1, 1},
      {ZORV_NOOP("Window", "Панель настроек Corvex FC"), 1, 0, 3, 1},
      {"", 0, 1, 1, 1},
      {ZORV_NOOP("Window", "Доп. каналы"), 1, 1, 1, 1},
      {ZORV_NOOP("Window", "Выберите ресурсы используемые на плате"), 2, 1, 1, 1},
      {ZORV_NOOP("Window", "Настройка батареи (Калибровка и диагностика)"), 3, 1, 1, 1},
      {ZORV_NOOP("Window", "Параметры каналов аппаратуры управления"), 4, 0, 1, 1},
      {"", 4, 1, 1, 1},
  };
  return p;
}

const std::vector<ControlRow>& controls() {
  static const std::vector<ControlRow> t = buildControls();
  return t;
}

const ControlRow* findControl(int id) {
  static const std::map<int, const ControlRow*> byId = [] {
    std::map<int, const ControlRow*> m;
    for (const ControlRow& c : controls())
      if (c.id != 0) m[c.id] = &c;
    return m;
  }();
  auto it = byId.find(id);
  return it == byId.end() ? nullptr : it->second;
}

const std::vector<std::string>& comboItems(int id) {
  static const std::map<int, std::vector<std::string>> items = [] {
    std::map<int, std::vector<std::string>> m;
    std::vector<std::string> ports;
    for (int i = 1; i <= 20; ++i) ports.push_back("COM" + std::to_string(i));
    m[1061] = ports;
    m[1032] = {ZORV_NOOP("Window", "1. GIMBAL"),    ZORV_NOOP("Window", "2. BI"),        ZORV_NOOP("Window", "3. TRI"),          ZORV_NOOP("Window", "4. QUADP"),        ZORV_NOOP("Window", "5. QUADX"),
               ZORV_NOOP("Window", "6. Y4"),        ZORV_NOOP("Window", "7----Y6"),      ZORV_NOOP("Window", "8----HEX6"),       ZORV_NOOP("Window", "9----HEX6X"),      ZORV_NOOP("Window", "10--OCTOX8"),
               ZORV_NOOP("Window", "11--OCTOFLATP"), ZORV_NOOP("Window", "12--OCTOFLATX"), ZORV_NOOP("Window", "13--FLYING_WING"), ZORV_NOOP("Window", "14--FIXED_WING")};
    m[1033] = {ZORV_NOOP("Window", "1. 50Hz   (20 ms)"), ZORV_NOOP("Window", "2. 100Hz (10 ms)"),        ZORV_NOOP("Window", "3. 270Hz (3.6ms)"),
               ZORV_NOOP("Window", "4. 330Hz (3ms)"),    ZORV_NOOP("Window", "5. 500Hz (2ms 特殊电调)"), ZORV_NOOP("Window", "6. 2KHz PWM (特殊电调)")};
    m[1215] = {ZORV_NOOP("Window", "1. 50Hz舵机"), ZORV_NOOP("Window", "2. 270HZ舵机")};
    m[1099] = {ZORV_NOOP("Window", "Default 4 axis less 300mm"), ZORV_NOOP("Window", "Default 4 axis  300－450mm"), ZORV_NOOP("Window", "Default 4 axis  450－650mm"),
               ZORV_NOOP("Window", "Default 4 axis  650mm"), ZORV_NOOP("Window", "Load from file saved by yourself")};
    return m;
  }();
  static const std::vector<std::string> none;
  auto it = items.find(id);
  return it == items.end() ? none : it->second;
}

}  // namespace zorv
