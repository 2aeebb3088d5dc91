// Check boxes that form one byte each: the nine flight-mode rows, the sensor selection and the
// two reverse groups. A click writes the group's byte at once; a flight-mode row that is tied to
// a partner row also fixes the partner and writes it too.

#include <array>
#include <cstdint>

#include "core/core.h"
#include "core/param_catalogue.h"
#include "params/bit_boxes.h"
#include "params/setting_send.h"

namespace zorv {

namespace {

// A rule between two flight-mode rows (0-based row numbers), applied column by column after a
// click in `row`: where the clicked row's box is `when`, the partner's box becomes `partnerSet`.
struct RowRule {
  int row;
  int partner;
  int when;
  int partnerSet;
  uint32_t waitMs;  // before the partner's command
};

constexpr std::array<RowRule, 6> kRowRules = {{
    {0, 1, 1, 0, 30},  // stability excludes 3D mode
    {1, 0, 1, 0, 20},  // 3D mode excludes stability
    {3, 4, 1, 0, 20},  // heading lock excludes care-free
    {4, 3, 1, 0, 20},  // care-free excludes heading lock
    {2, 8, 0, 0, 20},  // no height lock: no auto-landing
    {8, 2, 1, 1, 20},  // auto-landing needs height lock
}};

const RowRule* ruleOf(int row) {
  for (const RowRule& r : kRowRules)
    if (r.row == row) return &r;
  return nullptr;
}

int groupIndex(const BitGroup& g) { return static_cast<int>(&g - bitGroups().data()); }

// The eight boxes as the window shows them (ticked = 1) and the byte they form.
std::array<int, 8> readBoxes(Core& core, const BitGroup& g) {
  std::array<int, 8> states{};
  for (size_t k = 0; k < 8; ++k) states[k] = core.win.checkState(g.boxes[k]) == 1 ? 1 : 0;
  return states;
}

int byteOf(const std::array<int, 8>& states) {
  int value = 0;
  for (size_t k = 0; k < 8; ++k)
    if (states[k]) value |= 1 << k;
  return value;
}

// Copies the states into the group's members and ParamValues slots. The members are set here
// as well as read by the exchange, which stops early at a number box that is out of range.
void storeGroup(MainState& st, const BitGroup& g, const std::array<int, 8>& states) {
  for (size_t k = 0; k < 8; ++k) {
    st.bound.set(g.boxes[k], states[k]);
    st.ParamValues[static_cast<size_t>(g.firstIndex) + k] = states[k];
  }
}

void discardAndSend(Core& core, char letter, int value) {
  core.port.discardInput();
  writeSetting(core, letter, value);
}

}  // namespace

void onMatrixClicked(Core& core, int boxId) {
  const BitGroup* g = groupByBox(boxId);
  if (!g) return;
  const int row = groupIndex(*g);
  if (row < 0 || row > 8) return;
  MainState& st = core.st;

  const std::array<int, 8> states = readBoxes(core, *g);
  core.controlsToMembers();
  storeGroup(st, *g, states);
  core.membersToControls();

  st.LinkMode = LinkMode::Rest;
  discardAndSend(core, g->letter, byteOf(states));

  const RowRule* rule = ruleOf(row);
  if (!rule) return;  // rows without a partner write one command

  const BitGroup& partner = bitGroups()[static_cast<size_t>(rule->partner)];
  core.controlsToMembers();
  std::array<int, 8> partnerStates = readBoxes(core, partner);
  for (size_t k = 0; k < 8; ++k)
    if (states[k] == rule->when) partnerStates[k] = rule->partnerSet;
  storeGroup(st, partner, partnerStates);
  core.membersToControls();  // the partner's boxes change at once

  // The controller needs a moment between the two commands; replies wait in the port meanwhile.
  core.clock.busyWait(rule->waitMs);
  // The partner's command goes out even when the rule changed nothing.
  discardAndSend(core, partner.letter, byteOf(partnerStates));
}

void onSensorClicked(Core& core, int boxId) {
  const BitGroup& g = bitGroups()[kSensorGroup];
  if (groupByBox(boxId) != &g) return;
  MainState& st = core.st;
  // The byte is formed from all eight boxes, whichever was clicked.
  const std::array<int, 8> states = readBoxes(core, g);
  st.SensorMask = byteOf(states);
  st.LinkMode = LinkMode::Rest;
  core.controlsToMembers();
  storeGroup(st, g, states);
  core.membersToControls();
  writeSetting(core, g.letter, st.SensorMask);
}

void onReverseClicked(Core& core, int boxId) {
  const BitGroup* g = groupByBox(boxId);
  if (g != &bitGroups()[kReceiverReverseGroup] && g != &bitGroups()[kOutputReverseGroup]) return;
  MainState& st = core.st;
  const std::array<int, 8> states = readBoxes(core, *g);
  core.controlsToMembers();
  storeGroup(st, *g, states);
  core.membersToControls();
  // LinkMode stays: a running live display keeps its mode.
  discardAndSend(core, g->letter, byteOf(states));
}

}  // namespace zorv
