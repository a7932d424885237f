// The window where the players choose their snakes' and the obstacles' pictures.
#pragma once

#include <QWidget>
#include <span>

#include "picture.h"

class QPushButton;

namespace ouroboard {

class PictureBook;
class PictureView;
struct Widgets;

// The previews hold the pending choice; OK reports it and closes the window.
// Closing it any other way changes nothing.
class Settings : public QWidget {
  Q_OBJECT

 public:
  Settings(const PictureBook& book, const Widgets& inUse, QWidget* owner);

 signals:
  void applied(Picture snake1, Picture snake2, Picture obstacle);

 private:
  void buildCaptions();
  void buildChoiceRow(const QString& name, int top, std::span<const int> order, Picture (*pictureOf)(int),
                      void (Settings::*onClick)(int));
  void buildOkButton();
  void Form_Load(const Widgets& inUse);
  void SB_Click(int index);
  void SB2_Click(int index);
  void SO_Click(int index);
  void Command1_Click();
  void preview(PictureView* view, Picture& choice, Picture picture);

  const PictureBook& book_;
  PictureView* SBF_;
  PictureView* SBF2_;
  PictureView* SOF_;
  QPushButton* Command1_ = nullptr;
  Picture sbf_ = Picture::None;
  Picture sbf2_ = Picture::None;
  Picture sof_ = Picture::None;
};

}  // namespace ouroboard
