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

namespace {

std::uint32_t hashOf(QStringView text)
{
    std::uint32_t hash = 2166136261u; // FNV-1a over the UTF-16 code units
    for (const QChar c : text)
        hash = (hash ^ c.unicode()) * 16777619u;
    return hash;
}

} // namespace

void LetterTable::indexKeys()
{
    std::size_t slotCount = 16;
    while (slotCount < 2 * cells_.size())
        slotCount *= 2;
    index_.assign(slotCount, 0);
    const std::size_t mask = slotCount - 1;
    for (std::size_t i = 0; i < cells_.size(); ++i) {
        const Cell &c = cells_[i];
        if (c.lowerLength == 0)
            continue; // an empty key is never found, as in the groups
        const QStringView key = view(c.lowerStart, c.lowerLength);
        for (std::size_t slot = hashOf(key) & mask;; slot = (slot + 1) & mask) {
            if (index_[slot] == 0) {
                index_[slot] = std::uint16_t(i + 1);
                break;
            }
            const Cell &other = cells_[index_[slot] - 1u];
            if (other.lowerLength == c.lowerLength && view(other.lowerStart, other.lowerLength) == key)
                break; // the first cell of that key is in already
        }
    }
}

void DictionaryStore::indexKeys()
{
    for (LetterTable &table : tables_)
        table.indexKeys();
}

int LetterTable::firstWithLowerKey(QStringView lowered) const
{
    if (!index_.empty()) {
        if (lowered.isEmpty())
            return 0;
        const std::size_t mask = index_.size() - 1;
        for (std::size_t slot = hashOf(lowered) & mask; index_[slot] != 0; slot = (slot + 1) & mask) {
            const Cell &c = cells_[index_[slot] - 1u];
            if (c.lowerLength == lowered.size() && view(c.lowerStart, c.lowerLength) == lowered)
                return index_[slot];
        }
        return 0;
    }
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
        + (grouped_.capacity() + index_.capacity()) * sizeof(std::uint16_t);
}

std::size_t DictionaryStore::footprintBytes() const
{
    std::size_t bytes = sizeof(*this) - sizeof(tables_);
    for (const LetterTable &table : tables_)
        bytes += table.footprintBytes();
    return bytes;
}

} // namespace velkaron
