#include "app/tool_icons.h"

#include <QString>

namespace strandel {

QIcon ToolIcon(const char* name) {
  return QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(name)));
}

} // namespace strandel
