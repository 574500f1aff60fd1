#pragma once

#include <QString>
#include <QTranslator>

// Qt writes the Super key as "Meta" in every shortcut it shows (menus, key
// sequences). This translator gives Qt our name for it instead, so a menu
// shows "Super+Shift+T" like the recorder and the onboarding do.
class KeyNameTranslator : public QTranslator {
public:
    explicit KeyNameTranslator(QString superKeyName, QObject* parent = nullptr);

    QString translate(const char* context, const char* sourceText,
                      const char* disambiguation = nullptr, int n = -1) const override;
    bool isEmpty() const override { return false; }

    // Installs one into the running application, searched before the
    // translators installed so far; call it after the program's translations.
    static void install();

private:
    QString superKeyName_;
};
