// The program's one random generator; deterministic for a seed.
#pragma once

#include <optional>
#include <random>

namespace platform {

class Random {
 public:
  // A salt (from the environment) mixed into every seed, so runs can differ while each
  // stays reproducible.
  void setSalt(std::optional<int> salt) { salt_ = salt; }
  void seed(int value);
  int range(int low, int high);
  float uniform(float low, float high);

 private:
  std::mt19937 engine_{1};
  std::optional<int> salt_;
};

}  // namespace platform
