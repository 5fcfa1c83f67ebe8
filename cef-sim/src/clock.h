#ifndef CEFSIM_SRC_CLOCK_H_
#define CEFSIM_SRC_CLOCK_H_

#include <chrono>

namespace cefsim {

// The engine's monotonic clock: the system's steady clock plus an offset that the
// driver can advance, so that tests reach delayed work without waiting for it.
class Clock {
 public:
  using time_point = std::chrono::steady_clock::time_point;
  using duration = std::chrono::steady_clock::duration;

  static time_point Now();
  static void Advance(duration by);
};

}  // namespace cefsim

#endif  // CEFSIM_SRC_CLOCK_H_
