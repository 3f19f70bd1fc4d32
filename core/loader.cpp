#include "core/loader.h"

#include "core/folding.h"
#include "core/windows1252.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <string>

#ifdef __linux__
#include <sys/mman.h>
#endif
#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace velkaron {

namespace {

// Resources are padded with up to three NUL bytes to a multiple of four. The padding is
// alignment, not text: left in, it would end up in the last synonym of the letter.
QByteArrayView withoutPadding(QByteArrayView bytes)
{
    int padding = 0;
    while (padding < 3 && bytes.size() > padding && bytes[bytes.size() - 1 - padding] == '\0')
        ++padding;
    return bytes.first(bytes.size() - padding);
}

// The per-character work of the load goes through tables made once from the routines that
// define it (windows1252ToUnicode, foldedChar, QChar::toLower), so that it stays theirs
// while costing one memory read per character.
struct CharacterTables
{
    std::array<char16_t, 256> widened{};
    std::array<char16_t, 256> folded{};  // for the characters below 256
    std::array<char16_t, 256> lowered{}; // likewise

    CharacterTables()
    {
        for (int c = 0; c < 256; ++c) {
            widened[std::size_t(c)] = windows1252ToUnicode(static_cast<unsigned char>(c));
            folded[std::size_t(c)] = foldedChar(char16_t(c));
            lowered[std::size_t(c)] = char16_t(QChar::toLower(char32_t(c)));
        }
    }

    char16_t fold(char16_t c) const { return c < 256 ? folded[c] : foldedChar(c); }

    // True when lower-casing changes the character. Past 256 the character's own mapping
    // decides, and the whole key then goes through QString::toLower.
    bool lowers(char16_t c) const { return c < 256 ? lowered[c] != c : QChar::toLower(char32_t(c)) != c; }
};

const CharacterTables &characterTables()
{
    static const CharacterTables tables;
    return tables;
}

constexpr char kSectionSignByte = '\xA7'; // "§" in Windows-1252

// Room for `characters` UTF-16 code units, written once by the load and read for the life of
// the store. The widened texts are the bulk of the store (twice the bytes of the
// resources), and on Linux their first touch is most of the load's time: a page fault per
// 4 KB, each dear under a virtual machine (about 11 µs on the machine measured in
// docs/performance.md). A mapping aligned to 2 MB with huge pages requested takes one fault
// per 2 MB instead.
std::shared_ptr<char16_t> allocateText(std::size_t characters)
{
    characters = std::max<std::size_t>(characters, 1);
#ifdef __linux__
    constexpr std::size_t kHugePage = std::size_t(2) << 20;
    if (characters * sizeof(char16_t) < kHugePage) // one letter alone (tests)
        return std::shared_ptr<char16_t>(new char16_t[characters], std::default_delete<char16_t[]>());
    const std::size_t bytes = (characters * sizeof(char16_t) + kHugePage - 1) / kHugePage * kHugePage;
    void *mapped = mmap(nullptr, bytes + kHugePage, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapped != MAP_FAILED) {
        const auto raw = reinterpret_cast<std::uintptr_t>(mapped);
        auto *aligned = reinterpret_cast<char16_t *>((raw + kHugePage - 1) & ~(kHugePage - 1));
        madvise(aligned, bytes, MADV_HUGEPAGE);
        return std::shared_ptr<char16_t>(aligned, [mapped, bytes](char16_t *) { munmap(mapped, bytes + kHugePage); });
    }
#endif
    return std::shared_ptr<char16_t>(new char16_t[characters], std::default_delete<char16_t[]>());
}

} // namespace

class LetterTableBuilder
{
public:
    // Widens `bytes`, padding removed, into `text`, which `block` holds and which has room
    // for them.
    static std::variant<LetterTable, LoadFailure> build(QByteArrayView bytes, LetterIndex letter,
                                                        std::shared_ptr<const char16_t> block, char16_t *text)
    {
        const CharacterTables &tables = characterTables();
        bytes = withoutPadding(bytes);
        const qsizetype size = bytes.size();
        const char *data = bytes.data();

        LetterTable table;
        table.block_ = std::move(block);
        table.text_ = text;
        table.textLength_ = std::uint32_t(size);
        if (letter >= 0 && letter < kLetterCount)
            table.cells_.reserve(std::size_t(EntryCounts[std::size_t(letter)]));
        std::vector<std::uint32_t> pairs; // of each cell's lower-cased key, for groupCells
        pairs.reserve(table.cells_.capacity());
        std::u16string apart; // becomes keys_

        // One pass, line by line, so that each line is widened, cut and keyed while it is
        // in the cache: a second pass over the megabytes of text would miss on every line.
        // CR LF and "§" are single bytes in Windows-1252, which memchr finds fast.
        qsizetype lineStart = 0;
        for (;;) {
            qsizetype end = size;
            qsizetype next = size;
            for (qsizetype from = lineStart; from < size;) {
                const void *lf = std::memchr(data + from, '\n', std::size_t(size - from));
                if (!lf)
                    break;
                const qsizetype at = static_cast<const char *>(lf) - data;
                if (at > lineStart && data[at - 1] == '\r') {
                    end = at - 1;
                    next = at + 1;
                    break;
                }
                from = at + 1;
            }
            widen(reinterpret_cast<const unsigned char *>(data) + lineStart, next - lineStart, text + lineStart, tables);

            const int number = table.lineCount() + 1;
            if (number > LetterTable::Capacity)
                return LoadFailure{letter, LoadFailure::Kind::TooManyLines, number};
            const void *section =
                end > lineStart ? std::memchr(data + lineStart, kSectionSignByte, std::size_t(end - lineStart)) : nullptr;
            if (!section)
                return LoadFailure{letter, LoadFailure::Kind::MissingSectionSign, number};
            LetterTable::Cell cell;
            cell.lineStart = std::uint32_t(lineStart);
            cell.lineLength = std::uint32_t(end - lineStart);
            cell.headwordLength = std::uint32_t(static_cast<const char *>(section) - (data + lineStart));
            const QStringView lowered = prepareKeys(text, apart, cell, tables);
            pairs.push_back(lowered.isEmpty() ? 0 : LetterTable::pairOf(lowered));
            table.cells_.push_back(cell);
            if (end == size)
                break;
            lineStart = next;
        }

        table.keys_ = QString(reinterpret_cast<const QChar *>(apart.data()), qsizetype(apart.size()));
        groupCells(table, pairs);
        return table;
    }

private:
    // Bytes below 0x80 widen to themselves, and they are nearly all of the text: where the
    // processor allows, sixteen bytes at a time are zero-extended and only the others are
    // looked up in the table.
    static void widen(const unsigned char *in, qsizetype count, char16_t *out, const CharacterTables &tables)
    {
        qsizetype i = 0;
#ifdef __SSE2__
        const __m128i zero = _mm_setzero_si128();
        for (; i + 16 <= count; i += 16) {
            const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i *>(in + i));
            _mm_storeu_si128(reinterpret_cast<__m128i *>(out + i), _mm_unpacklo_epi8(bytes, zero));
            _mm_storeu_si128(reinterpret_cast<__m128i *>(out + i + 8), _mm_unpackhi_epi8(bytes, zero));
            // Then the few bytes from 0x80 up (accented letters, mostly) through the table.
            for (unsigned high = unsigned(_mm_movemask_epi8(bytes)); high != 0; high &= high - 1) {
                const qsizetype k = i + std::countr_zero(high);
                out[k] = tables.widened[in[k]];
            }
        }
#endif
        for (; i < count; ++i)
            out[i] = tables.widened[in[i]];
    }

    // The key is the headword itself unless folding changes a character, and the
    // lower-cased key is the key itself unless lower-casing does; only those that differ
    // are written out, to `apart`. Returns the lower-cased key.
    static QStringView prepareKeys(const char16_t *text, std::u16string &apart, LetterTable::Cell &cell,
                                   const CharacterTables &tables)
    {
        const char16_t *headword = text + cell.lineStart;
        const std::uint32_t length = cell.headwordLength;

        std::uint32_t same = 0;
        while (same < length && tables.fold(headword[same]) == headword[same])
            ++same;
        cell.keyStart = cell.lineStart;
        const char16_t *key = headword;
        if (same < length) {
            cell.keyStart = LetterTable::kApart | std::uint32_t(apart.size());
            for (std::uint32_t k = 0; k < length; ++k)
                apart.push_back(tables.fold(headword[k]));
            key = apart.data() + (cell.keyStart & ~LetterTable::kApart);
        }

        cell.lowerStart = cell.keyStart;
        cell.lowerLength = length;
        for (std::uint32_t k = 0; k < length; ++k) {
            if (tables.lowers(key[k])) {
                const QString lowered = QStringView(key, length).toString().toLower();
                cell.lowerStart = LetterTable::kApart | std::uint32_t(apart.size());
                cell.lowerLength = std::uint32_t(lowered.size());
                apart.append(reinterpret_cast<const char16_t *>(lowered.constData()), std::size_t(lowered.size()));
                return QStringView(apart.data() + (cell.lowerStart & ~LetterTable::kApart), cell.lowerLength);
            }
        }
        return QStringView(key, length);
    }

    // Counts the cells of each group, then places the cell numbers group after group, each
    // group in table order. A table's keys start with a few dozen different pairs, and
    // neighbouring lines nearly always share theirs. Empty keys belong to no group.
    static void groupCells(LetterTable &table, const std::vector<std::uint32_t> &pairs)
    {
        std::vector<std::uint32_t> groupOf(pairs.size(), ~0u);
        std::size_t last = 0;
        for (std::size_t i = 0; i < pairs.size(); ++i) {
            if (table.cells_[i].lowerLength == 0)
                continue;
            if (last >= table.groups_.size() || table.groups_[last].pair != pairs[i]) {
                last = 0;
                while (last < table.groups_.size() && table.groups_[last].pair != pairs[i])
                    ++last;
                if (last == table.groups_.size())
                    table.groups_.push_back({pairs[i], 0, 0});
            }
            ++table.groups_[last].end;
            groupOf[i] = std::uint32_t(last);
        }
        std::uint32_t begin = 0;
        for (LetterTable::Group &group : table.groups_) {
            const std::uint32_t count = group.end;
            group.begin = group.end = begin;
            begin += count;
        }
        table.grouped_.resize(begin);
        for (std::size_t i = 0; i < groupOf.size(); ++i) {
            if (groupOf[i] != ~0u)
                table.grouped_[table.groups_[groupOf[i]].end++] = std::uint16_t(i + 1);
        }
    }
};

QString LoadFailure::message() const
{
    const QString name = letterName(letter);
    switch (kind) {
    case Kind::Unavailable:
        return QStringLiteral("Le texte de la lettre %1 est introuvable dans le programme.").arg(name);
    case Kind::MissingSectionSign:
        return QStringLiteral("La ligne %1 de la lettre %2 n'a pas de séparateur ''§''.").arg(line).arg(name);
    case Kind::TooManyLines:
        return QStringLiteral("La lettre %1 compte plus de %2 lignes, la limite du dictionnaire.")
            .arg(name)
            .arg(LetterTable::Capacity);
    case Kind::CountMismatch:
        return QStringLiteral("La lettre %1 compte %2 lignes au lieu de %3.")
            .arg(name)
            .arg(line)
            .arg(EntryCounts[std::size_t(letter)]);
    }
    return {};
}

std::variant<LetterTable, LoadFailure> DictionaryLoader::parseLetter(QByteArrayView bytes, LetterIndex letter)
{
    std::shared_ptr<char16_t> block = allocateText(std::size_t(withoutPadding(bytes).size()));
    char16_t *text = block.get();
    return LetterTableBuilder::build(bytes, letter, std::move(block), text);
}

std::variant<DictionaryStore, LoadFailure> DictionaryLoader::load(const ResourceSource &source)
{
    // The texts first, to widen them into one block. Faults are still reported letter by
    // letter in order: a letter that cannot be fetched counts only once the letters before
    // it have loaded.
    std::array<QByteArray, kLetterCount> texts;
    LetterIndex fetched = 0;
    std::size_t characters = 0;
    for (; fetched < kLetterCount; ++fetched) {
        std::optional<QByteArray> bytes = source.fetch(resourceTypeName(fetched), resourceId(fetched));
        if (!bytes)
            break;
        texts[std::size_t(fetched)] = std::move(*bytes);
        characters += std::size_t(withoutPadding(texts[std::size_t(fetched)]).size());
    }
    const std::shared_ptr<char16_t> block = allocateText(characters);
    char16_t *text = block.get();

    DictionaryStore store;
    for (LetterIndex letter = 0; letter < kLetterCount; ++letter) {
        if (letter == fetched)
            return LoadFailure{letter, LoadFailure::Kind::Unavailable, 0};
        const QByteArray &bytes = texts[std::size_t(letter)];
        auto parsed = LetterTableBuilder::build(bytes, letter, block, text);
        text += withoutPadding(bytes).size();
        if (auto *failure = std::get_if<LoadFailure>(&parsed))
            return *failure;
        LetterTable &table = store.tables_[std::size_t(letter)];
        table = std::move(std::get<LetterTable>(parsed));
        if (table.lineCount() != EntryCounts[std::size_t(letter)])
            return LoadFailure{letter, LoadFailure::Kind::CountMismatch, table.lineCount()};
    }
    return store;
}

} // namespace velkaron
