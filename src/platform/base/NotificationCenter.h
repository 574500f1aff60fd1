#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QVariant>
#include <QVariantMap>

#include <functional>
#include <vector>

struct Notification {
    QString name;
    QVariant object;
    QVariantMap userInfo;
};

// In-process notifications, delivered synchronously on the posting (main)
// thread in the order the observers were added. An observer is tied to a
// context object and goes away with it.
class NotificationCenter {
public:
    using Handler = std::function<void(const Notification&)>;
    using Token = quint64;

    Token addObserver(const QString& name, QObject* context, Handler handler);
    void removeObserver(Token token);
    void post(const QString& name, const QVariant& object = {}, const QVariantMap& userInfo = {});

private:
    struct Observer {
        Token token;
        QString name;
        QPointer<QObject> context;
        Handler handler;
    };
    std::vector<Observer> observers_;
    Token lastToken_ = 0;
};
