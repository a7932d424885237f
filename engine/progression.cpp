// The end of a classic game, of a campaign level and of the campaign.
#include "game.h"

namespace ouroboard {


void Game::TestProgress() {
  if (Campaign != True) {
    if (Eaten1 >= ClassicTarget || Eaten2 >= ClassicTarget) {
      Reset();
      ShowEndScreen(Picture::ClassicOver);
    }
    return;
  }
  if (Eaten1 != LevelTarget && Eaten2 != LevelTarget) return;
  // The next level's walls go up before the snakes and the food are placed,
  // so that neither starts inside them.
  if (Level >= levels::LastLevel) {
    Level = levels::FirstLevel;
    SetObstacles();
    Reset();
    ShowEndScreen(Picture::CampaignOver);
    return;
  }
  Level += 1;
  SetObstacles();
  Reset();
  widgets.MainWindowVisible = false;
  widgets.Timer1.Enabled = false;
  ShowEndScreen(Picture::LevelProceed);
}

std::string Game::Caption() const {
  if (Campaign != True) return "Ouroboard";
  return "Ouroboard — Level " + std::to_string(Level);
}

void Game::ShowEndScreen(Picture picture) {
  widgets.EndScreen.Shown = true;
  ++widgets.EndScreen.ShowCount;
  widgets.EndScreen.Background = picture;
}

}  // namespace ouroboard
