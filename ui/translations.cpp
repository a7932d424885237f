#include "translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace ouroboard {
namespace {

// The game's languages are built in; English, the language of its source,
// has an empty one, so that a desktop that prefers English to another of
// them gets English.
bool loadGame(QTranslator& translator, const QLocale& locale) {
  return translator.load(locale, QStringLiteral("ouroboard"), QStringLiteral("_"), QStringLiteral(":/i18n"));
}

}  // namespace

void installTranslations(QCoreApplication& app, const QLocale& locale) {
  auto* game = new QTranslator(&app);
  if (loadGame(*game, locale)) QCoreApplication::installTranslator(game);
  auto* qt = new QTranslator(&app);
  if (qt->load(locale, QStringLiteral("qt"), QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QCoreApplication::installTranslator(qt);
}

QString translatedEarly(const char* context, const char* text) {
  QTranslator translator;
  if (!loadGame(translator, QLocale::system())) return QString::fromUtf8(text);
  const QString translated = translator.translate(context, text);
  return translated.isEmpty() ? QString::fromUtf8(text) : translated;
}

}  // namespace ouroboard
