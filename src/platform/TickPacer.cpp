#include "platform/TickPacer.h"

namespace qv {

TickPacer::TickPacer(int ticksPerSecond)
    : periodNs_(1000000000LL / (ticksPerSecond > 0 ? ticksPerSecond : 1)) {}

void TickPacer::Start(std::int64_t nowNs) {
  nextNs_ = nowNs;
}

std::int64_t TickPacer::WaitNs(std::int64_t nowNs) const {
  return nextNs_ > nowNs ? nextNs_ - nowNs : 0;
}

void TickPacer::TickDone(std::int64_t nowNs) {
  nextNs_ += periodNs_;
  if (nowNs - nextNs_ > kMaxLagPeriods * periodNs_) nextNs_ = nowNs + periodNs_;
}

}  // namespace qv
