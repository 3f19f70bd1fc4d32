#pragma once
// The dictionary in memory: one LetterTable per letter A to Z, each holding the letter's
// lines as stored and, beside each line, the FoldedKey of its headword and that key
// lower-cased. Tables are filled once at start-up by the loader and only read afterwards;
// every view they hand out stays valid for the life of the store.
//
// Cells are numbered from 1, as the letter texts number their lines. Cells past the
// letter's last line, up to the fixed capacity of 4,300, read as empty texts.
//
// Storage: the letter's widened text holds every line (the 26 texts sit in one block
// allocated for them, see the loader); a key, or a lower-cased key, that
// reads the same as its headword (all but about a third of them) is a view of the line
// itself, and only the others are kept apart. Beside the cells, the loader groups the cells
// by the first two characters of their lower-cased key, each group in table order: a word
// can only equal, or begin, keys of its own group, so the lookup and the prefix list scan
// one group (at most some hundreds of cells) instead of the whole table.

#include "core/letters.h"

#include <QString>
#include <QStringView>

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace velkaron {

// The built-in number of lines of each letter, A to Z (40,096 in all).
inline constexpr std::array<qint16, kLetterCount> EntryCounts = {
    3708, 2088, 4230, 3027, 3212, 1756, 1413, 925, 2103, 355, 76, 1095, 2169,
    641,  826,  3796, 153,  2731, 2683, 1795, 178, 990,  34,  18, 19,   75,
};

class LetterTable final
{
public:
    static constexpr int Capacity = 4300;

    LetterTable() = default;

    // The i-th line, whole: headword, "§", category field, "$", synonyms.
    // Throws std::out_of_range for i outside 1 … Capacity.
    QStringView Lines(int i) const;
    // The FoldedKey of the i-th line's headword (case kept).
    QStringView Keys(int i) const;
    // Keys(i) lower-cased, prepared at load so that readers compare without allocating.
    QStringView LowerKeys(int i) const;
    // The i-th line's headword: the text before its first "§".
    QStringView Headword(int i) const;

    // Number of lines stored.
    int lineCount() const { return int(cells_.size()); }

    // The cells, numbered from 1 and in table order, that a lower-cased word can equal or
    // begin: those whose LowerKeys start with the word's first two characters or, for a
    // one-character word, whose LowerKeys is that character. Empty for the empty word.
    // Every cell outside this set is certain not to match; the ones inside still have to
    // be compared.
    std::span<const std::uint16_t> candidates(QStringView lowered) const;

    // The first cell, in table order, whose LowerKeys equals `lowered`; 0 when there is
    // none. Compares lengths before characters, without allocating.
    int firstWithLowerKey(QStringView lowered) const;

    // Adds an index of the lower-cased keys (a hash table of the first cell of each), with
    // which firstWithLowerKey finds a word in constant time instead of scanning its group.
    // For callers that look up many words (velkaron-cli): the load never builds it, so the
    // window's start-up does not pay for it. About 1 ms and 128 KB for the whole store.
    void indexKeys();

    // Calls visit(cell) for every cell, in table order, whose LowerKeys begins with
    // `lowered` (two characters or more).
    template <typename Visit>
    void forEachWithLowerPrefix(QStringView lowered, Visit visit) const
    {
        for (const std::uint16_t number : candidates(lowered)) {
            const Cell &c = cells_[number - 1u];
            if (c.lowerLength >= lowered.size() && view(c.lowerStart, std::uint32_t(lowered.size())) == lowered)
                visit(int(number));
        }
    }

    // Bytes held by the table, its own object included.
    std::size_t footprintBytes() const;

private:
    friend class LetterTableBuilder;

    // keyStart and lowerStart index text_, or, with kApart set, keys_.
    static constexpr std::uint32_t kApart = 0x80000000u;

    struct Cell
    {
        std::uint32_t lineStart = 0;
        std::uint32_t lineLength = 0;
        std::uint32_t headwordLength = 0;
        std::uint32_t keyStart = 0;
        std::uint32_t lowerStart = 0;
        std::uint32_t lowerLength = 0;
    };

    struct Group
    {
        std::uint32_t pair = 0; // first character << 16 | second character (0xFFFF: none)
        std::uint32_t begin = 0;
        std::uint32_t end = 0;
    };

    static std::uint32_t pairOf(QStringView lowered);

    const Cell *cell(int i) const;
    QStringView view(std::uint32_t start, std::uint32_t length) const;

    // The letter's widened text, padding removed, in a block that the tables loaded
    // together share.
    std::shared_ptr<const char16_t> block_;
    const char16_t *text_ = nullptr;
    std::uint32_t textLength_ = 0;
    QString keys_; // the keys and lower-cased keys that differ from their headword
    std::vector<Cell> cells_;
    std::vector<Group> groups_;
    std::vector<std::uint16_t> grouped_; // cell numbers, group after group
    // indexKeys: open addressing, a power of two of slots, each a cell number or 0.
    std::vector<std::uint16_t> index_;
};

class DictionaryStore final
{
public:
    DictionaryStore() = default;

    const LetterTable &LetterTableOf(LetterIndex letter) const { return tables_.at(letter); }

    // Lines stored for a letter: EntryCounts(letter) once the store is loaded.
    int lineCount(LetterIndex letter) const { return tables_.at(letter).lineCount(); }

    // LetterTable::indexKeys for every table.
    void indexKeys();

    // Bytes held by the 26 tables.
    std::size_t footprintBytes() const;

private:
    friend class DictionaryLoader;
    std::array<LetterTable, kLetterCount> tables_;
};

} // namespace velkaron
