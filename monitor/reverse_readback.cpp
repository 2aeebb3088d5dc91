// The read-back of the reverse flags after a reverse box's write: the flags' query, its reply
// shown in the eight boxes, then the live display again.

#include "monitor/reverse_readback.h"

#include <array>
#include <string_view>

#include "core/core.h"
#include "core/param_catalogue.h"
#include "core/reply.h"
#include "monitor/display.h"

namespace zorv {

namespace {

// A reverse setting's echo and the query that reads the flags back.
struct ReverseEcho {
  std::string_view echo;
  std::string_view query;
  int group;
};
constexpr std::array<ReverseEcho, 2> kReverseEchoes = {{
    {"SN", "?N\r", kReceiverReverseGroup},
    {"SO", "?O\r", kOutputReverseGroup},
}};

}  // namespace

bool startReverseReadback(Core& core, const std::string& echo) {
  for (const ReverseEcho& r : kReverseEchoes) {
    if (echo == r.echo) {
      core.st.LinkMode = LinkMode::ReverseReadback;
      core.await(Exchange::ReverseReadBack,
                 ZORV_TEXT("Messages", "for its reverse flags (query %1)").arg(std::string(r.query.substr(0, 2))));
      core.send(r.query);
      return true;
    }
  }
  return false;
}

void onReverseReadback(Core& core) {
  MainState& st = core.st;
  if (st.ReceivedCount != kQueryReplySize) return;
  st.ReceivedCount = 0;

  const BitGroup* group = nullptr;
  for (const ReverseEcho& r : kReverseEchoes)
    if (st.ReceiveBuffer.compare(0, r.query.size(), r.query) == 0)
      group = &bitGroups()[static_cast<size_t>(r.group)];
  if (!group) {
    // Not the reply asked for: dropped, so that it cannot stand in front of a later reply.
    st.ReceiveBuffer.clear();
    return;
  }

  const int value = replyValue(st.ReceiveBuffer);
  st.ReceiveBuffer.clear();

  core.controlsToMembers();
  for (size_t k = 0; k < group->boxes.size(); ++k) {
    const int bit = bitOf(value, static_cast<int>(k));
    st.ParamValues[static_cast<size_t>(group->firstIndex) + k] = bit;
    st.bound.set(group->boxes[k], bit);
  }
  core.membersToControls();

  core.ended({ExchangeKind::ReverseReadBack, Outcome::Done});
  // The live display runs again, in a consistent state whether or not it ran before.
  startDisplay(core);
}

}  // namespace zorv
