#pragma once
#include <cstdint>

namespace qv {

// One entry of a puzzle's link list. The objects are held by identity
// (GameObject::Identity, 0 = none), never by pointer, so an entry can outlive
// its objects without ever being followed to a deleted one.
struct PuzzleLink {
  std::int32_t objectA = 0;
  std::int32_t value = 0;
  std::int32_t objectB = 0;
};

// The puzzle's link list: at most 19 entries, filled only by loading and read
// only by saving; the values are carried unchanged.
class LinkList {
 public:
  static constexpr int kCapacity = 19;

  int Count() const { return count_; }
  // Entry i; i must be below Count().
  const PuzzleLink& At(int i) const { return links_[i]; }
  PuzzleLink& At(int i) { return links_[i]; }
  // False (nothing stored) once the list is full.
  bool Append(const PuzzleLink& link);
  void Clear() { count_ = 0; }

 private:
  PuzzleLink links_[kCapacity];
  int count_ = 0;
};

}  // namespace qv
