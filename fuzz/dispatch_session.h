#pragma once
// One window session driven by bytes: the dispatcher fuzz target runs it on the fuzzer's input,
// and the seed maker runs the same steps to record real conversations as inputs.
//
// Input layout:
//   byte 0     the starting link mode: below 240 one of the handled modes (kModes, cyclic),
//              from 240 on one of kOtherModes, which no handler owns
//   byte 1     bit 0: message boxes are answered Ok/Yes (else Cancel/No; an Ok-only box is Ok)
//              bit 1: file dialogs give a file (a firmware image, a saved parameter file, a
//                     place to save) instead of being cancelled
//              bit 2: opening the port fails
//              bit 3: a firmware image is loaded whatever the mode
//   bytes 2-3  length of that image less 2 (big-endian, modulo 65535)
//   then steps until the input ends, each picked by one byte:
//   00..7F  a receive event bringing the next (op + 1) bytes
//   80..8F  a press on an enabled push or caption button (next byte picks it)
//   90..9F  a choice in an enabled list (next bytes: the list, the item)
//   A0..AF  a click on an enabled check box (next byte)
//   B0..BF  a slider moved to a position (next bytes); odd op: released, too
//   C0..CF  typing into an enabled number box (next byte, then op & 7 characters)
//   D0..DF  the link mode set as at the start (next byte), its state primed
//   E0..E7  a receive event with nothing new waiting
//   E8..EF  the port lost (unplugged)
//   F0..F7  the message box answers flip between agreeing and cancelling
//   F8..FB  close box, Esc, Enter
//   FC..FF  a receive event of 129..2169 bytes (past the 2048-byte staging area), the next
//           byte giving the length and up to 16 more the pattern repeated
// Everything runs on fakes: no sleeping, no real port, files only in a scratch folder.

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/link_mode.h"
#include "core/main_state.h"
#include "fuzz/fuzz_support.h"
#include "router/router.h"
#include "tests/support/fake_clock.h"
#include "tests/support/fakes.h"
#include "tests/support/feed_port.h"

namespace zorv::fuzz {

constexpr std::array<LinkMode, 12> kModes = {
    LinkMode::Rest,       LinkMode::Identity,     LinkMode::UpgradeAnswer, LinkMode::UploadData,
    LinkMode::UploadSum,  LinkMode::UploadFinish, LinkMode::UploadLast,    LinkMode::FileChain,
    LinkMode::Monitor,    LinkMode::CalibrationEcho, LinkMode::ReverseReadback, LinkMode::KindQuery};
// Values no handler owns.
constexpr std::array<int32_t, 16> kOtherModes = {8, 9, 11, 12, 14, 16, 19, 21, 29, 31, 40, 100,
                                                 -1, -30, INT32_MAX, INT32_MIN};

LinkMode modeFrom(uint8_t b);
// The byte that starts a session in `mode` (one of kModes).
uint8_t modeByte(LinkMode mode);

// The files of the scratch folder the session's dialogs give.
struct Files {
  std::string settings, image, saved, out;
};
const Files& sessionFiles();

// Parameter values as a controller might hold them: all inside their ranges.
std::array<int32_t, kParamCount> sampleValues();
// The firmware images of the runs: `length` bytes of one pattern.
std::string imageBytes(size_t length);

// Controls a user can act on, by kind, in table order.
struct ControlIds {
  std::vector<int> buttons, combos, checks, sliders, edits;
};
const ControlIds& controlIds();
// The byte that picks `id` from `ids` (for the seed maker).
uint8_t pickByte(const std::vector<int>& ids, int id);

// One window for the whole run: it is built and initialised once per way the port opens, and
// every input starts from a copy of that state (the window double, MainState, the port, the
// clock), so an input costs its own steps and not a rebuild of the window and its 64 KiB areas.
// The port and the prompts are the tests' doubles: the port hands over what arrives, a few KiB at
// most; message boxes never block and answer as `prompts.agree` says, and file dialogs give the
// scratch folder's files while `giveFiles` is set.
class Session {
 public:
  test::FeedPort port;
  test::FakeWindow win;
  test::ScriptedPrompts prompts;
  FakeClock clock;
  std::unique_ptr<Router> core;

  Session();
  ~Session();

  // Reads the four header bytes, puts the window into its state right after start-up and enters
  // the mode.
  void start(Bytes& in);
  // Runs one step; the input must not be empty.
  void step(Bytes& in);
  // What must hold after every step, whatever arrived.
  void check() const;

 private:
  // The state right after window initialisation, taken once for each way the port opens.
  struct StartedUp {
    bool taken = false;
    MainState st;
    int queryRetries = 3;
    test::FakeWindow win;
    test::FeedPort port;
    FakeClock clock;
  };

  void receive(std::string_view bytes);
  void startedUp(bool failOpen);
  // What loading the image file of this input's length does, from the pattern built once.
  void loadImage();
  // Puts the window into `mode` with the state its handlers find there when the mode is reached
  // the ordinary way.
  void enterMode(LinkMode mode);

  bool giveFiles_ = false;
  bool imageEverywhere_ = false;
  size_t imageLength_ = 2;
  StartedUp startedUp_[2];
};

}  // namespace zorv::fuzz
