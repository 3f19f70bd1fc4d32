#pragma once
// Finding a word's entry: the mirror text (the entry text folded, then lower-cased)
// selects a letter table by its first character, and the entry is the first cell of that
// table whose lower-cased key equals the whole mirror text. Later cells with the same key
// are never reached: "abaissé" finds "abaisse", which stands before it.

#include "core/store.h"

#include <QString>
#include <QStringView>

#include <optional>

namespace velkaron {

// The text the dictionary is searched with, for what the user typed: the folding of the
// whole text, then lower-cased (folding first, so "É" keeps its accent as "é").
QString mirrorTextFor(QStringView entryText);

struct EntryFields
{
    QStringView headword; // before the first "§"
    QStringView category; // between the first "§" and the first "$" after it
    QStringView synonyms; // after that "$": synonyms separated by "\"
};

// Cuts a dictionary line into its three fields. A line without "$" has an empty category
// and no synonyms.
EntryFields cutFields(QStringView line);

struct EntryRef
{
    LetterIndex letter = 0;
    int cell = 0; // numbered from 1
};

// The first cell whose lower-cased key equals `mirror`, or nothing.
std::optional<EntryRef> findEntry(const DictionaryStore &store, QStringView mirror);

} // namespace velkaron
