#pragma once

#include <QLocale>

// The program's translations: English always, for its plural forms; on top
// of it the first of the locale's languages that the program is translated
// into, with Qt's own texts (standard buttons, key names) in the same
// language; and our name for the Super key in the shortcuts Qt writes.
namespace Translations {

// Installs them into the running application. The default locale is the
// desktop's: LC_ALL, LC_MESSAGES or LANG, and the languages listed in LANGUAGE.
void install(const QLocale& locale = QLocale());

} // namespace Translations
