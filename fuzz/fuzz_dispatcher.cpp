// The receive dispatcher in every link mode, with the window's handlers behind it.
//
// One input is one session of the window (see dispatch_session.h for the layout): initialised
// as at start-up, put into a link mode with the state that mode expects, then fed receive events
// in pieces of any size, mixed with user actions that change the mode the ordinary way.

#include <cstddef>
#include <cstdint>

#include "fuzz/dispatch_session.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  zorv::fuzz::Bytes in(data, size);
  // Built once; every input starts from the window's state right after start-up.
  static zorv::fuzz::Session& s = *new zorv::fuzz::Session;
  s.start(in);
  while (!in.empty()) s.step(in);
  return 0;
}
