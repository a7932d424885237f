#include "settings.h"

#include <QKeyEvent>
#include <QPushButton>
#include <span>

#include "choicerow.h"
#include "input/shortcuts.h"
#include "picturebook.h"
#include "pictureview.h"
#include "style.h"
#include "widgets.h"

namespace ouroboard {
namespace {

constexpr int PreviewLeft = 272;
constexpr int RowLeft = 344;
constexpr int RowStep = 24;
constexpr int PlayerOneTop = 40;
constexpr int PlayerTwoTop = 96;
constexpr int ObstacleTop = 144;

// Left to right on the screen, the choices are not in index order.
constexpr int PlayerOneOrder[] = {4, 0, 2, 1, 3};
constexpr int PlayerTwoOrder[] = {1, 0, 2, 3, 4};
constexpr int ObstacleOrder[] = {2, 4, 6, 1, 5, 0, 3};

QRect square(int left, int top) { return {left, top, 16, 16}; }

}  // namespace

// A tool window: a title bar and a close box, but no task-bar entry.
Settings::Settings(const PictureBook& book, const Widgets& inUse, QWidget* owner, const Scale& scale)
    : QWidget(owner, fixedWindowFlags(Qt::Tool)),
      book_(book),
      scale_(scale),
      SBF_(new PictureView(this, QStringLiteral("SBF"), square(PreviewLeft, PlayerOneTop))),
      SBF2_(new PictureView(this, QStringLiteral("SBF2"), square(PreviewLeft, PlayerTwoTop))),
      SOF_(new PictureView(this, QStringLiteral("SOF"), square(PreviewLeft, ObstacleTop))) {
  setObjectName(QStringLiteral("Settings"));
  //: Title of the window that chooses the pictures, in capitals.
  setWindowTitle(tr("SETTINGS"));
  setAccessibleDescription(tr("Choose the pictures of the snakes and of the obstacles"));
  setAttribute(Qt::WA_DeleteOnClose);
  setFixedSize(scale.size(ClientSize));
  paintBlack(this);
  for (PictureView* preview : {SBF_, SBF2_, SOF_}) layout_.place(preview, preview->geometry());
  buildCaptions();
  SB_ = buildChoiceRow(QStringLiteral("SB"), tr("Player 1 snake"), PlayerOneTop, PlayerOneOrder, SnakePicture,
                       &Settings::SB_Click);
  SB2_ = buildChoiceRow(QStringLiteral("SB2"), tr("Player 2 snake"), PlayerTwoTop, PlayerTwoOrder,
                        SnakePicture, &Settings::SB2_Click);
  //: Spoken name of the row of obstacle pictures.
  SO_ = buildChoiceRow(QStringLiteral("SO"), tr("Obstacle"), ObstacleTop, ObstacleOrder, ObstaclePicture,
                       &Settings::SO_Click);
  nameThePreviews();
  buildOkButton();
  layout_.apply(scale);
  Form_Load(inUse);
  closeOnEscape(this);
  centreOver(this, owner);
  keepOffTaskBar(this);
}

void Settings::buildCaptions() {
  const QFont font = windowFont(FontPx::Pt13_5, Weight::Bold);
  const std::tuple<const char*, QString, QRect> captions[] = {
      {"Label1(0)", tr("Select The Snake For Player One"), {16, 16, 241, 57}},
      {"Label1(2)", tr("Select The Snake For Player Two"), {16, 72, 241, 57}},
      {"Label1(1)", tr("Select The Obstacle Image By Clicking On It"), {16, 128, 241, 57}}};
  for (const auto& [name, text, place] : captions)
    layout_.place(makeLabel(this, QLatin1String(name), text, place, font, Qt::white), place, font);
}

// The rows come before the OK button in the order of the Tab key.
ChoiceRow* Settings::buildChoiceRow(const QString& name, const QString& title, int top,
                                    std::span<const int> order, Picture (*pictureOf)(int),
                                    void (Settings::*onChoice)(Picture)) {
  auto* row = new ChoiceRow(this, name, title, {RowLeft, top}, RowStep, scale_);
  for (const int index : order)
    row->addChoice(QStringLiteral("%1(%2)").arg(name).arg(index), pictureOf(index),
                   book_.pixmap(pictureOf(index), scale_));
  connect(row, &ChoiceRow::chosen, this, onChoice);
  return row;
}

// Each row's preview shows the picture OK applies.
void Settings::nameThePreviews() {
  for (const auto& [view, row] : {std::pair{SBF_, SB_}, {SBF2_, SB2_}, {SOF_, SO_}})
    //: Spoken name of a row's preview. %1: the row's name, such as "Player 1 snake".
    view->setAccessibleName(tr("%1: chosen picture").arg(row->accessibleName()));
}

// It has the focus when the window opens.
void Settings::buildOkButton() {
  Command1_ = new QPushButton(this);
  Command1_->setObjectName(QStringLiteral("Command1"));
  layout_.place(Command1_, {488, 176, 41, 41});
  if (scale_ == Scale{})
    Command1_->setIcon(book_.okIcon());
  else
    Command1_->setIcon(book_.decoration(Decoration::Ok, scale_));
  Command1_->setIconSize(scale_.size({32, 32}));
  //: The button that applies the chosen pictures.
  Command1_->setToolTip(tr("OK"));
  //: The button that applies the chosen pictures.
  Command1_->setAccessibleName(tr("OK"));
  Command1_->setAccessibleDescription(tr("Applies the chosen pictures and starts a new game"));
  Command1_->setPalette(blackButtonPalette());
  Command1_->setFocus();
  connect(Command1_, &QPushButton::clicked, this, &Settings::Command1_Click);
}

// The previews start with the pictures in use.
void Settings::Form_Load(const Widgets& inUse) {
  preview(SO_, SOF_, sof_, inUse.Obs);
  preview(SB_, SBF_, sbf_, inUse.SBlock);
  preview(SB2_, SBF2_, sbf2_, inUse.IM2P);
}

void Settings::preview(ChoiceRow* row, PictureView* view, Picture& choice, Picture picture) {
  choice = picture;
  view->setPicture(book_.pixmap(picture, scale_));
  row->setChosen(picture);
}

void Settings::SB_Click(Picture picture) { preview(SB_, SBF_, sbf_, picture); }

void Settings::SB2_Click(Picture picture) { preview(SB2_, SBF2_, sbf2_, picture); }

void Settings::SO_Click(Picture picture) { preview(SO_, SOF_, sof_, picture); }

// Return that reaches the window, from the OK button or from nowhere, is OK.
void Settings::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) return Command1_->click();
  QWidget::keyPressEvent(event);
}

void Settings::Command1_Click() {
  close();
  emit applied(sbf_, sbf2_, sof_);
}

}  // namespace ouroboard
