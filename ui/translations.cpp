#include "translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace ouroboard {
namespace {

// The game's languages are built in; English, the language of its source,
// has one that holds only its plural forms, so that a desktop that prefers
// English to another of them gets English.
bool loadGame(QTranslator& translator, const QLocale& locale) {
  return translator.load(locale, QStringLiteral("ouroboard"), QStringLiteral("_"), QStringLiteral(":/i18n"));
}

}  // namespace

// Qt's own words (a text box's context menu, say) follow the language the
// game chose, so that they never mix another language into its windows, and
// so do the lists and numbers that QLocale writes. Its widgets' words are
// all in qtbase; the catalogue of every Qt module would only slow start-up.
void installTranslations(QCoreApplication& app, const QLocale& locale) {
  auto* game = new QTranslator(&app);
  if (!loadGame(*game, locale) && !loadGame(*game, QLocale(QLocale::English))) return;
  QCoreApplication::installTranslator(game);
  const QLocale chosen(game->language());
  QLocale::setDefault(chosen);
  if (chosen.language() == QLocale::English) return;
  auto* qt = new QTranslator(&app);
  if (qt->load(chosen, QStringLiteral("qtbase"), QStringLiteral("_"),
               QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QCoreApplication::installTranslator(qt);
}

QString translatedEarly(const char* context, const char* text) {
  QTranslator translator;
  if (!loadGame(translator, QLocale::system())) return QString::fromUtf8(text);
  const QString translated = translator.translate(context, text);
  return translated.isEmpty() ? QString::fromUtf8(text) : translated;
}

}  // namespace ouroboard
