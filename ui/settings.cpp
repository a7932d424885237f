#include "settings.h"

#include <QPushButton>
#include <span>

#include "input/shortcuts.h"
#include "picturebook.h"
#include "pictureview.h"
#include "style.h"
#include "widgets.h"

namespace ouroboard {
namespace {

constexpr QSize ClientSize{536, 223};
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
Settings::Settings(const PictureBook& book, const Widgets& inUse, QWidget* owner)
    : QWidget(owner, fixedWindowFlags(Qt::Tool)),
      book_(book),
      SBF_(new PictureView(this, QStringLiteral("SBF"), square(PreviewLeft, PlayerOneTop))),
      SBF2_(new PictureView(this, QStringLiteral("SBF2"), square(PreviewLeft, PlayerTwoTop))),
      SOF_(new PictureView(this, QStringLiteral("SOF"), square(PreviewLeft, ObstacleTop))) {
  setObjectName(QStringLiteral("Settings"));
  setWindowTitle(tr("SETTINGS"));
  setAccessibleDescription(tr("Choose the pictures of the snakes and of the obstacles"));
  setAttribute(Qt::WA_DeleteOnClose);
  setFixedSize(ClientSize);
  paintBlack(this);
  buildCaptions();
  buildChoiceRow(QStringLiteral("SB"), PlayerOneTop, PlayerOneOrder, SnakePicture, &Settings::SB_Click);
  buildChoiceRow(QStringLiteral("SB2"), PlayerTwoTop, PlayerTwoOrder, SnakePicture, &Settings::SB2_Click);
  buildChoiceRow(QStringLiteral("SO"), ObstacleTop, ObstacleOrder, ObstaclePicture, &Settings::SO_Click);
  buildOkButton();
  Form_Load(inUse);
  closeOnEscape(this);
  centreOver(this, owner);
  keepOffTaskBar(this);
}

void Settings::buildCaptions() {
  const QFont font = windowFont(FontPx::Pt13_5, Weight::Bold);
  makeLabel(this, QStringLiteral("Label1(0)"), tr("Select The Snake For Player One"),
            {16, 16, 241, 57}, font, Qt::white);
  makeLabel(this, QStringLiteral("Label1(2)"), tr("Select The Snake For Player Two"),
            {16, 72, 241, 57}, font, Qt::white);
  makeLabel(this, QStringLiteral("Label1(1)"), tr("Select The Obstacle Image By Clicking On It"),
            {16, 128, 241, 57}, font, Qt::white);
}

void Settings::buildChoiceRow(const QString& name, int top, std::span<const int> order,
                              Picture (*pictureOf)(int), void (Settings::*onClick)(int)) {
  for (int place = 0; place < static_cast<int>(order.size()); ++place) {
    const int index = order[place];
    auto* choice = new PictureView(this, QStringLiteral("%1(%2)").arg(name).arg(index),
                                   square(RowLeft + RowStep * place, top));
    choice->setPicture(book_.pixmap(pictureOf(index)));
    connect(choice, &PictureView::clicked, this, [this, onClick, index] { (this->*onClick)(index); });
  }
}

// The only widget here that takes the keyboard focus.
void Settings::buildOkButton() {
  Command1_ = new QPushButton(this);
  Command1_->setObjectName(QStringLiteral("Command1"));
  Command1_->setGeometry(488, 176, 41, 41);
  Command1_->setIcon(book_.okIcon());
  Command1_->setIconSize({32, 32});
  Command1_->setToolTip(tr("OK"));
  Command1_->setAccessibleName(tr("OK"));
  Command1_->setAccessibleDescription(tr("Applies the chosen pictures and starts a new game"));
  Command1_->setPalette(blackButtonPalette());
  Command1_->setFocus();
  connect(Command1_, &QPushButton::clicked, this, &Settings::Command1_Click);
}

// The previews start with the pictures in use.
void Settings::Form_Load(const Widgets& inUse) {
  preview(SOF_, sof_, inUse.Obs);
  preview(SBF_, sbf_, inUse.SBlock);
  preview(SBF2_, sbf2_, inUse.IM2P);
}

void Settings::preview(PictureView* view, Picture& choice, Picture picture) {
  choice = picture;
  view->setPicture(book_.pixmap(picture));
}

void Settings::SB_Click(int index) { preview(SBF_, sbf_, SnakePicture(index)); }

void Settings::SB2_Click(int index) { preview(SBF2_, sbf2_, SnakePicture(index)); }

void Settings::SO_Click(int index) { preview(SOF_, sof_, ObstaclePicture(index)); }

void Settings::Command1_Click() {
  close();
  emit applied(sbf_, sbf2_, sof_);
}

}  // namespace ouroboard
