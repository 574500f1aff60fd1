#include "settings/SettingsView.h"

#include "settings/AboutSettingsPane.h"
#include "settings/GeneralSettingsPane.h"
#include "settings/RecognitionSettingsPane.h"
#include "settings/SettingsTabButton.h"
#include "settings/ShortcutsSettingsPane.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QPushButton>
#include <QShortcut>
#include <QStackedWidget>
#include <QVBoxLayout>

SettingsView::SettingsView(const SettingsEnvironment& environment, QWidget* parent)
    : QWidget(parent)
    , stack_(new QStackedWidget)
    , appActions_(makeAppActionsBar(environment.app)) {
    auto* bar = new QHBoxLayout;
    bar->setContentsMargins(8, 6, 8, 5);
    bar->setSpacing(4);
    bar->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(bar);
    auto* rule = new QFrame;
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    layout->addWidget(rule);
    layout->addWidget(stack_, 1);
    layout->addWidget(appActions_);
    setTrayAvailable(!environment.app.trayAvailable || environment.app.trayAvailable());

    addTab(tr("General"), QStringLiteral("gearshape"),
           new GeneralSettingsPane(environment.defaults));
    addTab(tr("Shortcuts"), QStringLiteral("keyboard"),
           new ShortcutsSettingsPane(environment.recorder));
    addTab(tr("Recognition"), QStringLiteral("text.viewfinder"),
           new RecognitionSettingsPane(
               environment.defaults,
               environment.supportedLanguages ? environment.supportedLanguages() : QStringList(),
               environment.installableLanguages ? environment.installableLanguages()
                                                : QList<InstallableLanguage>()));
    addTab(tr("About"), QStringLiteral("info.circle"),
           new AboutSettingsPane(environment.urlOpener));
    for (SettingsTabButton* tab : tabs_)
        bar->addWidget(tab);
    bar->addStretch(1);
    setCurrentIndex(0);

    // The usual keys for moving between tabs. A recorder that is recording
    // takes every key first, so these never steal a shortcut being recorded.
    const auto bind = [this](const QKeySequence& keys, int delta) {
        auto* shortcut = new QShortcut(keys, this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, [this, delta] { step(delta); });
    };
    bind(QKeySequence(Qt::CTRL | Qt::Key_Tab), 1);
    bind(QKeySequence(Qt::CTRL | Qt::Key_PageDown), 1);
    bind(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), -1);
    bind(QKeySequence(Qt::CTRL | Qt::Key_PageUp), -1);
    for (int i = 0; i < tabs_.size(); ++i) {
        auto* shortcut = new QShortcut(QKeySequence(Qt::ALT | Qt::Key(Qt::Key_1 + i)), this);
        connect(shortcut, &QShortcut::activated, this, [this, i] { setCurrentIndex(i); });
    }
}

QWidget* SettingsView::makeAppActionsBar(const SettingsAppActions& actions) {
    auto* bar = new QWidget;
    bar->setObjectName(QStringLiteral("appActions"));
    auto* column = new QVBoxLayout(bar);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    auto* rule = new QFrame;
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    column->addWidget(rule);
    auto* row = new QHBoxLayout;
    row->setContentsMargins(12, 8, 12, 10);
    row->setSpacing(8);
    const auto add = [&](const QString& title, const std::function<void()>& action) {
        auto* button = new QPushButton(title);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [action] {
            if (action)
                action();
        });
        row->addWidget(button);
    };
    add(tr("Show History\u2026"), actions.openHistory);
    add(tr("Help / Onboarding"), actions.openOnboarding);
    row->addStretch(1);
    add(tr("Quit Inkharbor"), actions.quit);
    column->addLayout(row);
    return bar;
}

void SettingsView::setTrayAvailable(bool available) {
    appActions_->setVisible(!available);
}

QSize SettingsView::preferredSize() const {
    if (appActions_->isHidden())
        return windowSize;
    return windowSize + QSize(0, appActions_->sizeHint().height());
}

void SettingsView::addTab(const QString& title, const QString& symbolName, QWidget* pane) {
    auto* tab = new SettingsTabButton(title, symbolName, this);
    const int index = int(tabs_.size());
    connect(tab, &SettingsTabButton::toggled, this, [this, index](bool on) {
        if (on)
            stack_->setCurrentIndex(index);
    });
    tabs_.append(tab);
    stack_->addWidget(pane);
}

int SettingsView::currentIndex() const {
    return stack_->currentIndex();
}

void SettingsView::setCurrentIndex(int index) {
    if (index < 0 || index >= tabs_.size())
        return;
    tabs_[index]->setChecked(true);
    stack_->setCurrentIndex(index);
}

void SettingsView::step(int delta) {
    const int count = int(tabs_.size());
    const int next = (currentIndex() + delta + count) % count;
    setCurrentIndex(next);
    if (tabs_.contains(qobject_cast<SettingsTabButton*>(focusWidget())))
        tabs_[next]->setFocus(Qt::TabFocusReason);
}
