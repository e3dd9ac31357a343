#include "util/Buffer.h"

#include <cstdlib>

namespace qv {

void* AllocBuffer(std::size_t size) {
  return std::malloc(size == 0 ? 1 : size);
}

void FreeBuffer(void* pointer) {
  std::free(pointer);
}

}  // namespace qv
