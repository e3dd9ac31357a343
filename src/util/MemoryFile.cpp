#include "util/MemoryFile.h"

#include <cstring>

#include "util/Buffer.h"

namespace qv {

MemoryFile::~MemoryFile() {
  Close();
}

bool MemoryFile::Open(const char* path, int mode) {
  Close();
  if (!file_.Open(path, mode)) return false;
  int size = file_.Size();
  auto* bytes = static_cast<std::uint8_t*>(AllocBuffer(static_cast<std::size_t>(size)));
  if (bytes == nullptr) {
    file_.Close();
    return false;
  }
  int got = file_.Read(bytes, size);
  file_.Close();
  if (got < 0) {
    FreeBuffer(bytes);
    return false;
  }
  buffer_ = bytes;
  size_ = got;
  position_ = 0;
  return true;
}

bool MemoryFile::OpenBytes(const void* bytes, int size) {
  Close();
  if (size < 0) return false;
  buffer_ = static_cast<std::uint8_t*>(AllocBuffer(static_cast<std::size_t>(size)));
  if (buffer_ == nullptr) return false;
  if (size > 0) std::memcpy(buffer_, bytes, static_cast<std::size_t>(size));
  size_ = size;
  position_ = 0;
  return true;
}

void MemoryFile::Close() {
  FreeBuffer(buffer_);
  buffer_ = nullptr;
  size_ = 0;
  position_ = 0;
}

bool MemoryFile::Seek(int offset, int origin) {
  long long target = position_;
  if (origin == kSeekStart) target = offset;
  if (origin == kSeekCurrent) target = static_cast<long long>(position_) + offset;
  if (origin == kSeekEnd) target = static_cast<long long>(size_) - offset;
  // Always succeeds; the position is kept inside the buffer so reads stay safe.
  if (target < 0) target = 0;
  if (target > size_) target = size_;
  position_ = static_cast<int>(target);
  return true;
}

int MemoryFile::Read(void* buffer, int count) {
  if (buffer_ == nullptr || count < 0) return -1;
  int left = size_ - position_;
  int n = count < left ? count : left;
  if (n > 0) std::memcpy(buffer, buffer_ + position_, static_cast<std::size_t>(n));
  position_ += n;
  return n;
}

}  // namespace qv
