#pragma once
// A map from control id to a value, laid out flat over the window's id range so that the data
// exchange's thousands of look-ups per reply, and copying a whole window's state, cost array
// indexing and plain copies. Used like a std::map<int, T> (operator[], at, find, count,
// iteration in id order over the ids present, ==); ids outside the range are kept aside.

#include <array>
#include <cstddef>
#include <map>
#include <stdexcept>
#include <utility>

#include "core/bindings.h"

namespace zorv {

template <class T>
class IdMap {
  static constexpr int kSize = kLastControlId - kFirstControlId + 1;
  using Slots = std::array<std::pair<int, T>, kSize>;

 public:
  // Iterates the ids present, in increasing order; *it is (id, value).
  template <class Map, class Pair>
  class Iter {
   public:
    Iter(Map* m, int slot) : m_(m), slot_(slot) { skip(); }
    Pair& operator*() const { return m_->slots_[static_cast<size_t>(slot_)]; }
    Pair* operator->() const { return &**this; }
    Iter& operator++() {
      ++slot_;
      skip();
      return *this;
    }
    bool operator==(const Iter& o) const { return slot_ == o.slot_; }
    bool operator!=(const Iter& o) const { return slot_ != o.slot_; }

   private:
    void skip() {
      while (slot_ < kSize && !m_->present_[static_cast<size_t>(slot_)]) ++slot_;
    }
    Map* m_;
    int slot_;
  };
  using iterator = Iter<IdMap, std::pair<int, T>>;
  using const_iterator = Iter<const IdMap, const std::pair<int, T>>;

  T& operator[](int id) {
    if (!inRange(id)) return outside_[id];
    const size_t s = slot(id);
    if (!present_[s]) {
      present_[s] = true;
      slots_[s] = {id, T{}};
    }
    return slots_[s].second;
  }
  const T& at(int id) const {
    if (!inRange(id)) return outside_.at(id);
    if (!present_[slot(id)]) throw std::out_of_range("no control id in the map");
    return slots_[slot(id)].second;
  }
  // For ids in the window's range only (every control id is).
  iterator find(int id) {
    return inRange(id) && present_[slot(id)] ? iterator(this, static_cast<int>(slot(id))) : iterator(this, kSize);
  }
  const_iterator find(int id) const {
    return inRange(id) && present_[slot(id)] ? const_iterator(this, static_cast<int>(slot(id))) : end();
  }
  size_t count(int id) const { return inRange(id) ? (present_[slot(id)] ? 1 : 0) : outside_.count(id); }

  iterator begin() { return iterator(this, 0); }
  iterator end() { return iterator(this, kSize); }
  const_iterator begin() const { return const_iterator(this, 0); }
  const_iterator end() const { return const_iterator(this, kSize); }

  bool operator==(const IdMap& o) const {
    if (present_ != o.present_ || outside_ != o.outside_) return false;
    for (size_t s = 0; s < slots_.size(); ++s)
      if (present_[s] && !(slots_[s].second == o.slots_[s].second)) return false;
    return true;
  }
  bool operator!=(const IdMap& o) const { return !(*this == o); }

 private:
  static bool inRange(int id) { return id >= kFirstControlId && id <= kLastControlId; }
  static size_t slot(int id) { return static_cast<size_t>(id - kFirstControlId); }
  Slots slots_{};
  std::array<bool, kSize> present_{};
  std::map<int, T> outside_;
};

}  // namespace zorv
