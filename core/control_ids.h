#pragma once
// The controls that code names one by one. Families of controls (slider rows, bit boxes, the
// flight-mode matrix) are found through the parameter catalogue and the layout table instead.

namespace zorv::ids {

// System and upgrade.
constexpr int kPortButton = 1000;          // caption button "Порт"
constexpr int kPortList = 1061;            // COM1..COM20
constexpr int kPortStatus = 1047;          // text box: "COM opened", "串口未打开", upload progress
constexpr int kProgressBar = 1075;
constexpr int kChooseImageButton = 1001;   // "Обновление ПО"
constexpr int kFirmwareHint = 1028;        // text box beside it
constexpr int kUpgradeButton = 1043;       // "Обновить"

// Settings.
constexpr int kModelTypeList = 1032;
constexpr int kEscRateList = 1033;
constexpr int kServoRateList = 1215;
constexpr int kSaveButton = 1015;          // "Сохранить конфиг."
constexpr int kFirstLabelButton = 1002;    // the caption buttons 1002..1013
constexpr int kLastLabelButton = 1013;
constexpr int kFeaturesButton = 1014;      // "Возможности"
constexpr int kAlarmSlider = 1055;         // battery alarm ("Монитор LIPO")
constexpr int kAlarmEdit = 1074;           // its number box, which takes any number (no range check)
constexpr int kHeightLockEdit = 1070;      // number box of "Настройки барометр"

// Load list and version.
constexpr int kLoadButton = 1100;
constexpr int kLoadList = 1099;
constexpr int kVersionBox = 1112;

// Battery.
constexpr int kBatterySaveButton = 1096;

// Live display.
constexpr int kDisplayButton = 1118;
constexpr int kFirstChannelReadout = 1102;  // CH1..CH8
constexpr int kLastChannelReadout = 1109;
constexpr int kFirstMotorReadout = 1121;    // M1..M8
constexpr int kLastMotorReadout = 1128;
constexpr int kCompassReadout = 1044;
constexpr int kSonarReadout = 1041;
constexpr int kBarometerReadout = 1029;

}  // namespace zorv::ids
