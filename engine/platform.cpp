#include "platform.h"

#include <ctime>

namespace ouroboard {
namespace {

std::tm LocalNow() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return local;
}

}  // namespace

int SystemClock::Minute() { return LocalNow().tm_min; }

// A leap second reads as 60; the game expects 0..59.
int SystemClock::Second() { return LocalNow().tm_sec % 60; }

void MixingRandom::Reseed(int seed) {
  state_ ^= static_cast<std::uint64_t>(static_cast<std::uint32_t>(seed)) * 0xd1b54a32d192ed03ULL;
  NextBits();
}

float MixingRandom::Next() {
  // The top 24 bits give every float in [0, 1) with spacing 2^-24.
  return static_cast<float>(NextBits() >> 40) * 0x1.0p-24f;
}

std::uint64_t MixingRandom::NextBits() {
  std::uint64_t z = (state_ += 0x9e3779b97f4a7c15ULL);
  z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
  z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
  return z ^ (z >> 31);
}

}  // namespace ouroboard
