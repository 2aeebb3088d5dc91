#pragma once
// The one record of state that every handler of the main window shares.
// It lives in the window for the whole run; all access is on the window thread.

#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "core/bindings.h"
#include "core/link_mode.h"

namespace zorv {

// The sizes of MainState's arrays. They belong to the features that fill the arrays (the
// parameter catalogue, the saved file's lines, the monitor, the firmware image), but MainState
// holds the arrays, so the sizes stay here where every folder can see them.
constexpr int kParamCount = 115;
constexpr int kLoadedLineCount = 120;
constexpr int kMonitorReadingCount = 32;
constexpr int kFirmwareImageSize = 65536;
constexpr int kReceiveBufferLimit = 4096;  // bytes kept while nothing consumes them

struct MainState {
  zorv::LinkMode LinkMode = zorv::LinkMode::Rest;
  int32_t MonitorStopped = 1;
  int32_t FirmwarePacketCount = 0;
  int32_t ReceivedCount = 0;
  int32_t SensorMask = 0;
  std::array<int32_t, kMonitorReadingCount> MonitorReadings{};
  std::array<int32_t, kParamCount> ParamValues{};
  std::array<uint8_t, kFirmwareImageSize> FirmwareImage{};
  std::array<int32_t, 6> BatteryValues{};
  int32_t UploadSequence = 0, UploadPosition = 0, UploadSum = 0, UploadPercent = 0;
  int32_t EchoedSequence = 0, DeviceSum = 0;
  std::array<uint8_t, 64> ReplyArea{};
  std::array<uint8_t, 64> PacketArea{};
  std::string FirmwareTag;
  std::string KindReply;           // every byte of the answer to the kind query, a zero byte as '\0'
  std::string UpgradeUnfinished;   // how far the last upgrade got when it ended unfinished, else ""
  int32_t PortOpenFailed = 0;
  std::array<std::string, kParamCount> ParamLabels;
  int32_t FirmwareSize = 0;
  int32_t FirmwareFileLength = 0;  // bytes of the image actually held (the file's length)
  std::string FirmwarePath;        // file name of the last chosen file
  std::string FirmwareFullPath;    // its full path
  std::string ReceiveBuffer;  // received bytes, one char per byte; zero bytes add nothing
  std::array<std::string, kLoadedLineCount> LoadedLines;
  std::array<int32_t, kLoadedLineCount> LoadedValues{};
  bool AutoProxy = false;  // an automation client holds the application
  // Battery calibration in progress: the four cell values and the value being sent.
  std::array<int32_t, 4> CellVoltages{};
  int32_t CalibrationValue = 0;
  // The enable state of every control the live display locks, as the display found it:
  // stopping the display gives back exactly that. Empty while the display is off.
  std::vector<std::pair<int, bool>> EnabledBeforeDisplay;

  // Every value bound to a control, and what the data exchange knows of the controls.
  Bindings bound;
};

}  // namespace zorv
