#include "platform/SymbolIcons.h"

namespace SymbolIcons {
QIcon icon(const QString& symbolName) {
    if (symbolName == u"text.viewfinder")
        return QIcon::fromTheme(QStringLiteral("edit-find"));
    return {};
}
} // namespace SymbolIcons
