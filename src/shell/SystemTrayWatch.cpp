#include "shell/SystemTrayWatch.h"

#include <QSystemTrayIcon>

SystemTrayWatch::SystemTrayWatch(Probe probe, std::chrono::milliseconds interval, QObject* parent)
    : QObject(parent)
    , probe_(probe ? std::move(probe) : Probe(&QSystemTrayIcon::isSystemTrayAvailable))
    , available_(probe_()) {
    connect(&timer_, &QTimer::timeout, this, &SystemTrayWatch::check);
    timer_.start(interval);
}

void SystemTrayWatch::check() {
    const bool available = probe_();
    if (available == available_)
        return;
    available_ = available;
    Q_EMIT availabilityChanged(available);
}
