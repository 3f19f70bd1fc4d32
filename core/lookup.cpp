#include "core/lookup.h"

#include "core/folding.h"

namespace velkaron {

QString mirrorTextFor(QStringView entryText)
{
    return SubAccents(entryText).toLower();
}

EntryFields cutFields(QStringView line)
{
    EntryFields fields;
    const qsizetype section = line.indexOf(u'§');
    if (section < 0) {
        fields.headword = line;
        return fields;
    }
    fields.headword = line.first(section);
    const qsizetype dollar = line.indexOf(u'$', section + 1);
    if (dollar < 0) {
        fields.category = line.sliced(section + 1);
        return fields;
    }
    fields.category = line.sliced(section + 1, dollar - section - 1);
    fields.synonyms = line.sliced(dollar + 1);
    return fields;
}

std::optional<EntryRef> findEntry(const DictionaryStore &store, QStringView mirror)
{
    const std::optional<LetterIndex> letter = letterForMirror(mirror);
    if (!letter)
        return std::nullopt;
    const LetterTable &table = store.LetterTableOf(*letter);
    // The candidates come in table order, so the first equal one is the table's first.
    for (const int cell : table.candidates(mirror)) {
        if (table.LowerKeys(cell) == mirror)
            return EntryRef{*letter, cell};
    }
    return std::nullopt;
}

} // namespace velkaron
