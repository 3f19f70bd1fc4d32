#include "core/text_word.h"

#include "core/strict_utf8.h"

#include <QList>

namespace velkaron {
namespace {

const QByteArray Version = QByteArrayLiteral("velkaron/1");

} // namespace

QByteArray encodeHandOff(const HandOff &handOff)
{
    QByteArray bytes = Version;
    if (!handOff.word)
        return bytes + QByteArray("\0-", 2);
    return bytes + QByteArray("\0W\0", 3) + handOff.word->whole.toUtf8() + '\0'
        + handOff.word->withoutElision.toUtf8();
}

std::optional<HandOff> decodeHandOff(const QByteArray &bytes)
{
    const QList<QByteArray> fields = bytes.split('\0');
    if (fields.size() == 2 && fields[0] == Version && fields[1] == "-")
        return HandOff{};
    if (fields.size() != 4 || fields[0] != Version || fields[1] != "W")
        return std::nullopt;
    const std::optional<QString> whole = decodeStrictUtf8(fields[2]);
    const std::optional<QString> withoutElision = decodeStrictUtf8(fields[3]);
    if (!whole || !withoutElision)
        return std::nullopt;
    return HandOff{TextWord{*whole, *withoutElision}};
}

} // namespace velkaron
