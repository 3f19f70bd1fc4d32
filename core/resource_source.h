#pragma once
// Where the letter texts come from: a custom resource fetched by type name ("SYNONYA" …)
// and numeric identifier (101 …) as one block of bytes, alignment padding included.
// The program embeds the texts in its executable; tests hand in texts of their own.

#include <QByteArray>
#include <QString>

#include <optional>

namespace velkaron {

class ResourceSource
{
public:
    virtual ~ResourceSource() = default;
    // The resource's bytes, or nothing when there is no such resource.
    virtual std::optional<QByteArray> fetch(const QString &typeName, int id) const = 0;
};

} // namespace velkaron
