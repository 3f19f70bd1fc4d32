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

QStringView LetterTable::view(std::uint32_t start, std::uint32_t length) const
{
    if (start & kApart)
        return QStringView(keys_.constData() + (start & ~kApart), length);
    return QStringView(text_ + start, length);
}

QStringView LetterTable::Lines(int i) const
{
    const Cell *c = cell(i);
    return c ? view(c->lineStart, c->lineLength) : QStringView();
}

QStringView LetterTable::Keys(int i) const
{
    const Cell *c = cell(i);
    return c ? view(c->keyStart, c->headwordLength) : QStringView();
}

QStringView LetterTable::LowerKeys(int i) const
{
    const Cell *c = cell(i);
    return c ? view(c->lowerStart, c->lowerLength) : QStringView();
}

QStringView LetterTable::Headword(int i) const
{
    const Cell *c = cell(i);
    return c ? view(c->lineStart, c->headwordLength) : QStringView();
}

std::uint32_t LetterTable::pairOf(QStringView lowered)
{
    const std::uint32_t second = lowered.size() > 1 ? lowered[1].unicode() : 0xFFFFu;
    return std::uint32_t(lowered.front().unicode()) << 16 | second;
}

std::span<const std::uint16_t> LetterTable::candidates(QStringView lowered) const
{
    if (lowered.isEmpty())
        return {};
    const std::uint32_t pair = pairOf(lowered);
    for (const Group &group : groups_) {
        if (group.pair == pair)
            return std::span<const std::uint16_t>(grouped_).subspan(group.begin, group.end - group.begin);
    }
    return {};
}

int LetterTable::firstWithLowerKey(QStringView lowered) const
{
    for (const std::uint16_t number : candidates(lowered)) {
        const Cell &c = cells_[number - 1u];
        if (c.lowerLength == lowered.size() && view(c.lowerStart, c.lowerLength) == lowered)
            return number;
    }
    return 0;
}

std::size_t LetterTable::footprintBytes() const
{
    return sizeof(*this) + (std::size_t(textLength_) + std::size_t(keys_.capacity())) * sizeof(char16_t)
        + cells_.capacity() * sizeof(Cell) + groups_.capacity() * sizeof(Group)
        + grouped_.capacity() * sizeof(std::uint16_t);
}

std::size_t DictionaryStore::footprintBytes() const
{
    std::size_t bytes = sizeof(*this) - sizeof(tables_);
    for (const LetterTable &table : tables_)
        bytes += table.footprintBytes();
    return bytes;
}

} // namespace velkaron
