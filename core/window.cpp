#include "core/window.h"

#include <atomic>

#include "core/bindings.h"

namespace zorv {

namespace {
std::atomic<uint64_t> windowsMade{0};
}  // namespace

Window::Window() : identity_(++windowsMade) {}

Window::Window(const Window& other) : identity_(other.identity_), reported_(other.reported_) {}

Window& Window::operator=(const Window& other) {
  identity_ = other.identity_;
  reported_ = other.reported_;
  return *this;
}

void Window::controlChanged(int id) {
  ++reported_;
  if (bindings_) bindings_->controlChanged(id);
}

}  // namespace zorv
