// Menu commands and what the other windows report back.
#include "game.h"

namespace ouroboard {

void Game::ZeroScores() {
  Score1 = 0;
  Score2 = 0;
}

void Game::p1_Click() {
  OnePlayer = True;
  ZeroScores();
  Reset();
  widgets.p1Checked = true;
  widgets.p2Checked = false;
}

void Game::p2_Click() {
  OnePlayer = False;
  ZeroScores();
  Reset();
  widgets.p2Checked = true;
  widgets.p1Checked = false;
}

void Game::classic_Click() {
  widgets.classicChecked = true;
  Campaign = False;
  widgets.cpnChecked = false;
  NewGame();
}

void Game::cpn_Click() {
  widgets.cpnChecked = true;
  Campaign = True;
  widgets.classicChecked = false;
  NewGame();
}

// Level 1 of the chosen mode, with an empty board and both scores at zero.
void Game::NewGame() {
  Level = 1;
  SetObstacles();
  ZeroScores();
  Reset();
}

// "New Game" restarts the mode in force and sets the clock going.
void Game::NG_Click() {
  if (Campaign == True)
    cpn_Click();
  else
    classic_Click();
  widgets.Timer1.Enabled = true;
}

void Game::PR_Click() { widgets.Timer1.Enabled = !widgets.Timer1.Enabled; }

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
  widgets.Timer1.Enabled = true;
}

void Game::hlp_Click() { widgets.Timer1.Enabled = false; }

void Game::HelpClosed() { widgets.Timer1.Enabled = true; }

// A click on the end screen closes it and play resumes on the current level.
void Game::EndScreenClicked() {
  widgets.EndScreen.Shown = false;
  widgets.EndScreen.Background = Picture::None;
  widgets.MainWindowVisible = true;
  SetObstacles();
  widgets.Timer1.Enabled = true;
}

}  // namespace ouroboard
