#include "platform/embedded_resources.h"

#include <QResource>

namespace velkaron {

std::optional<QByteArray> EmbeddedResources::fetch(const QString &typeName, int id) const
{
    const QResource resource(QStringLiteral(":/dictionary/%1/%2").arg(typeName).arg(id));
    if (!resource.isValid())
        return std::nullopt;
    QByteArray bytes = resource.uncompressedData();
    bytes.append((4 - bytes.size() % 4) % 4, '\0');
    return bytes;
}

} // namespace velkaron
