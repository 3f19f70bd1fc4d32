// TrierDefinitions on an arbitrary synonym field: empty, backslashes only, NUL characters,
// thousands of separators, characters outside Windows-1252, lone surrogates.
//
// The result is the field's first 21 pieces (or all of them), each kept character for
// character, sorted by the ordering's comparison; the comparison itself is checked against
// its definition (Windows-1252 codes; a beginning before the longer text; empty last).

#include "fuzz_support.h"

#include "core/definition_order.h"
#include "core/windows1252.h"

#include <algorithm>
#include <memory>

using namespace velkaron;
using velkaron::fuzz::require;

namespace {

int weight(QChar c)
{
    const int code = unicodeToWindows1252(c.unicode());
    return code >= 0 ? code : 256 + c.unicode();
}

bool before(QStringView a, QStringView b)
{
    if (a.isEmpty() || b.isEmpty())
        return b.isEmpty() && !a.isEmpty();
    for (qsizetype i = 0;; ++i) {
        if (i == a.size() || i == b.size())
            return a.size() < b.size();
        if (weight(a[i]) != weight(b[i]))
            return weight(a[i]) < weight(b[i]);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString field = fuzz::textOf(data, size);
    static DefinitionOrdering ordering; // reused, as the main window reuses its arrays
    const QStringList lines = ordering.TrierDefinitions(field);

    QStringList pieces = field.split(u'\\');
    if (pieces.size() > DefinitionOrdering::MaxSynonyms)
        pieces.resize(DefinitionOrdering::MaxSynonyms);
    require(lines.size() == pieces.size(), "the first 21 pieces of the field, or all of them");
    require(ordering.SynonymCount() == lines.size(), "SynonymCount");
    for (int m = 1; m <= ordering.SynonymCount(); ++m)
        require(ordering.SortedSynonyms(m) == lines[m - 1], "the list shows SortedSynonyms in order");

    QStringList sortedPieces = pieces;
    std::stable_sort(sortedPieces.begin(), sortedPieces.end(), [](const QString &a, const QString &b) { return before(a, b); });
    require(lines == sortedPieces, "the pieces sorted by Windows-1252 codes");

    for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
        require(!comesBefore(lines[i], lines[i]), "irreflexive");
        require(comesBefore(lines[i], lines[i + 1]) == before(lines[i], lines[i + 1]), "comparison as defined");
        require(comesBefore(lines[i + 1], lines[i]) == before(lines[i + 1], lines[i]), "comparison as defined");
    }
    return 0;
}
