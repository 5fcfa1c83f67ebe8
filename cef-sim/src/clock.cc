#include "src/clock.h"

#include <atomic>

namespace cefsim {
namespace {

std::atomic<Clock::duration::rep> g_offset{0};

}  // namespace

Clock::time_point Clock::Now() {
  return std::chrono::steady_clock::now() + duration(g_offset.load(std::memory_order_acquire));
}

void Clock::Advance(duration by) {
  if (by.count() > 0)
    g_offset.fetch_add(by.count(), std::memory_order_acq_rel);
}

}  // namespace cefsim
