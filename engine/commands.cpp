// Menu commands and what the other windows report back.
#include "game.h"

namespace ouroboard {

void Game::ZeroScores() {
  Score1 = 0;
  Score2 = 0;
}

void Game::p1_Click() { ChoosePlayers(True); }

void Game::p2_Click() { ChoosePlayers(False); }

void Game::ChoosePlayers(Bool16 onePlayer) {
  OnePlayer = onePlayer;
  ZeroScores();
  Reset();
  widgets.p1Checked = onePlayer != False;
  widgets.p2Checked = onePlayer == False;
}

void Game::classic_Click() { ChooseMode(False); }

void Game::cpn_Click() { ChooseMode(True); }

// Either mode starts on level 1's empty board with both scores at zero.
void Game::ChooseMode(Bool16 campaign) {
  widgets.classicChecked = campaign == False;
  widgets.cpnChecked = campaign != False;
  Campaign = campaign;
  Level = levels::FirstLevel;
  SetObstacles();
  ZeroScores();
  Reset();
}

// "New Game" restarts the mode in force and sets the clock going, on the
// main window and not behind an end screen.
void Game::NG_Click() {
  if (Campaign == True)
    cpn_Click();
  else
    classic_Click();
  CloseEndScreen();
  widgets.Timer1.Enabled = true;
}

// Behind a lost game or a passed level the player asks to play: the screen
// goes as its click makes it go. Behind the screens that end a mode play runs
// on, and the command pauses and resumes it as anywhere else.
void Game::PR_Click() {
  HelpPaused = false;
  if (EndScreenHoldsTheClock())
    EndScreenClicked();
  else if (widgets.Timer1.Enabled)
    widgets.Timer1.Enabled = false;
  else
    StartClock();
}

// Nobody plays a game they cannot see: a running game pauses just as PAUSE
// would pause it, and waits for the player to resume it.
void Game::OutOfSight() {
  if (widgets.Timer1.Enabled) PR_Click();
}

// The settings window opens on a stopped clock.
void Game::set_Click() { widgets.Timer1.Enabled = false; }

// OK in the settings window: the chosen pictures apply from the next paint,
// and a new game starts. Closing the window without OK changes nothing.
void Game::SettingsApplied(Picture snake1, Picture snake2, Picture obstacle) {
  widgets.Obs = obstacle;
  widgets.SBlock = snake1;
  widgets.IM2P = snake2;
  ZeroScores();
  Reset();
  StartClock();
}

// Reading the rules pauses a running game; a pause the player chose is theirs
// to end, so closing Help resumes only a game that Help paused.
void Game::hlp_Click() {
  if (widgets.Timer1.Enabled) HelpPaused = true;
  widgets.Timer1.Enabled = false;
}

void Game::HelpClosed() {
  if (HelpPaused) StartClock();
  HelpPaused = false;
}

// A lost game or a passed level waits for its end screen to be dismissed:
// play must not run on unseen behind it. The screens that end a mode leave
// the next game running behind them.
bool Game::EndScreenHoldsTheClock() const {
  return widgets.EndScreen.Shown &&
         (widgets.EndScreen.Background == Picture::GameOver || widgets.EndScreen.Background == Picture::LevelProceed);
}

void Game::StartClock() {
  if (!EndScreenHoldsTheClock()) widgets.Timer1.Enabled = true;
}

// A click on the end screen closes it and play resumes on the current level.
void Game::EndScreenClicked() {
  CloseEndScreen();
  SetObstacles();
  StartClock();
}

void Game::CloseEndScreen() {
  widgets.EndScreen.Shown = false;
  widgets.EndScreen.Background = Picture::None;
  widgets.MainWindowVisible = true;
}

}  // namespace ouroboard
