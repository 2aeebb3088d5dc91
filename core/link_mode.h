#pragma once
// What the next bytes from the controller are read as. A sender sets the mode for the reply it
// expects; the receive dispatcher runs the reply logic of the current mode.

#include <cstdint>

namespace zorv {

enum class LinkMode : int32_t {
  Rest = 0,              // resting: the read-back's 10-byte replies, setting echoes, the "Sj0" restart
  Identity = 1,          // the 12-byte answer to "?W\r" that ends the read-back
  UpgradeAnswer = 2,     // "RADY"/"RADE" after the upgrade command
  UploadData = 3,        // echoes of the start and data packets; the next data packet follows
  UploadSum = 4,         // echo of the last data packet; the sum packet follows
  UploadFinish = 5,      // the controller's sum; the finish packet follows
  UploadLast = 6,        // answer to the finish packet: the upload is done
  FileChain = 7,         // the answers of a loaded parameter file's chain of settings
  Monitor = 10,          // the live display's 38-character records
  CalibrationEcho = 15,  // the 8-byte echoes of the battery calibration and the reverse writes
  ReverseReadback = 20,  // the 10-byte replies of the reverse flags' read-back
  KindQuery = 30,        // the answer to "?W\r" before an upgrade: which firmware the controller takes
};

// The upgrade's exchanges, from the upgrade command to the last packet.
constexpr bool isUploadMode(LinkMode m) { return m >= LinkMode::UpgradeAnswer && m <= LinkMode::UploadLast; }
// The packet exchanges, whose replies are raw bytes rather than text.
constexpr bool isPacketMode(LinkMode m) { return m >= LinkMode::UploadData && m <= LinkMode::UploadLast; }

}  // namespace zorv
