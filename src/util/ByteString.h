#pragma once
#include <cstddef>

namespace qv {

// Owned, NUL-terminated 8-bit text. The empty string is a null buffer, never an
// empty allocation (except after Format, which always allocates).
class ByteString {
 public:
  ByteString() = default;
  ByteString(const char* text);  // NOLINT: implicit like a literal
  explicit ByteString(char c);
  ByteString(const ByteString& other);
  ByteString(ByteString&& other) noexcept;
  ByteString& operator=(const ByteString& other);
  ByteString& operator=(ByteString&& other) noexcept;
  virtual ~ByteString();

  void Assign(const ByteString& other);
  void Assign(const char* text);
  // Takes ownership of a buffer from AllocBuffer.
  void Adopt(char* buffer);
  // printf-style; output is cut below 200 characters.
  void Format(const char* format, ...) __attribute__((format(printf, 2, 3)));

  std::size_t Length() const;
  const char* CStr() const { return buffer_; }
  // Never null: handy for printing and comparisons.
  const char* Text() const { return buffer_ ? buffer_ : ""; }
  bool Empty() const { return Length() == 0; }

  static ByteString Concat(const ByteString& a, const ByteString& b);

  friend ByteString operator+(const ByteString& a, const ByteString& b) { return Concat(a, b); }
  friend bool operator==(const ByteString& a, const ByteString& b);

 private:
  char* buffer_ = nullptr;
};

// Identity conversions: this platform's file interface takes 8-bit names.
// The result comes from AllocBuffer (free with FreeBuffer); null text gives null.
int ToWide(const char* text, char** out);
int ToNarrow(const char* wideText, char** out);

}  // namespace qv
