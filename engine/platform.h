// What the game needs from the machine: the local clock and a random
// generator. Both are passed in, so tests can drive them.
#pragma once

#include <cstdint>

namespace ouroboard {

class Clock {
 public:
  virtual ~Clock() = default;
  virtual int Minute() = 0;  // minute of the hour, 0..59, local time
  virtual int Second() = 0;  // second of the minute, 0..59, local time
};

class RandomSource {
 public:
  virtual ~RandomSource() = default;
  // Mixes seed into the generator; it never rewinds it to an earlier state.
  virtual void Reseed(int seed) = 0;
  // The next value in [0, 1).
  virtual float Next() = 0;
};

class SystemClock final : public Clock {
 public:
  int Minute() override;
  int Second() override;
};

// A splitmix64 generator whose re-seed folds the seed into the running state,
// so the same seed twice in a row still yields fresh values.
class MixingRandom final : public RandomSource {
 public:
  explicit MixingRandom(std::uint64_t state = 0x0b5e55ed5eedULL) : state_(state) {}
  void Reseed(int seed) override;
  float Next() override;

 private:
  std::uint64_t NextBits();
  std::uint64_t state_;
};

}  // namespace ouroboard
