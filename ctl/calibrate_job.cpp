// calibrate: the four measured cells typed into the window's boxes, then its calibration.

#include <string>

#include "core/control_ids.h"
#include "core/param_catalogue.h"
#include "ctl/jobs.h"

namespace zorv {

int calibrateJob(Session& s, const std::vector<int>& cells) {
  if (const int rc = s.connect(true)) return rc;
  MemoryWindow& win = s.window();
  for (size_t i = 0; i < kCellEdits.size() && i < cells.size(); ++i)
    win.userType(kCellEdits[i], std::to_string(cells[i]));
  s.prompts().confirm = true;
  const size_t mark = s.mark();
  if (!win.userPress(ids::kBatterySaveButton)) {
    s.out() << "not done\n";
    s.say("the window keeps its calibration button locked; no calibration step was sent");
    return kExitFailed;
  }
  s.setStateOnStop("The calibration was broken off; run it again before relying on the battery reading.");
  ExchangeResult end;
  const Pump::Stop stop = s.waitFor(ExchangeKind::Calibration, mark, &end);
  if (stop == Pump::Stop::Interrupted) return s.interrupted();
  if (stop == Pump::Stop::Done && end.outcome == Outcome::Done) {
    s.out() << "done\n";
    return kExitDone;
  }
  s.out() << "not done\n";
  if (stop == Pump::Stop::TimedOut) return s.timedOut("calibrating the battery reading");
  if (end.outcome == Outcome::Refused) {
    // Refused before the first step: the cells themselves.
    s.say(end.message + "; give each cell's measured voltage in hundredths of a volt (410 for 4.10 V). No "
                        "calibration step was sent.");
    return kExitUsage;
  }
  return s.failed(end, "calibrating the battery reading",
                  "the controller took " + std::to_string(end.done) + " of the " + std::to_string(end.total) +
                      " calibration steps: run the same calibrate command again before relying on the battery "
                      "reading.");
}

}  // namespace zorv
