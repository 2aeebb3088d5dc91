#include "protocol/readback.h"

#include <array>

#include "core/control_groups.h"
#include "core/control_ids.h"
#include "core/control_layout.h"
#include "core/core.h"
#include "core/no_answer.h"
#include "core/param_catalogue.h"
#include "core/reply.h"
#include "core/text_number.h"

namespace zorv {

namespace {

enum class Store { SliderPair, SliderPairLess100, List, None, Tenth, Bits, Servo, Version, Preset };

struct Step {
  char query;
  Store store;
  int target;  // ParamValues index, list id or bit group
  char next;   // 'W' ends the chain with the identity query
};

// The read-back, in chain order.
constexpr std::array<Step, kReadbackQueries> kSteps = {{
    {'C', Store::SliderPair, 3, 'A'},        {'A', Store::List, ids::kModelTypeList, 'B'},
    {'B', Store::List, ids::kEscRateList, 'D'},           {'D', Store::SliderPair, 4, 'E'},
    {'E', Store::SliderPair, 5, 'F'},        {'F', Store::SliderPair, 6, 'G'},
    {'G', Store::SliderPair, 7, 'H'},        {'H', Store::None, 0, 'I'},
    {'I', Store::None, 0, 'J'},              {'J', Store::SliderPairLess100, 12, 'K'},
    {'K', Store::SliderPairLess100, 13, 'L'}, {'L', Store::SliderPair, 14, 'R'},
    {'R', Store::SliderPair, 10, 'T'},       {'T', Store::SliderPair, 11, 'Y'},
    {'Y', Store::SliderPair, 8, 'Z'},        {'Z', Store::SliderPair, 9, '4'},
    {'4', Store::Tenth, 0, '5'},             {'5', Store::Tenth, 1, '6'},
    {'6', Store::Tenth, 2, '7'},             {'7', Store::Tenth, 3, 'M'},
    {'M', Store::Bits, kSensorGroup, 'N'},   {'N', Store::Bits, kReceiverReverseGroup, 'O'},
    {'O', Store::Bits, kOutputReverseGroup, 'P'}, {'P', Store::Servo, 0, 'V'},
    {'V', Store::Version, 0, 'a'},           {'a', Store::Bits, 0, 'b'},
    {'b', Store::Bits, 1, 'c'},              {'c', Store::Bits, 2, 'd'},
    {'d', Store::Bits, 3, 'e'},              {'e', Store::Bits, 4, 'f'},
    {'f', Store::Bits, 5, 'g'},              {'g', Store::Bits, 6, 'h'},
    {'h', Store::Bits, 7, 'i'},              {'i', Store::Bits, 8, 'k'},
    {'k', Store::None, 0, 'j'},              {'j', Store::Preset, ids::kLoadList, 'W'},
}};

// The box and the slider show what the controller reported; the table takes it into the
// parameter's scale, so a value nobody chose is never saved or sent. Returns what the user is
// told when the value had to be brought into the scale, else "".
std::string storeSliderPair(MainState& st, int index, int value) {
  const SliderParam* p = sliderByIndex(index);
  st.bound.at(p->edit) = value;
  st.bound.at(p->slider) = value;
  const ParamScale scale = paramScale(index);
  st.ParamValues[static_cast<size_t>(index)] = scale.clamp(value);
  if (scale.holds(value)) return {};
  const ControlRow* label = findControl(p->labelButton);
  return std::string("The controller reports ") + std::to_string(value) + " for \"" + (label ? label->caption : "") +
         "\", which takes " + std::to_string(scale.lo) + " to " + std::to_string(scale.hi) +
         ". The window keeps " + std::to_string(scale.clamp(value)) +
         ": releasing the slider or loading a saved file sends that value.";
}

// Stores one reply; returns the number the continue rule tests. `note` receives what the user
// is told when the value was brought into its scale.
int store(Core& core, const Step& step, const std::string& field, std::string& note) {
  MainState& st = core.st;
  const int value = leadingInt(field);
  switch (step.store) {
    case Store::SliderPair:
      note = storeSliderPair(st, step.target, value);
      break;
    case Store::SliderPairLess100:
      note = storeSliderPair(st, step.target, value - 100);
      break;
    case Store::List: {
      core.win.setComboIndex(step.target, value - 1);
      const int index = step.target == ids::kModelTypeList ? 0 : 1;
      // A value outside the list leaves no item selected; the table keeps its last item.
      const int item = core.win.comboIndex(step.target);
      if (item >= 0) st.ParamValues[static_cast<size_t>(index)] = item + 1;
      break;
    }
    case Store::None:
      break;
    case Store::Tenth:
      st.bound.at(kCellEdits[static_cast<size_t>(step.target)]) = value / 10;
      st.ParamValues[static_cast<size_t>(15 + step.target)] = value / 10;
      break;
    case Store::Bits: {
      const BitGroup& g = bitGroups()[static_cast<size_t>(step.target)];
      for (int k = 0; k < 8; ++k) {
        st.ParamValues[static_cast<size_t>(g.firstIndex + k)] = bitOf(value, k);
        st.bound.at(g.boxes[static_cast<size_t>(k)]) = bitOf(value, k);
      }
      break;
    }
    case Store::Servo:
      if (value == 2) {
        core.win.setComboIndex(ids::kServoRateList, 1);
        st.ParamValues[2] = 2;
      } else {
        core.win.setComboIndex(ids::kServoRateList, value - 1);
        st.ParamValues[2] = 1;
      }
      break;
    case Store::Version: {
      // "2015" is shown as "2.015"; the continue rule looks at the digit before the point.
      std::string text;
      if (!field.empty()) {
        text = field.substr(0, 1) + "." + (field.size() > 3 ? field.substr(field.size() - 3) : field.substr(1));
      }
      st.bound.versionText = text;
      return leadingInt(text);
    }
    case Store::Preset:
      core.win.setComboIndex(ids::kLoadList, value);
      break;
  }
  return value;
}

// Four capitals or digits: a kind the controller names, not a damaged reply.
bool isKindName(const std::string& tag) {
  if (tag.size() != 4) return false;
  for (char c : tag)
    if (!((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))) return false;
  return true;
}

}  // namespace

void sendQuery(Core& core, char letter) {
  core.port.discardInput();
  const char q[] = {'?', letter, '\r'};
  int at = 0;
  while (at < kReadbackQueries && kSteps[static_cast<size_t>(at)].query != letter) ++at;
  core.await(letter == 'W' ? Exchange::Identity : Exchange::ReadBack, readbackAsked(letter, at + 1));
  core.send(std::string_view(q, 3));
}

void onReadbackSilent(Core& core, const Awaited& due) { reportNoAnswer(core, due); }

void readbackReply(Core& core) {
  MainState& st = core.st;
  const std::string echo = st.ReceiveBuffer.substr(0, 3);
  const Step* step = nullptr;
  for (const Step& s : kSteps) {
    if (echo.size() == 3 && echo[0] == '?' && echo[1] == s.query && echo[2] == '\r') {
      step = &s;
      break;
    }
  }
  if (!step) return;  // not a reply of the chain: it stays at the head of the buffer

  const std::string field = answerTail(st.ReceiveBuffer);
  st.ReceiveBuffer.clear();

  core.controlsToMembers();
  std::string note;
  const int value = store(core, *step, field, note);
  core.membersToControls();

  if (core.QueryRetries >= 1 && value == 0) {
    --core.QueryRetries;
    sendQuery(core, step->query);
    return;
  }
  core.QueryRetries = 3;
  // Told once the value is taken, not for a zero that is asked again.
  if (!note.empty())
    core.prompts.message(note, "Tarvik Warning:", Prompts::Buttons::Ok, Prompts::Icon::Warning);
  if (step->next == 'W') {
    st.LinkMode = LinkMode::Identity;
    core.controlsToMembers();
    sendQuery(core, 'W');
    core.membersToControls();
    return;
  }
  if (step->store == Store::Version) {
    core.controlsToMembers();
    sendQuery(core, step->next);
    core.membersToControls();
    return;
  }
  sendQuery(core, step->next);
}

void identityCheck(Core& core) {
  MainState& st = core.st;
  std::string tag = st.ReceiveBuffer.substr(0, 8);
  tag = tag.size() > 4 ? tag.substr(tag.size() - 4) : tag;
  st.ReceiveBuffer = tag;
  if (tag != "TKVR") {
    // A controller of another kind: the controls stay as they are, and the status box says why.
    if (isKindName(tag))
      core.win.setToolTip(ids::kPortStatus, "This controller reports firmware kind " + tag +
                                                "; Zorv changes the settings of TKVR controllers only, so they are locked.");
    return;
  }
  st.LinkMode = LinkMode::Rest;
  st.ReceiveBuffer.clear();
  core.setEnabled(identityEnableList(), true);
  core.setEnabled(identityDisableList(), false);
  core.linkConfirmed();  // after a broken upgrade, the rest of what it locked
  answerCameBack(core);
}

}  // namespace zorv
