// The test program's main. Every exchange of every test runs under the data exchange's full
// check: all controls are read again and compared with what the exchange believed they show, so
// a change a window failed to report, or a value written without the exchange noticing, aborts
// the test that made it. A test that counts the exchange's own reads turns it off for its core.

#include <gtest/gtest.h>

#include "core/core.h"

namespace {

class FullExchangeCheck : public testing::Environment {
 public:
  void SetUp() override { zorv::Core::defaultCheckShownEvery = 1; }
  void TearDown() override { zorv::Core::defaultCheckShownEvery = 0; }
};

}  // namespace

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  testing::AddGlobalTestEnvironment(new FullExchangeCheck);
  return RUN_ALL_TESTS();
}
