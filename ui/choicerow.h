// A row of pictures to choose one from, by mouse or by keyboard.
#pragma once

#include <QList>
#include <QWidget>

#include "picture.h"
#include "scale.h"

namespace ouroboard {

class ChoicePicture;

// The row is one stop of the Tab key. Inside it the arrow keys, Home and End
// move between the pictures, and Space or Return chooses one just as a click
// does. The picture the keys are on is marked once the keyboard is in use, so
// that a player with the mouse sees the row as it has always been.
class ChoiceRow : public QWidget {
  Q_OBJECT

 public:
  // The pictures go side by side from topLeft, step pixels apart, both in
  // the window's units, which the scale turns into pixels.
  ChoiceRow(QWidget* parent, const QString& name, const QString& title, QPoint topLeft, int step,
            const Scale& scale = {});

  void addChoice(const QString& name, Picture id, const QPixmap& picture);
  // Marks the chosen picture, for screen readers.
  void setChosen(Picture id);

 signals:
  void chosen(Picture id);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;

 private:
  void showMark();
  void moveTo(int place);
  void nameThePictures();

  QString title_;
  int step_;
  Scale scale_;
  int gap_;
  QList<ChoicePicture*> views_;
  QList<Picture> ids_;
  Picture chosen_ = Picture::None;
  int current_ = 0;
  bool keyboardInUse_ = false;
};

}  // namespace ouroboard
