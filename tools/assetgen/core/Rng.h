#pragma once

#include <cstdint>

namespace assetgen {

// A small seeded generator (splitmix64): the same seed gives the same picture on every run.
class Rng {
 public:
  explicit Rng(uint64_t seed) : state_(seed) {}
  uint64_t next() {
    uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  double uniform() { return static_cast<double>(next() >> 11) * (1.0 / 9007199254740992.0); }
  double range(double low, double high) { return low + (high - low) * uniform(); }
  int between(int low, int high) {  // both included
    return low + static_cast<int>(next() % static_cast<uint64_t>(high - low + 1));
  }

 private:
  uint64_t state_;
};

}  // namespace assetgen
