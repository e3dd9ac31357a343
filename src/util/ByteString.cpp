#include "util/ByteString.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "util/Buffer.h"

namespace qv {
namespace {

constexpr std::size_t kFormatBufferSize = 200;

char* CopyText(const char* text) {
  if (text == nullptr || *text == '\0') return nullptr;
  std::size_t n = std::strlen(text) + 1;
  char* copy = static_cast<char*>(AllocBuffer(n));
  if (copy != nullptr) std::memcpy(copy, text, n);
  return copy;
}

}  // namespace

ByteString::ByteString(const char* text) : buffer_(CopyText(text)) {}

ByteString::ByteString(char c) {
  buffer_ = static_cast<char*>(AllocBuffer(2));
  if (buffer_ != nullptr) {
    buffer_[0] = c;
    buffer_[1] = '\0';
  }
}

ByteString::ByteString(const ByteString& other) : buffer_(CopyText(other.buffer_)) {}

ByteString::ByteString(ByteString&& other) noexcept : buffer_(other.buffer_) {
  other.buffer_ = nullptr;
}

ByteString& ByteString::operator=(const ByteString& other) {
  Assign(other);
  return *this;
}

ByteString& ByteString::operator=(ByteString&& other) noexcept {
  if (this != &other) {
    FreeBuffer(buffer_);
    buffer_ = other.buffer_;
    other.buffer_ = nullptr;
  }
  return *this;
}

ByteString::~ByteString() {
  FreeBuffer(buffer_);
}

void ByteString::Assign(const ByteString& other) {
  if (this == &other) return;
  Assign(other.buffer_);
}

void ByteString::Assign(const char* text) {
  char* copy = CopyText(text);
  FreeBuffer(buffer_);
  buffer_ = copy;
}

void ByteString::Adopt(char* buffer) {
  if (buffer == buffer_) return;
  FreeBuffer(buffer_);
  buffer_ = buffer;
}

void ByteString::Format(const char* format, ...) {
  char local[kFormatBufferSize];
  va_list args;
  va_start(args, format);
  int n = std::vsnprintf(local, sizeof local, format, args);
  va_end(args);
  if (n < 0) local[0] = '\0';
  std::size_t len = std::strlen(local) + 1;
  char* copy = static_cast<char*>(AllocBuffer(len));
  if (copy != nullptr) std::memcpy(copy, local, len);
  FreeBuffer(buffer_);
  buffer_ = copy;
}

std::size_t ByteString::Length() const {
  return buffer_ ? std::strlen(buffer_) : 0;
}

ByteString ByteString::Concat(const ByteString& a, const ByteString& b) {
  if (b.Length() == 0) return a;
  if (a.Length() == 0) return b;
  std::size_t la = a.Length();
  std::size_t lb = b.Length();
  char* joined = static_cast<char*>(AllocBuffer(la + lb + 1));
  ByteString result;
  if (joined == nullptr) return result;
  std::memcpy(joined, a.buffer_, la);
  std::memcpy(joined + la, b.buffer_, lb + 1);
  result.Adopt(joined);
  return result;
}

bool operator==(const ByteString& a, const ByteString& b) {
  return std::strcmp(a.Text(), b.Text()) == 0;
}

int ToWide(const char* text, char** out) {
  *out = nullptr;
  if (text == nullptr) return 0;
  std::size_t n = std::strlen(text) + 1;
  *out = static_cast<char*>(AllocBuffer(n));
  if (*out == nullptr) return -1;
  std::memcpy(*out, text, n);
  return 0;
}

int ToNarrow(const char* wideText, char** out) {
  return ToWide(wideText, out);
}

}  // namespace qv
