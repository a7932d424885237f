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

// A controller's turn takes the key's path; a player or heading out of range does nothing.
TEST_F(KeysTest, TurnPlayerMatchesTheKeysAndIgnoresStrays) {
  for (const KeyCase& key : kKeys) {
    Moving(Heading::Up);
    game.TurnPlayer(Int16(key.player), key.turnsTo);
    const Int16 mine = key.player == 1 ? Heading1() : Heading2();
    EXPECT_EQ(mine, Horizontal(key.turnsTo) ? key.turnsTo : Heading::Up) << key.key;
  }
  for (const auto& [player, heading] : {std::pair<Int16, Int16>{0, 2}, {3, 2}, {-1, 2}, {1, 0}, {2, 5}, {1, -1}}) {
    Moving(Heading::Up);
    game.TurnPlayer(player, heading);
    EXPECT_EQ(Heading1(), Heading::Up) << player << "," << heading;
    EXPECT_EQ(Heading2(), Heading::Up) << player << "," << heading;
  }
}

// Keys named by the heading they ask for, sent as either player's keys.
struct TurnCase {
  Int16 moving;
  std::vector<Int16> keys;
  Int16 heading;  // the head's heading after the keys
  Int16 waiting;  // the turn left for after the next move
};

// Within one tick: the first quarter turn acts at once, a turn from it waits
// for the next move, the reverse of the turn taken replaces it and clears
// what waits, and a repeated heading changes nothing.
TEST_F(KeysTest, QuickTurnsWaitForTheNextMove) {
  using namespace Heading;
  const TurnCase cases[] = {
      {Right, {Up}, Up, Game::NoTurn},
      {Right, {Left}, Right, Game::NoTurn},
      {Right, {Up, Left}, Up, Left},
      {Right, {Up, Right}, Up, Right},
      {Right, {Up, Left, Right}, Up, Right},
      {Right, {Up, Left, Up}, Up, Left},
      {Right, {Up, Left, Down}, Down, Game::NoTurn},
      {Right, {Up, Down}, Down, Game::NoTurn},
      {Right, {Up, Left, Down, Left}, Down, Left},
      {Up, {Left, Down}, Left, Down},
      {Up, {Down, Left}, Left, Game::NoTurn},
      {Down, {Right, Up}, Right, Up},
      {Left, {Down, Right, Up}, Up, Game::NoTurn},
  };
  const Int16 arrows[] = {0, Key::RightArrow, Key::LeftArrow, Key::UpArrow, Key::DownArrow};
  const Int16 letters[] = {0, Key::D, Key::A, Key::W, Key::S};
  for (const TurnCase& turn : cases) {
    for (const int player : {1, 2}) {
      Moving(turn.moving);
      for (const Int16 key : turn.keys) game.Form_KeyDown(player == 1 ? arrows[key] : letters[key]);
      const Int16& heading = player == 1 ? game.Dir1[game.Len1] : game.Dir2[game.Len2];
      const Int16& waiting = player == 1 ? game.Waiting1 : game.Waiting2;
      const Int16& moved = player == 1 ? game.Moved1 : game.Moved2;
      const std::string where =
          "player " + std::to_string(player) + ", case " + std::to_string(&turn - cases);
      EXPECT_EQ(heading, turn.heading) << where;
      EXPECT_EQ(waiting, turn.waiting) << where;
      game.MoveSnake();
      EXPECT_EQ(moved, turn.heading) << where;
      EXPECT_EQ(heading, turn.waiting == Game::NoTurn ? turn.heading : turn.waiting) << where;
      EXPECT_EQ(waiting, Game::NoTurn) << where;
    }
  }
}

// Up and Left while paused: on resume the snake goes up one cell, then left,
// and never onto its own neck.
TEST_F(KeysTest, TwoQuickKeysMakeAUTurnAcrossAPause) {
  game.p1_Click();
  game.PR_Click();
  game.Form_KeyDown(Key::UpArrow);
  game.Form_KeyDown(Key::LeftArrow);
  game.PR_Click();
  for (const Cell head : {75, 74, 73}) {
    game.Timer1_Timer();
    EXPECT_EQ(game.Body1[game.Len1], head);
  }
  EXPECT_FALSE(game.widgets.EndScreen.Shown);
}

TEST_F(KeysTest, ResetEmptiesBothSlots) {
  for (const Bool16 onePlayer : {False, True}) {
    Moving(Heading::Right);
    for (const Int16 key : {Key::UpArrow, Key::LeftArrow, Key::W, Key::A}) game.Form_KeyDown(key);
    ASSERT_EQ(game.Waiting1, Heading::Left);
    ASSERT_EQ(game.Waiting2, Heading::Left);
    game.OnePlayer = onePlayer;
    game.Reset();
    EXPECT_EQ(game.Waiting1, Game::NoTurn);
    EXPECT_EQ(game.Waiting2, Game::NoTurn);
    game.MoveSnake();
    EXPECT_EQ(Heading1(), Heading::Right);
  }
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
