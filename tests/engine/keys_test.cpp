#include "fixture.h"

namespace ouroboard::testing {
namespace {

struct KeyCase {
  Int16 key;
  int player;
  Int16 turnsTo;
};

const KeyCase kKeys[] = {
    {Key::LeftArrow, 1, Heading::Left}, {Key::UpArrow, 1, Heading::Up}, {Key::RightArrow, 1, Heading::Right},
    {Key::DownArrow, 1, Heading::Down}, {Key::A, 2, Heading::Left},     {Key::W, 2, Heading::Up},
    {Key::D, 2, Heading::Right},        {Key::S, 2, Heading::Down},
};

bool Horizontal(Int16 heading) { return heading == Heading::Left || heading == Heading::Right; }

class KeysTest : public GameTest {
 protected:
  void SetUp() override { LoadTwoPlayers(); }

  // Both snakes as if their last move went this way.
  void Moving(Int16 heading) {
    Lay(game.Body1, game.Dir1, game.Len1, 465, heading);
    Lay(game.Body2, game.Dir2, game.Len2, 435, heading);
    game.Moved1 = game.Moved2 = heading;
  }

  Int16 Heading1() const { return game.Dir1[game.Len1]; }
  Int16 Heading2() const { return game.Dir2[game.Len2]; }
};

// Only quarter turns: the key of the current direction and its opposite are ignored.
TEST_F(KeysTest, AllThirtyTwoKeyAndHeadingCombinations) {
  int accepted = 0;
  for (const KeyCase& key : kKeys) {
    for (Int16 heading = Heading::Right; heading <= Heading::Down; ++heading) {
      Moving(heading);
      game.Form_KeyDown(key.key);
      const bool turns = Horizontal(heading) != Horizontal(key.turnsTo);
      const Int16 expected = turns ? key.turnsTo : heading;
      const Int16 mine = key.player == 1 ? Heading1() : Heading2();
      const Int16 other = key.player == 1 ? Heading2() : Heading1();
      EXPECT_EQ(mine, expected) << "key " << key.key << " heading " << heading;
      EXPECT_EQ(other, heading) << "key " << key.key << " moved the other snake";
      accepted += turns;
    }
  }
  EXPECT_EQ(accepted, 16);
}

TEST_F(KeysTest, OtherKeysDoNothing) {
  Moving(Heading::Up);
  for (const Int16 key :
       {Int16{0}, Int16{13}, Int16{32}, Int16{36}, Int16{41}, Int16{66}, Int16{97}, Int16{119}, Int16{-1}}) {
    game.Form_KeyDown(key);
    EXPECT_EQ(Heading1(), Heading::Up) << key;
    EXPECT_EQ(Heading2(), Heading::Up) << key;
  }
}

struct DoubleTurn {
  Int16 moving;
  Int16 first, second;
  Int16 expected;
};

// Two keys within one tick are both judged against the last move, and the
// last accepted one wins; no pair of keys can reverse the snake.
TEST_F(KeysTest, TwoKeysWithinOneTickNeverReverseTheSnake) {
  const DoubleTurn cases[] = {
      {Heading::Right, Key::UpArrow, Key::DownArrow, Heading::Down},
      {Heading::Right, Key::UpArrow, Key::LeftArrow, Heading::Up},
      {Heading::Right, Key::DownArrow, Key::LeftArrow, Heading::Down},
      {Heading::Up, Key::LeftArrow, Key::DownArrow, Heading::Left},
      {Heading::Up, Key::RightArrow, Key::LeftArrow, Heading::Left},
      {Heading::Left, Key::DownArrow, Key::RightArrow, Heading::Down},
      {Heading::Down, Key::RightArrow, Key::UpArrow, Heading::Right},
  };
  for (const DoubleTurn& turn : cases) {
    Moving(turn.moving);
    game.Form_KeyDown(turn.first);
    game.Form_KeyDown(turn.second);
    EXPECT_EQ(Heading1(), turn.expected) << "moving " << turn.moving;
  }
}

TEST_F(KeysTest, QuickUpThenLeftDoesNotKillTheSnake) {
  game.OnePlayer = True;
  game.Reset();
  game.Form_KeyDown(Key::UpArrow);
  game.Form_KeyDown(Key::LeftArrow);
  game.Timer1_Timer();
  EXPECT_FALSE(game.widgets.EndScreen.Shown);
  EXPECT_EQ(game.Body1[game.Len1], 75);
  // The next tick judges against the upward move just made.
  game.Form_KeyDown(Key::LeftArrow);
  game.Timer1_Timer();
  EXPECT_EQ(game.Body1[game.Len1], 74);
}

TEST_F(KeysTest, TurnMadeWhilePausedIsUsedOnResume) {
  game.PR_Click();
  game.Form_KeyDown(Key::DownArrow);
  EXPECT_EQ(Heading1(), Heading::Down);
  game.PR_Click();
  game.Timer1_Timer();
  EXPECT_EQ(game.Body1[game.Len1], 135);
}

TEST_F(KeysTest, PlayerTwoKeysStillRewriteTheIdleSnakeInOnePlayerGames) {
  game.p1_Click();
  game.Form_KeyDown(Key::S);
  EXPECT_EQ(Heading2(), Heading::Down);
  const SlotArray body2 = game.Body2;
  game.Timer1_Timer();
  EXPECT_EQ(game.Body2, body2);
}

}  // namespace
}  // namespace ouroboard::testing
