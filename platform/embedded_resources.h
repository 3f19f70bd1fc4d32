#pragma once
// The letter texts compiled into the executable (data/CMakeLists.txt embeds them under
// ":/dictionary/<type name>/<identifier>"). Like any executable resource, a text is
// delivered padded with NUL bytes to a multiple of four.

#include "core/resource_source.h"

namespace velkaron {

class EmbeddedResources final : public ResourceSource
{
public:
    std::optional<QByteArray> fetch(const QString &typeName, int id) const override;
};

} // namespace velkaron
