#pragma once
// The dictionary in memory: one LetterTable per letter A to Z, each holding the letter's
// lines as stored and, beside each line, the FoldedKey of its headword and that key
// lower-cased. Tables are filled once at start-up by the loader and only read afterwards;
// every view they hand out stays valid for the life of the store.
//
// Cells are numbered from 1, as the letter texts number their lines. Cells past the
// letter's last line, up to the fixed capacity of 4,300, read as empty texts.

#include "core/letters.h"

#include <QString>
#include <QStringView>

#include <array>
#include <cstdint>
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

private:
    friend class LetterTableBuilder;

    struct Cell
    {
        std::uint32_t lineStart = 0;
        std::uint32_t lineLength = 0;
        std::uint32_t keyStart = 0;
        std::uint32_t headwordLength = 0;
        std::uint32_t lowerStart = 0;
        std::uint32_t lowerLength = 0;
    };

    const Cell *cell(int i) const;

    QString text_;      // the letter's widened text, padding removed
    QString keys_;      // every FoldedKey, end to end
    QString lowerKeys_; // every lower-cased key, end to end
    std::vector<Cell> cells_;
};

class DictionaryStore final
{
public:
    DictionaryStore() = default;

    const LetterTable &LetterTableOf(LetterIndex letter) const { return tables_.at(letter); }

    // Lines stored for a letter: EntryCounts(letter) once the store is loaded.
    int lineCount(LetterIndex letter) const { return tables_.at(letter).lineCount(); }

private:
    friend class DictionaryLoader;
    std::array<LetterTable, kLetterCount> tables_;
};

} // namespace velkaron
