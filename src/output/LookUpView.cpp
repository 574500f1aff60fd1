#include "output/LookUpView.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPalette>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

QString escaped(const QString& text) {
    return text.toHtmlEscaped();
}

// Halfway between text and background: readable, clearly secondary, on any
// palette (the placeholder colour carries its softness in alpha, which HTML
// colours here would drop).
QString secondaryColor(const QPalette& palette) {
    const QColor text = palette.color(QPalette::Text);
    const QColor base = palette.color(QPalette::Base);
    return QColor((text.red() * 55 + base.red() * 45) / 100,
                  (text.green() * 55 + base.green() * 45) / 100,
                  (text.blue() * 55 + base.blue() * 45) / 100)
        .name();
}

// The dictionary names the parts of speech in English; the reader gets them
// in the program's language.
constexpr const char* partsOfSpeech[] = {
    QT_TRANSLATE_NOOP("LookUpView", "noun"), QT_TRANSLATE_NOOP("LookUpView", "verb"),
    QT_TRANSLATE_NOOP("LookUpView", "adjective"), QT_TRANSLATE_NOOP("LookUpView", "adverb")};

QString partOfSpeechText(const QString& name) {
    for (const char* known : partsOfSpeech)
        if (name == QLatin1StringView(known))
            return QCoreApplication::translate("LookUpView", known);
    return name;
}

} // namespace

LookUpView::LookUpView(QWidget* parent)
    : QWidget(parent)
    , browser_(new QTextBrowser(this)) {
    browser_->setAccessibleName(tr("Definitions"));
    browser_->setOpenLinks(false);
    browser_->setFrameShape(QFrame::NoFrame);
    browser_->document()->setDocumentMargin(16);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
}

void LookUpView::setContent(const QString& term, const std::vector<DictionaryEntry>& entries,
                            const QString& note) {
    const QString secondary = secondaryColor(browser_->palette());
    QString html = u"<h2 style='margin-bottom:4px'>" + escaped(term) + u"</h2>";
    if (!note.isEmpty())
        html += u"<p style='color:" + secondary + u"'>" + escaped(note) + u"</p>";
    for (const DictionaryEntry& entry : entries) {
        html += u"<p style='margin-top:14px; margin-bottom:2px'><b>" + escaped(entry.headword) +
                u"</b> &nbsp;<i style='color:" + secondary + u"'>" +
                escaped(partOfSpeechText(entry.partOfSpeech)) +
                u"</i></p><ol style='margin-top:0px'>";
        for (const DictionarySense& sense : entry.senses) {
            html += u"<li style='margin-bottom:4px'>" + escaped(sense.definition);
            for (const QString& example : sense.examples)
                html += u"<br><i style='color:" + secondary + u"'>“" + escaped(example) + u"”</i>";
            if (!sense.synonyms.isEmpty())
                html += u"<br><span style='color:" + secondary + u"'>" + tr("Also: ") +
                        escaped(sense.synonyms.join(QStringLiteral(", "))) + u"</span>";
            html += u"</li>";
        }
        html += u"</ol>";
    }
    browser_->setHtml(html);
}

void LookUpView::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        window()->close();
        return;
    }
    QWidget::keyPressEvent(event);
}

QString LookUpView::plainText() const {
    return browser_->toPlainText();
}
