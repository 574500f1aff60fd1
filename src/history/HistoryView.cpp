#include "history/HistoryView.h"

#include "history/HistoryListModel.h"
#include "history/HistoryListView.h"
#include "history/HistoryPlaceholder.h"
#include "history/HistoryStore.h"
#include "history/HistoryText.h"
#include "output/SearchService.h"
#include "output/SpeechService.h"
#include "platform/desktop/SymbolIcons.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QSpacerItem>
#include <QVBoxLayout>

namespace {
constexpr int inset = 10;
// How much of a search text the no-results placeholder repeats.
constexpr qsizetype namedSearchCharacters = 80;

// The search field's clear button: a filled circle with a cross cut out, in
// the palette's own colours. The style's stock icon is a dark glyph that
// disappears on a dark field.
QIcon clearIcon(const QPalette& palette) {
    constexpr int size = 16;
    QPixmap pixmap(QSize(size, size) * 2);
    pixmap.setDevicePixelRatio(2);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(
        HistoryRow::secondaryColor(palette.color(QPalette::Text), palette.color(QPalette::Base)));
    painter.drawEllipse(QRectF(1.5, 1.5, size - 3, size - 3));
    painter.setPen(QPen(palette.color(QPalette::Base), 1.6, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(5.5, 5.5), QPointF(size - 5.5, size - 5.5));
    painter.drawLine(QPointF(size - 5.5, 5.5), QPointF(5.5, size - 5.5));
    return QIcon(pixmap);
}

QFrame* divider(QWidget* parent) {
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Plain);
    line->setFixedHeight(1);
    line->setForegroundRole(QPalette::Mid);
    return line;
}

} // namespace

HistoryView::HistoryView(HistoryStore& store, SpeechService& speech, SearchService& search,
                         std::function<void(const QString&)> onCopy, QWidget* parent)
    : QWidget(parent)
    , store_(store)
    , speech_(speech)
    , search_(search)
    , onCopy_(std::move(onCopy))
    , model_(new HistoryListModel(this))
    , searchField_(new QLineEdit(this))
    , clearSearch_(new QAction(tr("Clear"), this))
    , list_(new HistoryListView(this))
    , placeholder_(new HistoryPlaceholder(this))
    , countLabel_(new QLabel(this))
    , clearAllButton_(new QPushButton(tr("Clear All"), this)) {
    setMinimumSize(380, 300);

    searchField_->setPlaceholderText(tr("Search"));
    searchField_->setAccessibleName(tr("Search"));
    searchField_->addAction(clearSearch_, QLineEdit::TrailingPosition);
    clearSearch_->setVisible(false);
    searchField_->installEventFilter(this);
    list_->setModel(model_);
    countLabel_->setObjectName(QStringLiteral("count"));
    clearAllButton_->setObjectName(QStringLiteral("clearAll"));
    clearAllButton_->setAutoDefault(false);

    auto* searchRow = new QVBoxLayout;
    searchRow->setContentsMargins(inset, inset, inset, inset);
    searchRow->addWidget(searchField_);
    // The placeholder lies over the list in the same cell.
    auto* listArea = new QGridLayout;
    listArea->setContentsMargins(0, 0, 0, 0);
    listArea->addWidget(list_, 0, 0);
    listArea->addWidget(placeholder_, 0, 0);
    auto* footer = new QHBoxLayout;
    footer->setContentsMargins(inset + 2, inset - 2, inset, inset - 2);
    footer->addWidget(countLabel_, 0, Qt::AlignVCenter);
    footer->addStretch(1);
    footer->addWidget(clearAllButton_, 0, Qt::AlignVCenter);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(searchRow);
    layout->addWidget(divider(this));
    layout->addLayout(listArea, 1);
    layout->addWidget(divider(this));
    layout->addLayout(footer);

    connect(searchField_, &QLineEdit::textChanged, model_, &HistoryListModel::setSearchText);
    connect(searchField_, &QLineEdit::textChanged, clearSearch_,
            [this](const QString& text) { clearSearch_->setVisible(!text.isEmpty()); });
    connect(clearSearch_, &QAction::triggered, searchField_, &QLineEdit::clear);
    connect(model_, &HistoryListModel::contentChanged, this, &HistoryView::contentChanged);
    connect(&store_, &HistoryStore::changed, this, &HistoryView::storeChanged);
    connect(clearAllButton_, &QPushButton::clicked, this, &HistoryView::confirmClearAll);
    connect(list_, &HistoryListView::actionTriggered, this,
            [this](const QModelIndex& index, HistoryRow::Action action) {
                if (index.isValid())
                    perform(model_->capture(index.row()), action);
            });
    connect(list_, &HistoryListView::contextMenuRequested, this,
            [this](const QModelIndex& index, const QPoint& position) {
                QMenu* menu = contextMenu(index);
                menu->setAttribute(Qt::WA_DeleteOnClose);
                menu->popup(position);
            });
    connect(list_, &HistoryListView::typed, this, [this](QKeyEvent* event) {
        searchField_->setFocus(Qt::OtherFocusReason);
        QKeyEvent copy(event->type(), event->key(), event->modifiers(), event->text(),
                       event->isAutoRepeat(), ushort(event->count()));
        QCoreApplication::sendEvent(searchField_, &copy);
    });
    auto* find = new QShortcut(QKeySequence::Find, this);
    connect(find, &QShortcut::activated, this, [this] {
        searchField_->setFocus(Qt::ShortcutFocusReason);
        searchField_->selectAll();
    });

    updateColors();
    refresh();
}

HistoryView::~HistoryView() = default;

QMessageBox* HistoryView::clearAllConfirmation() const {
    return confirmation_.data();
}

QString HistoryView::searchText() const {
    return searchField_->text();
}

void HistoryView::refresh() {
    stale_ = false;
    model_->setCaptures(store_.fetchAll());
}

void HistoryView::storeChanged() {
    // A hidden window reads the store once, when it is shown again.
    if (isVisible())
        refresh();
    else
        stale_ = true;
}

void HistoryView::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (stale_)
        refresh();
}

void HistoryView::contentChanged() {
    const qsizetype total = model_->totalCount();
    const QString searchText = model_->searchText();
    const int counted = int(qMin<qsizetype>(total, INT_MAX));
    // While a search filters the list, the footer says how many it shows.
    if (searchText.isEmpty() || model_->isSearching())
        countLabel_->setText(tr("%n capture(s)", nullptr, counted));
    else
        countLabel_->setText(tr("%1 of %n capture(s)", nullptr, counted).arg(model_->rowCount()));
    clearAllButton_->setEnabled(total > 0);

    if (total == 0) {
        placeholder_->setContent(QStringLiteral("text.viewfinder"), tr("No captures yet"), {});
        placeholder_->show();
    } else if (model_->rowCount() == 0 && !searchText.isEmpty() && !model_->isSearching()) {
        placeholder_->setContent(
            QStringLiteral("magnifyingglass"),
            tr("No Results for “%1”")
                .arg(HistoryText::shortened(searchText, namedSearchCharacters)),
            tr("Check the spelling or try a new search."));
        placeholder_->show();
    } else {
        placeholder_->hide();
    }
}

void HistoryView::perform(const Capture& capture, HistoryRow::Action action) {
    switch (action) {
    case HistoryRow::Action::copy:
        if (onCopy_)
            onCopy_(capture.text);
        break;
    case HistoryRow::Action::speak:
        speech_.toggleSpeaking(capture.text);
        break;
    case HistoryRow::Action::lookUp:
        search_.lookUp(capture.text);
        break;
    case HistoryRow::Action::searchWeb:
        search_.searchWeb(capture.text);
        break;
    case HistoryRow::Action::remove: {
        // The row that moves up into the deleted one's place takes over the
        // selection, so Delete can be pressed again.
        const QModelIndex current = list_->currentIndex();
        const bool wasCurrent =
            current.isValid() && model_->capture(current.row()).id == capture.id;
        const int row = current.row();
        store_.deleteCapture(capture);
        if (wasCurrent && model_->rowCount() > 0) {
            const QModelIndex next = model_->index(qMin(row, model_->rowCount() - 1));
            list_->selectionModel()->setCurrentIndex(next, QItemSelectionModel::ClearAndSelect);
        }
        break;
    }
    }
}

QMenu* HistoryView::contextMenu(const QModelIndex& index) {
    auto* menu = new QMenu(this);
    const Capture capture = model_->capture(index.row());
    for (const HistoryRow::Action action : HistoryRow::actions(index)) {
        const QString symbol = HistoryRow::symbolName(action);
        const QIcon icon = HistoryRow::isDestructive(action)
                               ? QIcon(SymbolIcons::pixmap(
                                     symbol, HistoryRow::destructiveColor(menu->palette()), 16))
                               : SymbolIcons::icon(symbol);
        QAction* item = menu->addAction(icon, HistoryRow::title(action));
        connect(item, &QAction::triggered, this,
                [this, capture, action] { perform(capture, action); });
    }
    return menu;
}

void HistoryView::confirmClearAll() {
    if (confirmation_ || model_->totalCount() == 0)
        return;
    auto* box = new QMessageBox(this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowTitle(tr("Clear All"));
    box->setIcon(QMessageBox::Warning);
    box->setText(tr("Delete all captures?"));
    box->setInformativeText(tr("This cannot be undone."));
    QPushButton* deleteAll = box->addButton(tr("Delete All"), QMessageBox::DestructiveRole);
    deleteAll->setObjectName(QStringLiteral("deleteAll"));
    QPushButton* cancel = box->addButton(QMessageBox::Cancel);
    cancel->setIcon(QIcon()); // like "Delete All", without the style's icon
    // A destructive choice is never the one Return picks.
    box->setDefaultButton(cancel);
    box->setEscapeButton(cancel);
    // Wide enough that the message does not wrap after two words.
    if (auto* grid = qobject_cast<QGridLayout*>(box->layout()))
        grid->addItem(new QSpacerItem(320, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                      grid->rowCount(), 0, 1, grid->columnCount());
    QPalette red = deleteAll->palette();
    red.setColor(QPalette::Active, QPalette::ButtonText, HistoryRow::destructiveColor(palette()));
    red.setColor(QPalette::Inactive, QPalette::ButtonText, HistoryRow::destructiveColor(palette()));
    deleteAll->setPalette(red);
    connect(box, &QMessageBox::finished, this, [this, box, deleteAll] {
        if (box->clickedButton() == deleteAll)
            store_.deleteAll();
    });
    box->setWindowModality(Qt::WindowModal);
    confirmation_ = box;
    box->open();
}

bool HistoryView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == searchField_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Down && model_->rowCount() > 0) {
            list_->setFocus(Qt::TabFocusReason);
            return true;
        }
        if (key->key() == Qt::Key_Escape && !searchField_->text().isEmpty()) {
            searchField_->clear();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void HistoryView::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        updateColors();
}

void HistoryView::updateColors() {
    const QPalette& palette = this->palette();
    clearSearch_->setIcon(clearIcon(palette));
    QPalette secondary = countLabel_->palette();
    secondary.setColor(QPalette::WindowText,
                       HistoryRow::secondaryColor(palette.color(QPalette::WindowText),
                                                  palette.color(QPalette::Window)));
    countLabel_->setPalette(secondary);
    QPalette red = clearAllButton_->palette();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
        red.setColor(group, QPalette::ButtonText, HistoryRow::destructiveColor(palette));
    clearAllButton_->setPalette(red);
}
