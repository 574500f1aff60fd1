#pragma once

#include <QIcon>
#include <QString>

namespace SymbolIcons {
QIcon icon(const QString& symbolName);
}
