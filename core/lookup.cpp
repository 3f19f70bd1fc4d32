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
    if (const int cell = store.LetterTableOf(*letter).firstWithLowerKey(mirror))
        return EntryRef{*letter, cell};
    return std::nullopt;
}

} // namespace velkaron
