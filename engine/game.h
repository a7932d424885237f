// The game: its whole state and the procedures and handlers that act on it.
//
// Fields, procedures and handlers carry the short names that the windows use
// for the same things (Body1, Len1, MoveSnake, Timer1_Timer, ...), so one name
// follows a thing from the menu item to the rule it runs. The state is public
// plain data so that the windows and the tests can read it; only the
// procedures below change it.
#pragma once

#include <string>

#include "picture.h"
#include "platform.h"
#include "types.h"
#include "widgets.h"

namespace ouroboard {

class Game {
 public:
  Game(Clock& clock, RandomSource& random) : clock_(&clock), random_(&random) {}

  // --- Game state; every field is zero until Form_Load runs. ---
  SlotArray Body1{};  // cells of player 1's snake, slot 0 the tail, slot Len1 the head
  SlotArray Dir1{};   // heading of each segment; Dir1[Len1] steers the head
  Bool16 Campaign = False;
  Int16 Level = 0;
  CellFlags Obstacle{};
  Int16 Start1 = 0;
  Int16 Len1 = 0;
  Int16 RowTmp = 0;    // scratch of MoveSnake's wrap test
  double FracTmp = 0;  // scratch of MoveSnake's wrap test
  Cell FoodCell = 0;
  float Score1 = 0;
  Int16 Eaten1 = 0;  // food items since the last Reset
  Bool16 OnePlayer = False;
  SlotArray Body2{};
  SlotArray Dir2{};
  Int16 Start2 = 0;
  Int16 Len2 = 0;
  float Score2 = 0;
  Int16 Eaten2 = 0;
  // The heading each snake took on its last move. A head heading that differs
  // from it is a turn taken and not yet moved on.
  Int16 Moved1 = 0;
  Int16 Moved2 = 0;
  // A second quick turn waits here until the next move makes it the head's
  // heading; NoTurn when nothing waits.
  Int16 Waiting1 = NoTurn;
  Int16 Waiting2 = NoTurn;
  // Opening Help stopped a running game, and the player has neither paused
  // nor resumed it since: closing Help starts it again.
  bool HelpPaused = false;

  Widgets widgets;

  // --- Events of the main window. ---
  void Form_Load();
  void Form_KeyDown(Int16 keyCode);
  // Steers player 1 or 2 towards a heading code (1..4) by the same quarter-turn
  // rules as the keys; any other player or heading does nothing.
  void TurnPlayer(Int16 player, Int16 heading);
  void Timer1_Timer();
  void SpeedPic_Click(Int16 index);

  // --- Menu commands. ---
  void NG_Click();
  void p1_Click();
  void p2_Click();
  void classic_Click();
  void cpn_Click();
  void set_Click();
  void hlp_Click();
  void PR_Click();

  // --- What the other windows report back. ---
  void SettingsApplied(Picture snake1, Picture snake2, Picture obstacle);
  void HelpClosed();
  void EndScreenClicked();
  // The main window was minimised or the player went to another program.
  void OutOfSight();

  // The lit speed step, 0..6: the one whose interval the clock has.
  Int16 SpeedStep() const;

  // The main window's title: in campaign mode it names the level.
  std::string Caption() const;

  // --- Procedures. ---
  void Reset();
  void SetObstacles();
  void TABLE();
  void DrawSnake();
  void MoveSnake();
  void MakeFood();
  void EatFood();
  void Collide();
  void TestProgress();

  static constexpr std::array<Int16, SpeedStepCount> SpeedIntervals = {250, 200, 150, 100, 75, 50, 25};
  static constexpr Cell PlayerOneStart = 105;
  static constexpr Cell PlayerTwoStart = 165;
  static constexpr Int16 StartLen = 5;
  static constexpr Int16 NoTurn = 0;
  // Food items that end a classic game, and that pass a campaign level.
  static constexpr Int16 ClassicTarget = 100;
  static constexpr Int16 LevelTarget = 25;

 private:
  // One player's fields, so that the rules for both players are written once.
  struct Player {
    SlotArray& Body;
    SlotArray& Dir;
    Int16& Len;
    float& Score;
    Int16& Eaten;
    Int16& Moved;
    Int16& Waiting;
    std::string& Label;
  };
  Player One() { return {Body1, Dir1, Len1, Score1, Eaten1, Moved1, Waiting1, widgets.Label1}; }
  Player Two() { return {Body2, Dir2, Len2, Score2, Eaten2, Moved2, Waiting2, widgets.Label2}; }

  void PlaceSnake(Player player, Cell head);
  Cell FreeStartForPlayerTwo() const;
  void PaintSnake(const Player& player, Picture picture);
  void Move(Player player);
  Cell Step(Cell head, Int16 heading);
  bool FoodCellTaken();
  void ReseedFromClock();
  int Draw(int count);
  static Int16 KeyHeading(Int16 keyCode, Int16 leftKey, Int16 upKey, Int16 rightKey, Int16 downKey);
  static void Steer(Player player, Int16 wanted);
  void Eat(Player player);
  bool HeadHit(const SlotArray& body, Int16 len) const;
  void GameOver();
  void ShowEndScreen(Picture picture);
  void CloseEndScreen();
  bool EndScreenHoldsTheClock() const;
  void StartClock();
  void ChoosePlayers(Bool16 onePlayer);
  void ChooseMode(Bool16 campaign);
  void ZeroScores();

  Clock* clock_;
  RandomSource* random_;
};

// A score as the labels show it: the plain digits of the whole number.
std::string ScoreText(float score);

}  // namespace ouroboard
