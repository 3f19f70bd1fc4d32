#include "core/prefix_list.h"

#include "core/internal_error.h"

namespace velkaron {

QString wordCountMessage(qint64 count)
{
    if (count == 0)
        return QStringLiteral("Aucun mot dans la liste.");
    if (count == 1)
        return QStringLiteral("Un mot listé.");
    return QString::number(count) + QStringLiteral(" mots listés.");
}

QStringList prefixMatches(const DictionaryStore &store, QStringView mirror)
{
    QStringList words;
    if (mirror.size() < 2)
        return words;
    const std::optional<LetterIndex> letter = letterForMirror(mirror);
    if (!letter)
        return words;
    const LetterTable &table = store.LetterTableOf(*letter);
    words.reserve(qsizetype(table.candidates(mirror).size()));
    // The words are the store's own text, not copies: a list of "co" is 1,804 headwords,
    // and an allocation for each was most of the rebuild. The store outlives every list.
    table.forEachWithLowerPrefix(mirror, [&](int cell) {
        const QStringView headword = table.Headword(cell);
        words.append(QString::fromRawData(headword.data(), headword.size()));
    });
    return words;
}

void PrefixList::rebuild(QStringView mirror)
{
    InternalErrorTrap trap(QStringLiteral("022"), module_.LineBreak,
                           [this](const QString &text) { view_.reportInternalError(text); });
    view_.setBusyPointer(true);
    qint64 count = 0;
    trap.run([&] { view_.clearWords(); });
    trap.run([&] {
        const QStringList words = scan_(module_.store, mirror);
        count = words.size();
        view_.appendWords(words);
    });
    trap.run([&] { view_.setWordCountMessage(wordCountMessage(count)); });
    view_.setBusyPointer(false);
}

} // namespace velkaron
