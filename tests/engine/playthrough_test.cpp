// Long runs of the whole game: random play checked against the soundness
// rules after every call, and a careful pair of players taking a
// two-player campaign through all seven levels.
#include <queue>
#include <random>

#include "fixture.h"
#include "soundness.h"

namespace ouroboard::testing {
namespace {

Cell Next(Cell cell, Int16 heading) {
  const int row = cell / 30, column = cell % 30;
  switch (heading) {
    case Heading::Right:
      return static_cast<Cell>(row * 30 + (column + 1) % 30);
    case Heading::Left:
      return static_cast<Cell>(row * 30 + (column + 29) % 30);
    case Heading::Up:
      return static_cast<Cell>(((row + 29) % 30) * 30 + column);
    default:
      return static_cast<Cell>(((row + 1) % 30) * 30 + column);
  }
}

class PlaythroughTest : public GameTest {
 protected:
  void ExpectSound(After after) {
    std::string broken;
    for (const std::string& fault : SoundnessFaults(game, after)) broken += "\n  " + fault;
    ASSERT_TRUE(broken.empty()) << broken;
  }
};

TEST_F(PlaythroughTest, RandomPlayKeepsEveryInvariant) {
  const Int16 keys[] = {Key::LeftArrow, Key::UpArrow, Key::RightArrow, Key::DownArrow, Key::A,
                        Key::W,         Key::D,       Key::S,          Int16{32}};
  Load();
  std::mt19937 dice(2024);
  const auto roll = [&dice](int sides) { return std::uniform_int_distribution<int>(0, sides - 1)(dice); };
  int ticks = 0, deaths = 0;
  for (int step = 0; step < 60000; ++step) {
    clock.second = roll(60);
    if (game.widgets.EndScreen.Shown && roll(8) == 0) game.EndScreenClicked();
    const int action = roll(100);
    if (action < 25) {
      game.Form_KeyDown(keys[roll(9)]);
    } else if (action < 27) {
      game.SpeedPic_Click(static_cast<Int16>(roll(7)));
    } else if (action == 27) {
      roll(2) ? game.p1_Click() : game.p2_Click();
    } else if (action == 28) {
      roll(2) ? game.classic_Click() : game.cpn_Click();
    } else if (action == 29) {
      game.PR_Click();
    } else if (action == 30) {
      game.SettingsApplied(SnakePicture(roll(5)), SnakePicture(roll(5)), ObstaclePicture(roll(7)));
    } else if (game.widgets.Timer1.Enabled) {
      if (action == 31) game.Eaten1 = static_cast<Int16>(game.Campaign == True ? 25 : 100);  // the level ends
      game.Timer1_Timer();
      ++ticks;
      deaths += game.widgets.EndScreen.Background == Picture::GameOver && !game.widgets.Timer1.Enabled;
      ExpectSound(After::Tick);
      if (HasFatalFailure()) FAIL() << "after tick " << ticks;
      continue;
    }
    ExpectSound(After::Command);
    if (HasFatalFailure()) FAIL() << "after step " << step;
  }
  EXPECT_GT(ticks, 20000);
  EXPECT_GT(deaths, 10);
}

// Two players who look where they go: each tick, each snake takes the safe
// heading (no wall, no own segment, room to move on) that is closest to the food.
class CarefulPlayers : public PlaythroughTest {
 protected:
  std::vector<int> Distances(Cell from, const std::vector<bool>& blocked) {
    std::vector<int> distance(CellCount, -1);
    std::queue<Cell> frontier;
    distance[from] = 0;
    frontier.push(from);
    while (!frontier.empty()) {
      const Cell cell = frontier.front();
      frontier.pop();
      for (Int16 h = Heading::Right; h <= Heading::Down; ++h) {
        const Cell next = Next(cell, h);
        if (blocked[next] || distance[next] >= 0) continue;
        distance[next] = distance[cell] + 1;
        frontier.push(next);
      }
    }
    return distance;
  }

  Int16 Choose(const SlotArray& body, Int16 len, Int16 moved) {
    std::vector<bool> blocked(CellCount);
    for (int i = 0; i < CellCount; ++i) blocked[i] = game.Obstacle[i] != False;
    for (int k = 1; k <= len; ++k) blocked[body[k]] = true;
    Int16 best = moved;
    long bestScore = -1;
    for (Int16 h = Heading::Right; h <= Heading::Down; ++h) {
      if ((h < 3) == (moved < 3) && h != moved) continue;  // no reversing
      const Cell next = Next(body[len], h);
      if (blocked[next]) continue;
      const std::vector<int> reach = Distances(next, blocked);
      const long room = std::count_if(reach.begin(), reach.end(), [](int d) { return d >= 0; });
      const int toFood = reach[game.FoodCell];
      const long score = std::min<long>(room, 2L * len + 8) * 1000 + (toFood >= 0 ? 999 - toFood : 0);
      if (score > bestScore) bestScore = score, best = h;
    }
    return best;
  }

  void Steer(Int16 want, Int16 moved, const Int16 (&keys)[4]) {
    if (want != moved) game.Form_KeyDown(keys[want - 1]);
  }
};

TEST_F(CarefulPlayers, TwoPlayerCampaignCanBePlayedThroughAllSevenLevels) {
  Load();
  game.p2_Click();
  game.cpn_Click();
  const Int16 arrows[] = {Key::RightArrow, Key::LeftArrow, Key::UpArrow, Key::DownArrow};
  const Int16 letters[] = {Key::D, Key::A, Key::W, Key::S};
  int levelsEntered = 0;
  for (int tick = 0; tick < 200000; ++tick) {
    const auto& screen = game.widgets.EndScreen;
    ASSERT_FALSE(screen.Shown && screen.Background == Picture::GameOver)
        << "lost on level " << game.Level << " after " << tick << " ticks";
    if (screen.Shown && screen.Background == Picture::CampaignOver) {
      EXPECT_EQ(levelsEntered, 6);
      return;
    }
    if (screen.Shown) {
      game.EndScreenClicked();
      ++levelsEntered;
    }
    Steer(Choose(game.Body1, game.Len1, game.Moved1), game.Moved1, arrows);
    Steer(Choose(game.Body2, game.Len2, game.Moved2), game.Moved2, letters);
    game.Timer1_Timer();
    ExpectSound(After::Tick);
    if (HasFatalFailure()) return;
  }
  FAIL() << "the campaign did not end; reached level " << game.Level;
}

}  // namespace
}  // namespace ouroboard::testing
