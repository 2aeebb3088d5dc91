// set: each change through its own control, as a user makes it; then everything read back to
// check that the controller holds what the window now shows.

#include "core/control_ids.h"
#include "core/param_catalogue.h"
#include "ctl/jobs.h"

namespace zorv {

namespace {

constexpr int kNotSent = -1;

// One change through its control. Returns the mark taken before it, or kNotSent when the
// window keeps the control locked (it would not let a user touch it either).
int apply(Session& s, const Assignment& a, bool* displayOn) {
  MemoryWindow& win = s.window();
  const int mark = static_cast<int>(s.mark());
  bool done = false;
  switch (paramRange(a.index).control) {
    case ParamControl::Slider:
      done = win.userSetSlider(sliderByIndex(a.index)->slider, a.value);
      break;
    case ParamControl::List:
      for (const ListParam& p : listParams())
        if (p.index == a.index) done = win.userSelect(p.combo, a.value - 1);
      break;
    case ParamControl::Reverse:
      // The reverse boxes can be used only while the live display runs.
      if (!*displayOn) {
        if (!win.userPress(ids::kDisplayButton)) break;
        *displayOn = true;
      }
      [[fallthrough]];
    case ParamControl::Sensor:
    case ParamControl::Matrix: {
      for (const BitGroup& g : bitGroups()) {
        const int bit = a.index - g.firstIndex;
        if (bit < 0 || bit >= 8) continue;
        // A box already showing the value is left alone: a click would toggle it.
        const bool shows = s.router().st.ParamValues[static_cast<size_t>(a.index)] == a.value;
        done = shows || win.userClick(g.boxes[static_cast<size_t>(bit)]);
      }
      break;
    }
    case ParamControl::Cell:
      break;
  }
  return done ? mark : kNotSent;
}

}  // namespace

int setJob(Session& s, const std::vector<Assignment>& changes) {
  if (const int rc = s.connect(true)) return rc;
  const auto before = s.router().st.ParamValues;
  bool displayOn = false;
  int rc = kExitDone;
  // The reverse boxes come last: the live display they need locks every other control.
  std::vector<Assignment> ordered;
  for (bool reverse : {false, true})
    for (const Assignment& a : changes)
      if ((paramRange(a.index).control == ParamControl::Reverse) == reverse) ordered.push_back(a);
  std::vector<bool> applied(kParamCount, false);
  for (const Assignment& a : ordered) {
    const int mark = apply(s, a, &displayOn);
    if (mark == kNotSent) {
      s.say("the window keeps the control of '" + labelOf(a.index) + "' locked; nothing was sent for it");
      rc = kExitFailed;
      continue;
    }
    applied[static_cast<size_t>(a.index)] = true;
    // Every setting the change wrote must have gone out.
    for (size_t i = static_cast<size_t>(mark); i < s.ends().size(); ++i) {
      const ExchangeResult& end = s.ends()[i];
      if (end.exchange != ExchangeKind::Setting || end.outcome == Outcome::Done) continue;
      s.say("'" + labelOf(a.index) + "' was not sent: " + end.message);
      rc = kExitFailed;
    }
  }
  if (displayOn) s.window().userPress(ids::kDisplayButton);
  s.setStateOnStop("The settings were sent but not yet checked; 'zorvctl read' shows what the controller holds.");
  const auto expected = s.router().st.ParamValues;

  for (int i = 0; i < kParamCount; ++i) {
    const auto k = static_cast<size_t>(i);
    if (before[k] != expected[k])
      s.out() << i << "\t" << paramLabels()[k] << "\t" << before[k] << " -> " << expected[k] << "\n";
  }
  // A flight-mode rule may undo an earlier change of the same command.
  for (const Assignment& a : changes) {
    const auto k = static_cast<size_t>(a.index);
    if (!applied[k] || expected[k] == a.value) continue;
    s.say("'" + labelOf(a.index) + "' is " + std::to_string(expected[k]) + ", not " + std::to_string(a.value) +
          ": the window's rules between the flight-mode rows changed it again");
    rc = kExitFailed;
  }

  if (const int reread = s.readAgain()) return reread;
  const auto& now = s.router().st.ParamValues;
  for (int i = 0; i < kParamCount; ++i) {
    const auto k = static_cast<size_t>(i);
    if (now[k] == expected[k]) continue;
    s.say(s.where() + ": the controller holds " + std::to_string(now[k]) + " for '" + labelOf(i) + "', not " +
          std::to_string(expected[k]));
    rc = kExitFailed;
  }
  return rc;
}

}  // namespace zorv
