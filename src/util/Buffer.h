#pragma once
#include <cstddef>

namespace qv {

// Raw heap buffers for strings, pixel data and file contents. Returns null when
// the heap is exhausted; FreeBuffer ignores null.
void* AllocBuffer(std::size_t size);
void FreeBuffer(void* pointer);

}  // namespace qv
