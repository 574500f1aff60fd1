#include "KeyBindings/KeyNameTranslator.h"

#include "KeyBindings/LocalizedText.h"

#include <QCoreApplication>

#include <cstring>

KeyNameTranslator::KeyNameTranslator(QString superKeyName, QObject* parent)
    : QTranslator(parent)
    , superKeyName_(std::move(superKeyName)) {}

QString KeyNameTranslator::translate(const char* context, const char* sourceText, const char*,
                                     int) const {
    if (context && sourceText && std::strcmp(context, "QShortcut") == 0 &&
        std::strcmp(sourceText, "Meta") == 0)
        return superKeyName_;
    return {};
}

void KeyNameTranslator::install() {
    // The name is looked up now rather than from translate(), which Qt calls
    // while it holds its translators' lock.
    QCoreApplication::installTranslator(
        new KeyNameTranslator(localizedText("super_key"), QCoreApplication::instance()));
}
