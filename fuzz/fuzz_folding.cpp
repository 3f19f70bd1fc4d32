// SubAccents and the mirror text on arbitrary UTF-16, lone surrogates and characters far
// from French included, with an arbitrary count.
//
// Folding keeps the length and changes nothing but the accented small letters it knows;
// the mirror text of well-formed text is well-formed (the window shows and searches it).

#include "fuzz_support.h"

#include "core/folding.h"
#include "core/letters.h"
#include "core/lookup.h"

#include <algorithm>
#include <cstring>

using namespace velkaron;
using velkaron::fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 2)
        return 0;
    qint16 count = 0;
    std::memcpy(&count, data, sizeof count);
    const QString word = fuzz::utf16Of(QByteArrayView(data + 2, qsizetype(size - 2)));

    const QString folded = SubAccents(word, count);
    require(folded.size() == std::clamp<qsizetype>(count, 0, word.size()), "folding keeps the count of characters");
    for (qsizetype i = 0; i < folded.size(); ++i) {
        const char16_t in = word[i].unicode();
        const char16_t out = folded[i].unicode();
        require(out == foldedChar(in), "each character folds alone");
        require(out == in || (in >= 0xE0 && in <= 0xFF && out >= u'a' && out <= u'y'),
                "only accented small letters change, into plain letters");
    }
    require(SubAccents(folded) == folded, "folding twice changes nothing more");

    const QString mirror = mirrorTextFor(word);
    if (fuzz::wellFormedUtf16(word))
        require(fuzz::wellFormedUtf16(mirror), "mirror text of well-formed text is well-formed");
    require(mirror.toLower() == mirror, "mirror text is lower case");
    if (!mirror.isEmpty())
        (void)letterForMirror(mirror);
    return 0;
}
