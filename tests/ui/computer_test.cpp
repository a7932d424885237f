// The computer as player 2: it steers without keys, player 2's keys do
// nothing meanwhile, and the people's choices give them back.
#include <QTest>

#include "table_fixture.h"

namespace ouroboard::testing {
namespace {

// W and A: from any heading one of them is a quarter turn.
bool playerTwoKeysTurn(Game& game, SnakeTable& table) {
  const Int16 heading = game.Dir2[game.Len2];
  for (const Qt::Key key : {Qt::Key_W, Qt::Key_A}) QTest::keyClick(&table, key);
  const bool turned = game.Dir2[game.Len2] != heading || game.Waiting2 != Game::NoTurn;
  game.Dir2[game.Len2] = heading;
  game.Waiting2 = Game::NoTurn;
  return turned;
}

TEST_F(TableTest, AgainstTheComputerPlayerTwoSteersItselfUntilPeopleTakeItBack) {
  choose("pc");
  choose("hard");
  EXPECT_TRUE(action("pc")->isChecked());
  EXPECT_FALSE(action("p2")->isChecked());
  EXPECT_TRUE(action("hard")->isChecked());
  EXPECT_EQ(game().OnePlayer, False);
  EXPECT_FALSE(playerTwoKeysTurn(game(), table));

  const Cell head = game().Body2[game().Len2];
  ASSERT_NE(game().Moved2, Heading::Up);
  game().FoodCell = static_cast<Cell>(head - 3 * BoardSide);
  table.tick();
  EXPECT_EQ(game().Moved2, Heading::Up) << "it turns towards the food";
  EXPECT_EQ(child<QLabel>(table.clientArea(), "Label2")->accessibleName(), "Computer score: 0");

  for (const char* people : {"p2", "p1"}) {
    choose("pc");
    choose(people);
    EXPECT_FALSE(action("pc")->isChecked()) << people;
    const Cell before = game().Body2[game().Len2];
    game().FoodCell = static_cast<Cell>(before - 3 * BoardSide);
    table.tick();
    EXPECT_EQ(game().Moved2, Heading::Right) << people << ": nobody steers player 2";
  }
  EXPECT_TRUE(playerTwoKeysTurn(game(), table));
}

}  // namespace
}  // namespace ouroboard::testing
