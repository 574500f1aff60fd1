#include "settings/AboutSettingsPane.h"

#include "BuildInfo.h"
#include "platform/UrlOpener.h"
#include "settings/LinkButton.h"
#include "settings/SettingsRow.h"
#include "settings/SettingsSection.h"

#include <QLabel>
#include <QUrl>
#include <QVBoxLayout>

namespace {

QWidget* paragraphs(const QStringList& texts) {
    auto* row = new QWidget;
    auto* layout = new QVBoxLayout(row);
    layout->setContentsMargins(12, 10, 12, 10);
    layout->setSpacing(8);
    for (const QString& text : texts) {
        auto* label = new QLabel(text);
        label->setWordWrap(true);
        layout->addWidget(label);
    }
    return row;
}

} // namespace

AboutSettingsPane::AboutSettingsPane(UrlOpener& urlOpener, QWidget* parent)
    : SettingsForm(parent)
    , version_(new QLabel(versionText(BuildInfo::version, BuildInfo::buildNumber)))
    , support_(new LinkButton(supportAddress())) {
    version_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    version_->setForegroundRole(QPalette::PlaceholderText);
    auto* versionSection = new SettingsSection;
    versionSection->addRow(new SettingsRow(tr("Version"), version_));
    addSection(versionSection);

    auto* privacy = new SettingsSection(tr("Privacy"));
    privacy->addRow(paragraphs(
        {tr("Inkharbor works entirely on your computer. It has no account, makes no network "
            "connections and collects no data. Screenshots are processed in memory and never "
            "saved."),
         tr("Your text leaves your computer only when you click Search the web: it then opens in "
            "your browser with the search engine you chose.")}));
    addSection(privacy);

    support_->setAccessibleDescription(tr("Writes an e-mail to Inkharbor's support"));
    connect(support_, &LinkButton::clicked, this,
            [&urlOpener] { urlOpener.open(QUrl(QStringLiteral("mailto:") + supportAddress())); });
    auto* linkRow = new QWidget;
    auto* linkLayout = new QVBoxLayout(linkRow);
    linkLayout->setContentsMargins(10, 8, 12, 8);
    linkLayout->addWidget(support_, 0, Qt::AlignLeft);
    auto* support = new SettingsSection(tr("Support"));
    support->addRow(linkRow);
    addSection(support);
}

QString AboutSettingsPane::supportAddress() {
    return QStringLiteral("support@inkharbor.app");
}

QString AboutSettingsPane::versionText(const char* version, const char* buildNumber) {
    const auto part = [](const char* text) -> QString {
        const QString value = text ? QString::fromUtf8(text) : QString();
        return value.isEmpty() ? QStringLiteral("?") : value;
    };
    return part(version) + QStringLiteral(" (") + part(buildNumber) + u')';
}
