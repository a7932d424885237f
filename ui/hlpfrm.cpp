#include "hlpfrm.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLocale>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStringList>

#include "game.h"
#include "input/keymap.h"
#include "input/shortcuts.h"
#include "picturebook.h"
#include "pictureview.h"
#include "style.h"

namespace ouroboard {

namespace {

QStringList padLines() {
#ifdef OUROBOARD_PADS
  return {
      QString(),
      HlpFrm::tr("Game controllers: the first pad plugged in steers player 1 and the second player 2. "
                     "The D-pad or the left stick turns the snake, Start pauses and resumes the game, and "
                     "A or Start dismisses the picture at the end of a level or a game.")};
#else
  return {};
#endif
}

QStringList computerLines() {
  return {QString(),
          //: Help, after the key list. "Against the Computer", "Players", "Computer Skill" and "Options" are
          //: the menu items of those names; %1: player 2's keys, such as "W, A, S and D".
          HlpFrm::tr("Against the Computer, in the Players menu, starts a two-player game whose player 2 the "
                     "computer steers: it sees the board as you do and turns by the same rules. Meanwhile %1 "
                     "and the second pad do nothing. Computer Skill, in the Options menu, sets how well it "
                     "plays, from the next move on.")
              .arg(QLocale().createSeparatedList(playerTwoKeyNames()))};
}

}  // namespace

// The text's layout, its indents and the blanks after some paragraphs, is the
// window's, not the translators'.
QString helpText() {
  const QString blank = QStringLiteral(" "), tab = QStringLiteral("\t");
  const QStringList lines = {
      HlpFrm::tr("Ouroboard is inspired by SNAKE, the classic game of its kind. It is freeware, and "
                     "anyone may distribute it freely. If you make changes to it, please make them known."),
      QString(),
      HlpFrm::tr("The game has two modes : classical and campaign modes.") + blank,
      QString(),
      HlpFrm::tr(
          "In classical mode, you can go on playing the game. It can be played in different speeds "
          "by using the speed indicator. Higher the speed, higher will be the score.") +
          blank,
      QString(),
      HlpFrm::tr("In Campaign mode you can advance through various levels. The game goes on becoming "
                     "difficult as the game advances. It too, can also be played in various speeds and "
                     "scoring increases accordingly."),
      QString(),
      HlpFrm::tr("The game supports two player game. Two player mode also contains both classical and "
                     "campaign modes. But care should be taken that if one player is out, the game is over "
                     "for both the players."),
      QString(),
      //: %n: the food a player eats to end a classic game (100).
      HlpFrm::tr("You can go on playing the classic mode until the player (in case of 2 players, either of "
                 "the players) collects %n food.",
                 nullptr, Game::ClassicTarget) +
          blank +
          //: %n: the food a player eats to pass a campaign level (25).
          HlpFrm::tr("In the Campaign mode, you can progress through the levels by taking %n food.", nullptr,
                     Game::LevelTarget),
      tab,
      tab + HlpFrm::tr("If the snakes of two players collides nothing happens."),
  };
  return (lines + QStringList{QString()} + keyListLines() + padLines() + computerLines()).join(QLatin1Char('\n')) +
         QLatin1Char('\n');
}

HlpFrm::HlpFrm(QWidget* owner, const PictureBook& book, const Scale& scale)
    : QWidget(owner, fixedWindowFlags(Qt::Window)), book_(book), scale_(scale) {
  setObjectName(QStringLiteral("HlpFrm"));
  //: Title of the Help window.
  setWindowTitle(tr("Help"));
  setAttribute(Qt::WA_DeleteOnClose);
  setFixedSize(scale.size(ClientSize));
  paintBlack(this);
  buildHeadings();
  buildText();
  buildPictures();
  layout_.apply(scale);
  shareFontSize(headings_);
  closeOnEscape(this);
  centreOver(this, owner);
}

// Both headings get the room the longer needs, up to the banner's edge.
void HlpFrm::buildHeadings() {
  const QFont font = windowFont(FontPx::Pt18, Weight::Bold, Underline::Yes);
  //: Heading above the help text, in capitals.
  QLabel* help = makeLabel(this, QStringLiteral("Label1(1)"), tr("HELP"), {8, 88, 144, 29}, font, Qt::red);
  //: Heading above the pictures of the players' keys, in capitals.
  QLabel* controls =
      makeLabel(this, QStringLiteral("Label1(0)"), tr("CONTROLS"), {8, 392, 144, 29}, font, Qt::red);
  headings_ = {help, controls};
  for (QLabel* heading : headings_) layout_.place(heading, heading->geometry(), font);
}

// Read-only but scrollable, and selectable with the mouse; it has the focus
// when the window opens. Without a text cursor for the keys, the arrows and
// Page Up and Down scroll it at once.
void HlpFrm::buildText() {
  Text1_ = new QPlainTextEdit(this);
  Text1_->setObjectName(QStringLiteral("Text1"));
  Text1_->setAccessibleName(tr("Help text"));
  layout_.place(Text1_, {8, 120, 601, 265});
  Text1_->setReadOnly(true);
  Text1_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  Text1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Text1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Text1_->setFont(scaledFont(windowFont(FontPx::Pt9_75, Weight::Bold), scale_));
  Text1_->setPalette(greenTextPalette());
  Text1_->verticalScrollBar()->setPalette(greenTextPalette());  // not a copy of its own
  nameTheParts();
  Text1_->setPlainText(helpText());
  Text1_->setFocusPolicy(Qt::StrongFocus);
  Text1_->setFocus();
}

// A screen reader finds the text box's parts by name: the area that shows
// the text, the scroll bar and the box Qt keeps the scroll bar in.
void HlpFrm::nameTheParts() {
  Text1_->viewport()->setAccessibleName(Text1_->accessibleName());
  QScrollBar* bar = Text1_->verticalScrollBar();
  //: For a screen reader: the scroll bar of Help's text
  bar->setAccessibleName(tr("Scroll the help text"));
  bar->parentWidget()->setAccessibleName(bar->accessibleName());
}

// The help text lists the keys the pictures show, so their names need not.
void HlpFrm::buildPictures() {
  const auto place = [this](const char* name, Decoration which, QPoint at, const QString& words) {
    auto* view = new PictureView(this, QLatin1String(name), QRect(scale_.point(at), QSize(1, 1)));
    view->setPicture(book_.decoration(which, scale_));
    view->setAccessibleName(words);
  };
  place("Image3", Decoration::HelpBanner, {152, 8}, tr("Ouroboard, by the Ouroboard team"));
  place("Image1", Decoration::KeysPlayer1, {128, 424},
        //: Spoken name of a picture of a player's keys. %1: the player's number, 1 or 2.
        tr("Keys of player %1").arg(1));
  place("Image2", Decoration::KeysPlayer2, {256, 424},
        //: Spoken name of a picture of a player's keys. %1: the player's number, 1 or 2.
        tr("Keys of player %1").arg(2));
}

void HlpFrm::closeEvent(QCloseEvent* event) {
  Form_Unload();
  event->accept();
}

// Whatever closes the window, the game's clock starts again.
void HlpFrm::Form_Unload() { emit closed(); }

}  // namespace ouroboard
