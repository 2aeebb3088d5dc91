// The saved parameter file reader.
//
// Every input is read twice over:
//  - as a file's bytes: readParamFile must not fail on anything, and a file it accepts must be
//    one the load chain can send whole: every setting goes out as a 7-byte command but those
//    the reader listed as impossible to send as four digits, which the chain skips;
//  - as a source of parameter values, any the window's table can hold (a controller may report
//    any number): the file the writer makes of them, with CR CR LF, CR LF or LF line ends, must
//    be read back to the same fields and values, with every value beyond the tool's scale listed.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/param_catalogue.h"
#include "core/setting_command.h"
#include "files/load_chain.h"
#include "files/param_file_format.h"
#include "files/snapshot_folder.h"
#include "fuzz/fuzz_support.h"

namespace {

using zorv::ParamFileReading;
namespace fz = zorv::fuzz;

constexpr size_t kFieldColumn = 13;
constexpr size_t kReportedSettings = 15;  // 0..14: the settings a saved file sends back

void checkAccepted(const ParamFileReading& r) {
  ZORV_FUZZ_CHECK(r.refusal.empty());
  ZORV_FUZZ_CHECK(r.lines.size() >= static_cast<size_t>(zorv::kParamFileLines));
  ZORV_FUZZ_CHECK(r.lines.size() <= static_cast<size_t>(zorv::kLoadedLineCount));
  for (size_t n = 0; n < r.lines.size(); ++n) ZORV_FUZZ_CHECK(r.lines[n].size() <= (n < 20 ? 4u : 1u));
  for (size_t n = 0; n < r.values.size(); ++n) {
    if (n < 20 || n >= static_cast<size_t>(zorv::kParamFileLines)) {
      ZORV_FUZZ_CHECK(r.values[n] == 0);
    } else {
      ZORV_FUZZ_CHECK(r.values[n] == 0 || r.values[n] == 1);
    }
  }
  size_t skipped = 0;
  for (const ParamFileReading::Unknown& u : r.unknown) {
    ZORV_FUZZ_CHECK(u.line >= 2 && u.line <= 16);
    if (!u.sent) {
      ++skipped;
      ZORV_FUZZ_CHECK(r.lines[static_cast<size_t>(u.line) - 1].empty());
    }
  }
  // What the load handler copies into MainState, and then the whole chain from its answers.
  std::array<std::string, zorv::kLoadedLineCount> lines;
  for (size_t n = 0; n < r.lines.size(); ++n) lines[n] = r.lines[n];
  constexpr size_t kSettings = sizeof zorv::kLoadChain - 1;
  std::string tag = "Sj";
  size_t sent = 0;
  for (;;) {
    const zorv::ChainStep step = zorv::chainStepAfter(tag, lines, r.values);
    if (step.kind == zorv::ChainStep::Finish) break;
    ZORV_FUZZ_CHECK(step.kind == zorv::ChainStep::Send);
    ZORV_FUZZ_CHECK(step.command.size() == 7 && step.command[0] == 'S' && step.command[6] == '\r');
    tag = step.command.substr(0, 2);
    ZORV_FUZZ_CHECK(++sent <= kSettings);
  }
  ZORV_FUZZ_CHECK(sent + skipped == kSettings);
}

// Any value the table can hold, drawn from the input: each parameter anywhere in its scale
// (negative gimbal rates and battery cells included), or for the settings 0..14 any int a
// controller may report, now and then.
std::array<int32_t, zorv::kParamCount> valuesFrom(fz::Bytes& in) {
  std::array<int32_t, zorv::kParamCount> v{};
  for (size_t i = 0; i < v.size(); ++i) {
    const zorv::ParamScale scale = zorv::paramScale(static_cast<int>(i));
    if (i < kReportedSettings && in.byte() == 0xB5) {
      v[i] = static_cast<int32_t>(static_cast<uint32_t>(in.word()) << 16 | in.word());
      continue;
    }
    const uint32_t span = static_cast<uint32_t>(scale.hi - scale.lo) + 1;
    v[i] = scale.lo + static_cast<int32_t>((span > 256 ? in.word() : in.byte()) % span);
  }
  return v;
}

std::string withLineEnds(const std::string& file, std::string_view end) {
  std::string out;
  size_t start = 0;
  for (size_t at; (at = file.find(zorv::kParamFileLineEnd, start)) != std::string::npos; start = at + 3) {
    out.append(file, start, at - start);
    out.append(end);
  }
  out.append(file, start, std::string::npos);
  return out;
}

void checkRoundTrip(fz::Bytes& in) {
  const int port = 1 + in.byte() % 20;
  const std::string_view ends[] = {"\r\r\n", "\r\n", "\n"};
  const std::string_view end = ends[in.byte() % 3];
  const std::array<int32_t, zorv::kParamCount> values = valuesFrom(in);

  const std::string file = withLineEnds(zorv::writeParamFile(port, values), end);
  const ParamFileReading r = zorv::readParamFile(file);
  if (!r.ok) std::fprintf(stderr, "refused: %s\n", r.refusal.c_str());
  ZORV_FUZZ_CHECK(r.ok);
  checkAccepted(r);
  ZORV_FUZZ_CHECK(r.lines.size() == static_cast<size_t>(zorv::kParamFileLines));
  ZORV_FUZZ_CHECK(r.lines[0] == std::to_string(port));
  size_t listed = 0;
  for (int i = 0; i < zorv::kParamCount; ++i) {
    const size_t n = static_cast<size_t>(i) + 1;
    const int32_t v = values[static_cast<size_t>(i)];
    const std::string line = zorv::paramFileLine(i, v);
    if (static_cast<size_t>(i) < kReportedSettings && !zorv::paramScale(i).holds(v)) {
      ZORV_FUZZ_CHECK(listed < r.unknown.size() && r.unknown[listed].line == static_cast<int>(n) + 1);
      const int64_t wire = int64_t{v} + (i == 12 || i == 13 ? 100 : 0);
      const bool fourDigits = wire >= 0 && wire <= 9999;
      ZORV_FUZZ_CHECK(r.unknown[listed].sent == fourDigits);
      ZORV_FUZZ_CHECK(r.unknown[listed].field == (fourDigits ? line.substr(kFieldColumn, 4) : std::to_string(wire)));
      ZORV_FUZZ_CHECK(r.lines[n] == (fourDigits ? line.substr(kFieldColumn, 4) : std::string()));
      ++listed;
      continue;
    }
    ZORV_FUZZ_CHECK(r.lines[n] == line.substr(kFieldColumn, n < 20 ? 4 : 1));
    if (n >= 20) ZORV_FUZZ_CHECK(r.values[n] == v);
  }
  ZORV_FUZZ_CHECK(listed == r.unknown.size());
  // What a snapshot is compared by: the values the file was written from.
  ZORV_FUZZ_CHECK(r.params == values);
}

}  // namespace

// The input as a file name in the snapshot folder: one of the tool's own names is written back
// as a name of the same moment.
void checkSnapshotName(std::string_view name) {
  const std::optional<zorv::SnapshotName> n = zorv::parseSnapshotName(name);
  if (!n) return;
  ZORV_FUZZ_CHECK(name.size() <= zorv::kSnapshotNameMax);
  const std::optional<zorv::SnapshotName> again = zorv::parseSnapshotName(zorv::snapshotFileName(*n));
  ZORV_FUZZ_CHECK(again && !zorv::newer(*again, *n) && !zorv::newer(*n, *again) && again->kind == n->kind &&
                  again->reason == n->reason);
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  checkSnapshotName(bytes);
  const ParamFileReading r = zorv::readParamFile(bytes);
  if (r.ok) {
    checkAccepted(r);
  } else {
    ZORV_FUZZ_CHECK(!r.refusal.empty());
  }

  fz::Bytes in(data, size);
  checkRoundTrip(in);
  return 0;
}
