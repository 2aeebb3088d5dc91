// bench_codecs: the codecs one by one (Google Benchmark). What one reply, one command, one packet,
// one record or one saved file costs, without a window or a port around it.
//
//   bench_codecs [Google Benchmark options, e.g. --benchmark_repetitions=5]

#include <benchmark/benchmark.h>

#include <array>
#include <filesystem>
#include <cstdint>
#include <string>
#include <vector>

#include <unistd.h>

#include "core/clock.h"
#include "core/setting_command.h"
#include "core/text_number.h"
#include "files/param_file_format.h"
#include "files/snapshot_folder.h"
#include "firmware/packet.h"
#include "protocol/readback.h"
#include "router/router.h"
#include "tests/support/fake_clock.h"
#include "tests/support/fakes.h"
#include "tests/support/feed_port.h"

#if __has_include("monitor/record.h")
#include "monitor/record.h"
#include "sim/monitor_records.h"
#define ZORV_HAVE_MONITOR_RECORDS 1
#endif

namespace {

using namespace zorv;

// A port that takes every write and never has anything to read.
using NullPort = test::FeedPort;

void BM_LeadingInt(benchmark::State& state) {
  state.SetLabel("leadingInt of a 4-character value field");
  const std::string_view fields[] = {"0045", "-012", " 123", "2015", "00x1", "    "};
  size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(leadingInt(fields[i]));
    i = (i + 1) % std::size(fields);
  }
}
BENCHMARK(BM_LeadingInt);

// One reply of the read-back handled as the dispatcher hands it over: the echo looked up, the
// value stored, the read and write exchanges with every control of the window (a FakeWindow,
// which raises the same program-change notifications as the real one), the next query sent.
void BM_ReadbackReply(benchmark::State& state) {
  state.SetLabel("readbackReply: one read-back reply handled (FakeWindow)");
  NullPort port;
  test::FakeWindow win;
  test::ScriptedPrompts prompts;
  FakeClock clock;
  Router core(port, win, prompts, clock, "");
  win.router = &core;
  const std::string chain = "CABDEFGHIJKLRTYZ4567MNOPVabcdefghikj";
  std::vector<std::string> replies;
  for (size_t i = 0; i < chain.size(); ++i) {
    char value[8];
    std::snprintf(value, sizeof value, "%04zu", i % 7 + 1);
    replies.push_back(std::string("?") + chain[i] + "\r " + value + "\r\n");
  }
  size_t i = 0;
  for (auto _ : state) {
    core.st.LinkMode = LinkMode::Rest;
    core.st.ReceiveBuffer = replies[i];
    core.st.ReceivedCount = 0;
    readbackReply(core);
    i = (i + 1) % replies.size();
  }
  if (port.written < static_cast<size_t>(state.iterations()) * 3) state.SkipWithError("a reply was not answered by a query");
}
BENCHMARK(BM_ReadbackReply);

void BM_SettingCommand(benchmark::State& state) {
  state.SetLabel("settingCommand: one 7-byte setting command");
  int value = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(settingCommand('C', value));
    value = (value + 37) % 10000;
  }
}
BENCHMARK(BM_SettingCommand);

std::vector<uint8_t> randomImage() {
  std::vector<uint8_t> image(65536);
  uint32_t x = 2463534242u;
  for (uint8_t& b : image) {
    x ^= x << 13, x ^= x >> 17, x ^= x << 5;
    b = static_cast<uint8_t>(x);
  }
  return image;
}

// Every data packet of a 65,536-byte image, one per iteration.
void BM_BuildDataPacket(benchmark::State& state) {
  state.SetLabel("buildDataPacket: one 64-byte data packet");
  const std::vector<uint8_t> image = randomImage();
  uint32_t sum = 0, sequence = 2;
  size_t position = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(firmware::buildDataPacket(sequence, image.data(), image.size(), position, sum));
    position += firmware::kBodySize;
    ++sequence;
    if (position > image.size()) position = 0, sequence = 2;
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * firmware::kPacketSize));
}
BENCHMARK(BM_BuildDataPacket);

void BM_ParsePacketReply(benchmark::State& state) {
  state.SetLabel("parseReply: one 64-byte loader reply");
  firmware::Packet reply = firmware::buildPacket(firmware::PacketKind::Data, 7);
  firmware::writeLe32(&reply[8], 123456);
  for (auto _ : state) benchmark::DoNotOptimize(firmware::parseReply(reply.data()));
}
BENCHMARK(BM_ParsePacketReply);

#ifdef ZORV_HAVE_MONITOR_RECORDS
std::string recordStream(size_t records) {
  std::string s;
  for (size_t i = 0; i < records; ++i)
    s += sim::monitorRecord(static_cast<int>(i % sim::kMonitorRecordKinds), static_cast<uint32_t>(i * 20));
  return s;
}

void BM_ParseRecord(benchmark::State& state) {
  state.SetLabel("parseRecord: one 38-character monitor record");
  const std::string text = recordStream(3);
  size_t at = 0;
  MonitorRecord record{};
  for (auto _ : state) {
    benchmark::DoNotOptimize(parseRecord(std::string_view(text).substr(at, kRecordSize), &record));
    at = (at + kRecordSize) % text.size();
  }
}
BENCHMARK(BM_ParseRecord);

// A burst of records gathered from one receive event: 30 records, about 100 ms of the wire.
void BM_GatherRecords(benchmark::State& state) {
  state.SetLabel("gatherRecords: a burst of 30 monitor records");
  const std::string text = recordStream(30);
  for (auto _ : state) benchmark::DoNotOptimize(gatherRecords(text));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_GatherRecords);
#endif

std::array<int32_t, kParamCount> savedValues() {
  std::array<int32_t, kParamCount> v{};
  v[0] = 1, v[1] = 2, v[2] = 1;
  for (int i = 3; i <= 11; ++i) v[static_cast<size_t>(i)] = 10 * i % 101;
  v[12] = -40, v[13] = 25, v[14] = 330;
  for (int i = 15; i <= 18; ++i) v[static_cast<size_t>(i)] = 412;
  for (int i = 19; i < kParamCount; ++i) v[static_cast<size_t>(i)] = (i * 7) % 3 == 0;
  return v;
}

void BM_WriteParamFile(benchmark::State& state) {
  state.SetLabel("writeParamFile: one saved parameter file");
  const auto values = savedValues();
  for (auto _ : state) benchmark::DoNotOptimize(writeParamFile(3, values));
}
BENCHMARK(BM_WriteParamFile);

void BM_ReadParamFile(benchmark::State& state) {
  state.SetLabel("readParamFile: one saved parameter file");
  const std::string file = writeParamFile(3, savedValues());
  const ParamFileReading check = readParamFile(file);
  if (!check.ok) {
    state.SkipWithError(("the file written is refused: " + check.refusal).c_str());
    return;
  }
  for (auto _ : state) benchmark::DoNotOptimize(readParamFile(file));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * file.size()));
}
BENCHMARK(BM_ReadParamFile);

// What a completed read-back costs the snapshots once its last answer is handled: the folder
// listed, the newest snapshot read and compared, a new one written to disk (synced) and the
// folder pruned back to its 200. Every iteration's settings differ from the newest, so each one
// writes.
void BM_SnapshotAfterReadBack(benchmark::State& state) {
  state.SetLabel("snapshot kept after a read-back, folder of 200, written and synced");
  const std::filesystem::path dir =
      std::filesystem::temp_directory_path() / ("zorv-bench-snapshots-" + std::to_string(::getpid()));
  std::filesystem::remove_all(dir);
  auto values = savedValues();
  int n = 0;
  auto next = [&n] {  // one second later than the last
    SnapshotName name;
    name.kind = "TKVR";
    name.day = 1 + n / 86400 % 28;
    name.hour = n / 3600 % 24;
    name.minute = n / 60 % 60;
    name.second = n % 60;
    ++n;
    return name;
  };
  for (int i = 0; i < 200; ++i) writeSnapshot(dir.string(), next(), writeParamFile(3, values));
  for (auto _ : state) {
    values[3] = (values[3] + 1) % 101;
    const std::vector<SnapshotEntry> all = listSnapshots(dir.string());
    const SnapshotContent newest = readSnapshot(all.front().path);
    if (newest.values != values) {
      const WrittenSnapshot w = writeSnapshot(dir.string(), next(), writeParamFile(3, values));
      if (!w.error.empty()) {
        state.SkipWithError(w.error.c_str());
        break;
      }
      pruneSnapshots(dir.string());
    }
  }
  std::filesystem::remove_all(dir);
}
BENCHMARK(BM_SnapshotAfterReadBack)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
