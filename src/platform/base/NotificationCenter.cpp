#include "platform/base/NotificationCenter.h"

#include <algorithm>

NotificationCenter::Token NotificationCenter::addObserver(const QString& name, QObject* context,
                                                          Handler handler) {
    const Token token = ++lastToken_;
    observers_.push_back(Observer{token, name, context, std::move(handler)});
    return token;
}

void NotificationCenter::removeObserver(Token token) {
    std::erase_if(observers_, [token](const Observer& o) { return o.token == token; });
}

void NotificationCenter::post(const QString& name, const QVariant& object,
                              const QVariantMap& userInfo) {
    std::erase_if(observers_, [](const Observer& o) { return o.context.isNull(); });
    const Notification notification{name, object, userInfo};
    // Observers may add or remove observers while being notified: walk a
    // snapshot of the tokens and skip any that are gone by their turn.
    std::vector<Token> tokens;
    for (const Observer& o : observers_)
        if (o.name == name)
            tokens.push_back(o.token);
    for (Token token : tokens) {
        auto it = std::find_if(observers_.begin(), observers_.end(),
                               [token](const Observer& o) { return o.token == token; });
        if (it == observers_.end() || it->context.isNull())
            continue;
        Handler handler = it->handler; // the observer may remove itself
        handler(notification);
    }
}
