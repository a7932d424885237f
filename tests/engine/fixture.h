// Shared pieces of the engine tests: a clock and a random generator that the
// test controls, and a game wired to them.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <vector>

#include "game.h"
#include "session.h"

namespace ouroboard::testing {

// Hands out queued values first, then falls back to a real generator.
class ScriptedRandom final : public RandomSource {
 public:
  std::deque<float> queued;
  std::vector<int> seeds;

  void Reseed(int seed) override {
    seeds.push_back(seed);
    fallback_.Reseed(seed);
  }
  float Next() override {
    if (queued.empty()) return fallback_.Next();
    const float value = queued.front();
    queued.pop_front();
    return value;
  }

  // Queues the two draws that make MakeFood pick this cell and food picture.
  void QueueFood(int cell, int picture = 0) {
    queued.push_back(static_cast<float>((cell - 100 + 0.5) / 700.0));
    queued.push_back(static_cast<float>((picture + 0.5) / 5.0));
  }

 private:
  MixingRandom fallback_{12345};
};

class GameTest : public ::testing::Test {
 protected:
  FakeClock clock;
  ScriptedRandom random;
  Game game{clock, random};

  // A started game, as the window shows it after loading.
  void Load() { game.Form_Load(); }

  void LoadTwoPlayers() {
    Load();
    game.p2_Click();
  }

  // Places a snake's head on the given cell with the body trailing straight
  // behind it, all heading the given way.
  static void Lay(SlotArray& body, SlotArray& dir, Int16 len, int head, Int16 heading) {
    const int step = heading == Heading::Right  ? 1
                     : heading == Heading::Left ? -1
                     : heading == Heading::Up   ? -30
                                                : 30;
    for (int k = 0; k <= len; ++k) {
      body[k] = static_cast<Cell>(head - (len - k) * step);
      dir[k] = heading;
    }
  }

  int CountCells(Picture picture) const {
    int count = 0;
    for (const Picture shown : game.widgets.TableBlock) count += shown == picture;
    return count;
  }
};

}  // namespace ouroboard::testing
