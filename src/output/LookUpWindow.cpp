#include "output/LookUpWindow.h"

#include "output/LookUpView.h"
#include "platform/Dictionary.h"
#include "platform/Error.h"
#include "recognition/UnicodeText.h"
#include "shell/DockIconService.h"
#include "shell/WindowFrame.h"

#include <QGuiApplication>
#include <QScreen>
#include <QVBoxLayout>
#include <QWidget>

namespace {

struct LookUpResult {
    std::vector<DictionaryEntry> entries;
    QString note;
    std::optional<QString> failure;
};

// A phrase the dictionary does not know is looked up word by word, so
// "running shoes" still explains both words.
LookUpResult lookUpTerm(Dictionary& dictionary, const QString& term) {
    LookUpResult result;
    try {
        result.entries = dictionary.definitions(term);
        const QStringList words = UnicodeText::splitAtWhitespace(term);
        if (result.entries.empty() && words.size() > 1) {
            for (const QString& word : words) {
                std::vector<DictionaryEntry> found = dictionary.definitions(word);
                std::move(found.begin(), found.end(), std::back_inserter(result.entries));
            }
            if (!result.entries.empty())
                result.note = LookUpWindow::tr("No entry for the whole phrase; showing its words.");
        }
        if (result.entries.empty())
            result.note = LookUpWindow::tr("No definitions found for “%1”.").arg(term);
    } catch (const Error& error) {
        result.entries.clear();
        result.note = error.description();
        result.failure = error.description();
    }
    return result;
}

} // namespace

LookUpWindow::LookUpWindow(Dictionary& dictionary, DockIconService& dockIcon, QObject* parent)
    : QObject(parent)
    , dictionary_(dictionary)
    , dockIcon_(dockIcon) {}

LookUpWindow::~LookUpWindow() {
    delete window_.data();
}

std::optional<QString> LookUpWindow::show(const QString& term) {
    if (window_)
        window_->close();

    auto* view = new LookUpView;
    QWidget* window = WindowFrame::make(tr("Look Up"), view);

    const LookUpResult result = lookUpTerm(dictionary_, term);
    view->setContent(term, result.entries, result.note);

    WindowFrame::centre(window, QSize(460, 420));
    window_ = window;
    view_ = view;
    dockIcon_.bringToFront(window);
    return result.failure;
}

QWidget* LookUpWindow::window() const {
    return window_.data();
}

LookUpView* LookUpWindow::view() const {
    return view_.data();
}
