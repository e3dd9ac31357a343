#include "puzzle/LinkList.h"

namespace qv {

bool LinkList::Append(const PuzzleLink& link) {
  if (count_ >= kCapacity) return false;
  links_[count_++] = link;
  return true;
}

}  // namespace qv
