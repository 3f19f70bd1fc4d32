#include "core/definition_order.h"

#include "core/windows1252.h"

#include <utility>

namespace velkaron {

namespace {

// Windows-1252 code of a character; characters outside Windows-1252 (never in the
// dictionary) follow every code of it, in Unicode order.
int weight(QChar c)
{
    // Latin-1 letters, the bulk of every synonym, have their own code: no table needed.
    if (c.unicode() < 0x80 || (c.unicode() >= 0xA0 && c.unicode() < 0x100))
        return c.unicode();
    const int code = unicodeToWindows1252(c.unicode());
    return code >= 0 ? code : 256 + c.unicode();
}

} // namespace

bool comesBefore(QStringView a, QStringView b)
{
    if (a.isEmpty() || b.isEmpty())
        return !a.isEmpty() && b.isEmpty();
    const qsizetype common = std::min(a.size(), b.size());
    // Two characters weigh the same only when they are the same character: only the first
    // difference needs weighing.
    qsizetype i = 0;
    while (i < common && a[i] == b[i])
        ++i;
    if (i < common)
        return weight(a[i]) < weight(b[i]);
    return a.size() < b.size();
}

QStringList DefinitionOrdering::TrierDefinitions(QStringView field)
{
    QStringView rest = field;
    int k = 0;
    while (k < MaxSynonyms) {
        const qsizetype p = rest.indexOf(u'\\');
        if (p < 0) {
            SynonymPieces_[std::size_t(k++)] = rest.toString();
            break;
        }
        SynonymPieces_[std::size_t(k++)] = rest.first(p).toString();
        rest = rest.sliced(p + 1);
    }
    SynonymCount_ = k;
    TriAlpha();

    QStringList lines;
    lines.reserve(SynonymCount_);
    for (int m = 1; m <= SynonymCount_; ++m)
        lines.append(SortedSynonyms(m));
    return lines;
}

void DefinitionOrdering::TriAlpha()
{
    // Exchange sort: every cell a is compared with every cell b but the last and itself,
    // and the two are exchanged when a comes before b. At most 21 × 20 comparisons.
    const int n = SynonymCount_;
    for (int a = 0; a < n; ++a) {
        for (int b = 0; b < n - 1; ++b) {
            if (b != a && comesBefore(SynonymPieces_[std::size_t(a)], SynonymPieces_[std::size_t(b)]))
                std::swap(SynonymPieces_[std::size_t(a)], SynonymPieces_[std::size_t(b)]);
        }
    }
    for (int m = 0; m < n; ++m)
        SortedSynonyms_[std::size_t(m)] = SynonymPieces_[std::size_t(m)];
}

} // namespace velkaron
