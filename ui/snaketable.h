// The main window: board, speed indicator, score panel and menu bar.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <functional>
#include <memory>

#include "input/intents.h"
#include "picturebook.h"
#include "session.h"

class QAction;
class QLabel;
class QMenu;

namespace ouroboard {

class Absence;
class Board;
class Computer;
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

// The engine decides everything; this window passes every event on to it as
// an intent and, whenever the game changes, makes the Qt widgets show what
// the engine's widgets hold.
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
    QAction* pc = nullptr;
    std::array<QAction*, 3> skill{};  // Easy, Normal, Hard
    QAction* classic = nullptr;
    QAction* cpn = nullptr;
    QAction* set = nullptr;
    QAction* ext = nullptr;
    QAction* hlp = nullptr;
    QAction* PR = nullptr;
  };

  SnakeTable();
  ~SnakeTable() override;

  Session& session() { return session_; }
  Game& game() { return session_.game(); }
  Intents& intents() { return intents_; }
  const Menu& menu() const { return menu_; }
  const PictureBook& pictures() const { return book_; }
  const QTimer& gameClock() const { return session_.clock(); }
  Board* board() const { return board_; }
  QWidget* clientArea() const;
  Stage* stage() const { return stage_; }
  Settings* settingsWindow() const;
  HlpFrm* helpWindow() const;
  EndScreen* endScreen() const;

  // One tick of the game clock, as its timeout runs it.
  void tick() { session_.tick(); }
  // Makes the clock and every window show the engine's current state.
  void sync() { session_.update(); }

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
  void buildSkillMenu(QMenu* opt);
  QAction* addCommand(QMenu* menu, const char* name, const QString& caption, std::function<void()> handler);
  QAction* addChoice(QMenu* menu, const char* name, const QString& caption, std::function<void()> command);
  static QString gameWords(const std::string& words);
  void addInputSources();

  void set_Click();
  void hlp_Click();
  void ext_Click();
  void settingsApplied(Picture snake1, Picture snake2, Picture obstacle);
  void helpClosed();

  void showGame();
  void syncTitle();
  void syncScorePanel(const Widgets& shown);
  void showScore(QLabel* label, int player, bool computer, const std::string& score);
  void syncMenu(const Widgets& shown);
  void announceCaption(QAction* command);
  void syncMainWindow(bool visible);
  void syncEndScreen(const EndScreenView& view);
  void bringForward(QWidget* window);

  Session session_;
  Intents intents_{session_};
  PictureBook book_;

  Stage* stage_ = nullptr;
  ClientArea* client_ = nullptr;
  std::array<PictureView*, 4> headings_{};
  Board* board_ = nullptr;
  std::array<SpeedBar*, SpeedStepCount> speedPic_{};
  PictureView* image4_ = nullptr;
  QLabel* label1_ = nullptr;
  QLabel* label2_ = nullptr;
  std::array<bool, 2> scoreNamedForComputer_{};
  Menu menu_;

  // The input sources go before the game they feed.
  std::unique_ptr<Keyboard> keyboard_;
  std::unique_ptr<Shortcuts> shortcuts_;
  std::unique_ptr<Absence> absence_;
  std::unique_ptr<Computer> computer_;
  QPointer<Settings> settings_;
  QPointer<HlpFrm> help_;
  QPointer<EndScreen> endScreen_;
  unsigned endScreenShows_ = 0;
  std::string title_;  // the caption last given to the title bar
  bool shown_ = false;
};

}  // namespace ouroboard
