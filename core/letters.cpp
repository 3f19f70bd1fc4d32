#include "core/letters.h"

namespace velkaron {

QString resourceTypeName(LetterIndex letter)
{
    return QStringLiteral("SYNONY") + letterName(letter);
}

std::optional<LetterIndex> letterForMirrorChar(char16_t first)
{
    if (first >= u'a' && first <= u'z')
        return first - u'a';
    switch (first) {
    case u'à': case u'â': return 0;
    case u'ç': return 2;
    case u'é': case u'è': case u'ê': return 4;
    case u'ô': return 14;
    default: return std::nullopt;
    }
}

std::optional<LetterIndex> letterForMirror(QStringView mirror)
{
    if (mirror.isEmpty())
        return std::nullopt;
    return letterForMirrorChar(mirror.front().unicode());
}

} // namespace velkaron
