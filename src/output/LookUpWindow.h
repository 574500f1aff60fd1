#pragma once

#include <QObject>
#include <QPointer>

#include <optional>

class Dictionary;
class DockIconService;
class LookUpView;
class QWidget;

// Shows a term's definitions from the local dictionary, for desktops with no
// application for "dict:" addresses. One window at a time: a new look-up
// replaces the open one.
class LookUpWindow : public QObject {
    Q_OBJECT
public:
    LookUpWindow(Dictionary& dictionary, DockIconService& dockIcon, QObject* parent = nullptr);
    ~LookUpWindow() override;

    // Shows the window; the dictionary's failure, when it could not be read,
    // is shown in it and returned.
    std::optional<QString> show(const QString& term);
    // The open window, for tests and screenshots; null when none is open.
    QWidget* window() const;
    LookUpView* view() const;

private:
    Dictionary& dictionary_;
    DockIconService& dockIcon_;
    QPointer<QWidget> window_;
    QPointer<LookUpView> view_;
};
