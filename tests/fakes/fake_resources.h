#pragma once
// Letter texts of a test's own, fetched like the embedded ones.

#include "core/resource_source.h"

#include <QMap>
#include <array>
#include <QPair>

namespace velkaron::testing {

class FakeResources final : public ResourceSource
{
public:
    // Every letter gets `lines` lines "<letter>word<n>§n$syn" (n from 1), CR LF between.
    static FakeResources withLineCounts(const std::array<qint16, 26> &counts);

    void set(const QString &typeName, int id, QByteArray bytes) { texts_[{typeName, id}] = std::move(bytes); }
    void remove(const QString &typeName, int id) { texts_.remove({typeName, id}); }

    std::optional<QByteArray> fetch(const QString &typeName, int id) const override;

private:
    QMap<QPair<QString, int>, QByteArray> texts_;
};

} // namespace velkaron::testing
