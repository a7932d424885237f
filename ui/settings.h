// The window where the players choose their snakes' and the obstacles' pictures.
#pragma once

#include <QWidget>
#include <span>

#include "picture.h"
#include "scale.h"

class QPushButton;

namespace ouroboard {

class ChoiceRow;
class PictureBook;
class PictureView;
struct Widgets;

// The previews hold the pending choice; OK reports it and closes the window.
// Closing it any other way changes nothing. Return applies too, unless the
// focused row takes it to choose a picture.
class Settings : public QWidget {
  Q_OBJECT

 public:
  static constexpr QSize ClientSize{536, 223};

  Settings(const PictureBook& book, const Widgets& inUse, QWidget* owner, const Scale& scale = {});

 signals:
  void applied(Picture snake1, Picture snake2, Picture obstacle);

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void buildCaptions();
  ChoiceRow* buildChoiceRow(const QString& name, const QString& title, int top, std::span<const int> order,
                            Picture (*pictureOf)(int), void (Settings::*onChoice)(Picture));
  void nameThePreviews();
  void buildOkButton();
  void Form_Load(const Widgets& inUse);
  void SB_Click(Picture picture);
  void SB2_Click(Picture picture);
  void SO_Click(Picture picture);
  void Command1_Click();
  void preview(ChoiceRow* row, PictureView* view, Picture& choice, Picture picture);

  const PictureBook& book_;
  Scale scale_;
  ScaledLayout layout_;
  PictureView* SBF_;
  PictureView* SBF2_;
  PictureView* SOF_;
  ChoiceRow* SB_ = nullptr;
  ChoiceRow* SB2_ = nullptr;
  ChoiceRow* SO_ = nullptr;
  QPushButton* Command1_ = nullptr;
  Picture sbf_ = Picture::None;
  Picture sbf2_ = Picture::None;
  Picture sof_ = Picture::None;
};

}  // namespace ouroboard
