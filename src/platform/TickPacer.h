#pragma once
#include <cstdint>

namespace qv {

// Paces ticks at a steady rate on a monotonic clock in nanoseconds. After a
// stall of more than a few periods it starts afresh instead of racing to
// catch up, so the game never runs in bursts.
class TickPacer {
 public:
  explicit TickPacer(int ticksPerSecond);

  // Call once with the current time before the first tick.
  void Start(std::int64_t nowNs);
  // Nanoseconds to wait before the next tick is due (0 when due).
  std::int64_t WaitNs(std::int64_t nowNs) const;
  // Call after each tick; schedules the next one.
  void TickDone(std::int64_t nowNs);
  std::int64_t PeriodNs() const { return periodNs_; }

  static constexpr int kMaxLagPeriods = 4;

 private:
  std::int64_t periodNs_;
  std::int64_t nextNs_ = 0;
};

}  // namespace qv
