// The help window: the rules and the keys.
#pragma once

#include <QWidget>

class QPlainTextEdit;

namespace ouroboard {

// Reports its closing, however it closes, so the game can restart its clock.
class HlpFrm : public QWidget {
  Q_OBJECT

 public:
  static constexpr QSize ClientSize{613, 537};

  explicit HlpFrm(QWidget* owner);

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

  QPlainTextEdit* Text1_ = nullptr;
};

// The help text, lines separated by line feeds.
QString helpText();

}  // namespace ouroboard
