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
    prompts.message("Nothing was sent to the controller: the value about to be sent for " + sent.name + " (" +
                        std::to_string(sent.value) + ") is not what its box shows (" +
                        (shown.empty() ? std::string("nothing") : shown) + "). Check the box, then " + again + ".",
                    "Tarvik Warning:", Prompts::Buttons::Ok, Prompts::Icon::Warning);
    return false;
  }
  return true;
}

}  // namespace zorv
