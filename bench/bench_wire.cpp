// bench_wire: the window end to end, against the wire limit of 115 200 baud.
//
// Every figure runs the real window (CZorvDlg on Qt's offscreen platform, shown and painting, its
// QtSerialPort on a pseudo-terminal) against the simulated controller corvex-sim in a child
// process, and is the median of several runs:
//
//   read-back   initialise() asks "?C\r" .. "?j\r" and "?W\r"; timed from the first write to the
//               receive event that ends the identity check. Paced: corvex-sim --pace takes and
//               sends every byte on the line's time, to the microsecond; on the exact line a relay
//               does the same both ways between the window and an unpaced corvex-sim. Either way
//               an answer starts on the wire when its request has crossed. The figure is
//               elapsed / (bytes both ways x 10 / 115 200). Unpaced: window and controller talk
//               directly; elapsed per query.
//   upload      a 65,536-byte image chosen with button 1001 and started with 1043; timed from the
//               "?W\r" that follows the button's 500 ms wait to the success message.
//   monitor     the live display (1118) fed records at the full wire rate, a millisecond's bytes at
//               a time, for a few seconds; the process's CPU time (the feeding thread's own left
//               out) over the wall time.
//   start-up    the program zorv started with fork and exec, timed to the first "?C\r" it writes
//               on its port (a pseudo-terminal the bench reads itself and relays to corvex-sim).
//   memory      VmHWM of that zorv once the answer to its "?W\r" has been handled.
//
// Beside each read-back and upload figure, a plain client (no window: it writes and waits for the
// answer) makes the same exchanges on the same line: the floor that the line, the relay and the
// simulated controller set by themselves.
//
// Options that change the window to show what a change would be worth (each is reported beside
// the figure it changes, never in place of it):
//   --hidden            the window is not shown, so nothing is painted
//   --repaint-hz N      the window repaints at most N times a second
//   --link-all-ports    zorv starts with COM1..COM20 all linked, so listing the ports scans no devices
//   --receive-only      the monitor's receive events only read the port: what the events cost alone
// and options of the line:
//   --feed-ms N         the monitor records are handed over every N ms instead of every millisecond
//   --no-exact-line     the paced runs only with corvex-sim --pace, not also on the exact line (the
//                       relay pacing both ways, corvex-sim unpaced)
//   --trace             every write and read of the window's port, timed, on stderr
//
//   bench_wire [--runs N] [--seconds S] [--only readback,upload,monitor,startup] [--sim PATH]
//              [--zorv PATH] [options above]

#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fcntl.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>
#include <QEventLoop>
#include <QSerialPortInfo>
#include <atomic>
#include <cmath>
#include <thread>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "bench/wire_link.h"
#include "bench/wire_window.h"
#include "firmware/packet.h"
#include "gui/paint_pacer.h"
#include "monitor/record.h"
#include "qtsys/serial_port.h"
#include "sim/monitor_records.h"

namespace zorv::bench {
namespace {

constexpr char kUpgradedText[] = "Congratulations!You've upgraded successfully!";
constexpr size_t kImageBytes = 65536;
constexpr double kPlainTarget = 1.05;  // the window against the plain client on the same line

struct Config {
  int runs = 5;
  double monitorSeconds = 5;
  int feedMs = 1;
  std::set<std::string> only;
  std::string simPath, zorvPath;
  bool exactLine = true, linkAllPorts = false;
  bool receiveOnly = false;  // monitor: the window's port is read and nothing handled
  WindowOptions window;
  bool wants(const std::string& what) const { return only.empty() || only.count(what); }
  bool changed() const { return !window.shown || window.repaintsPerSecond > 0; }
};

bool anyRunFailed = false;  // a run that did not complete: the bench itself fails

void note(const char* format, ...) __attribute__((format(printf, 1, 2)));
void note(const char* format, ...) {
  va_list args;
  va_start(args, format);
  std::vfprintf(stderr, format, args);
  va_end(args);
  std::fputc('\n', stderr);
}

std::string fixed(double v, int digits) {
  char text[32];
  std::snprintf(text, sizeof text, "%.*f", digits, v);
  return text;
}

std::string besideUs(const std::string& relative) {
  char self[4096];
  const ssize_t n = readlink("/proc/self/exe", self, sizeof self - 1);
  if (n <= 0) return relative;
  self[n] = '\0';
  std::string dir(self);
  dir.erase(dir.rfind('/'));
  return dir + "/" + relative;
}

enum class Line { Direct, SimPaced, ExactPaced };

const char* lineName(Line line) {
  switch (line) {
    case Line::Direct: return "unpaced";
    case Line::SimPaced: return "paced by corvex-sim --pace";
    default: return "paced on an exact line (the relay)";
  }
}

// corvex-sim and, for the paced lines, the relay between it and the window's own pty.
struct Controller {
  SimProcess sim;
  PtyPair pty;
  int simFd = -1;
  std::unique_ptr<Relay> relay;
  std::string windowDevice;

  bool start(const Config& c, Line line, std::string& error) {
    std::vector<std::string> args;
    if (line == Line::SimPaced) args.push_back("--pace");
    if (!sim.start(c.simPath, args, error)) return false;
    if (line != Line::ExactPaced) {  // corvex-sim --pace keeps the line's time itself, both ways
      windowDevice = sim.device;
      return true;
    }
    if (!pty.open(error)) return false;
    simFd = openDevice(sim.device, error);
    if (simFd < 0) return false;
    Relay::Options o;
    o.paceUp = true;
    o.paceDown = true;
    relay = std::make_unique<Relay>(pty.master, simFd, o);
    relay->start();
    windowDevice = pty.path;
    return true;
  }
  ~Controller() {
    if (relay) relay->stop();
    if (simFd >= 0) close(simFd);
    sim.stop();
  }
};

struct Exchange {
  bool ok = false;
  double elapsedUs = 0, cpuUs = 0;
  double firstUs = 0, laterMedianUs = 0;  // the first exchange, and the median of the others
  size_t bytes = 0;
  int exchanges = 0;
  double ratio() const { return elapsedUs / 1e6 / wireSeconds(bytes); }
  // The median exchange against the wire time of an average one: the figure without the
  // scheduling stalls that a busy machine adds to a few exchanges of a run.
  double medianRatio() const {
    return exchanges > 0 ? laterMedianUs / 1e6 / wireSeconds(bytes) * exchanges : std::nan("");
  }
  double perExchangeUs() const { return elapsedUs / exchanges; }
};

// Each exchange lasts from its request to the next request (the last one to `endUs`).
void splitExchanges(Exchange& r, const std::vector<double>& requestUs, double endUs) {
  std::vector<double> spans;
  for (size_t i = 0; i < requestUs.size(); ++i)
    spans.push_back((i + 1 < requestUs.size() ? requestUs[i + 1] : endUs) - requestUs[i]);
  if (spans.empty()) return;
  r.firstUs = spans.front();
  r.laterMedianUs = median(std::vector<double>(spans.begin() + 1, spans.end()));
}

Exchange readbackRun(const Config& c, Line line) {
  Exchange r;
  std::string error;
  Controller ctl;
  if (!ctl.start(c, line, error)) {
    note("read-back: %s", error.c_str());
    return r;
  }
  Session s(ctl.windowDevice, c.window);
  r.ok = s.readback(&r.elapsedUs);
  r.cpuUs = s.cpuUs;
  r.bytes = s.port->bytesOut + s.port->bytesIn;
  // Setting writes (the height-lock box's "SH0051") are answered too, but the exchanges of the
  // read-back are its queries.
  r.exchanges = s.port->queries;
  splitExchanges(r, s.port->queryUs, s.port->firstWriteUs + r.elapsedUs);
  return r;
}

std::string writeImage(const std::string& path) {
  std::mt19937 rng(20150101);
  std::string bytes(kImageBytes, '\0');
  for (char& b : bytes) b = static_cast<char>(rng() & 0xFF);
  std::ofstream(path, std::ios::binary) << bytes;
  return path;
}

Exchange uploadRun(const Config& c, Line line) {
  Exchange r;
  std::string error;
  Controller ctl;
  if (!ctl.start(c, line, error)) {
    note("upload: %s", error.c_str());
    return r;
  }
  Session s(ctl.windowDevice, c.window);
  double readbackUs = 0;
  if (!s.readback(&readbackUs)) {
    note("upload: the read-back before it did not finish");
    return r;
  }
  s.prompts.files.push_back(writeImage(s.dir.file("image.bin")));
  // Clicked as a user clicks: through the window, which learns that an exchange starts.
  auto click = [&s](int id) { static_cast<QAbstractButton*>(s.dlg->control(id))->click(); };
  click(1001);
  if (!s.dlg->isEnabled(1043)) {
    note("upload: the image was not taken");
    return r;
  }
  s.port->arm();
  click(1043);  // the question, answered OK; waits 500 ms, then "?W\r": the timing starts there
  s.prompts.shown.clear();
  const double cpu0 = threadCpuSeconds();
  const double doneUs = s.runUntil([&] { return !s.prompts.shown.empty(); }, 180000);
  r.cpuUs = (threadCpuSeconds() - cpu0) * 1e6;
  r.ok = doneUs > 0 && s.prompts.shown.front().text == kUpgradedText;
  if (doneUs > 0 && !r.ok) note("upload: \"%s\"", s.prompts.shown.front().text.c_str());
  r.elapsedUs = doneUs - s.port->firstWriteUs;
  r.bytes = s.port->bytesOut + s.port->bytesIn;
  r.exchanges = s.port->writes;
  splitExchanges(r, s.port->writeUs, doneUs);
  // "?W\r", the upgrade command, then N + 2 packets: each write is answered once.
  const int n = s.core().st.FirmwarePacketCount;
  if (r.exchanges != n + 4) note("upload: %d writes, expected %d", r.exchanges, n + 4);
  return r;
}

// The same exchanges from a plain client that only writes and waits: the least any window could
// take on this line, the relay and the simulated controller included.
class PlainClient {
 public:
  explicit PlainClient(int fd) : fd_(fd) {}
  bool exchange(const uint8_t* out, size_t n, size_t replyBytes) {
    requestUs.push_back(nowUs());
    for (size_t done = 0; done < n;) {
      const ssize_t w = write(fd_, out + done, n - done);
      if (w > 0) done += static_cast<size_t>(w);
      else if (!wait(POLLOUT)) return false;
    }
    bytes += n;
    for (size_t got = 0; got < replyBytes;) {
      uint8_t buf[256];
      const ssize_t r = read(fd_, buf, sizeof buf);
      if (r > 0) got += static_cast<size_t>(r);
      else if (!wait(POLLIN)) return false;
      if (r > 0) bytes += static_cast<size_t>(r);
    }
    ++exchanges;
    return true;
  }
  bool exchange(const std::string& out, size_t replyBytes) {
    return exchange(reinterpret_cast<const uint8_t*>(out.data()), out.size(), replyBytes);
  }
  size_t bytes = 0;
  int exchanges = 0;
  std::vector<double> requestUs;

 private:
  bool wait(short what) {
    pollfd p{fd_, what, 0};
    return poll(&p, 1, 5000) > 0;
  }
  int fd_;
};

Exchange plainRun(const Config& c, Line line, bool upload) {
  Exchange r;
  std::string error;
  Controller ctl;
  if (!ctl.start(c, line, error)) {
    note("plain client: %s", error.c_str());
    return r;
  }
  const int fd = openDevice(ctl.windowDevice, error);
  if (fd < 0) {
    note("plain client: %s", error.c_str());
    return r;
  }
  PlainClient client(fd);
  const double t0 = nowUs();
  bool ok = true;
  if (!upload) {
    for (const char letter : std::string("CABDEFGHIJKLRTYZ4567MNOPVabcdefghikj"))
      ok = ok && client.exchange(std::string("?") + letter + "\r", 10);
    ok = ok && client.exchange("?W\r", 12);
  } else {
    ok = client.exchange("?W\r", 12) && client.exchange("UPTKVR\r", 6);
    std::mt19937 rng(20150101);
    std::vector<uint8_t> image(kImageBytes);
    for (uint8_t& b : image) b = static_cast<uint8_t>(rng() & 0xFF);
    const uint32_t n = static_cast<uint32_t>((kImageBytes + 1) / firmware::kBodySize + 2);
    uint32_t sum = 0;
    auto send = [&](const firmware::Packet& p) { return ok && client.exchange(p.data(), p.size(), p.size()); };
    ok = send(firmware::buildPacket(firmware::PacketKind::Start, 1));
    for (uint32_t seq = 2; seq <= n; ++seq)
      ok = send(firmware::buildDataPacket(seq, image.data(), image.size(), (seq - 2) * firmware::kBodySize, sum));
    ok = send(firmware::buildSumPacket(n + 1, sum));
    ok = send(firmware::buildPacket(firmware::PacketKind::Finish, n + 2));
  }
  r.elapsedUs = nowUs() - t0;
  splitExchanges(r, client.requestUs, t0 + r.elapsedUs);
  r.ok = ok;
  r.bytes = client.bytes;
  r.exchanges = client.exchanges;
  close(fd);
  return r;
}

Exchange plainReadback(const Config& c, Line line) { return plainRun(c, line, false); }
Exchange plainUpload(const Config& c, Line line) { return plainRun(c, line, true); }

// Records back to back, cycling channels, motors and sensors, as the wire carries them.
std::string monitorStream(double seconds, std::string* lastChannels) {
  const size_t records = static_cast<size_t>(seconds * kBaud / 10.0 / sim::kMonitorRecordSize);
  std::string s;
  for (size_t i = 0; i < records; ++i) {
    const int kind = static_cast<int>(i % sim::kMonitorRecordKinds);
    const auto t = static_cast<uint32_t>(static_cast<double>(s.size()) * kByteUs / 1000.0);
    std::string rec = sim::monitorRecord(kind, t);
    if (kind == 0) *lastChannels = rec;
    s += rec;
  }
  return s;
}

struct MonitorFigure {
  bool ok = false;
  double processShare = 0, threadShare = 0, lagMs = 0;
  size_t records = 0;
  int events = 0, frames = 0, widgetPaints = 0;
};

MonitorFigure monitorRun(const Config& c) {
  MonitorFigure m;
  std::string error;
  PtyPair pty;
  if (!pty.open(error)) {
    note("monitor: %s", error.c_str());
    return m;
  }
  Session s(pty.path, c.window);
  s.dlg->initialise();  // "?C\r" goes unanswered: the feeder plays no controller
  Session::settle(50);
  static_cast<QAbstractButton*>(s.dlg->control(1118))->click();
  Session::settle(50);
  if (s.core().st.LinkMode != LinkMode::Monitor) {
    note("monitor: the display did not start");
    return m;
  }
  std::string lastChannels;
  const std::string stream = monitorStream(c.monitorSeconds, &lastChannels);
  m.records = stream.size() / sim::kMonitorRecordSize;
  const std::string expected = std::to_string(std::stoi(lastChannels.substr(4, 4)));

  if (c.receiveOnly) s.port->onReceive = [&s] { s.port->readAll(); };
  PaintCounter paints(s.dlg.get());
  const int frames0 = s.dlg->pacer().framesPainted();
  Feeder feeder(pty.master, stream, c.feedMs);
  QEventLoop loop;
  s.port->arm();
  const double cpu0 = processCpuSeconds(), thread0 = threadCpuSeconds();
  feeder.start([&loop] { QMetaObject::invokeMethod(&loop, "quit", Qt::QueuedConnection); });
  loop.exec();
  const double cpu = processCpuSeconds() - cpu0, threadCpu = threadCpuSeconds() - thread0;
  feeder.join();
  m.events = s.port->events;
  // Frames the window painted while paced; a frame may paint only the read-outs, not the
  // window itself, so they are counted where they are painted.
  m.frames = s.dlg->pacer().framesPainted() - frames0;
  m.widgetPaints = paints.widgets;
  // What the window had not taken yet when the feed ended: it lags behind the wire.
  const double lag0 = nowUs();
  double shownUs = 0;
  if (!c.receiveOnly)
    shownUs = s.dlg->text(1102) == expected ? lag0 : s.runUntil([&] { return s.dlg->text(1102) == expected; }, 3000, 1);
  m.lagMs = shownUs > 0 ? (shownUs - lag0) / 1000.0 : -1;
  const double wall = feeder.wallSeconds();
  m.processShare = 100.0 * (cpu - feeder.cpuSeconds()) / wall;
  m.threadShare = 100.0 * threadCpu / wall;
  m.ok = (shownUs > 0 || c.receiveOnly) && feeder.bytesWritten() == stream.size();
  if (!m.ok) note("monitor: the display shows CH1 %s, the last record %s", s.dlg->text(1102).c_str(), expected.c_str());
  return m;
}

// The same stream read by a plain client that gathers the records and nothing more: the share of
// a core that the pseudo-terminal and the records take by themselves.
double plainMonitorShare(const Config& c) {
  std::string error;
  PtyPair pty;
  if (!pty.open(error)) {
    note("monitor, plain client: %s", error.c_str());
    return std::nan("");
  }
  const int fd = openDevice(pty.path, error);
  if (fd < 0) {
    note("monitor, plain client: %s", error.c_str());
    return std::nan("");
  }
  std::string lastChannels;
  Feeder feeder(pty.master, monitorStream(c.monitorSeconds, &lastChannels), c.feedMs);
  std::atomic<bool> done{false};
  double cpu = 0;
  size_t records = 0;
  std::thread reader([&] {
    const double cpu0 = threadCpuSeconds();
    std::string text;
    char buf[4096];
    while (!done.load()) {
      pollfd p{fd, POLLIN, 0};
      if (poll(&p, 1, 20) <= 0) continue;
      const ssize_t n = read(fd, buf, sizeof buf);
      if (n <= 0) continue;
      text.append(buf, static_cast<size_t>(n));
      const GatheredRecords g = gatherRecords(text);
      records += g.records.size();
      text.erase(0, g.keepFrom);
    }
    cpu = threadCpuSeconds() - cpu0;
  });
  feeder.start([&done] { done = true; });
  feeder.join();
  reader.join();
  close(fd);
  note("monitor, plain client: %zu records, %.2f %% of one core", records, 100.0 * cpu / feeder.wallSeconds());
  return 100.0 * cpu / feeder.wallSeconds();
}

struct StartFigure {
  bool ok = false;
  double startMs = 0, peakMiB = 0;
};

double statusKiB(pid_t pid, const char* key) {
  std::ifstream f("/proc/" + std::to_string(pid) + "/status");
  std::string line;
  const size_t n = std::strlen(key);
  while (std::getline(f, line))
    if (line.compare(0, n, key) == 0 && line.size() > n && line[n] == ':') return std::atof(line.c_str() + n + 1);
  return 0;
}

// zorv, or (plain) the least a Qt program does in its place: bench_wire --plain-window, an empty
// dialog shown before "?C\r" and "?W\r" are written.
StartFigure startRun(const Config& c, bool plain) {
  StartFigure f;
  std::string error;
  TempDir home;
  const std::string config = home.file("config"), runtime = home.file("run");
  mkdir(runtime.c_str(), 0700);
  SimProcess sim;
  PtyPair pty;
  if (!sim.start(c.simPath, {}, error) || !pty.open(error) ||
      !pointLink(config + "/zorv/ports/COM3", pty.path, error)) {
    note("start-up: %s", error.c_str());
    return f;
  }
  if (c.linkAllPorts) {
    for (int n = 1; n <= 20; ++n)
      if (n != 3) pointLink(config + "/zorv/ports/COM" + std::to_string(n), "/dev/null", error);
  }
  const int simFd = openDevice(sim.device, error);
  if (simFd < 0) {
    note("start-up: %s", error.c_str());
    return f;
  }
  Relay::Options o;
  o.watchUp = "?W\r";
  o.replyAfterWatch = 12;
  Relay relay(pty.master, simFd, o);
  relay.start();

  Child zorv;
  const double t0 = nowUs();
  const std::vector<std::string> argv =
      plain ? std::vector<std::string>{besideUs("bench_wire"), "--plain-window"} : std::vector<std::string>{c.zorvPath};
  if (!zorv.start(argv,
                  {"QT_QPA_PLATFORM=offscreen", "XDG_CONFIG_HOME=" + config, "XDG_RUNTIME_DIR=" + runtime}, home.path,
                  false, error)) {
    note("start-up: %s", error.c_str());
  } else {
    const double until = nowUs() + 20e6;
    while (relay.replyDoneUs.load() == 0 && nowUs() < until) usleep(1000);
    if (relay.replyDoneUs.load() > 0) {
      usleep(300000);  // the identity reply handled and painted
      f.startMs = (relay.firstUpUs.load() - t0) / 1000.0;
      f.peakMiB = statusKiB(zorv.pid, "VmHWM") / 1024.0;
      f.ok = relay.firstUpText().compare(0, 3, "?C\r") == 0 && f.peakMiB > 0;
      if (!f.ok) note("start-up: the first bytes were not \"?C\\r\"");
    } else {
      note("start-up: zorv did not finish its read-back");
    }
    zorv.stop();
  }
  relay.stop();
  close(simFd);
  sim.stop();
  return f;
}

// What the port list costs at start-up: zorv labels all 20 entries before its first query.
void portListCost() {
  QElapsedTimer t;
  t.start();
  const auto ports = QSerialPortInfo::availablePorts();
  const double scanMs = static_cast<double>(t.nsecsElapsed()) / 1e6;
  t.restart();
  const auto labels = portListLabels();
  const double labelsMs = static_cast<double>(t.nsecsElapsed()) / 1e6;
  note("start-up: one QSerialPortInfo::availablePorts() (%zu devices) %.1f ms; portListLabels() %.1f ms",
       static_cast<size_t>(ports.size()), scanMs, labelsMs);
}

struct Row {
  std::string figure, target, measured, floor;  // floor: the plain client's figure on the same line
  bool met;
};

std::string windowNote(const Config& c) {
  std::string s;
  if (!c.window.shown) s += ", window hidden";
  if (c.window.repaintsPerSecond > 0) s += ", ≤ " + std::to_string(c.window.repaintsPerSecond) + " repaints/s";
  if (c.receiveOnly) s += ", receive events only read";
  return s;
}

struct Medians {
  double ratio = 0, medianRatio = 0, perExchangeUs = 0, cpuPerExchangeUs = 0, firstUs = 0, laterUs = 0;
  size_t bytes = 0;
  int exchanges = 0;
  bool allOk = true;
};

Medians timeRuns(const Config& c, const char* what, const char* who, Exchange (*run)(const Config&, Line), Line line) {
  std::vector<double> ratios, medianRatios, per, cpu, first, later;
  Medians m;
  for (int i = 0; i < c.runs; ++i) {
    const Exchange e = run(c, line);
    note("%s, %s, %s, run %d: %s %.2f ms, %d exchanges, %zu bytes (wire %.1f ms) = %.3f x wire, %.1f us per exchange"
         " (first %.1f us, then median %.1f us; window thread CPU %.1f us)",
         what, lineName(line), who, i + 1, e.ok ? "ok" : "FAILED", e.elapsedUs / 1000.0, e.exchanges, e.bytes,
         wireSeconds(e.bytes) * 1000.0, e.ratio(), e.perExchangeUs(), e.firstUs, e.laterMedianUs,
         e.cpuUs / e.exchanges);
    m.allOk &= e.ok;
    anyRunFailed |= !e.ok;
    if (!e.ok) continue;
    ratios.push_back(e.ratio());
    medianRatios.push_back(e.medianRatio());
    per.push_back(e.perExchangeUs());
    cpu.push_back(e.cpuUs / e.exchanges);
    first.push_back(e.firstUs);
    later.push_back(e.laterMedianUs);
    m.bytes = e.bytes;
    m.exchanges = e.exchanges;
  }
  m.ratio = median(ratios);
  m.medianRatio = median(medianRatios);
  m.perExchangeUs = median(per);
  m.cpuPerExchangeUs = median(cpu);
  m.firstUs = median(first);
  m.laterUs = median(later);
  return m;
}

// The window's figures on the paced lines and the unpaced one, each beside what a plain client
// takes for the same exchanges on the same line.
void exchangeFigures(const Config& c, const char* what, Exchange (*run)(const Config&, Line),
                     Exchange (*plain)(const Config&, Line), double ratioTarget, std::vector<Row>& rows) {
  std::vector<Line> lines = {Line::SimPaced};
  if (c.exactLine) lines.push_back(Line::ExactPaced);
  lines.push_back(Line::Direct);
  for (Line line : lines) {
    const Medians w = timeRuns(c, what, "window", run, line);
    const Medians p = timeRuns(c, what, "plain client", plain, line);
    if (line != Line::Direct) {
      rows.push_back({std::string(what) + ", " + lineName(line) + " (" + std::to_string(w.bytes) + " bytes)" +
                          windowNote(c),
                      "≤ " + fixed(ratioTarget, 2) + " × wire limit and ≤ " + fixed(kPlainTarget, 2) + " × plain client",
                      fixed(w.ratio, 3) + " × (" + fixed(w.ratio / p.ratio, 3) + " × plain client; median exchange " +
                          fixed(w.medianRatio, 3) + " ×)",
                      fixed(p.ratio, 3) + " × (median exchange " + fixed(p.medianRatio, 3) + " ×)",
                      w.allOk && p.allOk && w.ratio <= ratioTarget && w.ratio <= kPlainTarget * p.ratio});
    } else {
      rows.push_back({std::string(what) + ", unpaced: time per exchange (" + std::to_string(w.exchanges) +
                          " exchanges; window thread CPU " + fixed(w.cpuPerExchangeUs, 0) + " µs each)" + windowNote(c),
                      "< 100 µs",
                      fixed(w.perExchangeUs, 0) + " µs (first " + fixed(w.firstUs, 0) + " µs, then median " +
                          fixed(w.laterUs, 0) + " µs)",
                      fixed(p.perExchangeUs, 0) + " µs (first " + fixed(p.firstUs, 0) + " µs, then median " +
                          fixed(p.laterUs, 0) + " µs)",
                      w.allOk && w.perExchangeUs < 100});
    }
  }
}

// Share of all cores busy over one second, from /proc/stat: what else the machine is doing.
double machineBusyShare() {
  auto sample = [](double* busy, double* total) {
    std::ifstream f("/proc/stat");
    std::string cpu;
    double v[8] = {};
    f >> cpu >> v[0] >> v[1] >> v[2] >> v[3] >> v[4] >> v[5] >> v[6] >> v[7];
    *total = 0;
    for (double x : v) *total += x;
    *busy = *total - v[3] - v[4];  // not idle, not waiting for I/O
  };
  double b0, t0, b1, t1;
  sample(&b0, &t0);
  usleep(1000000);
  sample(&b1, &t1);
  return t1 > t0 ? (b1 - b0) / (t1 - t0) : 0;
}

int runAll(const Config& c) {
  std::vector<Row> rows;
  const double busy = machineBusyShare();
  if (c.wants("readback")) exchangeFigures(c, "Full read-back", readbackRun, plainReadback, 1.08, rows);
  if (c.wants("upload")) exchangeFigures(c, "65,536-byte firmware upload", uploadRun, plainUpload, 1.08, rows);
  if (c.wants("monitor")) {
    std::vector<double> shares;
    bool ok = true;
    for (int i = 0; i < c.runs; ++i) {
      const MonitorFigure m = monitorRun(c);
      note("monitor, run %d: %s %zu records in %d receive events, %d frames painted (%d widget paints), "
           "process %.2f %% of one core (window thread %.2f %%), behind the wire by %.1f ms at the end",
           i + 1, m.ok ? "ok" : "FAILED", m.records, m.events, m.frames, m.widgetPaints, m.processShare,
           m.threadShare, m.lagMs);
      ok &= m.ok;
      anyRunFailed |= !m.ok;
      shares.push_back(m.processShare);
    }
    const double m = median(shares);
    std::vector<double> floors;
    for (int i = 0; i < c.runs; ++i) floors.push_back(plainMonitorShare(c));
    const std::string step = c.feedMs == 1 ? "every ms" : "every " + std::to_string(c.feedMs) + " ms";
    rows.push_back({"Monitor stream at full wire rate (" + fixed(c.monitorSeconds, 0) + " s, bytes handed over " + step +
                        ", window updates and repaints included)" + windowNote(c),
                    "< 5 % of one core", fixed(m, 2) + " %", fixed(median(floors), 2) + " % (records gathered, nothing shown)",
                    ok && m < 5});
  }
  if (c.wants("startup")) {
    portListCost();
    std::vector<double> starts, peaks, plainStarts, plainPeaks;
    for (int i = 0; i < c.runs; ++i) {
      const StartFigure p = startRun(c, true);
      note("start-up, plain Qt window, run %d: %s %.1f ms to \"?C\\r\", VmHWM %.1f MiB", i + 1, p.ok ? "ok" : "FAILED",
           p.startMs, p.peakMiB);
      if (p.ok) {
        plainStarts.push_back(p.startMs);
        plainPeaks.push_back(p.peakMiB);
      }
      const StartFigure f = startRun(c, false);
      note("start-up, run %d: %s %.1f ms to \"?C\\r\", VmHWM %.1f MiB", i + 1, f.ok ? "ok" : "FAILED", f.startMs,
           f.peakMiB);
      anyRunFailed |= !f.ok;
      if (f.ok) {
        starts.push_back(f.startMs);
        peaks.push_back(f.peakMiB);
      }
    }
    const bool all = static_cast<int>(starts.size()) == c.runs;
    const std::string linked = c.linkAllPorts ? ", COM1..COM20 all linked" : "";
    rows.push_back({"Start of zorv (offscreen) to the first \"?C\\r\" on the wire" + linked, "< 100 ms",
                    fixed(median(starts), 0) + " ms", fixed(median(plainStarts), 0) + " ms (an empty Qt dialog)",
                    all && median(starts) < 100});
    rows.push_back({"Peak resident memory of zorv after a read-back (VmHWM)" + linked, "< 40 MiB",
                    fixed(median(peaks), 1) + " MiB", fixed(median(plainPeaks), 1) + " MiB (an empty Qt dialog)",
                    all && median(peaks) < 40});
  }

  std::printf("\n| Figure (median of %d runs) | Target | Measured | Apparatus floor (plain client) | Met |\n"
              "|---|---|---|---|---|\n", c.runs);
  for (const Row& r : rows)
    std::printf("| %s | %s | %s | %s | %s |\n", r.figure.c_str(), r.target.c_str(), r.measured.c_str(),
                r.floor.c_str(), r.met ? "yes" : "NO");
  std::printf("\n%ld cores, %.0f %% of them busy with other work in the second before the runs",
              sysconf(_SC_NPROCESSORS_ONLN), 100.0 * busy);
  if (busy > 0.2) std::printf(" (a busy machine: the times are longer than on an idle one)");
  std::printf("\n");
  std::fflush(stdout);
  // A missed target is a figure, reported above; only a run that did not complete fails the bench.
  return anyRunFailed ? 1 : 0;
}

// The start-up floor, started by the bench like zorv: a Qt program that shows an empty dialog,
// then writes "?C\r" and "?W\r" on COM3 and waits to be stopped.
int plainWindow(int argc, char** argv) {
  QApplication app(argc, argv);
  QDialog dialog;
  dialog.show();
  int fd = -1;
  QTimer::singleShot(0, &dialog, [&fd] {
    fd = ::open((portLinkFolder() + "/COM3").c_str(), O_RDWR | O_NOCTTY);
    if (fd >= 0) (void)!write(fd, "?C\r", 3);
  });
  QTimer::singleShot(50, &dialog, [&fd] {
    if (fd >= 0) (void)!write(fd, "?W\r", 3);
  });
  return app.exec();
}

}  // namespace
}  // namespace zorv::bench

int main(int argc, char** argv) {
  using namespace zorv::bench;
  if (argc == 2 && std::string(argv[1]) == "--plain-window") return plainWindow(argc, argv);
  Config c;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    auto value = [&]() -> std::string { return i + 1 < argc ? argv[++i] : ""; };
    if (a == "--runs") {
      c.runs = std::max(1, std::atoi(value().c_str()));
    } else if (a == "--seconds") {
      c.monitorSeconds = std::max(1.0, std::atof(value().c_str()));
    } else if (a == "--only") {
      std::stringstream list(value());
      for (std::string w; std::getline(list, w, ',');) c.only.insert(w);
    } else if (a == "--sim") {
      c.simPath = value();
    } else if (a == "--zorv") {
      c.zorvPath = value();
    } else if (a == "--no-exact-line") {
      c.exactLine = false;
    } else if (a == "--hidden") {
      c.window.shown = false;
    } else if (a == "--repaint-hz") {
      c.window.repaintsPerSecond = std::max(1, std::atoi(value().c_str()));
    } else if (a == "--feed-ms") {
      c.feedMs = std::max(1, std::atoi(value().c_str()));
    } else if (a == "--trace") {
      c.window.trace = true;
    } else if (a == "--receive-only") {
      c.receiveOnly = true;
    } else if (a == "--link-all-ports") {
      c.linkAllPorts = true;
    } else {
      std::fprintf(stderr,
                   "usage: bench_wire [--runs N] [--seconds S] [--only readback,upload,monitor,startup]\n"
                   "                  [--sim PATH] [--zorv PATH] [--no-exact-line] [--hidden]\n"
                   "                  [--repaint-hz N] [--link-all-ports] [--receive-only] [--feed-ms N] [--trace]\n");
      return 2;
    }
  }
  if (c.simPath.empty()) c.simPath = besideUs("../sim/corvex-sim");
  if (c.zorvPath.empty()) c.zorvPath = besideUs("../app/zorv");

  // The window's COMn links live in a folder of our own; each window's settings file in its own.
  TempDir config;
  setenv("XDG_CONFIG_HOME", config.path.c_str(), 1);
  const std::string runtime = config.file("run");
  mkdir(runtime.c_str(), 0700);
  setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  // Qt's offscreen platform notes each window it cannot size; that is all it says here.
  qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type != QtDebugMsg && type != QtInfoMsg && !text.contains("propagateSizeHints"))
      std::fprintf(stderr, "%s\n", qPrintable(text));
  });
  return runAll(c);
}
