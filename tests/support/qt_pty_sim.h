#pragma once
// A window's test against corvex-sim on a pseudo-terminal: a fresh folder whose cfg/ is the
// user's settings folder, COM3 remembered, and the simulator linked as the pinned COM3.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "tests/support/child_process.h"
#include "tests/support/scoped_env.h"

namespace zorv::test {

class PtySimTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  // Starts corvex-sim with `extra` options and waits for its link; false when none came.
  bool startSim(const std::vector<std::string>& extra);
  // Runs the events until `done` or `ms` have passed; returns done().
  static bool until(const std::function<bool()>& done, int ms);

  std::filesystem::path dir_, link_;
  std::optional<ScopedEnv> config_;
  Child sim_;
};

}  // namespace zorv::test
