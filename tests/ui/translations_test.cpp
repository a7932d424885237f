// The windows in another language: German, and a pseudo-translation that
// makes every text about 40 % longer. The menus and titles come out
// translated, and every label keeps its text inside its box and its window.
// What translators get: where each text is used, a word on what it is for,
// plural forms. Keys named as the player's keyboard names them.
#include <xkbcommon/xkbcommon.h>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QStandardPaths>
#include <QTranslator>
#include <QXmlStreamReader>

#include "game.h"
#include "hlpfrm.h"
#include "input/keymap.h"
#include "input/typedkeys.h"
#include "picturebook.h"
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
  void TearDown() override { uninstall(); }
  // Back to the untranslated texts, the desktop's locale and keymap.
  void uninstall() {
    QLocale::setDefault(defaultLocale_);
    nameKeysFrom(nullptr);
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

 private:
  const QLocale defaultLocale_;
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
  EXPECT_EQ(table->windowTitle(), SnakeTable::tr("Ouroboard — Level %1", "campaign").arg(1));
  expectEveryLabelFits(*table);
}

// The lettered pictures speak the game's language, at the size their place
// in the window has.
TEST_F(TranslationsTest, GermanPicturesAreLetteredInGerman) {
  installTranslations(*qApp, QLocale(QLocale::German));
  const PictureBook german;
  for (const Decoration which : {Decoration::Level, Decoration::Score, Decoration::Player1, Decoration::HelpBanner}) {
    const QImage painted = german.decoration(which).toImage();
    const QImage english = PictureBook::resource(art::fileName(which)).toImage();
    EXPECT_EQ(painted.size(), english.size()) << art::fileName(which).toStdString();
    EXPECT_NE(painted.convertToFormat(QImage::Format_RGB32), english.convertToFormat(QImage::Format_RGB32))
        << art::fileName(which).toStdString();
  }
  // They are kept for the next start; a damaged copy is painted again.
  const QImage first = german.decoration(Decoration::Level).toImage();
  QDir kept(QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + QStringLiteral("/pictures"));
  ASSERT_FALSE(kept.entryList(QDir::Files).isEmpty());
  for (const QString& name : kept.entryList(QDir::Files)) {
    QFile damaged(kept.filePath(name));
    ASSERT_TRUE(damaged.open(QIODevice::ReadWrite));
    damaged.resize(damaged.size() / 2);
  }
  EXPECT_EQ(PictureBook().decoration(Decoration::Level).toImage(), first);
}

TEST_F(TranslationsTest, LongerTextsStayInsideTheirLabels) {
  auto* longer = new Longer;
  longer->setParent(qApp);
  QCoreApplication::installTranslator(longer);
  const std::unique_ptr<SnakeTable> table = open();
  EXPECT_TRUE(table->menu().NG->text().contains(QChar(0x00EB)));
  expectEveryLabelFits(*table);
}

// The window's headings are one set: one size, bold and underlined.
TEST_F(TranslationsTest, HelpHeadingsShareTheirSizeInEveryLanguage) {
  for (const char* language : {"en", "de", "fr", "es", "it", "pt_BR", "ru", "pl"}) {
    installTranslations(*qApp, QLocale(QString::fromLatin1(language)));
    const std::unique_ptr<SnakeTable> table = open();
    const QFont help = table->helpWindow()->findChild<QLabel*>(QStringLiteral("Label1(1)"))->font();
    const QFont controls = table->helpWindow()->findChild<QLabel*>(QStringLiteral("Label1(0)"))->font();
    EXPECT_EQ(help.pixelSize(), controls.pixelSize()) << language;
    for (const QFont& font : {help, controls}) EXPECT_TRUE(font.bold() && font.underline()) << language;
    expectEveryLabelFits(*table);
    uninstall();
  }
}

// Return and Enter are one key to the player, and the French call it Entrée
// (Qt's own name, "Retour", reads as Backspace to them).
TEST_F(TranslationsTest, FrenchKeyListNamesEnterOnce) {
  installTranslations(*qApp, QLocale(QLocale::French));
  const QString keyList = keyListLines().join(QLatin1Char('\n'));
  EXPECT_EQ(keyList.count(QStringLiteral("Entrée")), 1) << keyList.toStdString();
  EXPECT_TRUE(keyList.contains(QStringLiteral("les touches W, A, S et D"))) << "joined as French joins lists";
}

// A language the game does not speak gets English throughout: no Qt words,
// no list joined in Czech.
TEST_F(TranslationsTest, CzechDesktopGetsAnAllEnglishGame) {
  installTranslations(*qApp, QLocale(QLocale::Czech));
  EXPECT_EQ(QCoreApplication::translate("QWidgetTextControl", "&Copy"), QStringLiteral("&Copy"));
  EXPECT_EQ(QLocale().createSeparatedList({QStringLiteral("A"), QStringLiteral("B")}),
            QStringLiteral("A and B"));
  EXPECT_TRUE(helpText().contains(QStringLiteral("Player 2 steers with the keys W, A, S")));
  uninstall();
  installTranslations(*qApp, QLocale(QLocale::French));
  EXPECT_NE(QCoreApplication::translate("QWidgetTextControl", "&Copy"), QStringLiteral("&Copy"))
      << "Qt's own words follow the game's language";
}

// Player 2 steers by key place, so Help names what the layout types there.
TEST_F(TranslationsTest, PlayerTwoKeysAreNamedByTheLayout) {
  const struct {
    const char* layout;
    QStringList names;
  } layouts[] = {
      {"us", {"W", "A", "S", "D"}},
      {"fr", {"Z", "Q", "S", "D"}},
      {"de", {"W", "A", "S", "D"}},
      {"ru", {"Ц", "Ф", "Ы", "В"}},
  };
  const std::unique_ptr<xkb_context, decltype(&xkb_context_unref)> context(
      xkb_context_new(XKB_CONTEXT_NO_FLAGS), &xkb_context_unref);
  for (const auto& [layout, names] : layouts) {
    const xkb_rule_names rmlvo{"evdev", "pc105", layout, "", ""};
    const std::unique_ptr<xkb_keymap, decltype(&xkb_keymap_unref)> keymap(
        xkb_keymap_new_from_names(context.get(), &rmlvo, XKB_KEYMAP_COMPILE_NO_FLAGS), &xkb_keymap_unref);
    ASSERT_TRUE(keymap) << layout;
    nameKeysFrom(keymap.get());
    EXPECT_EQ(playerTwoKeyNames(), names) << layout;
    EXPECT_TRUE(helpText().contains(QLocale().createSeparatedList(names))) << layout;
    const QImage keys = PictureBook().decoration(Decoration::KeysPlayer2).toImage();
    const QImage usKeys = PictureBook::resource(art::fileName(Decoration::KeysPlayer2)).toImage();
    EXPECT_EQ(keys == usKeys, names == QStringList({"W", "A", "S", "D"})) << layout << ": the key picture";
  }
  nameKeysFrom(nullptr);
  EXPECT_EQ(playerTwoKeyNames(), QStringList({"W", "A", "S", "D"})) << "without a keymap, the US letters";
}

// Numbers take each language's plural form: Russian and Polish have three.
TEST_F(TranslationsTest, RussianAndPolishFoodTakesItsPluralForm) {
  const char* const classic =
      "You can go on playing the classic mode until the player (in case of 2 players, either of the players) "
      "collects %n food.";
  const struct {
    const char* language;
    int count;
    const char* says;
  } cases[] = {
      {"ru", 1, "1 кусочек"},  {"ru", 2, "2 кусочка"},  {"ru", 5, "5 кусочков"},
      {"ru", 21, "21 кусочек"}, {"ru", 22, "22 кусочка"}, {"ru", 25, "25 кусочков"},
      {"pl", 1, "1 kąsek"},    {"pl", 2, "2 kąski"},    {"pl", 5, "5 kąsków"},
      {"pl", 21, "21 kąsków"}, {"pl", 22, "22 kąski"},  {"pl", 25, "25 kąsków"},
  };
  for (const auto& [language, count, says] : cases) {
    installTranslations(*qApp, QLocale(QString::fromLatin1(language)));
    EXPECT_TRUE(HlpFrm::tr(classic, nullptr, count).contains(QString::fromUtf8(says)))
        << language << " " << count << ": " << HlpFrm::tr(classic, nullptr, count).toStdString();
    uninstall();
  }
}

// What translators are handed, read from the translation files themselves.
struct Message {
  QString source, disambiguation, comment;
  bool located = false;
  QStringList translations;
};

QList<Message> messagesOf(const QString& path) {
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
  QXmlStreamReader xml(&file);
  QList<Message> messages;
  bool numerus = false;
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    const QStringView name = xml.name();
    if (name == u"message") {
      messages.append(Message{});
      numerus = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
    } else if (name == u"location") {
      messages.last().located = true;
    } else if (name == u"source") {
      messages.last().source = xml.readElementText();
    } else if (name == u"comment") {
      messages.last().disambiguation = xml.readElementText();
    } else if (name == u"extracomment") {
      messages.last().comment = xml.readElementText();
    } else if (name == u"numerusform" || (name == u"translation" && !numerus)) {
      messages.last().translations << xml.readElementText();
    }
  }
  EXPECT_FALSE(xml.hasError()) << path.toStdString();
  return messages;
}

// A lone word or a placeholder gives no sentence to read its role from.
TEST(TranslationFiles, EveryTextIsLocatedExplainedAndFreeOfLayout) {
  const QDir folder(QStringLiteral(OUROBOARD_TRANSLATIONS_DIR));
  const QStringList files = folder.entryList({QStringLiteral("*.ts")});
  ASSERT_EQ(files.size(), 8);
  for (const QString& file : files) {
    for (const Message& message : messagesOf(folder.filePath(file))) {
      const std::string where = (file + QLatin1Char(' ') + message.source).toStdString();
      EXPECT_TRUE(message.located) << where;
      const bool needsWord =
          message.source.contains(QLatin1Char('%')) || !message.source.contains(QLatin1Char(' '));
      EXPECT_TRUE(!needsWord || !message.comment.isEmpty() || !message.disambiguation.isEmpty()) << where;
      QStringList texts = message.translations;
      texts << message.source;
      for (const QString& text : texts) EXPECT_EQ(text, text.trimmed()) << where;
    }
  }
}

}  // namespace
}  // namespace ouroboard::testing
