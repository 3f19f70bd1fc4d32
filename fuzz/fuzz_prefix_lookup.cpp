// The prefix list rebuild and the lookup, over the real dictionary, for an arbitrary
// mirror text and for the mirror text of an arbitrary entry text; then the whole Search
// command and the rebuild through a window-less view for that entry text.
//
// Both are checked against a plain scan of every cell of the selected table (no index,
// no shortcut): same headwords in the same order, same first matching cell.

#include "fuzz_support.h"

#include "core/lookup.h"
#include "core/prefix_list.h"
#include "core/search.h"
#include "core/text_view.h"

#include <optional>
#include <vector>

using namespace velkaron;
using velkaron::fuzz::require;

namespace {

// The selection table, written out again: a à â, c ç, e é è ê, o ô, other small letters.
std::optional<LetterIndex> selectedTable(QStringView mirror)
{
    if (mirror.isEmpty())
        return std::nullopt;
    switch (mirror.front().unicode()) {
    case u'à': case u'â': return 0;
    case u'ç': return 2;
    case u'é': case u'è': case u'ê': return 4;
    case u'ô': return 14;
    default: break;
    }
    const char16_t c = mirror.front().unicode();
    if (c >= u'a' && c <= u'z')
        return LetterIndex(c - u'a');
    return std::nullopt;
}

// Every key lower-cased with QString::toLower, once.
const std::vector<std::vector<QString>> &loweredKeys()
{
    static const std::vector<std::vector<QString>> keys = [] {
        std::vector<std::vector<QString>> all(kLetterCount);
        for (LetterIndex letter = 0; letter < kLetterCount; ++letter) {
            const LetterTable &table = fuzz::realModule().store.LetterTableOf(letter);
            for (int i = 1; i <= table.lineCount(); ++i) {
                all[std::size_t(letter)].push_back(table.Keys(i).toString().toLower());
                require(table.LowerKeys(i) == all[std::size_t(letter)].back(), "stored lower-cased key");
            }
        }
        return all;
    }();
    return keys;
}

void checkMirror(QStringView mirror)
{
    const DictionaryStore &store = fuzz::realModule().store;
    const std::optional<LetterIndex> letter = selectedTable(mirror);
    require(letter == letterForMirror(mirror), "letter selection");

    QStringList expectedWords;
    std::optional<int> expectedCell;
    if (letter) {
        const LetterTable &table = store.LetterTableOf(*letter);
        const std::vector<QString> &keys = loweredKeys()[std::size_t(*letter)];
        for (int i = 1; i <= table.lineCount(); ++i) {
            const QString &key = keys[std::size_t(i - 1)];
            if (mirror.size() >= 2 && key.startsWith(mirror))
                expectedWords.append(table.Headword(i).toString());
            if (!expectedCell && key == mirror)
                expectedCell = i;
        }
    }
    require(prefixMatches(store, mirror) == expectedWords, "prefix list equals a full scan");
    const std::optional<EntryRef> found = findEntry(store, mirror);
    require(found.has_value() == expectedCell.has_value(), "lookup finds an entry exactly when a full scan does");
    if (found)
        require(found->letter == *letter && found->cell == *expectedCell, "lookup finds the first equal key");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text = fuzz::textOf(data, size);
    checkMirror(text);
    const QString mirror = mirrorTextFor(text);
    checkMirror(mirror);

    Module &module = fuzz::realModule();
    TextView view;
    SearchCommand search(module, view);
    PrefixList prefix(module, view);
    view.setEntry(text);
    prefix.rebuild(view.mirror);
    require(view.words == prefixMatches(module.store, mirror), "rebuild lists the prefix matches");
    require(view.wordCountMessage == wordCountMessage(view.words.size()), "count message");
    require(!view.busyPointer, "pointer back to the arrow");

    search.run();
    require(view.internalErrors.isEmpty(), "no internal error");
    require(view.resultLines.size() <= DefinitionOrdering::MaxSynonyms, "at most 21 synonyms");
    require(view.historyItems == QStringList{text}, "the entry is recorded");
    require(view.resultMessage == resultMessage(view.resultLines, text), "result message");
    require(findEntry(module.store, mirror).has_value() || view.resultLines.isEmpty(), "no entry, no synonyms");
    require(!view.searchEnabled, "search disabled after a search");
    return 0;
}
