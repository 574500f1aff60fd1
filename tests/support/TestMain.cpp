#include "app/Translations.h"

#include <QApplication>

#include <gtest/gtest.h>

// Every test program runs with a QApplication (the offscreen platform unless
// the environment picks another), so widget tests and coroutine tests can
// share one main.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The texts the tests read are English, whatever the desktop's language.
    Translations::install(QLocale(QLocale::English));
    return RUN_ALL_TESTS();
}
