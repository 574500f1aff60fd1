#pragma once

#include "platform/UrlOpener.h"

#include <QSet>
#include <QStringList>

#include <vector>

// Records what would have been opened.
class FakeUrlOpener : public UrlOpener {
public:
    bool open(const QUrl& url) override {
        opened.push_back(url);
        return opens;
    }
    bool hasHandler(const QString& scheme) const override {
        return handledSchemes.contains(scheme);
    }

    std::vector<QUrl> opened;
    QSet<QString> handledSchemes{QStringLiteral("https")};
    bool opens = true;
};
