#include "output/LookUpWindow.h"

#include "output/LookUpView.h"
#include "platform/Dictionary.h"
#include "platform/Error.h"
#include "recognition/UnicodeText.h"
#include "shell/DockIconService.h"

#include <QGuiApplication>
#include <QScreen>
#include <QVBoxLayout>
#include <QWidget>

namespace {

struct LookUpResult {
    std::vector<DictionaryEntry> entries;
    QString note;
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

void LookUpWindow::show(const QString& term) {
    if (window_)
        window_->close();

    auto* window = new QWidget(nullptr, Qt::Window);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle(tr("Look Up"));
    auto* view = new LookUpView(window);
    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view);

    const LookUpResult result = lookUpTerm(dictionary_, term);
    view->setContent(term, result.entries, result.note);

    window->resize(460, 420);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = window->frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        window->move(frame.topLeft());
    }
    window_ = window;
    view_ = view;
    dockIcon_.bringToFront(window);
}

QWidget* LookUpWindow::window() const {
    return window_.data();
}

LookUpView* LookUpWindow::view() const {
    return view_.data();
}
