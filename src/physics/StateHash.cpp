#include "physics/StateHash.h"

#include "physics/World.h"

namespace qv {
namespace {

// FNV-1a over the little-endian bytes of each value.
class Hasher {
 public:
  void Add(std::int32_t value) {
    auto u = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i) {
      hash_ ^= (u >> (8 * i)) & 0xFFu;
      hash_ *= 0x100000001B3ull;
    }
  }
  void Add(Fixed f) { Add(f.Raw()); }
  std::uint64_t Value() const { return hash_; }

 private:
  std::uint64_t hash_ = 0xCBF29CE484222325ull;
};

}  // namespace

std::uint64_t StateHash(const World& world) {
  Hasher h;
  h.Add(world.Count());
  for (int i = 0; i < world.Count(); ++i) {
    const GameObject& obj = *world.At(i);
    h.Add(obj.GetKind());
    const Box b = obj.box;
    h.Add(b.x);
    h.Add(b.y);
    h.Add(b.w);
    h.Add(b.h);
    h.Add(obj.velocity.x);
    h.Add(obj.velocity.y);
    h.Add(obj.flags);
    h.Add(obj.removed ? 1 : 0);
  }
  return h.Value();
}

}  // namespace qv
