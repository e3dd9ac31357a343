#include "parts/Creature.h"

#include <cstdlib>

namespace qv {

bool Creature::LookAt(const Box& target, const Box& own, int* dir, Fixed* best, Fixed* previous,
                      bool towards) const {
  Fixed c = target.y + target.h / 2;
  if (c < own.y || c > own.y + own.h) return false;
  Fixed d = Fixed(std::abs((target.x + target.w / 2 - (own.x + own.w / 2)).ToInt()));
  if (*best == Fixed()) {
    *best = d;
    *previous = *best;
  } else {
    *previous = *best;
    *best = d;
  }
  if (*previous >= *best) {
    const bool toRight = own.x < target.x;
    *dir = (toRight == towards) ? 1 : 0;
  } else {
    *best = *previous;
  }
  return true;
}

bool IsEnemyKind(int kind) {
  return kind == kKindFox || kind == kKindWolf || kind == kKindMan;
}

}  // namespace qv
