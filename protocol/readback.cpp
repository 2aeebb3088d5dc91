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

// The box shows what the controller reported, the slider as far as its scale goes, and the
// table keeps the value as reported: a save records what the controller holds, and nothing is
// sent unless the pilot changes it. A value beyond the scale is told at the end of the read-back.
void storeSliderPair(Core& core, int index, int value) {
  MainState& st = core.st;
  const SliderParam* p = sliderByIndex(index);
  st.bound.set(p->edit, value);
  st.bound.set(p->slider, value);
  st.ParamValues[static_cast<size_t>(index)] = value;
  core.typedValues.known(core.win, index, value);
  core.beyondScale.reported(index, value);
}

// Stores one reply; returns the number the continue rule tests.
int store(Core& core, const Step& step, const std::string& field) {
  MainState& st = core.st;
  const int value = leadingInt(field);
  switch (step.store) {
    case Store::SliderPair:
      storeSliderPair(core, step.target, value);
      break;
    case Store::SliderPairLess100:
      storeSliderPair(core, step.target, value - 100);
      break;
    case Store::List: {
      // A value outside the list leaves no item selected; the table keeps it as reported.
      core.win.setComboIndex(step.target, value - 1);
      const int index = step.target == ids::kModelTypeList ? 0 : 1;
      st.ParamValues[static_cast<size_t>(index)] = value;
      core.beyondScale.reported(index, value);
      break;
    }
    case Store::None:
      break;
    case Store::Tenth:
      st.bound.set(kCellEdits[static_cast<size_t>(step.target)], value / 10);
      st.ParamValues[static_cast<size_t>(15 + step.target)] = value / 10;
      break;
    case Store::Bits: {
      const BitGroup& g = bitGroups()[static_cast<size_t>(step.target)];
      for (int k = 0; k < 8; ++k) {
        st.ParamValues[static_cast<size_t>(g.firstIndex + k)] = bitOf(value, k);
        st.bound.set(g.boxes[static_cast<size_t>(k)], bitOf(value, k));
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
      st.bound.setText(ids::kVersionBox, text);
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
  // The queries answered so far, of the 36 and the identity query.
  core.await(letter == 'W' ? Exchange::Identity : Exchange::ReadBack, readbackAsked(letter, at + 1), at,
             kReadbackQueries + 1);
  core.send(std::string_view(q, 3));
}

void onReadbackSilent(Core& core, const Awaited& due) {
  reportNoAnswer(core, due);
  tellValuesBeyondScale(core);  // what was read so far is shown, and kept
  core.ended({ExchangeKind::ReadBack, Outcome::NoAnswer, noAnswerMessage(due), due.done, due.steps});
}

void tellValuesBeyondScale(Core& core) {
  if (core.beyondScale.empty()) return;
  const Text text = core.beyondScale.words();
  core.beyondScale.clear();  // once per read-back
  core.prompts.tell(text, ZORV_TEXT("Messages", "Tarvik Warning:"), Prompts::Buttons::Ok, Prompts::Icon::Warning);
}

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
  const int value = store(core, *step, field);
  core.membersToControls();

  if (core.QueryRetries >= 1 && value == 0) {
    --core.QueryRetries;
    sendQuery(core, step->query);
    return;
  }
  core.QueryRetries = 3;
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

namespace {

constexpr int32_t kIdentityReplySize = 12;

// The identity answer, exactly 12 bytes: the kind it names decides whether the settings unlock.
// Returns how the read-back ends.
ExchangeResult identityCheck(Core& core) {
  MainState& st = core.st;
  std::string tag = st.ReceiveBuffer.substr(0, 8);
  tag = tag.size() > 4 ? tag.substr(tag.size() - 4) : tag;
  st.ReceiveBuffer = tag;
  ExchangeResult end{ExchangeKind::ReadBack, Outcome::Done, "", kReadbackQueries + 1, kReadbackQueries + 1};
  end.reported = tag;
  if (tag != "TKVR") {
    // A controller of another kind: the controls stay as they are, and the status box says why.
    if (!isKindName(tag)) {
      end.outcome = Outcome::Failed;
      end.done = kReadbackQueries;
      end.message = "the controller's answer to its firmware-kind query (?W) was damaged";
      return end;
    }
    core.win.showToolTip(ids::kPortStatus, ZORV_TEXT("Messages", "This controller reports firmware kind %1; Zorv "
                                                                 "changes the settings of TKVR controllers only, so "
                                                                 "they are locked.")
                                               .arg(tag));
    end.outcome = Outcome::Refused;
    end.message = "the controller reports firmware kind " + tag + ", not TKVR, so its settings stay locked";
    return end;
  }
  st.LinkMode = LinkMode::Rest;
  st.ReceiveBuffer.clear();
  core.setEnabled(identityEnableList(), true);
  core.setEnabled(identityDisableList(), false);
  core.linkConfirmed();  // after a broken upgrade, the rest of what it locked
  answerCameBack(core);
  return end;
}

}  // namespace

void identityStep(Core& core) {
  MainState& st = core.st;
  ExchangeResult end{ExchangeKind::ReadBack, Outcome::Failed, "", kReadbackQueries, kReadbackQueries + 1};
  if (st.ReceivedCount == kIdentityReplySize) {
    st.ReceivedCount = 0;
    end = identityCheck(core);
  }
  // The identity answer may come in pieces like every other reply: the mode waits for the rest,
  // and ends once the count has reached 12 or passed it, whatever arrived.
  if (st.ReceivedCount != 0 && st.ReceivedCount < kIdentityReplySize) return;
  st.LinkMode = LinkMode::Rest;
  core.watchdog.disarm();  // answered, whatever it said
  if (end.outcome == Outcome::Failed && end.message.empty())
    end.message = st.ReceivedCount > kIdentityReplySize
                      ? "the controller's answer to its firmware-kind query (?W) was longer than 12 bytes"
                      : "the read-back ended without the answer to its firmware-kind query (?W)";
  if (end.outcome == Outcome::Done && !core.beyondScale.empty()) end.message = core.beyondScale.message();
  tellValuesBeyondScale(core);
  core.ended(end);
}

}  // namespace zorv
