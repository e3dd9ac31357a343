#pragma once
#include <cstdint>

namespace qv {

constexpr int kFractionBits = 8;
constexpr std::int32_t kOne = 1 << kFractionBits;

// Wrap-around helpers: the simulation relies on 32-bit two's complement
// overflow, which C++ only defines for unsigned arithmetic.
constexpr std::int32_t WrapAdd(std::int32_t a, std::int32_t b) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b));
}
constexpr std::int32_t WrapSub(std::int32_t a, std::int32_t b) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) - static_cast<std::uint32_t>(b));
}
constexpr std::int32_t WrapMul(std::int32_t a, std::int32_t b) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) * static_cast<std::uint32_t>(b));
}
constexpr std::int32_t WrapShl(std::int32_t a, int bits) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) << bits);
}
// Truncating division. A zero divisor gives 0 and INT_MIN / -1 gives INT_MIN
// (the wrapped quotient) instead of trapping.
constexpr std::int32_t SafeDiv(std::int32_t a, std::int32_t b) {
  if (b == 0) return 0;
  if (b == -1) return WrapSub(0, a);
  return a / b;
}
// Double to int as x86's truncating conversion does it: NaN and values out of
// range become INT32_MIN.
constexpr std::int32_t TruncateDouble(double d) {
  if (!(d > -2147483649.0 && d < 2147483648.0)) return INT32_MIN;
  return static_cast<std::int32_t>(d);
}

// Signed 24.8 fixed-point number, the only number type of simulation state.
class Fixed {
 public:
  constexpr Fixed() = default;
  constexpr Fixed(int n) : raw_(WrapShl(n, kFractionBits)) {}  // NOLINT: as the game writes it
  constexpr Fixed(double d)                                    // NOLINT
      : raw_(TruncateDouble(d * static_cast<double>(kOne) + 0.5)) {}

  static constexpr Fixed FromRaw(std::int32_t raw) {
    Fixed f;
    f.raw_ = raw;
    return f;
  }
  constexpr std::int32_t Raw() const { return raw_; }
  constexpr int ToInt() const { return raw_ >> kFractionBits; }
  constexpr double ToDouble() const { return raw_ / static_cast<double>(kOne); }

  constexpr Fixed operator-() const { return FromRaw(WrapSub(0, raw_)); }
  friend constexpr Fixed operator+(Fixed a, Fixed b) { return FromRaw(WrapAdd(a.raw_, b.raw_)); }
  friend constexpr Fixed operator-(Fixed a, Fixed b) { return FromRaw(WrapSub(a.raw_, b.raw_)); }
  friend constexpr Fixed operator*(Fixed a, Fixed b) {
    return FromRaw(WrapMul(a.raw_, b.raw_) >> kFractionBits);
  }
  friend constexpr Fixed operator/(Fixed a, Fixed b) {
    return FromRaw(SafeDiv(WrapShl(a.raw_, kFractionBits), b.raw_));
  }
  // Mixed forms with an int: the int is converted first, except for division,
  // which divides the raw value directly.
  friend constexpr Fixed operator+(Fixed a, int n) { return a + Fixed(n); }
  friend constexpr Fixed operator+(int n, Fixed a) { return Fixed(n) + a; }
  friend constexpr Fixed operator-(Fixed a, int n) { return a - Fixed(n); }
  friend constexpr Fixed operator-(int n, Fixed a) { return Fixed(n) - a; }
  friend constexpr Fixed operator*(Fixed a, int n) { return a * Fixed(n); }
  friend constexpr Fixed operator*(int n, Fixed a) { return Fixed(n) * a; }
  friend constexpr Fixed operator/(Fixed a, int n) { return FromRaw(SafeDiv(a.raw_, n)); }
  friend constexpr Fixed operator*(Fixed a, double d) { return a * Fixed(d); }

  constexpr Fixed& operator+=(Fixed b) { return *this = *this + b; }
  constexpr Fixed& operator-=(Fixed b) { return *this = *this - b; }
  constexpr Fixed& operator*=(Fixed b) { return *this = *this * b; }
  constexpr Fixed& operator/=(Fixed b) { return *this = *this / b; }
  constexpr Fixed& operator+=(int n) { return *this = *this + n; }
  constexpr Fixed& operator-=(int n) { return *this = *this - n; }
  constexpr Fixed& operator*=(int n) { return *this = *this * n; }
  constexpr Fixed& operator/=(int n) { return *this = *this / n; }

  friend constexpr bool operator==(Fixed a, Fixed b) { return a.raw_ == b.raw_; }
  friend constexpr bool operator!=(Fixed a, Fixed b) { return a.raw_ != b.raw_; }
  friend constexpr bool operator<(Fixed a, Fixed b) { return a.raw_ < b.raw_; }
  friend constexpr bool operator>(Fixed a, Fixed b) { return a.raw_ > b.raw_; }
  friend constexpr bool operator<=(Fixed a, Fixed b) { return a.raw_ <= b.raw_; }
  friend constexpr bool operator>=(Fixed a, Fixed b) { return a.raw_ >= b.raw_; }
  // Comparisons with an int or a double convert the other operand first.
  friend constexpr bool operator==(Fixed a, int n) { return a == Fixed(n); }
  friend constexpr bool operator!=(Fixed a, int n) { return a != Fixed(n); }
  friend constexpr bool operator<(Fixed a, int n) { return a < Fixed(n); }
  friend constexpr bool operator>(Fixed a, int n) { return a > Fixed(n); }
  friend constexpr bool operator<=(Fixed a, int n) { return a <= Fixed(n); }
  friend constexpr bool operator>=(Fixed a, int n) { return a >= Fixed(n); }
  friend constexpr bool operator<(int n, Fixed a) { return Fixed(n) < a; }
  friend constexpr bool operator>(int n, Fixed a) { return Fixed(n) > a; }
  friend constexpr bool operator<=(int n, Fixed a) { return Fixed(n) <= a; }
  friend constexpr bool operator>=(int n, Fixed a) { return Fixed(n) >= a; }
  friend constexpr bool operator>(Fixed a, double d) { return a > Fixed(d); }
  friend constexpr bool operator<(Fixed a, double d) { return a < Fixed(d); }
  friend constexpr bool operator<=(Fixed a, double d) { return a <= Fixed(d); }
  friend constexpr bool operator>=(Fixed a, double d) { return a >= Fixed(d); }

 private:
  std::int32_t raw_ = 0;
};

// Named constants, written as decimals and rounded once to their raw values.
inline constexpr Fixed kTimeStep = Fixed(0.06);
inline constexpr Fixed kGravity = Fixed(9);
inline constexpr Fixed kDragFactor = Fixed(0.1);
inline constexpr Fixed kCornerReach = Fixed(4.0);
inline constexpr Fixed kBallSpinFactor = Fixed(0.02);
inline constexpr Fixed kDefaultBounce = Fixed(0.05);

}  // namespace qv
