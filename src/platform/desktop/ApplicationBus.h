#pragma once

#include <QObject>
#include <QString>

// The program on the session bus: it owns the application id and answers
// org.freedesktop.Application, so a second launch can hand over to the
// running one and a desktop without global key grabs can bind shortcuts to
// its actions.
class ApplicationBus : public QObject {
    Q_OBJECT
public:
    enum class Claim { owned, anotherInstanceRuns, noBus };

    explicit ApplicationBus(QObject* parent = nullptr);

    // Takes the application id and exports the interface.
    Claim claim();
    // Asks the instance that owns the id to re-open, or to do one of its
    // actions ("capture-text", "quit", ...); false when it does not answer.
    bool activateRunningInstance(const QString& action = {});

    static QString serviceName();
    static QString objectPath();

    // What the bus delivers, passed on as the signals below.
    void receiveActivate();
    void receiveAction(const QString& name);
    void receiveOpen(const QStringList& uris);

Q_SIGNALS:
    // Started again while running (but not the Activate that follows a start
    // by the bus, which belongs to this launch).
    void activateRequested();
    void actionRequested(const QString& name);
    void openRequested(const QStringList& uris);

private:
    bool startedForActivation_ = false;
};
