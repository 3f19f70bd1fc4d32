#pragma once
// The word to look up in a text selected in another program. A selection is whatever the
// user swept with the mouse: a word with the quotes or the comma beside it, half a
// sentence, a whole page, or bytes that are no text at all. What is kept:
//
//   1. white space, punctuation, quotes and symbols around the text are removed (« » “ ” " '
//      … and the like): the text starts and ends with a letter or a digit;
//   2. control characters and other non-characters count as white space, format
//      characters (soft hyphen, zero-width joiner) are dropped;
//   3. inner white space collapses to one space, and only the first three words are kept,
//      then only the first 60 characters;
//   4. accents written as combining marks are composed ("e" + U+0301 → "é");
//   5. an elided article or pronoun opening the text ("l’", "qu'", "d'"…) is offered as
//      dropped: whether "d'abord" stays whole is for the dictionary to say (findAsWritten).
//
// Nothing is left when no letter remains. The scan stops once three words are read, so a
// selection of megabytes costs no more than the text before its third word.

#include "core/text_word.h"

#include <QStringView>

#include <optional>

namespace velkaron {

inline constexpr int SelectedWordsKept = 3;
inline constexpr int SelectedCharactersKept = 60;

std::optional<TextWord> wordInSelection(QStringView selected);

} // namespace velkaron
