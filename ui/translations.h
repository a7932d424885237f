// The game's words, and Qt's own, in the desktop's language.
#pragma once

#include <QLocale>
#include <QString>

class QCoreApplication;

namespace ouroboard {

// Installs the translations for the locale's languages, in the order the
// desktop prefers them; English where none of them is one of the game's.
void installTranslations(QCoreApplication& app, const QLocale& locale = QLocale::system());

// One of the game's texts in the desktop's language, before there is an
// application to install translations in.
QString translatedEarly(const char* context, const char* text);

}  // namespace ouroboard
