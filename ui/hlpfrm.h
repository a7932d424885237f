// The help window: the rules and the keys.
#pragma once

#include <QWidget>

#include "scale.h"

class QLabel;
class QPlainTextEdit;

namespace ouroboard {

class PictureBook;

// Reports its closing, however it closes, so the game can restart its clock.
class HlpFrm : public QWidget {
  Q_OBJECT

 public:
  static constexpr QSize ClientSize{613, 537};

  HlpFrm(QWidget* owner, const PictureBook& book, const Scale& scale = {});

 signals:
  void closed();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildHeadings();
  void buildText();
  void nameTheParts();
  void buildPictures();
  void Form_Unload();

  const PictureBook& book_;
  Scale scale_;
  ScaledLayout layout_;
  QList<QLabel*> headings_;  // one size for both
  QPlainTextEdit* Text1_ = nullptr;
};

// The help text, lines separated by line feeds.
QString helpText();

}  // namespace ouroboard
