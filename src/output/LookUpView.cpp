#include "output/LookUpView.h"

#include <QPalette>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

QString escaped(const QString& text) {
    return text.toHtmlEscaped();
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
    const QString secondary = palette().color(QPalette::PlaceholderText).name();
    QString html = u"<h2 style='margin-bottom:4px'>" + escaped(term) + u"</h2>";
    if (!note.isEmpty())
        html += u"<p style='color:" + secondary + u"'>" + escaped(note) + u"</p>";
    for (const DictionaryEntry& entry : entries) {
        html += u"<p style='margin-top:14px; margin-bottom:2px'><b>" + escaped(entry.headword) +
                u"</b> &nbsp;<i style='color:" + secondary + u"'>" + escaped(entry.partOfSpeech) +
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

QString LookUpView::plainText() const {
    return browser_->toPlainText();
}
