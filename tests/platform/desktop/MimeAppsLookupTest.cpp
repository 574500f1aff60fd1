#include "platform/desktop/MimeAppsLookup.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class MimeAppsLookupTest : public ::testing::Test {
protected:
    void write(const QString& relative, const QByteArray& text) {
        const QString path = root.path() + u'/' + relative;
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    MimeAppsLookup lookup() const {
        return MimeAppsLookup(
            {{root.path() + u"/config", root.path() + u"/etc"},
             {root.path() + u"/home/applications", root.path() + u"/usr/applications"}});
    }
    static inline const QString dict = QStringLiteral("x-scheme-handler/dict");
    QTemporaryDir root;
};

TEST_F(MimeAppsLookupTest, AnEntrysOwnTypesAndAnInstalledDefaultCount) {
    write(QStringLiteral("usr/applications/browser.desktop"),
          "[Desktop Entry]\nMimeType=x-scheme-handler/https;\n");
    EXPECT_TRUE(lookup().hasHandler(QStringLiteral("x-scheme-handler/https")));
    write(QStringLiteral("config/mimeapps.list"),
          "[Default Applications]\nx-scheme-handler/dict=gone.desktop;\n");
    EXPECT_FALSE(lookup().hasHandler(dict));
    write(QStringLiteral("usr/applications/vendor/dictionary.desktop"), "[Desktop Entry]\n");
    write(QStringLiteral("config/mimeapps.list"),
          "# comment\n[Added Associations]\nx-scheme-handler/dict = vendor-dictionary.desktop\n");
    EXPECT_TRUE(lookup().hasHandler(dict));
}

TEST_F(MimeAppsLookupTest, CacheAndRemovedAssociations) {
    write(QStringLiteral("usr/applications/dictionary.desktop"), "[Desktop Entry]\n");
    write(QStringLiteral("usr/applications/mimeinfo.cache"),
          "[MIME Cache]\nx-scheme-handler/https=a.desktop\n[Other]\nk=v\n"
          "[MIME Cache]\nx-scheme-handler/dict = ;;dictionary.desktop; \n");
    EXPECT_TRUE(lookup().hasHandler(dict));
    write(QStringLiteral("config/mimeapps.list"),
          "[Removed Associations]\nx-scheme-handler/dict=dictionary.desktop;\n");
    EXPECT_FALSE(lookup().hasHandler(dict));
}

} // namespace
