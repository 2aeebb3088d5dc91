#pragma once
// Drives whatever sits at the controller's end of the line (the simulated controller, a replay)
// by a script: the port opens, the window sends, time passes, and what came back is checked. A
// table of such scripts reads like the line itself.
//   runPeerScript(controller, {opened(), sent("?C\r"), after(20), out("?C\r 0050\r\n")});

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "sim/peer.h"

namespace zorv::test {

struct PeerStep {
  enum Kind { Open, Send, Wait, Expect, ExpectSize, Due } kind;
  std::string bytes;
  uint32_t n = 0;
};

inline PeerStep opened() { return {PeerStep::Open, {}, 0}; }
inline PeerStep sent(std::string bytes) { return {PeerStep::Send, std::move(bytes), 0}; }
inline PeerStep after(uint32_t ms) { return {PeerStep::Wait, {}, ms}; }
// Everything sent since the last check, joined, is exactly this.
inline PeerStep out(std::string bytes) { return {PeerStep::Expect, std::move(bytes), 0}; }
// ... is this many bytes (for output whose content is checked elsewhere, such as records).
inline PeerStep outSize(uint32_t bytes) { return {PeerStep::ExpectSize, {}, bytes}; }
// The peer has something to do in exactly this many milliseconds.
inline PeerStep dueIn(uint32_t ms) { return {PeerStep::Due, {}, ms}; }

// Runs the script; a failed check names its step (from 1).
inline void runPeerScript(sim::Peer& peer, const std::vector<PeerStep>& script) {
  std::string got;
  auto take = [&] {
    for (const auto& chunk : peer.takeOutput()) got.append(chunk.begin(), chunk.end());
  };
  for (size_t i = 0; i < script.size(); ++i) {
    const PeerStep& s = script[i];
    switch (s.kind) {
      case PeerStep::Open:
        peer.portOpened();
        break;
      case PeerStep::Send:
        peer.receive(reinterpret_cast<const uint8_t*>(s.bytes.data()), s.bytes.size());
        break;
      case PeerStep::Wait:
        peer.advance(s.n);
        break;
      case PeerStep::Expect:
        take();
        EXPECT_EQ(got, s.bytes) << "step " << i + 1;
        got.clear();
        break;
      case PeerStep::ExpectSize:
        take();
        EXPECT_EQ(got.size(), s.n) << "step " << i + 1;
        got.clear();
        break;
      case PeerStep::Due:
        EXPECT_EQ(peer.msUntilDue(), s.n) << "step " << i + 1;
        break;
    }
  }
}

}  // namespace zorv::test
