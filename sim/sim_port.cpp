#include "sim/sim_port.h"

#include <utility>

namespace zorv::sim {

namespace {
constexpr const char* kGoneText = "Port closed: device gone (unplugged or switched off)";
}  // namespace

SimPort::SimPort() : owned_(std::make_unique<Controller>()), controller_(owned_.get()), peer_(controller_) {}

SimPort::SimPort(Controller& controller) : controller_(&controller), peer_(&controller) {}

SimPort::SimPort(Peer& peer) : controller_(dynamic_cast<Controller*>(&peer)), peer_(&peer) {}

void SimPort::setBufferSizes(int in, int out) {
  inBufferSize_ = in;
  outBufferSize_ = out;
}

bool SimPort::open() {
  if (open_) return true;
  if (failOpen) {
    errorText_ = failOpenText;
    return false;
  }
  if (portNumber_ < 1 || portNumber_ > 20 || peer_->vanished()) {
    errorText_ = "No such file or directory";
    return false;
  }
  // Whatever the controller sent while nobody listened is gone.
  (void)peer_->takeOutput();
  errorText_.clear();
  open_ = true;
  lostReported_ = false;
  ++opens_;
  peer_->portOpened();
  collect();  // what a board sends as the port opens arrives after the open, as on a real line
  return true;
}

void SimPort::close() {
  open_ = false;
  pending_.clear();
  input_.clear();
}

std::vector<uint8_t> SimPort::readAll() { return std::exchange(input_, {}); }

void SimPort::write(const uint8_t* data, size_t n) {
  if (!open_ || n == 0) return;
  if (loseInWrite > 0 && --loseInWrite == 0) {
    close();
    lostReported_ = true;
    if (onLost) onLost(kGoneText);
    return;
  }
  written_.append(reinterpret_cast<const char*>(data), n);
  peer_->receive(data, n);
  collect();
}

void SimPort::collect() {
  auto chunks = peer_->takeOutput();
  if (!open_) return;
  for (auto& chunk : chunks) pending_.push_back(std::move(chunk));
}

bool SimPort::deliverOne() {
  collect();
  if (!open_) return false;
  if (pending_.empty()) {
    if (!peer_->vanished() || lostReported_) return false;
    lostReported_ = true;
    close();
    if (onLost) onLost(kGoneText);
    return true;
  }
  std::vector<uint8_t> chunk = std::move(pending_.front());
  pending_.pop_front();
  input_.insert(input_.end(), chunk.begin(), chunk.end());
  if (onReceive) onReceive();
  return true;
}

bool SimPort::waitForInput(int ms) {
  if (!open_) return false;
  if (!input_.empty()) return true;
  collect();
  if (pending_.empty() && ms > 0) advance(static_cast<uint32_t>(ms));
  if (pending_.empty()) return false;
  std::vector<uint8_t> chunk = std::move(pending_.front());
  pending_.pop_front();
  input_.insert(input_.end(), chunk.begin(), chunk.end());
  return true;
}

int SimPort::deliverAll(int maxEvents) {
  int events = 0;
  while (events < maxEvents && deliverOne()) ++events;
  return events;
}

void SimPort::inject(std::vector<uint8_t> bytes) {
  collect();
  if (open_ && !bytes.empty()) pending_.push_back(std::move(bytes));
}

void SimPort::advance(uint32_t ms) {
  peer_->advance(ms);
  collect();
}

}  // namespace zorv::sim
