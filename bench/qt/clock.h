#pragma once

#include <ctime>

namespace navcss::bench {

// System-wide, so a parent and its child read the same clock.
inline long long MonotonicNs() {
  timespec ts{};
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return static_cast<long long>(ts.tv_sec) * 1000000000LL + ts.tv_nsec;
}

}  // namespace navcss::bench
