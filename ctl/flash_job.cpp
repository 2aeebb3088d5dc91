// flash: the image chosen and checked as the window does, then the upgrade, its progress on
// standard error.

#include <algorithm>

#include "core/control_ids.h"
#include "ctl/jobs.h"
#include "ctl/output.h"
#include "ctl/words.h"

namespace zorv {

int flashJob(Session& s, const std::string& path) {
  if (const int rc = s.connect(false)) return rc;
  MemoryWindow& win = s.window();
  s.prompts().file = path;
  size_t mark = s.mark();
  win.userPress(ids::kChooseImageButton);
  const ExchangeResult* chosen = s.endOf(ExchangeKind::ImageChoice, mark);
  if (!chosen || chosen->outcome != Outcome::Done) {
    s.say(path + ": refused as a firmware image: " + (chosen ? chosen->message : "it was not taken") +
          ". The upgrade did not start.");
    return kExitFile;
  }

  // The progress as the window's bar shows it: a bar on a terminal, else one percentage a line.
  int lastPercent = -1;
  win.onProgress = [&] {
    if (!win.progressVisible() || win.progressHi() <= win.progressLo()) return;
    const int percent =
        std::min(100, (win.progressPos() - win.progressLo()) * 100 / (win.progressHi() - win.progressLo()));
    if (percent == lastPercent) return;
    lastPercent = percent;
    s.err() << (s.setup().progressBar ? progressBar(percent) : progressLine(percent)) << std::flush;
  };
  s.prompts().confirm = true;  // the command is the pilot's answer to the window's question
  mark = s.mark();
  if (!win.userPress(ids::kUpgradeButton)) {
    win.onProgress = nullptr;
    s.say("the window keeps its upgrade button locked; nothing was sent for the upgrade");
    return kExitFailed;
  }
  s.setStateOnStop("The upgrade was broken off: the controller may be left in its loader without a whole "
                   "firmware. Run the flash again before flying.");
  ExchangeResult end;
  const Pump::Stop stop = s.waitFor(ExchangeKind::Upgrade, mark, &end);
  win.onProgress = nullptr;
  if (s.setup().progressBar && lastPercent >= 0) s.err() << "\n";
  if (stop == Pump::Stop::Interrupted) return s.interrupted();
  const std::string doing = "upgrading with " + path;
  if (stop == Pump::Stop::TimedOut) {
    s.timedOut(doing);
    s.say("the upgrade may have been left unfinished: run the same flash command again before the controller flies.");
    return kExitFailed;
  }
  if (end.outcome != Outcome::Done) return s.failed(end, doing, upgradeLeaves(end));
  s.out() << "upgraded with " << path << "\n";
  return kExitDone;
}

}  // namespace zorv
