#include "fuzz_support.h"

#include "core/loader.h"
#include "core/windows1252.h"
#include "platform/embedded_dictionary.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <variant>

namespace velkaron::fuzz {

void require(bool condition, const char *what)
{
    if (!condition) {
        std::fprintf(stderr, "property violated: %s\n", what);
        std::abort();
    }
}

QString utf16Of(QByteArrayView bytes)
{
    QString text(bytes.size() / 2, Qt::Uninitialized);
    std::memcpy(text.data(), bytes.data(), std::size_t(text.size()) * sizeof(char16_t));
    return text;
}

QString windows1252Of(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i)
        text[i] = QChar(windows1252ToUnicode(static_cast<unsigned char>(bytes[i])));
    return text;
}

QString textOf(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return {};
    const QByteArrayView rest(data + 1, qsizetype(size - 1));
    return data[0] % 2 == 0 ? utf16Of(rest) : windows1252Of(rest);
}

Module &realModule()
{
    return embeddedDictionary();
}

bool wellFormedUtf16(QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        else if (c.isSurrogate())
            return false;
    }
    return true;
}

} // namespace velkaron::fuzz
