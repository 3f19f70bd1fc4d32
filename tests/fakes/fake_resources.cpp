#include "fakes/fake_resources.h"

#include "core/letters.h"

namespace velkaron::testing {

FakeResources FakeResources::withLineCounts(const std::array<qint16, 26> &counts)
{
    FakeResources fake;
    for (LetterIndex letter = 0; letter < kLetterCount; ++letter) {
        const QByteArray initial(1, char('a' + letter));
        QByteArray text;
        for (int n = 1; n <= counts[std::size_t(letter)]; ++n) {
            if (n > 1)
                text += "\r\n";
            text += initial + "word" + QByteArray::number(n) + "\xa7n$syn";
        }
        fake.set(resourceTypeName(letter), resourceId(letter), text);
    }
    return fake;
}

std::optional<QByteArray> FakeResources::fetch(const QString &typeName, int id) const
{
    const auto it = texts_.constFind({typeName, id});
    if (it == texts_.constEnd())
        return std::nullopt;
    return *it;
}

} // namespace velkaron::testing
