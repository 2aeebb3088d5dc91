#include "protocol/reply_framing.h"

namespace zorv {

bool isSettingEcho(const std::string& b) { return b.size() >= 8 && b[0] == 'S' && b[6] == '\r' && b[7] == '\n'; }

bool isDefaultSetEcho(const std::string& b) { return b.size() >= 7 && b.compare(0, 3, "Sj0") == 0 && b[6] == '\r'; }

void dropLineEnds(MainState& st) {
  while (!st.ReceiveBuffer.empty() && (st.ReceiveBuffer[0] == '\n' || st.ReceiveBuffer[0] == '\r') &&
         st.ReceivedCount > 0) {
    st.ReceiveBuffer.erase(0, 1);
    --st.ReceivedCount;
  }
}

}  // namespace zorv
