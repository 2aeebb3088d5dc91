// The shipped program's guard on what it sends. The data exchange trusts the window to report
// every change of a control; the tests check that after every exchange, the program cannot.
// So a setting built from a bound value is held against what its box shows right before it goes
// out: a change the window failed to report shows up here, and nothing is sent from it.

#include <cstdio>

#include "core/core.h"
#include "core/text_number.h"

namespace zorv {

bool Core::boxesShow(const std::vector<SentFromBox>& values, const std::string& again) {
  for (const SentFromBox& sent : values) {
    const std::string shown = win.shownText(sent.box);
    if (leadingInt(shown) == sent.value) continue;
    std::fprintf(stderr,
                 "zorv: nothing sent: %d was about to be sent for number box %d, which shows \"%s\"; the value bound "
                 "to the box missed a change of it. The box's value is taken again, every other control at the next "
                 "exchange.\n",
                 sent.value, sent.box, shown.c_str());
    // The box wins: its value is taken again, and every other control is read at the next exchange.
    st.bound.set(sent.box, leadingInt(shown));
    st.bound.allChanged();
    prompts.tell(ZORV_TEXT("Messages", "Nothing was sent to the controller: the value about to be sent for %1 (%2) is "
                                       "not what its box shows (%3). Check the box, then %4.")
                     .arg(Text(Marked{"Window", sent.name.c_str()}))
                     .arg(sent.value)
                     .arg(shown.empty() ? Text(ZORV_TEXT("Messages", "nothing")) : Text(shown))
                     .arg(Text(again)),
                 ZORV_TEXT("Messages", "Tarvik Warning:"), Prompts::Buttons::Ok, Prompts::Icon::Warning);
    return false;
  }
  return true;
}

}  // namespace zorv
