#include "snaketable.h"

#include <QAccessible>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QRandomGenerator>

#include "board.h"
#include "endscreen.h"
#include "frame.h"
#include "hlpfrm.h"
#include "input/absence.h"
#include "input/keyboard.h"
#include "input/keymap.h"
#include "input/shortcuts.h"
#include "pictureview.h"
#include "settings.h"
#include "speedbar.h"
#include "stage.h"
#include "style.h"

namespace ouroboard {

SnakeTable::SnakeTable()
    : QMainWindow(nullptr, resizableWindowFlags()),
      random_(QRandomGenerator::global()->generate64()),
      game_(systemClock_, random_) {
  setObjectName(QStringLiteral("SnakeTable"));
  setAccessibleDescription(tr("A snake game. Press %1 for help.")
                               .arg(keysOf(Command::Help).keys.front().toString(QKeySequence::NativeText)));
  timer_.setTimerType(Qt::PreciseTimer);
  connect(&timer_, &QTimer::timeout, this, &SnakeTable::tick);
  buildClientArea();
  buildMenu();
  // Placed before the window exists, so that the position is the frame's.
  stage_->fitOnScreen();
  keyboard_ = new Keyboard(intents_, this);
  keyboard_->steerFrom(this);
  shortcuts_ = new Shortcuts(*this);
  new Absence(intents_, this);
  game_.Form_Load();
  sync();
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
  for (int i = 0; i < SpeedStepCount; ++i) speedPic_[i]->setPicture(book_.pixmap(game_.widgets.SpeedPic[i]));
  if (endScreen_ != nullptr) {
    endScreen_->setScale(scale, board_);
    endScreen_->setPicture(book_.pixmap(game_.widgets.EndScreen.Background));
  }
}

// A staircase of bars, bottoms aligned, step 0 the shortest.
void SnakeTable::buildSpeedIndicator(QWidget* client) {
  for (int i = 0; i < SpeedStepCount; ++i) {
    const QRect place(536 + 24 * i, 152 - 16 * i, 16, 32 + 16 * i);
    speedPic_[i] = new SpeedBar(client, i, place);
    stage_->layout().place(speedPic_[i], place);
    connect(speedPic_[i], &PictureView::clicked, this, [this, i] { SpeedPic_Click(i); });
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
  heading(0, "Image2", {520, 8, 127, 74}, tr("Level"))
      ->setAccessibleDescription(tr("The speed: the bars below set it"));
  heading(1, "Image1", {520, 200, 142, 62}, tr("Score"));
  heading(2, "Image3", {520, 272, 142, 62}, tr("Player %1").arg(1));
  image4_ = heading(3, "Image4", {520, 392, 142, 62}, tr("Player %1").arg(2));

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
  QMenu* opt = bar->addMenu(tr("Options"));
  opt->setObjectName(QStringLiteral("opt"));
  menu_.opt = opt;
  menu_.NG = addCommand(opt, "NG", tr("New Game"), &SnakeTable::NG_Click);
  QMenu* aa = opt->addMenu(tr("Players"));
  aa->setObjectName(QStringLiteral("aa"));
  menu_.p1 = addChoice(aa, "p1", tr("1 Player"), &Game::p1_Click);
  menu_.p2 = addChoice(aa, "p2", tr("2 Player"), &Game::p2_Click);
  QMenu* mde = opt->addMenu(tr("Mode"));
  mde->setObjectName(QStringLiteral("mde"));
  menu_.classic = addChoice(mde, "classic", tr("Classic"), &Game::classic_Click);
  menu_.cpn = addChoice(mde, "cpn", tr("Campaign"), &Game::cpn_Click);
  menu_.set = addCommand(opt, "set", tr("Settings"), &SnakeTable::set_Click);
  menu_.ext = addCommand(opt, "ext", tr("Exit"), &SnakeTable::ext_Click);
  menu_.hlp = addCommand(nullptr, "hlp", tr("Help"), &SnakeTable::hlp_Click);
  menu_.PR = addCommand(nullptr, "PR", gameWords(game_.widgets.PRCaption()), &SnakeTable::PR_Click);
}

// A command on a menu, or straight on the menu bar when menu is null.
QAction* SnakeTable::addCommand(QMenu* menu, const char* name, const QString& caption,
                                void (SnakeTable::*handler)()) {
  auto* action = new QAction(caption, this);
  action->setObjectName(QLatin1String(name));
  if (menu != nullptr)
    menu->addAction(action);
  else
    menuBar()->addAction(action);
  connect(action, &QAction::triggered, this, handler);
  return action;
}

// A menu item whose check mark only the game sets: sync() after the command
// puts back whatever Qt toggled on the click.
QAction* SnakeTable::addChoice(QMenu* menu, const char* name, const QString& caption, void (Game::*command)()) {
  auto* action = new QAction(caption, this);
  action->setObjectName(QLatin1String(name));
  action->setCheckable(true);
  menu->addAction(action);
  connect(action, &QAction::triggered, this, [this, command] { run(command); });
  return action;
}

void SnakeTable::run(void (Game::*command)()) {
  (game_.*command)();
  sync();
}

void SnakeTable::tick() {
  emit aboutToTick();
  run(&Game::Timer1_Timer);
}

void SnakeTable::SpeedPic_Click(int index) {
  game_.SpeedPic_Click(static_cast<Int16>(index));
  sync();
}

void SnakeTable::set_Click() {
  game_.set_Click();
  // A closed window is on its way out; a new one starts from the pictures in use.
  if (settings_ == nullptr || settings_->isHidden()) {
    settings_ = new Settings(book_, game_.widgets, this, stage_->scaleWithin(Settings::ClientSize));
    connect(settings_, &Settings::applied, this, &SnakeTable::settingsApplied);
    shortcuts_->reachFrom(settings_);
    // Closed any way, it hands the keyboard back, so that P resumes at once.
    connect(settings_, &QObject::destroyed, this, [this] { activateWindow(); });
  }
  settings_->show();
  settings_->raise();
  settings_->activateWindow();
  sync();
}

void SnakeTable::settingsApplied(Picture snake1, Picture snake2, Picture obstacle) {
  game_.SettingsApplied(snake1, snake2, obstacle);
  sync();
  activateWindow();  // the restarted game takes the keyboard back at once
}

void SnakeTable::hlp_Click() {
  game_.hlp_Click();
  if (help_ == nullptr || help_->isHidden()) {
    help_ = new HlpFrm(this, book_, stage_->scaleWithin(HlpFrm::ClientSize));
    connect(help_, &HlpFrm::closed, this, &SnakeTable::helpClosed);
    shortcuts_->reachFrom(help_);
  }
  help_->show();
  help_->raise();
  help_->activateWindow();
  sync();
}

void SnakeTable::helpClosed() {
  help_ = nullptr;
  game_.HelpClosed();
  sync();
  activateWindow();  // the running game takes the keyboard back at once
}

// The program ends at once: the other windows go with the main window,
// without closing first, so none of their closing code runs.
void SnakeTable::ext_Click() { QCoreApplication::exit(0); }

namespace {

// The scores are digits: compared as Latin-1 they need no conversion, and
// most syncs change neither. A screen reader hears the new score as the
// label's new name.
void showScore(QLabel* label, int player, const std::string& score) {
  const QLatin1StringView text(score.data(), static_cast<qsizetype>(score.size()));
  if (label->text() == text) return;
  label->setText(text);
  label->setAccessibleName(SnakeTable::tr("Player %1 score: %2").arg(player).arg(text));
}

// The engine's own words, as the windows show them.
[[maybe_unused]] constexpr const char* GameWords[] = {QT_TRANSLATE_NOOP("Game", "PAUSE"),
                                                      QT_TRANSLATE_NOOP("Game", "RESUME")};

}  // namespace

QString SnakeTable::gameWords(const std::string& words) {
  return QCoreApplication::translate("Game", words.c_str());
}

void SnakeTable::sync() {
  const Widgets& shown = game_.widgets;
  syncTitle();
  syncScorePanel(shown);
  syncMenu(shown);
  // The board repaints at once, and with it any label changed above.
  board_->showCells(shown.TableBlock);
  syncClock(shown.Timer1);
  syncMainWindow(shown.MainWindowVisible);
  syncEndScreen(shown.EndScreen);
}

// The title names the level, which few syncs change.
void SnakeTable::syncTitle() {
  std::string caption = game_.Caption();
  if (caption == title_) return;
  title_ = std::move(caption);
  setWindowTitle(game_.Campaign == True ? tr("Ouroboard — Level %1").arg(game_.Level) : tr("Ouroboard"));
}

void SnakeTable::syncScorePanel(const Widgets& shown) {
  const int speed = game_.SpeedStep();
  for (int i = 0; i < SpeedStepCount; ++i) {
    speedPic_[i]->setPicture(book_.pixmap(shown.SpeedPic[i]));
    speedPic_[i]->setCurrent(i == speed);
  }
  showScore(label1_, 1, shown.Label1);
  showScore(label2_, 2, shown.Label2);
  image4_->setVisible(shown.Image4Visible);
  label2_->setVisible(shown.Label2Visible);
}

void SnakeTable::syncMenu(const Widgets& shown) {
  menu_.p1->setChecked(shown.p1Checked);
  menu_.p2->setChecked(shown.p2Checked);
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

// Setting the interval restarts a running timer, so only a change is passed on.
void SnakeTable::syncClock(const GameClock& clock) {
  if (timer_.interval() != clock.Interval) timer_.setInterval(clock.Interval);
  if (clock.Enabled == timer_.isActive()) return;
  if (clock.Enabled)
    timer_.start();
  else
    timer_.stop();
  emit clockChanged(clock.Enabled);
}

// Before its first showing the window's visibility is main()'s business.
void SnakeTable::syncMainWindow(bool visible) {
  if (!shown_) return;
  if (visible && isHidden()) show();
  if (!visible && isVisible()) hide();
}

// While the main window is hidden the end screen stands alone; a screen that
// changes between the two is put up anew.
void SnakeTable::syncEndScreen(const EndScreenView& view) {
  const bool standsAlone = shown_ && isHidden();
  if (endScreen_ != nullptr && (!view.Shown || endScreen_->standsAlone() != standsAlone)) {
    endScreen_->dismiss();
    endScreen_ = nullptr;
  }
  if (!view.Shown) return;
  if (endScreen_ == nullptr) {
    endScreen_ = new EndScreen(this, board_, standsAlone);
    endScreen_->setScale(stage_->scale(), board_);
    connect(endScreen_, &EndScreen::clicked, this, [this] { intents_.dismissEndScreen(); });
    keyboard_->steerFrom(endScreen_);
    shortcuts_->reachFrom(endScreen_);
  }
  endScreen_->setPicture(book_.pixmap(view.Background));
  if (view.ShowCount == endScreenShows_ && !endScreen_->isHidden()) return;
  endScreenShows_ = view.ShowCount;
  endScreen_->describe(view.Background);
  endScreen_->show();
  endScreen_->raise();
  endScreen_->activateWindow();
}

// Restored from the task bar, the game hands the keyboard to its end screen.
void SnakeTable::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() != QEvent::WindowStateChange || isMinimized()) return;
  if (static_cast<QWindowStateChangeEvent*>(event)->oldState() & Qt::WindowMinimized && endScreen_ != nullptr)
    endScreen_->activateWindow();
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
