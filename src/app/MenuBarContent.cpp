#include "app/MenuBarContent.h"

#include "KeyBindings/MenuItemShortcut.h"
#include "app/AppCoordinator.h"
#include "app/HotkeyService.h"
#include "platform/desktop/TrayIcon.h"

#include <QMenu>
#include <QSystemTrayIcon>
#include <QTimer>

MenuBarContent::MenuBarContent(AppCoordinator& coordinator, KeyBindings& keyBindings,
                               Actions actions, QObject* parent)
    : QObject(parent)
    , menu_(new QMenu)
    , tray_(new QSystemTrayIcon(this)) {
    menu_->setObjectName(QStringLiteral("InkharborMenu"));
    menu_->setTitle(QStringLiteral("Inkharbor"));
    QPointer<AppCoordinator> weak(&coordinator);
    // The capture runs as a task of its own, not inside the menu's handler.
    auto startCapture = [weak](CaptureMode mode) {
        QTimer::singleShot(0, weak, [weak, mode] {
            if (weak)
                weak->capture(mode);
        });
    };

    QAction* text =
        menu_->addAction(tr("Capture Text"), this, [=] { startCapture(CaptureMode::text); });
    new MenuItemShortcut(keyBindings, text, HotkeyService::captureText());
    QAction* barcode = menu_->addAction(tr("Read QR / Barcode"), this,
                                        [=] { startCapture(CaptureMode::barcode); });
    new MenuItemShortcut(keyBindings, barcode, HotkeyService::captureBarcode());
    menu_->addSeparator();
    menu_->addAction(tr("Show History\u2026"), this, actions.openHistory);
    // No Ctrl+, or Ctrl+Q here: a tray menu is drawn by the panel on most
    // desktops and never sees them, and Ctrl+Q quitting the whole tray program
    // from one of its windows would throw away an edited result. The
    // recorder then reserves neither.
    menu_->addAction(tr("Settings\u2026"), this, actions.openSettings);
    menu_->addAction(tr("Help / Onboarding"), this, actions.openOnboarding);
    menu_->addSeparator();
    menu_->addAction(tr("Quit Inkharbor"), this, actions.quit);
    for (QAction* a : menu_->actions())
        a->setShortcutVisibleInContextMenu(true);

    tray_->setIcon(TrayIcon::icon());
    tray_->setToolTip(QStringLiteral("Inkharbor"));
    tray_->setContextMenu(menu_);
    // A click opens the menu as well, as a left click on most tray items does.
    connect(tray_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason r) {
        if (r == QSystemTrayIcon::Trigger)
            menu_->popup(QCursor::pos());
    });
    tray_->show();
}

MenuBarContent::~MenuBarContent() {
    delete menu_;
}
