// The game's words, and Qt's own, in the language the game chose from the desktop's.
#pragma once

#include <QLocale>
#include <QString>

class QCoreApplication;

namespace ouroboard {

// Installs the game's translation for the first of the locale's languages
// that the game speaks, in the order the desktop prefers them, English where
// none is; then Qt's own translation for that language, and it becomes the
// default locale.
void installTranslations(QCoreApplication& app, const QLocale& locale = QLocale::system());

// One of the game's texts in the desktop's language, before there is an
// application to install translations in.
QString translatedEarly(const char* context, const char* text);

}  // namespace ouroboard
