// The lookup and the prefix list go through keys prepared at load and an index of the
// cells by the first two characters of their key. Here both are checked against the plain
// reading of the dictionary: for each cell, the headword is the line up to its first "§",
// its key that headword folded, and a scan of the whole letter table, cell after cell,
// compares the key lower-cased there and then. Every headword of the dictionary is looked
// up, and every two- and three-character prefix that occurs is listed, both ways.

#include "core/folding.h"
#include "core/lookup.h"
#include "core/prefix_list.h"
#include "core/windows1252.h"
#include "platform/embedded_resources.h"
#include "real_dictionary.h"

#include <gtest/gtest.h>

#include <QSet>

#include <vector>

namespace velkaron {
namespace {

const DictionaryStore &store() { return testing::realModule().store; }

// The same store with the hash index of velkaron-cli: it must find the very same cells.
const DictionaryStore &indexedStore()
{
    static const DictionaryStore indexed = [] {
        DictionaryStore copy = store();
        copy.indexKeys();
        return copy;
    }();
    return indexed;
}

// What a plain scan reads from each cell: the headword and its key lower-cased, computed
// from the line alone.
struct PlainCell
{
    QString headword;
    QString lowerKey;
};

const std::vector<std::vector<PlainCell>> &plainTables()
{
    static const std::vector<std::vector<PlainCell>> tables = [] {
        std::vector<std::vector<PlainCell>> result(kLetterCount);
        for (LetterIndex letter = 0; letter < kLetterCount; ++letter) {
            const LetterTable &table = store().LetterTableOf(letter);
            for (int i = 1; i <= EntryCounts[std::size_t(letter)]; ++i) {
                const QStringView line = table.Lines(i);
                const QString headword = line.first(line.indexOf(u'§')).toString();
                result[std::size_t(letter)].push_back({headword, SubAccents(headword, headword.size()).toLower()});
            }
        }
        return result;
    }();
    return tables;
}

std::optional<EntryRef> plainFind(QStringView mirror)
{
    const auto letter = letterForMirror(mirror);
    if (!letter)
        return std::nullopt;
    const auto &cells = plainTables()[std::size_t(*letter)];
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (cells[i].lowerKey == mirror)
            return EntryRef{*letter, int(i + 1)};
    }
    return std::nullopt;
}

QStringList plainPrefix(QStringView mirror)
{
    QStringList words;
    const auto letter = letterForMirror(mirror);
    if (mirror.size() < 2 || !letter)
        return words;
    for (const PlainCell &cell : plainTables()[std::size_t(*letter)]) {
        if (QStringView(cell.lowerKey).left(mirror.size()) == mirror)
            words.append(cell.headword);
    }
    return words;
}

TEST(LookupEquivalence, PreparedKeysAreTheFoldedHeadwords)
{
    for (LetterIndex letter = 0; letter < kLetterCount; ++letter) {
        const LetterTable &table = store().LetterTableOf(letter);
        const auto &plain = plainTables()[std::size_t(letter)];
        for (int i = 1; i <= table.lineCount(); ++i) {
            const PlainCell &cell = plain[std::size_t(i - 1)];
            ASSERT_EQ(table.Headword(i), cell.headword) << letterName(letter).toLatin1() << i;
            ASSERT_EQ(table.Keys(i), SubAccents(cell.headword, cell.headword.size()));
            ASSERT_EQ(table.LowerKeys(i), cell.lowerKey) << qPrintable(cell.headword);
        }
    }
}

TEST(LookupEquivalence, LinesAreTheWidenedTextSplitAtCrLf)
{
    const EmbeddedResources resources;
    for (LetterIndex letter = 0; letter < kLetterCount; ++letter) {
        QByteArray bytes = *resources.fetch(resourceTypeName(letter), resourceId(letter));
        while (bytes.endsWith('\0'))
            bytes.chop(1);
        const QStringList pieces = widenWindows1252(bytes).split(QStringLiteral("\r\n"));
        const LetterTable &table = store().LetterTableOf(letter);
        ASSERT_EQ(pieces.size(), table.lineCount());
        for (int i = 1; i <= table.lineCount(); ++i) {
            // The padding went at load: the last line ends with its last real character.
            ASSERT_TRUE(table.Lines(i) == pieces[i - 1]) << letterName(letter).toLatin1() << i;
        }
    }
}

TEST(LookupEquivalence, EveryHeadwordFindsThePlainScansCell)
{
    int compared = 0;
    for (LetterIndex letter = 0; letter < kLetterCount; ++letter) {
        for (const PlainCell &cell : plainTables()[std::size_t(letter)]) {
            const QString mirror = mirrorTextFor(cell.headword);
            const auto plain = plainFind(mirror);
            for (const DictionaryStore *tables : {&store(), &indexedStore()}) {
                const auto fast = findEntry(*tables, mirror);
                ASSERT_EQ(fast.has_value(), plain.has_value()) << qPrintable(cell.headword);
                if (plain) {
                    EXPECT_EQ(fast->letter, plain->letter) << qPrintable(cell.headword);
                    EXPECT_EQ(fast->cell, plain->cell) << qPrintable(cell.headword);
                }
            }
            ++compared;
        }
    }
    EXPECT_EQ(compared, 40096);
}

TEST(LookupEquivalence, WordsOutsideTheDictionary)
{
    // clang-format off
    const QString words[] = {
        QString(), QStringLiteral("x"), QStringLiteral("a"), QStringLiteral("zzzyzzy"), QStringLiteral("œil"),
        QStringLiteral("1er"), QStringLiteral("æshne"), QStringLiteral("a "), QStringLiteral("chat "),
        QStringLiteral("école"), QStringLiteral("rer"), QStringLiteral("ﬀ"), QString(QChar(0xFFFF)),
        QStringLiteral("a") + QChar(0xFFFF),
    };
    // clang-format on
    for (const QString &word : words) {
        const auto plain = plainFind(word);
        for (const DictionaryStore *tables : {&store(), &indexedStore()}) {
            const auto fast = findEntry(*tables, word);
            ASSERT_EQ(fast.has_value(), plain.has_value()) << qPrintable(word);
            if (plain) {
                EXPECT_EQ(fast->cell, plain->cell) << qPrintable(word);
            }
        }
        EXPECT_EQ(prefixMatches(store(), word), plainPrefix(word)) << qPrintable(word);
    }
}

TEST(LookupEquivalence, EveryTwoAndThreeCharacterPrefixListsThePlainScansWords)
{
    // Every prefix that the dictionary's keys begin with, and every pair of small letters.
    QSet<QString> prefixes;
    for (const auto &cells : plainTables()) {
        for (const PlainCell &cell : cells) {
            for (qsizetype length : {2, 3}) {
                if (cell.lowerKey.size() >= length)
                    prefixes.insert(cell.lowerKey.left(length));
            }
        }
    }
    for (char16_t first = u'a'; first <= u'z'; ++first) {
        for (char16_t second = u'a'; second <= u'z'; ++second)
            prefixes.insert(QString(QChar(first)) + QChar(second));
    }
    ASSERT_GT(prefixes.size(), 2000);
    qsizetype listed = 0;
    for (const QString &prefix : prefixes) {
        const QStringList fast = prefixMatches(store(), prefix);
        ASSERT_EQ(fast, plainPrefix(prefix)) << qPrintable(prefix);
        listed += fast.size();
    }
    EXPECT_GT(listed, 40096);
}

} // namespace
} // namespace velkaron
