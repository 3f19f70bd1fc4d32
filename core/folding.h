#pragma once
// Accent folding: the dictionary matches words accent-blind by folding both sides with
// SubAccents, which replaces the accented small vowels and "ç" by their plain letters and
// keeps every other character, case included ("Évangile", "æ", "œ" and ’ pass unchanged).
// The loader folds every headword once; the main window folds what the user types.

#include <QString>
#include <QStringView>

namespace velkaron {

// Folds the first `count` characters of `word` (clamped to 0 … word.size()). The result
// has exactly that many characters. There is no length limit: a megabyte folds whole.
QString SubAccents(QStringView word, qsizetype count);

// Folds the whole word.
inline QString SubAccents(QStringView word) { return SubAccents(word, word.size()); }

// The folded form of one character (the character itself when the table lacks it).
char16_t foldedChar(char16_t c);

} // namespace velkaron
