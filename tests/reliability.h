#pragma once
// Shared pieces of the reliability tests (tests/reliability_*_test.cpp): faults as table rows,
// stepping an exchange up to the answer a fault should hit, the window's state for comparing a
// disturbed exchange with an undisturbed one, and the lost port with the user's way back.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "core/control_groups.h"
#include "core/param_catalogue.h"
#include "firmware/upgrade_words.h"
#include "protocol/readback.h"
#include "tests/support/harness.h"
#include "tests/support/pilot.h"

namespace zorv::test::reliability {

constexpr const char* kLostReason = "Port closed: device gone (unplugged or switched off)";

// One fault, armed on the next answer the controller shapes (`length` bytes when whole).
struct Fault {
  std::string name;
  std::function<void(sim::Controller&, size_t length)> arm;
};

inline Fault whole() {
  return {"whole", [](sim::Controller&, size_t) {}};
}
inline Fault splitAt(size_t k) {
  return {"split at " + std::to_string(k), [k](sim::Controller& c, size_t) { c.faults.splitAt = {k}; }};
}
// Every byte its own receive event.
inline Fault bytewise() {
  return {"one byte per event", [](sim::Controller& c, size_t length) {
            for (size_t k = 1; k < length; ++k) c.faults.splitAt.push_back(k);
          }};
}
// A split at every boundary of an answer of `length` bytes, then one byte per event.
inline std::vector<Fault> everySplit(size_t length) {
  std::vector<Fault> v;
  for (size_t k = 1; k < length; ++k) v.push_back(splitAt(k));
  v.push_back(bytewise());
  return v;
}
inline Fault drop() {
  return {"dropped", [](sim::Controller& c, size_t) { c.faults.dropAnswers = 1; }};
}
inline Fault corrupt(int k) {
  return {"byte " + std::to_string(k) + " corrupted", [k](sim::Controller& c, size_t) { c.faults.corruptByte = k; }};
}
inline Fault extra(const std::string& bytes, bool ownEvent = false) {
  std::string shown;
  for (char ch : bytes) shown += ch == '\r' ? "\\r" : ch == '\n' ? "\\n" : std::string(1, ch);
  return {"extra \"" + shown + "\"" + (ownEvent ? " in an event of their own" : ""),
          [=](sim::Controller& c, size_t length) {
            c.faults.extraBytes.assign(bytes.begin(), bytes.end());
            if (ownEvent) c.faults.splitAt = {length};
          }};
}
// Power cycled between two answers: what it was doing (loader, stream) ends; queued answers stay.
inline Fault restarted() {
  return {"controller restarted", [](sim::Controller& c, size_t) { c.restart(); }};
}
inline Fault vanishAfter(int64_t bytes) {
  return {"gone after " + std::to_string(bytes) + " bytes", [bytes](sim::Controller& c, size_t) { c.faults.vanishAfterBytes = bytes; }};
}

// Delivers receive events one at a time until the controller has heard a command that begins
// with `command`; its answer is then shaped and waiting, and a fault armed now hits the answer to
// whatever the window sends next. An empty command returns at once. False when the exchange
// ended without it.
inline bool untilHeard(Harness& h, const std::string& command) {
  if (command.empty()) return true;
  while (h.ctrl.log().empty() || h.ctrl.log().back().rfind(command, 0) != 0)
    if (!h.port.deliverOne()) return false;
  return true;
}

// Everything the window shows.
struct WindowState {
  IdMap<std::string> texts;
  IdMap<int> sliders, checks, combos;
  IdMap<bool> enabled;
  bool progressVisible = false;
};

inline WindowState stateOf(const FakeWindow& w) {
  return {w.texts(), w.sliders(), w.checks(), w.combos(), w.enabled(), w.progressVisible()};
}

// The controls that differ, one per line; empty when both windows look alike.
inline std::string differences(const WindowState& got, const WindowState& want) {
  std::ostringstream out;
  auto compare = [&out](const char* what, const auto& a, const auto& b) {
    for (const auto& [id, value] : b) {
      auto it = a.find(id);
      if (it == a.end() || it->second != value)
        out << what << ' ' << id << ": " << (it == a.end() ? decltype(value){} : it->second) << " instead of "
            << value << '\n';
    }
  };
  compare("text", got.texts, want.texts);
  compare("slider", got.sliders, want.sliders);
  compare("check", got.checks, want.checks);
  compare("list", got.combos, want.combos);
  compare("enabled", got.enabled, want.enabled);
  if (got.progressVisible != want.progressVisible) out << "progress bar shown: " << got.progressVisible << '\n';
  return out.str();
}

// The window shows what the controller holds, and the parameter controls are unlocked.
inline void expectConnected(const Harness& h) {
  const MainState& st = h.core.st;
  EXPECT_TRUE(h.port.isOpen());
  EXPECT_EQ(st.LinkMode, LinkMode::Rest);
  for (int id : identityEnableList()) EXPECT_TRUE(h.win.isEnabled(id)) << "control " << id;
  for (const SliderParam& p : sliderParams())
    EXPECT_EQ(st.ParamValues[static_cast<size_t>(p.index)], h.ctrl.value(p.letter) - p.wireOffset) << p.letter;
  for (const BitGroup& g : bitGroups())
    for (int k = 0; k < 8; ++k)
      EXPECT_EQ(st.ParamValues[static_cast<size_t>(g.firstIndex + k)], bitOf(h.ctrl.value(g.letter), k)) << g.letter;
}

// The port went away: closed, the status box says so with the reason in its tooltip, nothing is
// awaited any more, no progress or display is left running.
inline void expectLost(const Harness& h) {
  EXPECT_FALSE(h.port.isOpen());
  EXPECT_EQ(h.win.text(ids::kPortStatus), "串口未打开");
  // After the reason, or after what an upgrade under way left in the controller.
  const std::string tip = h.win.toolTip(ids::kPortStatus);
  EXPECT_EQ(tip.size() >= std::string(kLostReason).size() ? tip.substr(tip.size() - std::string(kLostReason).size()) : tip,
            kLostReason);
  EXPECT_EQ(h.core.st.LinkMode, LinkMode::Rest);
  EXPECT_EQ(h.core.st.ReceivedCount, 0);
  EXPECT_EQ(h.core.st.MonitorStopped, 1);
  EXPECT_FALSE(h.win.progressVisible());
  EXPECT_TRUE(h.win.isEnabled(ids::kPortList));
}

// The user picks the port again: everything is read back.
inline void pickPortAgain(Harness& h) {
  h.win.userSelect(ids::kPortList, 2);
  h.pump();
}

// The controller is plugged in again, and the user picks the port.
inline void plugInAndPickPort(Harness& h) {
  h.ctrl.restart();
  pickPortAgain(h);
}

// --- A firmware image for the upgrade's exchange ---

// 100 bytes: N = 3, so the packets are start 1, data 2 and 3, sum 4, finish 5. No byte is a CR,
// so a controller out of its loader takes no packet for a command.
inline std::string image() {
  std::string bytes(100, '\0');
  for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>(0x40 + i * 7 % 150);
  return bytes;
}

// Presses "Обновить" and answers its question OK; the question is checked and dropped from the
// boxes shown, so that a test sees what the upgrade itself says.
inline void pressUpgrade(Harness& h) {
  const size_t before = h.prompts.shown.size();
  h.win.userPress(ids::kUpgradeButton);
  ASSERT_GT(h.prompts.shown.size(), before);
  EXPECT_EQ(h.prompts.shown[before].text.rfind("Upgrade the controller on COM", 0), 0u) << h.prompts.shown[before].text;
  EXPECT_EQ(h.prompts.shown[before].buttons, Prompts::Buttons::OkCancel);
  h.prompts.shown.erase(h.prompts.shown.begin() + static_cast<std::ptrdiff_t>(before));
}

// The data error box of an upgrade that ended after the upgrade command went out.
inline std::string dataErrorUnfinished() {
  return std::string("Data error，Please try it again!\r\r") + kIncompleteFirmware;
}

// Chooses image() as the firmware file; no box is left among those shown.
inline void chooseImage(Harness& h) {
  test::chooseImage(h, image());
  h.prompts.shown.clear();
}

// Every control the upgrade locked is back, except the read-outs and reverse boxes, which stay off,
// and after a success the start button, which waits for the file to be chosen again.
inline void expectUnlockedAfterUpgrade(const Harness& h, bool succeeded = false) {
  const std::vector<int>& off = readoutAndReverseControls();
  for (int id : upgradeLockedControls())
    EXPECT_EQ(h.win.isEnabled(id),
              std::find(off.begin(), off.end(), id) == off.end() && !(succeeded && id == ids::kUpgradeButton))
        << "control " << id;
}

// The image went through: the controller holds it with its zero fill up to whole packets.
inline void expectUpgraded(const Harness& h) {
  ASSERT_FALSE(h.prompts.shown.empty());
  EXPECT_EQ(h.prompts.shown.back().text, "Congratulations!You've upgraded successfully!");
  std::string carried = image();
  carried.resize(2 * 56, '\0');
  EXPECT_EQ(std::string(h.ctrl.flash().begin(), h.ctrl.flash().end()), carried);
  EXPECT_EQ(h.core.st.LinkMode, LinkMode::Rest);
  EXPECT_FALSE(h.win.progressVisible());
  EXPECT_EQ(h.win.text(ids::kPortStatus), "COM Opened");
  EXPECT_EQ(h.win.text(ids::kFirmwareHint), "Upgraded with fw.bin. To upgrade again, choose the firmware file again.");
  expectUnlockedAfterUpgrade(h, true);
}

}  // namespace zorv::test::reliability
