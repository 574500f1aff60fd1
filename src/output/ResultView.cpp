#include "output/ResultView.h"

#include "output/ActionButton.h"
#include "output/ResultEditor.h"
#include "output/SearchService.h"
#include "output/SpeechService.h"
#include "output/TranslationPopover.h"
#include "output/TranslationService.h"
#include "output/WebSearch.h"
#include "platform/desktop/SymbolIcons.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QTextCursor>
#include <QTimer>
#include <QVBoxLayout>

namespace {
constexpr int padding = 16;
constexpr int spacing = 12;
constexpr int rowSpacing = 8;
} // namespace

ResultView::ResultView(const QString& text, SpeechService& speech, SearchService& search,
                       TranslationService& translation, std::function<void(const QString&)> onCopy,
                       QWidget* parent)
    : QWidget(parent)
    , speech_(speech)
    , search_(search)
    , translation_(translation)
    , onCopy_(std::move(onCopy))
    , editor_(new ResultEditor(this))
    , speakButton_(
          new ActionButton(tr("Speak"), SymbolIcons::icon(QStringLiteral("speaker.wave.2")), this))
    , translateButton_(
          new ActionButton(tr("Translate"), SymbolIcons::icon(QStringLiteral("translate")), this))
    , lookUpButton_(new ActionButton(
          tr("Look Up"), SymbolIcons::icon(QStringLiteral("character.book.closed")), this))
    , searchButton_(new ActionButton(tr("Search the web"),
                                     SymbolIcons::icon(QStringLiteral("magnifyingglass")), this))
    , copyButton_(new QPushButton(tr("Copy"), this))
    , translationTimer_(new QTimer(this)) {
    setMinimumSize(440, 200);
    editor_->setPlainText(text);
    editor_->setAccessibleName(tr("Recognized text"));
    speakButton_->setObjectName(QStringLiteral("speak"));
    translateButton_->setObjectName(QStringLiteral("translate"));
    lookUpButton_->setObjectName(QStringLiteral("lookUp"));
    searchButton_->setObjectName(QStringLiteral("search"));
    copyButton_->setObjectName(QStringLiteral("copy"));
    copyButton_->setDefault(true);

    auto* row = new QHBoxLayout;
    row->setSpacing(rowSpacing);
    for (ActionButton* button : {speakButton_, translateButton_, lookUpButton_, searchButton_})
        row->addWidget(button);
    row->addStretch(1);
    row->addWidget(copyButton_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(padding, padding, padding, padding);
    layout->setSpacing(spacing);
    layout->addWidget(editor_, 1);
    layout->addLayout(row);

    connect(speakButton_, &QPushButton::clicked, this,
            [this] { speech_.toggleSpeaking(this->text()); });
    connect(translateButton_, &QPushButton::clicked, this, &ResultView::showTranslation);
    connect(lookUpButton_, &QPushButton::clicked, this, [this] { search_.lookUp(this->text()); });
    connect(searchButton_, &QPushButton::clicked, this,
            [this] { search_.searchWeb(this->text()); });
    connect(copyButton_, &QPushButton::clicked, this, &ResultView::copy);
    connect(editor_, &ResultEditor::returnPressed, this, &ResultView::copy);
    connect(editor_, &QPlainTextEdit::textChanged, this, &ResultView::textChanged);

    // Translation is checked once the text has rested for 0.3 s: fast typing
    // asks only about the text the user stopped at.
    translationTimer_->setSingleShot(true);
    translationTimer_->setInterval(300);
    connect(translationTimer_, &QTimer::timeout, this, [this] { checkTranslation(); });
    translationTimer_->start();

    updateActions();
    editor_->setFocus();
}

ResultView::~ResultView() {
    delete popover_.data();
}

TranslationPopover* ResultView::translationPopover() const {
    return popover_.data();
}

QString ResultView::text() const {
    return editor_->toPlainText();
}

void ResultView::copy() {
    if (onCopy_)
        onCopy_(text());
}

void ResultView::showTranslation() {
    if (!canTranslate_ || popover_)
        return;
    isShowingTranslation_ = true;
    popover_ = new TranslationPopover(translation_, this);
    connect(popover_, &TranslationPopover::replaceRequested, this,
            [this](const QString& translation) {
                // Through the cursor, so the replacement can be undone.
                QTextCursor cursor(editor_->document());
                cursor.select(QTextCursor::Document);
                cursor.insertText(translation);
            });
    connect(popover_, &TranslationPopover::dismissed, this,
            [this] { isShowingTranslation_ = false; });
    popover_->present(text());
}

void ResultView::textChanged() {
    ++textGeneration_; // a check still running is about an older text
    translationTimer_->start();
    updateActions();
}

QCoro::Task<void> ResultView::checkTranslation() {
    const QPointer<ResultView> self = this;
    const quint64 generation = textGeneration_;
    const std::optional<TranslationPair> pair = co_await translation_.availablePair(text());
    if (!self || generation != textGeneration_)
        co_return;
    canTranslate_ = pair.has_value();
    updateActions();
}

void ResultView::updateActions() {
    const QString current = text();
    translateButton_->setVisible(canTranslate_);
    lookUpButton_->setVisible(WebSearch::lookUpTerm(current).has_value());
    searchButton_->setEnabled(WebSearch::searchQuery(current).has_value());
    updateCompactness();
}

void ResultView::updateCompactness() {
    int needed = padding * 2 + copyButton_->sizeHint().width() + rowSpacing * 2;
    for (const ActionButton* button :
         {speakButton_, translateButton_, lookUpButton_, searchButton_}) {
        if (!button->isHidden())
            needed += button->sizeHintWithTitle().width() + rowSpacing;
    }
    const bool compact = needed > width();
    for (ActionButton* button : {speakButton_, translateButton_, lookUpButton_, searchButton_})
        button->setCompact(compact);
}

void ResultView::keyPressEvent(QKeyEvent* event) {
    // Return pressed on a button other than Copy still means Copy.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        copy();
        return;
    }
    // Escape does nothing here: closing throws the edits away, and a key
    // pressed by habit must not.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void ResultView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    updateCompactness();
}
