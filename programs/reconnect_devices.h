#pragma once
// What the reconnect looks at on a real port: the pinned link of a number (tested once a second,
// without a scan), the port list scanned again once the device is back, the device opened.

#include <sys/stat.h>

#include <string>

#include "gui/reconnect.h"
#include "gui/zorv_dlg.h"
#include "qtsys/serial_port.h"

namespace zorv {

inline Reconnect::Devices reconnectDevices(QtSerialPort& port, CZorvDlg& window) {
  return Reconnect::Devices{
      [](int n) {
        const std::string link = portLinkFolder() + "/COM" + std::to_string(n);
        struct stat st {};
        return ::lstat(link.c_str(), &st) == 0 && S_ISLNK(st.st_mode) ? link : std::string();
      },
      [&port, &window](int n) {
        window.setPortLabels(port.relabel());
        return resolvePortDevice(n);
      },
      [&port] { return port.device(); }};
}

}  // namespace zorv
