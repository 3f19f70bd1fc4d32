#pragma once
// The 26 letters of the dictionary and the choice of a letter table from the first
// character of a mirror text, shared by the lookup and the prefix list.

#include <QChar>
#include <QString>
#include <QStringView>

#include <optional>

namespace velkaron {

inline constexpr int kLetterCount = 26;

// 0 for A … 25 for Z.
using LetterIndex = int;

inline QChar letterName(LetterIndex letter) { return QChar(u'A' + letter); }

// Resource type name "SYNONYA" … "SYNONYZ" and identifier 101 … 126 of a letter's text.
QString resourceTypeName(LetterIndex letter);
inline int resourceId(LetterIndex letter) { return 101 + letter; }

// The table that a mirror text starting with `first` selects: a, à, â select a; c, ç c;
// e, é, è, ê e; o, ô o; any other small letter its own; any other character none.
std::optional<LetterIndex> letterForMirrorChar(char16_t first);

// The table for a whole mirror text (none for the empty text).
std::optional<LetterIndex> letterForMirror(QStringView mirror);

} // namespace velkaron
