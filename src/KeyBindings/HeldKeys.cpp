#include "KeyBindings/HeldKeys.h"

std::optional<qint64> HeldKeys::release(quint32 key) {
    const auto it = held_.find(key);
    if (it == held_.end())
        return std::nullopt;
    const qint64 id = it->second;
    held_.erase(it);
    return id;
}

void HeldKeys::forget(qint64 hotKeyId) {
    std::erase_if(held_, [hotKeyId](const auto& entry) { return entry.second == hotKeyId; });
}
