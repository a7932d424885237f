#include "snaketable.h"

#include <QAccessible>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>

#include "board.h"
#include "choicepicture.h"
#include "endscreen.h"
#include "frame.h"
#include "hlpfrm.h"
#include "input/absence.h"
#include "input/computer.h"
#include "input/keyboard.h"
#include "input/keymap.h"
#include "input/shortcuts.h"
#include "pictureview.h"
#include "settings.h"
#include "speedbar.h"
#include "stage.h"
#include "style.h"

namespace ouroboard {

SnakeTable::SnakeTable() : QMainWindow(nullptr, resizableWindowFlags()) {
  setObjectName(QStringLiteral("SnakeTable"));
  //: Spoken for the main window. %1: a key's name, such as "F1".
  setAccessibleDescription(
      tr("A snake game. Press %1 for help.").arg(keyName(keysOf(Command::Help).keys.front())));
  installAccessibleRoles();
  buildClientArea();
  buildMenu();
  // Placed before the window exists, so that the position is the frame's.
  stage_->fitOnScreen();
  addInputSources();
  connect(&session_, &Session::changed, this, &SnakeTable::showGame);
  showGame();
}

void SnakeTable::addInputSources() {
  keyboard_ = std::make_unique<Keyboard>(intents_);
  keyboard_->steerFrom(this);
  shortcuts_ = std::make_unique<Shortcuts>(*this, intents_);
  shortcuts_->bind(Command::PauseResume, menu_.PR);
  shortcuts_->bind(Command::NewGame, menu_.NG);
  shortcuts_->bind(Command::Help, menu_.hlp);
  shortcuts_->bind(Command::Exit, menu_.ext);
  shortcuts_->openWith(menu_.opt);
  absence_ = std::make_unique<Absence>(intents_, this);
  computer_ = std::make_unique<Computer>(session_, intents_);
}

// Exit leaves the other windows without running their closing code.
SnakeTable::~SnakeTable() {
  for (QWidget* window :
       {static_cast<QWidget*>(settings_), static_cast<QWidget*>(help_), static_cast<QWidget*>(endScreen_)}) {
    if (window == nullptr) continue;
    window->disconnect(this);
    delete window;
  }
}

QWidget* SnakeTable::clientArea() const { return client_; }
Settings* SnakeTable::settingsWindow() const { return settings_; }
HlpFrm* SnakeTable::helpWindow() const { return help_; }
EndScreen* SnakeTable::endScreen() const { return endScreen_; }

void SnakeTable::buildClientArea() {
  stage_ = new Stage(this, ClientSize);
  setCentralWidget(stage_);
  client_ = stage_->client();
  client_->setAccessibleName(tr("Board, speed and scores"));
  board_ = new Board(book_, client_->frame(), client_);
  stage_->layout().place(board_, board_->geometry());
  buildSpeedIndicator(client_);
  buildScorePanel(client_);
  connect(stage_, &Stage::rescaled, this, &SnakeTable::rescale);
}

// Every picture anew for the new scale; the layout has placed the widgets.
void SnakeTable::rescale(const Scale& scale) {
  book_.setScale(scale);
  board_->setScale(scale);
  const Decoration decorations[] = {Decoration::Level, Decoration::Score, Decoration::Player1,
                                    Decoration::Player2};
  for (int i = 0; i < 4; ++i) headings_[i]->setPicture(book_.decoration(decorations[i]));
  for (int i = 0; i < SpeedStepCount; ++i) speedPic_[i]->setPicture(book_.pixmap(game().widgets.SpeedPic[i]));
  if (endScreen_ != nullptr) {
    endScreen_->setScale(scale, board_);
    endScreen_->setPicture(book_.pixmap(game().widgets.EndScreen.Background));
  }
}

// A staircase of bars, bottoms aligned, step 0 the shortest.
void SnakeTable::buildSpeedIndicator(QWidget* client) {
  for (int i = 0; i < SpeedStepCount; ++i) {
    const QRect place(536 + 24 * i, 152 - 16 * i, 16, 32 + 16 * i);
    speedPic_[i] = new SpeedBar(client, i, place);
    stage_->layout().place(speedPic_[i], place);
    connect(speedPic_[i], &PictureView::clicked, this, [this, i] { intents_.chooseSpeed(i); });
  }
}

// The headings are pictures of words; a screen reader reads the words.
void SnakeTable::buildScorePanel(QWidget* client) {
  const auto heading = [this, client](int i, const char* name, const QRect& place, const QString& words) {
    auto* view = new PictureView(client, QLatin1String(name), place);
    view->setAccessibleName(words);
    stage_->layout().place(view, place);
    headings_[i] = view;
    return view;
  };
  heading(0, "Image2", {520, 8, 127, 74},
          //: The heading above the speed bars: the speed level, not a campaign level.
          tr("Level", "speed"))
      ->setAccessibleDescription(tr("The speed: the bars below set it"));
  heading(1, "Image1", {520, 200, 142, 62},
          //: The heading above the players' scores (points).
          tr("Score"));
  heading(2, "Image3", {520, 272, 142, 62},
          //: The heading above a player's score. %1: the player's number, 1 or 2.
          tr("Player %1").arg(1));
  image4_ = heading(3, "Image4", {520, 392, 142, 62},
                    //: The heading above a player's score. %1: the player's number, 1 or 2.
                    tr("Player %1").arg(2));

  const auto label = [this, client](const char* name, const QString& text, const QRect& place,
                                    const QFont& font, const QColor& colour) {
    QLabel* made = makeLabel(client, QLatin1String(name), text, place, font, colour);
    stage_->layout().place(made, place, font);
    return made;
  };
  const QFont scoreFont = windowFont(FontPx::Pt24, Weight::Bold);
  const QString zeros = QStringLiteral("00000000");
  label1_ = label("Label1", zeros, {520, 344, 153, 37}, scoreFont, Qt::red);
  label2_ = label("Label2", zeros, {520, 464, 153, 37}, scoreFont, Qt::blue);
  paintBlack(label("Label3", tr("Distributed by Ouroboard"), {64, 512, 241, 25}, windowFont(FontPx::Pt13_5),
                   Qt::red));
}

void SnakeTable::buildMenu() {
  QMenuBar* bar = menuBar();
  bar->setFocusPolicy(Qt::NoFocus);
  bar->setAccessibleName(tr("Game menu"));
  //: The game's only menu: new game, players, mode, settings, exit.
  QMenu* opt = bar->addMenu(tr("Options"));
  opt->setObjectName(QStringLiteral("opt"));
  menu_.opt = opt;
  menu_.NG = addCommand(opt, "NG", tr("New Game"), [this] { intents_.newGame(); });
  //: Submenu: one player or two, or one against the computer.
  QMenu* aa = opt->addMenu(tr("Players"));
  aa->setObjectName(QStringLiteral("aa"));
  menu_.p1 = addChoice(aa, "p1", tr("1 Player"), [this] { intents_.choosePlayers(1); });
  menu_.p2 = addChoice(aa, "p2", tr("2 Player"), [this] { intents_.choosePlayers(2); });
  //: Players menu: a two-player game whose player 2 the computer steers
  menu_.pc = addChoice(aa, "pc", tr("Against the Computer"), [this] { intents_.playAgainstComputer(); });
  //: Submenu: classic or campaign mode.
  QMenu* mde = opt->addMenu(tr("Mode"));
  mde->setObjectName(QStringLiteral("mde"));
  //: Mode menu: the classic mode, one open board until 100 food.
  menu_.classic = addChoice(mde, "classic", tr("Classic"), [this] { intents_.chooseCampaign(false); });
  //: Mode menu: the campaign mode, seven levels with walls.
  menu_.cpn = addChoice(mde, "cpn", tr("Campaign"), [this] { intents_.chooseCampaign(true); });
  buildSkillMenu(opt);
  //: Menu command: opens the window that chooses the snakes' and obstacles' pictures.
  menu_.set = addCommand(opt, "set", tr("Settings"), [this] { set_Click(); });
  //: Menu command: ends the program.
  menu_.ext = addCommand(opt, "ext", tr("Exit"), [this] { ext_Click(); });
  //: Menu command on the menu bar: opens the Help window.
  menu_.hlp = addCommand(nullptr, "hlp", tr("Help"), [this] { hlp_Click(); });
  menu_.PR =
      addCommand(nullptr, "PR", gameWords(game().widgets.PRCaption()), [this] { intents_.pauseOrResume(); });
}

// How well the computer plays; kept for the run, like every choice.
void SnakeTable::buildSkillMenu(QMenu* opt) {
  //: Submenu: how well the computer plays when it steers player 2.
  QMenu* skill = opt->addMenu(tr("Computer Skill"));
  skill->setObjectName(QStringLiteral("skill"));
  const std::tuple<const char*, QString, Skill> levels[] = {
      //: Computer Skill menu: the computer plays weakest
      {"easy", tr("Easy"), Skill::Easy},
      //: Computer Skill menu: the computer plays fairly well; the skill at start
      {"normal", tr("Normal"), Skill::Normal},
      //: Computer Skill menu: the computer plays its best
      {"hard", tr("Hard"), Skill::Hard}};
  for (std::size_t i = 0; i < menu_.skill.size(); ++i) {
    const auto& [name, caption, level] = levels[i];
    menu_.skill[i] = addChoice(skill, name, caption, [this, level] {
      computer_->setSkill(level);
      showGame();
    });
  }
}

// A command on a menu, or straight on the menu bar when menu is null.
QAction* SnakeTable::addCommand(QMenu* menu, const char* name, const QString& caption,
                                std::function<void()> handler) {
  auto* action = new QAction(caption, this);
  action->setObjectName(QLatin1String(name));
  if (menu != nullptr)
    menu->addAction(action);
  else
    menuBar()->addAction(action);
  connect(action, &QAction::triggered, this, std::move(handler));
  return action;
}

// A menu item whose check mark only the game sets: showing the game after the
// command puts back whatever Qt toggled on the click.
QAction* SnakeTable::addChoice(QMenu* menu, const char* name, const QString& caption,
                               std::function<void()> command) {
  QAction* action = addCommand(menu, name, caption, std::move(command));
  action->setCheckable(true);
  return action;
}

void SnakeTable::set_Click() {
  intents_.openSettings();
  // A closed window is on its way out; a new one starts from the pictures in use.
  if (settings_ == nullptr || settings_->isHidden()) {
    settings_ = new Settings(book_, game().widgets, this, stage_->scaleWithin(Settings::ClientSize));
    connect(settings_, &Settings::applied, this, &SnakeTable::settingsApplied);
    shortcuts_->reachFrom(settings_);
    // Closed any way, it hands the keyboard back, so that P resumes at once.
    connect(settings_, &QObject::destroyed, this, [this] { activateWindow(); });
  }
  settings_->show();
  bringForward(settings_);
}

void SnakeTable::settingsApplied(Picture snake1, Picture snake2, Picture obstacle) {
  intents_.applySettings(snake1, snake2, obstacle);
  activateWindow();  // the restarted game takes the keyboard back at once
}

void SnakeTable::hlp_Click() {
  intents_.openHelp();
  if (help_ == nullptr || help_->isHidden()) {
    help_ = new HlpFrm(this, book_, stage_->scaleWithin(HlpFrm::ClientSize));
    connect(help_, &HlpFrm::closed, this, &SnakeTable::helpClosed);
    shortcuts_->reachFrom(help_);
  }
  help_->show();
  bringForward(help_);
}

void SnakeTable::helpClosed() {
  help_ = nullptr;
  intents_.closeHelp();
  activateWindow();  // the running game takes the keyboard back at once
}

// The program ends at once: the other windows go with the main window,
// without closing first, so none of their closing code runs.
void SnakeTable::ext_Click() { QCoreApplication::exit(0); }

namespace {

// What a screen reader hears for a score.
QString scoreName(int player, bool computer, QLatin1StringView points) {
  if (computer)
    //: Spoken for player 2's score while the computer steers player 2. %1: the points, such as 00001200.
    return SnakeTable::tr("Computer score: %1").arg(points);
  //: Spoken for a score. %1: the player's number, 1 or 2; %2: the points, such as 00001200.
  return SnakeTable::tr("Player %1 score: %2").arg(player).arg(points);
}

// The engine's own words, as the windows show them.
[[maybe_unused]] constexpr const char* GameWords[] = {
    //: One command on the menu bar, named for what a click does now: stop the running game.
    QT_TRANSLATE_NOOP("Game", "PAUSE"),
    //: One command on the menu bar, named for what a click does now: go on with the paused game.
    QT_TRANSLATE_NOOP("Game", "RESUME")};

}  // namespace

QString SnakeTable::gameWords(const std::string& words) {
  return QCoreApplication::translate("Game", words.c_str());
}

void SnakeTable::showGame() {
  const Widgets& shown = game().widgets;
  syncTitle();
  syncScorePanel(shown);
  syncMenu(shown);
  // The board repaints at once, and with it any label changed above.
  board_->showCells(shown.TableBlock);
  syncMainWindow(shown.MainWindowVisible);
  syncEndScreen(shown.EndScreen);
}

// The title names the level, which few syncs change.
void SnakeTable::syncTitle() {
  std::string caption = game().Caption();
  if (caption == title_) return;
  title_ = std::move(caption);
  if (game().Campaign == True)
    //: Window title in campaign mode. %1: the campaign level, 1 to 7.
    setWindowTitle(tr("Ouroboard — Level %1", "campaign").arg(game().Level));
  else
    //: Window title: the game's name.
    setWindowTitle(tr("Ouroboard"));
}

void SnakeTable::syncScorePanel(const Widgets& shown) {
  const int speed = game().SpeedStep();
  for (int i = 0; i < SpeedStepCount; ++i) {
    speedPic_[i]->setPicture(book_.pixmap(shown.SpeedPic[i]));
    speedPic_[i]->setChecked(i == speed);
  }
  showScore(label1_, 1, false, shown.Label1);
  showScore(label2_, 2, intents_.computerPlayer() == 2, shown.Label2);
  image4_->setVisible(shown.Image4Visible);
  label2_->setVisible(shown.Label2Visible);
}

// The scores are digits: compared as Latin-1 they need no conversion, and
// most syncs change neither score nor who plays. A screen reader hears the
// new score as the label's new name.
void SnakeTable::showScore(QLabel* label, int player, bool computer, const std::string& score) {
  const QLatin1StringView text(score.data(), static_cast<qsizetype>(score.size()));
  bool& namedForComputer = scoreNamedForComputer_[player - 1];
  if (label->text() == text && namedForComputer == computer) return;
  namedForComputer = computer;
  label->setText(text);
  label->setAccessibleName(scoreName(player, computer, text));
}

void SnakeTable::syncMenu(const Widgets& shown) {
  const bool computerPlays = intents_.computerPlayer() != 0;
  menu_.p1->setChecked(shown.p1Checked);
  menu_.p2->setChecked(shown.p2Checked && !computerPlays);
  menu_.pc->setChecked(shown.p2Checked && computerPlays);
  for (std::size_t i = 0; i < menu_.skill.size(); ++i)
    menu_.skill[i]->setChecked(computer_->skill() == static_cast<Skill>(i));
  menu_.classic->setChecked(shown.classicChecked);
  menu_.cpn->setChecked(shown.cpnChecked);
  const QString caption = gameWords(shown.PRCaption());
  if (menu_.PR->text() == caption) return;
  menu_.PR->setText(caption);
  announceCaption(menu_.PR);
}

// A command's new caption on the menu bar reaches a screen reader only through
// the bar's item for it; Qt tells it nothing.
void SnakeTable::announceCaption(QAction* command) {
  if (!QAccessible::isActive()) return;
  QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(menuBar());
  QAccessibleInterface* item = bar->child(static_cast<int>(menuBar()->actions().indexOf(command)));
  if (item == nullptr) return;
  QAccessibleEvent event(item, QAccessible::NameChanged);
  QAccessible::updateAccessibility(&event);
}

// Before its first showing the window's visibility is main()'s business.
void SnakeTable::syncMainWindow(bool visible) {
  if (!shown_) return;
  if (visible && isHidden()) show();
  if (!visible && isVisible()) hide();
}

// While the main window is hidden the end screen stands alone; a screen that
// changes between the two is put up anew. Once the screen has gone, whatever
// dismissed it, the main window comes to the front with the keyboard.
void SnakeTable::syncEndScreen(const EndScreenView& view) {
  const bool standsAlone = shown_ && isHidden();
  if (endScreen_ != nullptr && (!view.Shown || endScreen_->standsAlone() != standsAlone)) {
    endScreen_->dismiss();
    endScreen_ = nullptr;
    if (!view.Shown) bringForward(this);
  }
  if (!view.Shown) return;
  if (endScreen_ == nullptr) {
    endScreen_ = new EndScreen(this, board_, standsAlone);
    endScreen_->setScale(stage_->scale(), board_);
    connect(endScreen_, &EndScreen::clicked, &intents_, &Intents::dismissEndScreen);
    keyboard_->steerFrom(endScreen_);
    shortcuts_->reachFrom(endScreen_);
  }
  endScreen_->setPicture(book_.pixmap(view.Background));
  if (view.ShowCount == endScreenShows_ && !endScreen_->isHidden()) return;
  endScreenShows_ = view.ShowCount;
  endScreen_->describe(view.Background);
  endScreen_->show();
  bringForward(endScreen_);
}

void SnakeTable::bringForward(QWidget* window) {
  window->raise();
  window->activateWindow();
}

// Restored from the task bar, the game brings its other open windows back
// over the main window, the end screen last, and the last takes the keyboard.
void SnakeTable::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() != QEvent::WindowStateChange || isMinimized()) return;
  if (!(static_cast<QWindowStateChangeEvent*>(event)->oldState() & Qt::WindowMinimized)) return;
  for (QWidget* window :
       {static_cast<QWidget*>(settings_), static_cast<QWidget*>(help_), static_cast<QWidget*>(endScreen_)})
    if (window != nullptr && window->isVisible()) bringForward(window);
}

void SnakeTable::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  shown_ = true;
}

// The close box ends the program at once, with any other open window.
void SnakeTable::closeEvent(QCloseEvent* event) {
  event->accept();
  ext_Click();
}

}  // namespace ouroboard
