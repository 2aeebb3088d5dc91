#include "serial/connection.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include "core/control_groups.h"
#include "core/control_ids.h"
#include "core/core.h"
#include "core/quiet_line.h"
#include "serial/port_file.h"
#include "serial/port_list.h"

namespace zorv {

namespace {

constexpr int kBufferSize = 1024;
constexpr size_t kPortFileReadLimit = 64;  // the file holds two bytes; never read a stray big file whole

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// Opened for reading and writing, created when missing, never truncated. Read-only use opens it
// for reading and takes a missing file as an empty one (missing is then not an error).
File openPortFile(Core& core, bool* missing = nullptr) {
  if (core.portFileUse == Core::PortFileUse::ReadOnly) {
    std::FILE* f = std::fopen(core.settingsPath.c_str(), "rb");
    if (!f && errno == ENOENT && missing) {
      *missing = true;
      return File(nullptr);
    }
    if (!f)
      core.prompts.tell(ZORV_TEXT("Messages", "Cannot open the file %1: %2").arg(core.settingsPath).arg(std::strerror(errno)),
                        Text("Zorv"), Prompts::Buttons::Ok, Prompts::Icon::Warning);
    return File(f);
  }
  std::FILE* f = std::fopen(core.settingsPath.c_str(), "r+b");
  if (!f && errno == ENOENT) f = std::fopen(core.settingsPath.c_str(), "w+b");
  if (!f) {
    core.prompts.tell(ZORV_TEXT("Messages", "Cannot open the file %1: %2.\r\rThe port is opened all the same; the port "
                                            "you pick is not remembered for the next start.")
                          .arg(core.settingsPath)
                          .arg(std::strerror(errno)),
                      Text("Zorv"), Prompts::Buttons::Ok, Prompts::Icon::Warning);
  }
  return File(f);
}

// False when the file cannot be opened (the user has been told); the port number and the list
// selection are then left as they are.
bool readPort(Core& core) {
  if (core.portFileUse == Core::PortFileUse::None) {
    const int number = core.port.portNumber();
    core.win.setComboIndex(ids::kPortList, number > 0 ? number - 1 : -1);
    return true;
  }
  bool missing = false;
  File f = openPortFile(core, &missing);
  if (!f && !missing) return false;
  char buf[kPortFileReadLimit];
  const size_t n = f ? std::fread(buf, 1, sizeof buf, f.get()) : 0;
  f.reset();
  if (n == 0) {
    core.port.setPortNumber(3);
    return true;
  }
  const int number = decodePortFile(std::string(buf, n));
  core.port.setPortNumber(number);
  core.win.setComboIndex(ids::kPortList, number > 0 ? number - 1 : -1);  // a number outside the list clears the selection
  return true;
}

void applyLineSettings(Core& core) {
  core.port.applyLineSettings();
  core.port.discardInput();
}

bool tryOpen(Core& core) {
  core.port.setBufferSizes(kBufferSize, kBufferSize);
  if (core.port.open()) {
    core.win.setToolTip(ids::kPortStatus, "");
    return true;
  }
  core.win.showToolTip(ids::kPortStatus, openErrorWords(core.port));
  return false;
}

}  // namespace

void readRememberedPort(Core& core) { readPort(core); }

void storePort(Core& core, int n) {
  if (core.portFileUse != Core::PortFileUse::ReadWrite) return;
  File f = openPortFile(core);
  if (!f) return;
  const std::string bytes = encodePortFile(n);
  if (std::fwrite(bytes.data(), 1, bytes.size(), f.get()) != bytes.size() || std::fflush(f.get()) != 0) {
    core.prompts.tell(ZORV_TEXT("Messages", "Cannot write the file %1: %2").arg(core.settingsPath).arg(std::strerror(errno)),
                      Text("Zorv"), Prompts::Buttons::Ok, Prompts::Icon::Warning);
  }
}

void openAtStart(Core& core) {
  MainState& st = core.st;
  if (core.port.isOpen()) core.port.close();
  // A settings file that cannot be opened has been reported; the port the list shows is opened
  // anyway, so the user can still connect (the choice is not remembered then).
  const bool fileOpened = readPort(core);
  if (!fileOpened) core.port.setPortNumber(core.win.comboIndex(ids::kPortList) + 1);
  if (!tryOpen(core)) st.PortOpenFailed = 1;
  core.controlsToMembers();
  st.bound.setText(ids::kPortStatus, st.PortOpenFailed == 1 ? ZORV_NOOP("Messages", "COM Failed") : ZORV_NOOP("Messages", "COM opened"));
  core.membersToControls();
  if (fileOpened) storePort(core, core.win.comboIndex(ids::kPortList) + 1);
  applyLineSettings(core);
  // The first query follows in window initialisation.
}

void onPortSelected(Core& core) {
  MainState& st = core.st;
  st.PortOpenFailed = 0;
  if (core.port.isOpen()) core.port.close();
  const int index = core.win.comboIndex(ids::kPortList);
  core.port.setPortNumber(index + 1);
  if (!tryOpen(core)) st.PortOpenFailed = 1;
  core.controlsToMembers();
  st.bound.setText(ids::kPortStatus, st.PortOpenFailed == 1 ? ZORV_NOOP("Messages", "串口未打开") : ZORV_NOOP("Messages", "COM Opened"));
  core.membersToControls();
  st.ReceivedCount = 0;
  storePort(core, index + 1);
  applyLineSettings(core);
  for (int i = 0; i < 16; ++i) st.MonitorReadings[static_cast<size_t>(i)] = 0;
  const bool streaming = st.MonitorStopped == 0;
  core.endExchangesForNewPort();
  // The stopped stream may still be finishing a record, or send one more: the read-back asks
  // only once the line is quiet, or its first reply would come in behind them.
  if (streaming) waitForQuietLine(core);
  st.LinkMode = LinkMode::Rest;
  st.ReceiveBuffer.clear();
  core.QueryRetries = 3;
  core.startReadback();
}

void onUpgradeButton(Core& core) {
  MainState& st = core.st;
  st.LinkMode = LinkMode::KindQuery;
  st.ReceivedCount = 0;
  if (!core.port.isOpen()) {
    if (!readPort(core)) core.port.setPortNumber(core.win.comboIndex(ids::kPortList) + 1);
    core.port.setBufferSizes(kBufferSize, kBufferSize);
    if (!core.port.open()) {
      core.win.showToolTip(ids::kPortStatus, openErrorWords(core.port));
      core.prompts.tell(openErrorWords(core.port), Text("Zorv"), Prompts::Buttons::Ok,
                           Prompts::Icon::Warning);
      st.LinkMode = LinkMode::Rest;  // nothing was asked: leave the window ready for another try
      core.ended({ExchangeKind::Upgrade, Outcome::Lost, "the port could not be opened"});
      return;
    }
    applyLineSettings(core);
  }
  core.setEnabled(upgradeLockedControls(), false);
  core.port.discardInput();
  core.clock.busyWait(500);
  st.ReceiveBuffer.clear();
  core.controlsToMembers();
  core.await(Exchange::KindQuery, ZORV_TEXT("Messages", "for its firmware kind before the upgrade (query ?W)"));
  core.send("?W\r");
  core.membersToControls();
}

}  // namespace zorv
