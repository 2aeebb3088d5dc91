#pragma once
// The real window (offscreen platform) against the simulated controller in memory, in a scratch
// folder of its own for its tkvrconfig.ini. Answers reach the window as the port delivers them.
//   WindowRig rig;       // built, not initialised
//   rig.connect();       // initialised, the read-back answered
//   rig.showConnected(); // connected, shown and exposed, nothing written since

#include <QWidget>
#include <filesystem>
#include <memory>

#include <gtest/gtest.h>

#include "gui/zorv_dlg.h"
#include "sim/sim_port.h"
#include "tests/support/fake_clock.h"
#include "tests/support/fakes.h"

namespace zorv::test {

struct WindowRig {
  WindowRig();
  ~WindowRig();
  WindowRig(const WindowRig&) = delete;
  WindowRig& operator=(const WindowRig&) = delete;

  void connect();
  void showConnected();
  template <class W>
  W* get(int id) {
    W* w = qobject_cast<W*>(dlg->control(id));
    EXPECT_NE(w, nullptr) << id;
    return w;
  }

  std::filesystem::path dir;
  sim::Controller ctrl;
  sim::SimPort port{ctrl};
  ScriptedPrompts prompts;
  FakeClock clock;
  std::unique_ptr<CZorvDlg> dlg;
};

}  // namespace zorv::test
