#pragma once
// What the reconnect looks at on a real port: the pinned link of a number (tested once a second,
// without a scan), a USB serial number among udev's /dev/serial/by-id names (a folder read), the
// port list scanned again once the device is back, the device opened.

#include <dirent.h>
#include <sys/stat.h>

#include <string>
#include <vector>

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
        const std::vector<PortEntry> entries = scanPorts();
        return n >= 1 && n <= kPortCount ? entries[static_cast<size_t>(n - 1)] : PortEntry{};
      },
      [](const std::string& serial) {
        // udev names each USB serial device by its maker, product and serial number here.
        DIR* dir = ::opendir("/dev/serial/by-id");
        if (!dir) return false;
        bool found = false;
        while (const dirent* e = ::readdir(dir))
          if (std::string(e->d_name).find("_" + serial + "-") != std::string::npos) found = true;
        ::closedir(dir);
        return found;
      },
      [&port] { return port.device(); }};
}

}  // namespace zorv
