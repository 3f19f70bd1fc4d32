#pragma once
// A word from a text, brought to the spelling under which the dictionary has an entry. The
// Search command finds only headwords as the data writes them; a word met in a text may be
// inflected ("mangeait"), written with "œ" where the data writes "oe" ("œil"), or carry the
// other apostrophe (the data has both "d’abord" and "d'habitude"). findAsWritten tries, and
// keeps the first that has an entry (the Search command's own lookup):
//
//   1. the whole word, when an elided article or pronoun opens it ("d'abord" is a headword);
//   2. the word (without that elision), in each of its spellings: as given, "œ" as "oe",
//      the apostrophes ’ and ' exchanged;
//   3. each lemma that the LemmaSource gives for it, in order, in each of its spellings.
//
// When none has an entry, the word is kept as given. The lemma source is asked only at
// step 3, so a start whose word is found never loads it.

#include "core/lemma_source.h"
#include "core/store.h"
#include "core/text_word.h"

#include <QString>

namespace velkaron {

// Longer words are no French word: the lemma source is not asked for them.
inline constexpr int LongestLemmatizedWord = 60;

// True when the Search command finds an entry for `word` typed into the entry box.
bool hasEntry(const DictionaryStore &store, QStringView word);

// `lemmas` may be null: no step 3.
QString findAsWritten(const DictionaryStore &store, LemmaSource *lemmas, const TextWord &word);

} // namespace velkaron
