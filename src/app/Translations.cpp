#include "app/Translations.h"

#include "KeyBindings/KeyNameTranslator.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

using namespace Qt::StringLiterals;

// Outside any namespace, as the resource system wants it.
static void initTranslationResources() {
    Q_INIT_RESOURCE(translations);
}

namespace Translations {
namespace {

// Installs a translator that found its file; drops one that did not.
void installIfLoaded(QTranslator* translator, bool loaded) {
    if (loaded)
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

} // namespace

void install(const QLocale& locale) {
    initTranslationResources();
    QCoreApplication* app = QCoreApplication::instance();
    // Installed later, searched first: the desktop's language over Qt's texts
    // over English.
    auto* english = new QTranslator(app);
    installIfLoaded(english, english->load(u":/i18n/inkharbor_en.qm"_s));
    auto* own = new QTranslator(app);
    if (own->load(locale, u"inkharbor"_s, u"_"_s, u":/i18n"_s) && own->language() != u"en") {
        // Qt's texts in the language chosen for ours, not in one the program
        // does not speak (with qt6-translations-l10n installed).
        auto* qt = new QTranslator(app);
        installIfLoaded(qt, qt->load(u"qtbase_"_s + own->language(),
                                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
        QCoreApplication::installTranslator(own);
    } else {
        delete own;
    }
    // Searched before all: the Super key's name in Qt's own shortcut texts.
    KeyNameTranslator::install();
}

} // namespace Translations
