#include "output/ToastWindow.h"

#include "output/ToastView.h"
#include "platform/Screens.h"

#include <QAccessible>
#include <QVBoxLayout>

ToastWindow::ToastWindow(Screens& screens, QObject* parent)
    : QObject(parent)
    , screens_(screens) {
    hideTimer_.setSingleShot(true);
    connect(&hideTimer_, &QTimer::timeout, this, &ToastWindow::hide);
}

ToastWindow::~ToastWindow() {
    delete panel_.data();
}

QWidget* ToastWindow::panel() const {
    return panel_.data();
}

ToastView* ToastWindow::view() const {
    return panel_ ? panel_->findChild<ToastView*>() : nullptr;
}

void ToastWindow::show(const QString& message, const std::optional<QString>& detail,
                       const QList<Action>& actions) {
    present(message, detail, actions, false);
}

void ToastWindow::showBusy(const QString& message, const std::optional<QString>& detail,
                           const QList<Action>& actions) {
    present(message, detail, actions, true);
}

void ToastWindow::present(const QString& message, const std::optional<QString>& detail,
                          const QList<Action>& actions, bool busy) {
    hide();
    Q_EMIT showing();

    QList<ToastView::Button> buttons;
    QPointer<ToastWindow> self(this);
    for (const Action& action : actions) {
        buttons.append({action.title, [self, handler = action.handler] {
                            // The toast goes first, whatever the action then does.
                            if (self)
                                self->hide();
                            if (handler)
                                handler();
                        }});
    }

    auto* panel =
        new QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                                 Qt::WindowDoesNotAcceptFocus | Qt::BypassWindowManagerHint);
    panel->setAttribute(Qt::WA_ShowWithoutActivating);
    panel->setAttribute(Qt::WA_TranslucentBackground);
    panel->setObjectName(QStringLiteral("toast"));
    panel->setAccessibleName(message);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* view = new ToastView(message, detail, buttons,
                               busy ? ToastView::Symbol::busy : ToastView::Symbol::capture);
    layout->addWidget(view);
    panel->adjustSize();
    if (const std::optional<DisplayInfo> display = targetDisplay())
        screens_.show(*panel, *display, Screens::Placement::bottomCentre);
    else
        panel->show();
    panel_ = panel;

    QAccessibleEvent alert(panel, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);

    busy_ = busy;
    if (!busy)
        hideTimer_.start(displayMilliseconds(!actions.isEmpty()));
}

void ToastWindow::hide() {
    hideTimer_.stop();
    if (panel_) {
        panel_->hide();
        panel_->deleteLater(); // an action button may be mid-click
        panel_.clear();
    }
}

std::optional<DisplayInfo> ToastWindow::targetDisplay() const {
    const QList<DisplayInfo> displays = screens_.displays();
    if (displays.isEmpty())
        return std::nullopt;
    const QPoint pointer = screens_.pointerPosition();
    for (const DisplayInfo& d : displays)
        if (d.geometry.contains(pointer))
            return d;
    return displays.front();
}
