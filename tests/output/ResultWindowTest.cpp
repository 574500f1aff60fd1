#include "output/ResultWindow.h"
#include "output/ActionButton.h"
#include "output/ResultEditor.h"
#include "output/ResultView.h"
#include "output/TranslationPopover.h"
#include "output/TranslationService.h"
#include "support/Async.h"
#include "support/FakeWindowServices.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

class ResultWindowTest : public ::testing::Test, public FakeWindowServices {
protected:
    ResultView* view() const { return window.view(); }
    ActionButton* button(const char* name) const {
        return view()->findChild<ActionButton*>(QString::fromLatin1(name));
    }
    bool shows(const char* name) const { return !button(name)->isHidden(); }
    void type(const QString& keys) {
        view()->editor()->moveCursor(QTextCursor::End);
        QTest::keyClicks(view()->editor(), keys);
    }
    void waitForTranslationCheck() {
        ASSERT_TRUE(TestAsync::waitUntil([&] {
            return !view()->translationCheckTimer()->isActive() &&
                   detected.size() == checksExpected;
        }));
    }

    QStringList detected; // every text whose language was asked for the translation check
    qsizetype checksExpected = 1;
    TranslationService translation{translator,
                                   [this](const QString& text) {
                                       detected.append(text);
                                       return text.contains(u"casa")
                                                  ? QStringList{QStringLiteral("es")}
                                                  : QStringList{QStringLiteral("en")};
                                   },
                                   QStringLiteral("en")};
    ResultWindow window{speaker, search, translation, dockIcon};
    QStringList copied;
    std::function<void(const QString&)> onCopy = [this](const QString& text) {
        copied.append(text);
    };
};

TEST_F(ResultWindowTest, ASecondShowReplacesTheFirstWindow) {
    window.show(QStringLiteral("first"), onCopy);
    QPointer<QWidget> first = window.window();
    window.show(QStringLiteral("second"), onCopy);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull());
    EXPECT_EQ(view()->text(), QStringLiteral("second"));
    EXPECT_TRUE(window.window()->windowFlags() & Qt::WindowStaysOnTopHint);
}

TEST_F(ResultWindowTest, ReturnCopiesTheEditedTextAndCloses) {
    window.show(QStringLiteral("Helo"), onCopy);
    type(QStringLiteral(" world"));
    QTest::keyClick(view()->editor(), Qt::Key_Return, Qt::ShiftModifier);
    type(QStringLiteral("again"));
    QTest::keyClick(view()->editor(), Qt::Key_Return);
    EXPECT_EQ(copied, QStringList{QStringLiteral("Helo world\nagain")});
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(window.window(), nullptr);

    // Return with the focus on another button still copies.
    window.show(QStringLiteral("text"), onCopy);
    QTest::keyClick(button("speak"), Qt::Key_Return);
    EXPECT_EQ(copied.last(), QStringLiteral("text"));
}

TEST_F(ResultWindowTest, EscapeKeepsTheEditsAndClosingCopiesNothingAndStopsSpeech) {
    window.show(QStringLiteral("edit"), onCopy);
    type(QStringLiteral("ed"));
    QTest::keyClick(view()->editor(), Qt::Key_Escape);
    QTest::keyClick(button("speak"), Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_NE(window.window(), nullptr);
    EXPECT_TRUE(window.window()->isVisible());
    EXPECT_EQ(view()->text(), QStringLiteral("edited"));

    button("speak")->click();
    EXPECT_EQ(speech.requests.back().text, QStringLiteral("edited"));
    window.window()->close();
    EXPECT_FALSE(speech.isSpeaking());
    EXPECT_TRUE(copied.isEmpty());
}

TEST_F(ResultWindowTest, LookUpAndSearchFollowTheCurrentText) {
    window.show(QStringLiteral("one two three"), onCopy);
    EXPECT_TRUE(shows("lookUp"));
    type(QStringLiteral(" four"));
    EXPECT_FALSE(shows("lookUp"));
    button("search")->click();
    ASSERT_EQ(urls.opened.size(), 1u);
    EXPECT_EQ(urls.opened[0].toEncoded(),
              "https://www.google.com/search?q=one%20two%20three%20four");

    view()->editor()->setPlainText(QStringLiteral(" \n "));
    EXPECT_FALSE(button("search")->isEnabled());
}

TEST_F(ResultWindowTest, TranslateAppearsOnlyOnceTheTextHasRested) {
    // Text in the user's language is not offered.
    window.show(QStringLiteral("The house"), onCopy);
    waitForTranslationCheck();
    EXPECT_FALSE(shows("translate"));

    window.show(QStringLiteral("La casa"), onCopy);
    checksExpected = 2;
    EXPECT_FALSE(shows("translate"));
    waitForTranslationCheck();
    EXPECT_TRUE(shows("translate"));

    // Typing without pauses asks once, about the final text.
    type(QStringLiteral(" es roja"));
    checksExpected = 3;
    waitForTranslationCheck();
    EXPECT_EQ(detected.last(), QStringLiteral("La casa es roja"));

    // Clearing hides Translate only after the check, not at once.
    view()->editor()->clear();
    EXPECT_TRUE(shows("translate"));
    waitForTranslationCheck(); // blank text: no detection, no new entry
    EXPECT_FALSE(shows("translate"));
}

TEST_F(ResultWindowTest, ReplaceTakesTheTranslationIntoTheEditorAsOneEdit) {
    window.show(QStringLiteral("La casa es roja"), onCopy);
    waitForTranslationCheck();
    button("translate")->click();
    auto* replace = view()->translationPopover()->findChild<QPushButton*>();
    ASSERT_TRUE(TestAsync::waitUntil([&] { return replace->isEnabled(); }));
    replace->click();
    EXPECT_EQ(view()->text(), QStringLiteral("en: LA CASA ES ROJA"));
    EXPECT_FALSE(view()->isShowingTranslation());
    view()->editor()->undo();
    EXPECT_EQ(view()->text(), QStringLiteral("La casa es roja"));
}

TEST_F(ResultWindowTest, NarrowWindowsShowIconsOnlyAndKeepTooltips) {
    window.show(QStringLiteral("La casa"), onCopy); // all four actions
    waitForTranslationCheck();
    window.window()->resize(1000, 300);
    QCoreApplication::processEvents();
    EXPECT_FALSE(button("speak")->text().isEmpty());
    window.window()->resize(440, 300);
    QCoreApplication::processEvents();
    EXPECT_TRUE(button("speak")->text().isEmpty());
    EXPECT_FALSE(button("speak")->toolTip().isEmpty());
}

} // namespace
