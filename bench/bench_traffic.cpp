// bench_traffic: what the traffic log costs, which every port carries (Google Benchmark). A chunk
// recorded by the port wrapper (time taken, bytes copied into the ring), the ring alone, the same
// with a trace file taking every line, a line written and read back, and the memory of a full ring.
//
//   bench_traffic [Google Benchmark options, e.g. --benchmark_repetitions=5]

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "serial/traffic_line.h"
#include "serial/traffic_log.h"
#include "serial/traffic_port.h"
#include "tests/support/feed_port.h"

namespace {

using namespace zorv;

// Large blocks come straight from the system and go back to it when freed, in every run of every
// benchmark (the C library would otherwise keep a freed ring in its heap, and the next one's
// memory would not show as growth).
const int kFixedMmapThreshold = mallopt(M_MMAP_THRESHOLD, 128 * 1024);

const std::string kReply = "?C\r 0045\r\n";
const std::string kRecord = "CHDA 1500 1500 1100 1500 1900 1000 1500 2000\r\n";

// A setting written through the wrapper: the time taken, the 7 bytes kept, the write passed on.
void BM_TrafficPortWrite(benchmark::State& state) {
  state.SetLabel("TrafficPort: one 7-byte write recorded");
  test::FeedPort feed;
  TrafficPort port(feed);
  port.open();
  for (auto _ : state) port.write("SC0045\r");
  if (port.log().endSequence() < static_cast<uint64_t>(state.iterations())) state.SkipWithError("writes not recorded");
}
BENCHMARK(BM_TrafficPortWrite);

// A monitor record read through the wrapper (the bytes handed to the port first, as a receive
// event would have them), against the same read on the bare port.
void monitorRead(benchmark::State& state, bool traced) {
  test::FeedPort feed;
  TrafficPort wrapper(feed);
  wrapper.open();
  SerialPort& port = traced ? static_cast<SerialPort&>(wrapper) : feed;
  const std::vector<uint8_t> record(kRecord.begin(), kRecord.end());
  for (auto _ : state) {
    feed.pending = record;
    benchmark::DoNotOptimize(port.readAll());
  }
}
void BM_TrafficPortRead(benchmark::State& state) {
  state.SetLabel("TrafficPort: one 38-byte monitor record read and recorded");
  monitorRead(state, true);
}
BENCHMARK(BM_TrafficPortRead);
void BM_PlainPortRead(benchmark::State& state) {
  state.SetLabel("the same read on the bare port");
  monitorRead(state, false);
}
BENCHMARK(BM_PlainPortRead);

// The ring alone, full and going round.
void BM_TrafficLogRecord(benchmark::State& state) {
  state.SetLabel("TrafficLog: one 10-byte chunk kept in a full ring");
  TrafficLog log;
  for (size_t i = 0; i < TrafficLog::kMaxChunks; ++i) log.record(0, Traffic::Read, kReply);
  int64_t t = 0;
  for (auto _ : state) log.record(t++, Traffic::Read, kReply);
}
BENCHMARK(BM_TrafficLogRecord);

// With --trace: each line formatted, written and flushed to a file (here /dev/null, so that the
// figure is ours and the system call's, not the disk's).
void BM_TrafficLogToTraceFile(benchmark::State& state) {
  state.SetLabel("TrafficLog with a trace file: one chunk recorded and its line flushed");
  TraceFile file;
  if (!file.open("/dev/null")) {
    state.SkipWithError(file.error().c_str());
    return;
  }
  TrafficLog log;
  log.setSink(&file);
  int64_t t = 0;
  for (auto _ : state) log.record(t++, Traffic::Read, kReply);
}
BENCHMARK(BM_TrafficLogToTraceFile);

void BM_TrafficLineWrite(benchmark::State& state) {
  state.SetLabel("trafficLine: the line of a 10-byte reply");
  std::string line;
  for (auto _ : state) {
    line.clear();
    appendTrafficLine(line, 12871, Traffic::Read, reinterpret_cast<const uint8_t*>(kReply.data()), kReply.size());
    benchmark::DoNotOptimize(line.data());
  }
}
BENCHMARK(BM_TrafficLineWrite);

void BM_TrafficLineRead(benchmark::State& state) {
  state.SetLabel("parseTrafficLine: the line of a 10-byte reply read back");
  const std::string line = trafficLine(12871, Traffic::Read, kReply);
  TraceChunk chunk;
  std::string why;
  for (auto _ : state) benchmark::DoNotOptimize(parseTrafficLine(line, chunk, why));
}
BENCHMARK(BM_TrafficLineRead);

// Resident memory of this process, in KiB (0 when unknown).
long residentKiB() {
  FILE* f = std::fopen("/proc/self/status", "r");
  if (!f) return 0;
  char line[256];
  long kib = 0;
  while (std::fgets(line, sizeof line, f))
    if (std::strncmp(line, "VmRSS:", 6) == 0) kib = std::atol(line + 6);
  std::fclose(f);
  return kib;
}

// A day's session: the ring filled until it has gone round many times, then what it holds and
// what it took. The time is that of filling it from empty with 100,000 chunks.
void BM_TrafficLogFull(benchmark::State& state) {
  long grownKiB = 0;
  size_t chunks = 0, bytes = 0;
  for (auto _ : state) {
    const long before = residentKiB();
    TrafficLog log;
    for (int i = 0; i < 100000; ++i) {
      if (i % 3 == 0) log.record(i, Traffic::Written, "?C\r");
      else if (i % 3 == 1) log.record(i, Traffic::Read, kRecord);
      else log.record(i, Traffic::Read, std::string(300, 'x'));  // a burst gathered in one read
    }
    grownKiB = residentKiB() - before;
    chunks = log.chunkCount();
    bytes = log.byteCount();
    benchmark::DoNotOptimize(log.endSequence());
  }
  benchmark::DoNotOptimize(kFixedMmapThreshold);
  state.SetLabel("TrafficLog full: " + std::to_string(chunks) + " chunks of " + std::to_string(bytes) +
                 " bytes held; resident memory grew by " + std::to_string(grownKiB) + " KiB (at most " +
                 std::to_string(TrafficLog::capacityBytes() / 1024) + " KiB)");
}
BENCHMARK(BM_TrafficLogFull)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
