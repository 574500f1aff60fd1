#include "app/Translations.h"

#include "KeyBindings/KeyNameTranslator.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

// Outside any namespace, as the resource system wants it.
static void initTranslationResources() {
    Q_INIT_RESOURCE(translations);
}

namespace Translations {

void install() {
    initTranslationResources();
    QCoreApplication* app = QCoreApplication::instance();
    // Installed later, searched first: the desktop's language over English.
    auto* english = new QTranslator(app);
    if (english->load(QStringLiteral(":/i18n/inkharbor_en.qm")))
        QCoreApplication::installTranslator(english);
    else
        delete english;
    auto* local = new QTranslator(app);
    if (local->load(QLocale(), QStringLiteral("inkharbor"), QStringLiteral("_"),
                    QStringLiteral(":/i18n")) &&
        local->language() != u"en")
        QCoreApplication::installTranslator(local);
    else
        delete local;
    // Searched before both: the Super key's name in Qt's own shortcut texts.
    KeyNameTranslator::install();
}

} // namespace Translations
