#include "settings/GeneralSettingsPane.h"

#include "output/SearchEngine.h"
#include "platform/base/UserDefaults.h"
#include "settings/AppSettings.h"
#include "settings/SettingsBindings.h"
#include "settings/SettingsRow.h"
#include "settings/SettingsSection.h"
#include "settings/SwitchButton.h"
#include "settings/ToggleRow.h"
#include "shell/LaunchAtLoginService.h"

#include <QComboBox>
#include <QSignalBlocker>

namespace {
// Marks the extra entry that shows a hand-edited limit none of the choices has.
constexpr int storedOnlyRole = Qt::UserRole + 1;
} // namespace

GeneralSettingsPane::GeneralSettingsPane(UserDefaults& defaults, QWidget* parent)
    : SettingsForm(parent)
    , defaults_(defaults)
    , launchAtLogin_(new ToggleRow(tr("Launch at login")))
    , playSound_(new ToggleRow(tr("Play a sound after copying")))
    , alwaysShowResultWindow_(new ToggleRow(tr("Always show the result window before copying")))
    , historyLimit_(new QComboBox)
    , searchEngine_(new QComboBox) {
    // The autostart entry is the only truth; it is read once, and a change
    // that fails leaves the switch as the user set it.
    launchAtLogin_->button()->setChecked(LaunchAtLoginService::isEnabled());
    connect(launchAtLogin_->button(), &QAbstractButton::toggled, this,
            [](bool on) { LaunchAtLoginService::setEnabled(on); });

    SettingsBindings::bindBoolean(playSound_->button(), defaults_, SettingsKey::playSound);
    SettingsBindings::bindBoolean(alwaysShowResultWindow_->button(), defaults_,
                                  SettingsKey::alwaysShowResultWindow);

    for (qint64 limit : historyLimits())
        historyLimit_->addItem(historyLimitTitle(limit), QVariant::fromValue(limit));
    showHistoryLimit();
    // Only the user's own choice is written (activated, not index changes),
    // so a limit shown but not offered stays stored until something is picked.
    connect(historyLimit_, &QComboBox::activated, this, [this](int index) {
        defaults_.setValue(SettingsKey::historyLimit, historyLimit_->itemData(index).toLongLong());
    });

    for (SearchEngine engine : SearchEngines::allCases)
        searchEngine_->addItem(SearchEngines::displayName(engine), SearchEngines::rawValue(engine));
    showSearchEngine();
    connect(searchEngine_, &QComboBox::activated, this, [this](int index) {
        defaults_.setValue(SettingsKey::searchEngine, searchEngine_->itemData(index).toString());
    });

    // The two pickers line up as one column.
    const int pickerWidth =
        std::max(historyLimit_->sizeHint().width(), searchEngine_->sizeHint().width());
    historyLimit_->setMinimumWidth(pickerWidth);
    searchEngine_->setMinimumWidth(pickerWidth);

    connect(&defaults_, &UserDefaults::changed, this, [this](const QString& key) {
        if (key == SettingsKey::historyLimit)
            showHistoryLimit();
        else if (key == SettingsKey::searchEngine)
            showSearchEngine();
    });

    auto* section = new SettingsSection;
    section->addRow(launchAtLogin_);
    section->addRow(playSound_);
    section->addRow(alwaysShowResultWindow_);
    section->addRow(new SettingsRow(tr("Keep history"), historyLimit_));
    section->addRow(new SettingsRow(tr("Search engine"), searchEngine_));
    addSection(section);
}

const QList<qint64>& GeneralSettingsPane::historyLimits() {
    static const QList<qint64> limits{0, 10, 50, 100, 250, 500};
    return limits;
}

QString GeneralSettingsPane::historyLimitTitle(qint64 limit) {
    if (limit <= 0)
        return tr("Off");
    return tr("Last %1 captures").arg(limit);
}

void GeneralSettingsPane::showHistoryLimit() {
    const QSignalBlocker blocker(historyLimit_);
    for (int i = historyLimit_->count() - 1; i >= 0; --i)
        if (historyLimit_->itemData(i, storedOnlyRole).toBool())
            historyLimit_->removeItem(i);

    // Below 1 the history is off whatever the number; a positive limit that is
    // not offered gets an entry of its own, in order among the others.
    const qint64 stored = std::max<qint64>(defaults_.integer(SettingsKey::historyLimit), 0);
    int insertAt = historyLimit_->count();
    for (int i = 0; i < historyLimit_->count(); ++i) {
        const qint64 offered = historyLimit_->itemData(i).toLongLong();
        if (offered == stored) {
            historyLimit_->setCurrentIndex(i);
            return;
        }
        if (offered > stored && insertAt == historyLimit_->count())
            insertAt = i;
    }
    historyLimit_->insertItem(insertAt, historyLimitTitle(stored), QVariant::fromValue(stored));
    historyLimit_->setItemData(insertAt, true, storedOnlyRole);
    historyLimit_->setCurrentIndex(insertAt);
}

void GeneralSettingsPane::showSearchEngine() {
    const QSignalBlocker blocker(searchEngine_);
    const SearchEngine engine =
        SearchEngines::fromStoredValue(defaults_.string(SettingsKey::searchEngine));
    searchEngine_->setCurrentIndex(searchEngine_->findData(SearchEngines::rawValue(engine)));
}
