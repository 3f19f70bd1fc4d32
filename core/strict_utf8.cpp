#include "core/strict_utf8.h"

#include <QStringDecoder>

#include <cstdint>

namespace velkaron {
namespace {

// The length of the well-formed sequence that starts `bytes`, or 0 (RFC 3629, table 3-7
// of Unicode: the second byte's range depends on the lead byte).
qsizetype sequenceLength(QByteArrayView bytes)
{
    const auto at = [&](qsizetype i) { return std::uint8_t(bytes[i]); };
    const std::uint8_t lead = at(0);
    if (lead < 0x80)
        return 1;

    qsizetype length = 0;
    std::uint8_t low = 0x80;
    std::uint8_t high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead == 0xE0) {
        length = 3;
        low = 0xA0; // below: overlong
    } else if (lead == 0xED) {
        length = 3;
        high = 0x9F; // above: surrogates
    } else if (lead >= 0xE1 && lead <= 0xEF) {
        length = 3;
    } else if (lead == 0xF0) {
        length = 4;
        low = 0x90; // below: overlong
    } else if (lead >= 0xF1 && lead <= 0xF3) {
        length = 4;
    } else if (lead == 0xF4) {
        length = 4;
        high = 0x8F; // above: past U+10FFFF
    } else {
        return 0; // a continuation byte, C0, C1 or F5 to FF
    }

    if (bytes.size() < length || at(1) < low || at(1) > high)
        return 0;
    for (qsizetype i = 2; i < length; ++i) {
        if (at(i) < 0x80 || at(i) > 0xBF)
            return 0;
    }
    return length;
}

// Well-formed bytes as text, every character kept: QString::fromUtf8 would drop a byte
// order mark that opens them.
QString decodeWellFormed(QByteArrayView bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    return decoder.decode(bytes);
}

} // namespace

std::optional<QString> decodeStrictUtf8(QByteArrayView bytes)
{
    for (qsizetype at = 0; at < bytes.size();) {
        const qsizetype length = sequenceLength(bytes.sliced(at));
        if (length == 0)
            return std::nullopt;
        at += length;
    }
    return decodeWellFormed(bytes);
}

QString showBytes(QByteArrayView bytes)
{
    QString shown;
    for (qsizetype at = 0; at < bytes.size();) {
        const qsizetype length = sequenceLength(bytes.sliced(at));
        if (length == 0) {
            shown += QStringLiteral("\\x") + QString::number(std::uint8_t(bytes[at]), 16).rightJustified(2, u'0').toUpper();
            ++at;
        } else {
            shown += decodeWellFormed(bytes.sliced(at, length));
            at += length;
        }
    }
    return shown;
}

} // namespace velkaron
