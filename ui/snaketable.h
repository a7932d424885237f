// The main window: board, speed indicator, score panel and menu bar.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QTimer>
#include <array>

#include "game.h"
#include "input/intents.h"
#include "picturebook.h"
#include "platform.h"

class QAction;
class QLabel;
class QMenu;

namespace ouroboard {

class Board;
class ClientArea;
class EndScreen;
class HlpFrm;
class Keyboard;
class Shortcuts;
class PictureView;
class Settings;
class SpeedBar;
class Stage;
struct Scale;

// The engine decides everything; this window forwards every event to it and
// then, in sync(), makes the Qt widgets show what the engine's widgets hold.
class SnakeTable : public QMainWindow {
  Q_OBJECT

 public:
  static constexpr QSize ClientSize{707, 541};

  // The menu bar's menus and commands.
  struct Menu {
    QMenu* opt = nullptr;
    QAction* NG = nullptr;
    QAction* p1 = nullptr;
    QAction* p2 = nullptr;
    QAction* classic = nullptr;
    QAction* cpn = nullptr;
    QAction* set = nullptr;
    QAction* ext = nullptr;
    QAction* hlp = nullptr;
    QAction* PR = nullptr;
  };

  SnakeTable();
  ~SnakeTable() override;

  Game& game() { return game_; }
  Intents& intents() { return intents_; }
  const Menu& menu() const { return menu_; }
  const PictureBook& pictures() const { return book_; }
  const QTimer& gameClock() const { return timer_; }
  Board* board() const { return board_; }
  QWidget* clientArea() const;
  Stage* stage() const { return stage_; }
  Settings* settingsWindow() const;
  HlpFrm* helpWindow() const;
  EndScreen* endScreen() const;

  // One tick of the game clock, as its timeout runs it.
  void tick();
  // Makes every window show the engine's current state.
  void sync();

 signals:
  // Input that waits to be read is read now, so that it counts for this move.
  void aboutToTick();
  void clockChanged(bool running);

 protected:
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildClientArea();
  void buildSpeedIndicator(QWidget* client);
  void buildScorePanel(QWidget* client);
  void rescale(const Scale& scale);
  void buildMenu();
  QAction* addCommand(QMenu* menu, const char* name, const QString& caption, void (SnakeTable::*handler)());
  QAction* addChoice(QMenu* menu, const char* name, const QString& caption, void (Game::*command)());
  static QString gameWords(const std::string& words);
  void run(void (Game::*command)());

  void NG_Click() { run(&Game::NG_Click); }
  void PR_Click() { intents_.pauseOrResume(); }
  void set_Click();
  void hlp_Click();
  void ext_Click();
  void SpeedPic_Click(int index);
  void settingsApplied(Picture snake1, Picture snake2, Picture obstacle);
  void helpClosed();

  void syncTitle();
  void syncScorePanel(const Widgets& shown);
  void syncMenu(const Widgets& shown);
  void announceCaption(QAction* command);
  void syncClock(const GameClock& clock);
  void syncMainWindow(bool visible);
  void syncEndScreen(const EndScreenView& view);

  SystemClock systemClock_;
  MixingRandom random_;
  Game game_;
  PictureBook book_;
  QTimer timer_;

  Stage* stage_ = nullptr;
  ClientArea* client_ = nullptr;
  std::array<PictureView*, 4> headings_{};
  Board* board_ = nullptr;
  std::array<SpeedBar*, SpeedStepCount> speedPic_{};
  PictureView* image4_ = nullptr;
  QLabel* label1_ = nullptr;
  QLabel* label2_ = nullptr;
  Menu menu_;
  Intents intents_{*this};

  Keyboard* keyboard_ = nullptr;
  Shortcuts* shortcuts_ = nullptr;
  QPointer<Settings> settings_;
  QPointer<HlpFrm> help_;
  QPointer<EndScreen> endScreen_;
  unsigned endScreenShows_ = 0;
  std::string title_;  // the caption last given to the title bar
  bool shown_ = false;
};

}  // namespace ouroboard
