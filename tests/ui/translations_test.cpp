// The windows in another language: German, and a pseudo-translation that
// makes every text about 40 % longer. The menus and titles come out
// translated, and every label keeps its text inside its box and its window.
#include <QLabel>
#include <QMenuBar>
#include <QTranslator>

#include "hlpfrm.h"
#include "settings.h"
#include "style.h"
#include "table_fixture.h"
#include "translations.h"

namespace ouroboard::testing {
namespace {

// Each word grows by two letters in five; placeholders stay as they are.
class Longer : public QTranslator {
 public:
  QString translate(const char*, const char* source, const char*, int) const override {
    QStringList words = QString::fromUtf8(source).split(QLatin1Char(' '));
    for (QString& word : words)
      if (!word.startsWith(QLatin1Char('%'))) word += QString((word.size() * 2 + 4) / 5, QChar(0x00EB));
    return words.join(QLatin1Char(' '));
  }
  bool isEmpty() const override { return false; }
};

QList<QWidget*> windowsOf(SnakeTable& table) {
  return {&table, table.settingsWindow(), table.helpWindow()};
}

void expectEveryLabelFits(SnakeTable& table) {
  for (QWidget* window : windowsOf(table)) {
    for (const QLabel* label : window->findChildren<QLabel*>()) {
      if (!label->isVisible() || label->text().isEmpty()) continue;
      const std::string name = label->objectName().toStdString() + ": " + label->text().toStdString();
      EXPECT_TRUE(label->contentsRect().contains(wrappedTextRect(label))) << name;
      EXPECT_TRUE(window->rect().contains(QRect(label->mapTo(window, QPoint(0, 0)), label->size()))) << name;
    }
  }
}

class TranslationsTest : public ::testing::Test {
 protected:
  void TearDown() override {
    for (QTranslator* translator : qApp->findChildren<QTranslator*>()) QCoreApplication::removeTranslator(translator);
    qDeleteAll(qApp->findChildren<QTranslator*>());
  }
  // The table and its other windows, built in the language installed.
  std::unique_ptr<SnakeTable> open() {
    auto table = std::make_unique<SnakeTable>();
    table->show();
    table->menu().set->trigger();
    table->menu().hlp->trigger();
    return table;
  }
};

TEST_F(TranslationsTest, GermanMenusAndTitles) {
  installTranslations(*qApp, QLocale(QLocale::German));
  const std::unique_ptr<SnakeTable> table = open();
  const SnakeTable::Menu& menu = table->menu();
  const std::pair<QAction*, const char*> items[] = {
      {menu.NG, "New Game"}, {menu.p1, "1 Player"}, {menu.classic, "Classic"}, {menu.cpn, "Campaign"},
      {menu.set, "Settings"}, {menu.ext, "Exit"}, {menu.hlp, "Help"}, {menu.opt->menuAction(), "Options"}};
  for (const auto& [item, english] : items) {
    EXPECT_NE(item->text(), QLatin1String(english));
    EXPECT_EQ(item->text(), SnakeTable::tr(english));
  }
  EXPECT_EQ(menu.PR->text(), QCoreApplication::translate("Game", "RESUME")) << "Help stopped the clock";
  EXPECT_EQ(table->helpWindow()->windowTitle(), HlpFrm::tr("Help"));
  menu.cpn->trigger();
  EXPECT_EQ(table->windowTitle(), SnakeTable::tr("Ouroboard — Level %1").arg(1));
  expectEveryLabelFits(*table);
}

TEST_F(TranslationsTest, LongerTextsStayInsideTheirLabels) {
  auto* longer = new Longer;
  longer->setParent(qApp);
  QCoreApplication::installTranslator(longer);
  const std::unique_ptr<SnakeTable> table = open();
  EXPECT_TRUE(table->menu().NG->text().contains(QChar(0x00EB)));
  expectEveryLabelFits(*table);
}

}  // namespace
}  // namespace ouroboard::testing
