#pragma once
// Where the dictionary forms of an inflected word come from ("mangeait" → "manger"). The
// program's source reads a spelling dictionary from disk the first time it is asked, so a
// caller asks only when the word itself has no entry.

#include <QString>
#include <QStringList>

namespace velkaron {

class LemmaSource
{
public:
    virtual ~LemmaSource() = default;
    // The lemmas of `word`, most likely first; empty when none is known.
    virtual QStringList lemmas(const QString &word) = 0;
};

} // namespace velkaron
