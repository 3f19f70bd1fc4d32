#include "core/folding.h"

#include <algorithm>

namespace velkaron {

char16_t foldedChar(char16_t c)
{
    switch (c) {
    case u'à': case u'ä': case u'â': return u'a';
    case u'ç': return u'c';
    case u'é': case u'è': case u'ë': case u'ê': return u'e';
    case u'ï': case u'î': return u'i';
    case u'ö': case u'ô': return u'o';
    case u'ù': case u'ü': case u'û': return u'u';
    case u'ÿ': return u'y';
    default: return c;
    }
}

QString SubAccents(QStringView word, qsizetype count)
{
    count = std::clamp<qsizetype>(count, 0, word.size());
    QString result(count, Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(result.data());
    const char16_t *in = word.utf16();
    for (qsizetype i = 0; i < count; ++i)
        out[i] = foldedChar(in[i]);
    return result;
}

} // namespace velkaron
