#include "core/store.h"

#include <stdexcept>

namespace velkaron {

const LetterTable::Cell *LetterTable::cell(int i) const
{
    if (i < 1 || i > Capacity)
        throw std::out_of_range("letter table cell out of range");
    if (i > lineCount())
        return nullptr;
    return &cells_[std::size_t(i - 1)];
}

QStringView LetterTable::Lines(int i) const
{
    const Cell *c = cell(i);
    return c ? QStringView(text_).mid(c->lineStart, c->lineLength) : QStringView();
}

QStringView LetterTable::Keys(int i) const
{
    const Cell *c = cell(i);
    return c ? QStringView(keys_).mid(c->keyStart, c->headwordLength) : QStringView();
}

QStringView LetterTable::LowerKeys(int i) const
{
    const Cell *c = cell(i);
    return c ? QStringView(lowerKeys_).mid(c->lowerStart, c->lowerLength) : QStringView();
}

QStringView LetterTable::Headword(int i) const
{
    const Cell *c = cell(i);
    return c ? QStringView(text_).mid(c->lineStart, c->headwordLength) : QStringView();
}

} // namespace velkaron
