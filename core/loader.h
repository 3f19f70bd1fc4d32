#pragma once
// Start-up load of the dictionary: for each letter A to Z, fetch its resource, drop the
// alignment padding, widen Windows-1252 to UTF-16, split at CR LF, and fold each headword
// (the text before the first "§") into its key, all in one pass per letter.
//
// A letter that cannot be fetched, a line without "§", more than 4,300 lines, or a line
// count other than EntryCounts stops the load with a LoadFailure: the store is never
// handed out half filled.

#include "core/resource_source.h"
#include "core/store.h"

#include <QByteArrayView>

#include <variant>

namespace velkaron {

struct LoadFailure
{
    enum class Kind { Unavailable, MissingSectionSign, TooManyLines, CountMismatch };

    LetterIndex letter = 0;
    Kind kind = Kind::Unavailable;
    int line = 0;  // the faulty line for MissingSectionSign, the line count for CountMismatch

    // French text for the user, naming the letter and the fault.
    QString message() const;
};

class DictionaryLoader final
{
public:
    // Loads the 26 letters in order, stopping at the first fault.
    static std::variant<DictionaryStore, LoadFailure> load(const ResourceSource &source);

    // One letter's resource bytes, padding included, into its table.
    static std::variant<LetterTable, LoadFailure> parseLetter(QByteArrayView bytes, LetterIndex letter);
};

} // namespace velkaron
