#include "settings/MissingLanguagesSection.h"

#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
constexpr int listHeight = 150;
} // namespace

MissingLanguagesSection::MissingLanguagesSection(QList<MissingLanguage> languages, QWidget* parent)
    : SettingsSection(tr("Not installed"), parent)
    , languages_(std::move(languages))
    , list_(new QTreeWidget)
    , command_(new QLabel) {
    list_->setColumnCount(2);
    list_->setHeaderHidden(true);
    list_->setRootIsDecorated(false);
    list_->setFrameShape(QFrame::NoFrame);
    list_->setFixedHeight(listHeight);
    list_->setAccessibleName(tr("Languages that are not installed"));
    // The box behind shows through, as it does behind the other rows.
    list_->viewport()->setAutoFillBackground(false);
    list_->setAutoFillBackground(false);
    for (const MissingLanguage& missing : languages_) {
        auto* item =
            new QTreeWidgetItem(list_, {missing.language.name, missing.packages.join(u' ')});
        item->setToolTip(0, missing.language.nativeName);
        item->setForeground(1, palette().brush(QPalette::PlaceholderText));
    }
    list_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    list_->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    list_->header()->setStretchLastSection(false);

    command_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    command_->setWordWrap(true);

    auto* row = new QWidget;
    auto* layout = new QVBoxLayout(row);
    layout->setContentsMargins(6, 6, 6, 8);
    layout->setSpacing(6);
    layout->addWidget(list_);
    layout->addWidget(command_);
    addRow(row);
    setFooter(tr("These languages are read once their package is installed. Open the settings "
                 "again afterwards to choose them."));

    connect(list_, &QTreeWidget::currentItemChanged, this, &MissingLanguagesSection::showCommand);
    showCommand();
    setVisible(!languages_.isEmpty());
}

void MissingLanguagesSection::showCommand() {
    const int index = list_->currentItem() ? list_->indexOfTopLevelItem(list_->currentItem()) : -1;
    command_->setForegroundRole(index < 0 ? QPalette::PlaceholderText : QPalette::WindowText);
    if (index < 0) {
        command_->setText(tr("Pick a language to see the command that installs it."));
        return;
    }
    const MissingLanguage& missing = languages_[index];
    command_->setText(
        tr("To read %1: %2")
            .arg(missing.language.name, u"sudo apt install " + missing.packages.join(u' ')));
}
