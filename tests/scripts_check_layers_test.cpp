// The layer check run on small made-up trees: it must pass the includes that point down or to
// the side, and fail each kind of include that points up.

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <atomic>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

#include "tests/support/read_file.h"

namespace {

namespace fs = std::filesystem;

struct IncludeCase {
  const char* file;     // the including file, from the tree's root
  const char* include;  // what it includes
  bool allowed;
};
void PrintTo(const IncludeCase& c, std::ostream* os) { *os << c.file << " includes " << c.include; }

class LayerCheck : public ::testing::TestWithParam<IncludeCase> {};

// Runs scripts/check-layers.sh on a tree holding core/a.h and the one including file.
int checkTree(const IncludeCase& c, std::string* output) {
  static std::atomic<int> counter{0};
  const fs::path root = fs::temp_directory_path() /
                        ("zorv-layers-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
  fs::remove_all(root);
  fs::create_directories(root / "scripts");
  fs::copy_file(fs::path(ZORV_SOURCE_DIR) / "scripts" / "check-layers.sh", root / "scripts" / "check-layers.sh");
  for (const char* header : {"core/a.h", "serial/a.h", "protocol/a.h", "router/a.h", "gui/a.h", "qtsys/a.h",
                             "ctl/a.h", "sim/a.h", "tests/support/a.h"}) {
    fs::create_directories((root / header).parent_path());
    std::ofstream(root / header) << "#pragma once\n";
  }
  fs::create_directories((root / c.file).parent_path());
  std::ofstream(root / c.file, std::ios::app) << "#include \"" << c.include << "\"\n";
  const fs::path out = root / "out.txt";
  const std::string cmd = "bash '" + (root / "scripts" / "check-layers.sh").string() + "' >'" + out.string() + "' 2>&1";
  const int status = std::system(cmd.c_str());
  *output = zorv::test::readFile(out);
  fs::remove_all(root);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST_P(LayerCheck, PassesDownwardIncludesAndFailsUpwardOnes) {
  const IncludeCase& c = GetParam();
  std::string output;
  const int rc = checkTree(c, &output);
  if (c.allowed) {
    EXPECT_EQ(rc, 0) << output;
  } else {
    EXPECT_NE(rc, 0) << output;
    EXPECT_NE(output.find(std::string("layer error: ") + c.file + " includes " + c.include), std::string::npos)
        << output;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Includes, LayerCheck,
    ::testing::Values(
        // Down the layers, or to the side.
        IncludeCase{"serial/b.cpp", "core/a.h", true}, IncludeCase{"router/b.cpp", "protocol/a.h", true},
        IncludeCase{"gui/b.cpp", "router/a.h", true}, IncludeCase{"programs/x.cpp", "gui/a.h", true},
        IncludeCase{"programs/x.cpp", "sim/a.h", true}, IncludeCase{"tests/t.cpp", "gui/a.h", true},
        IncludeCase{"sim/b.cpp", "core/a.h", true}, IncludeCase{"qtsys/b.cpp", "serial/a.h", true},
        // The command-line shell stands on the router beside the Qt window; only the programs use it.
        IncludeCase{"ctl/b.cpp", "router/a.h", true}, IncludeCase{"programs/x.cpp", "ctl/a.h", true},
        IncludeCase{"programs/x.cpp", "qtsys/a.h", true},
        // Up the layers, sideways within a layer, or into the side folders.
        IncludeCase{"core/b.cpp", "serial/a.h", false}, IncludeCase{"protocol/b.cpp", "serial/a.h", false},
        IncludeCase{"serial/b.cpp", "router/a.h", false}, IncludeCase{"router/b.cpp", "gui/a.h", false},
        IncludeCase{"core/b.cpp", "tests/support/a.h", false}, IncludeCase{"gui/b.cpp", "sim/a.h", false},
        IncludeCase{"protocol/b.cpp", "qtsys/a.h", false}, IncludeCase{"ctl/b.cpp", "gui/a.h", false},
        IncludeCase{"gui/b.cpp", "ctl/a.h", false}, IncludeCase{"router/b.cpp", "ctl/a.h", false},
        IncludeCase{"gui/b.cpp", "qtsys/a.h", false}, IncludeCase{"qtsys/b.cpp", "gui/a.h", false},
        IncludeCase{"ctl/b.cpp", "sim/a.h", false}, IncludeCase{"gui/b.cpp", "programs/a.h", false},
        // A folder that is no layer at all.
        IncludeCase{"app/b.cpp", "core/a.h", false}),
    [](const ::testing::TestParamInfo<IncludeCase>& info) {
      // "serial_b_cpp_includes_core_a_h": the row a failure names.
      std::string name = std::string(info.param.file) + "_includes_" + info.param.include;
      for (char& ch : name)
        if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
      return name;
    });

}  // namespace
