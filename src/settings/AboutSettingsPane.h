#pragma once

#include "settings/SettingsForm.h"

class LinkButton;
class QLabel;
class UrlOpener;

// The version, what Inkharbor does with the user's text, and where to write.
class AboutSettingsPane : public SettingsForm {
    Q_OBJECT
public:
    explicit AboutSettingsPane(UrlOpener& urlOpener, QWidget* parent = nullptr);

    static QString supportAddress();
    // "1.2 (34)"; a missing or empty part reads "?".
    static QString versionText(const char* version, const char* buildNumber);

    QLabel* versionLabel() const { return version_; }
    LinkButton* supportLink() const { return support_; }

private:
    QLabel* version_;
    LinkButton* support_;
};
