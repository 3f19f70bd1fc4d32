#include "core/loader.h"
#include "fakes/fake_resources.h"

#include <gtest/gtest.h>

namespace velkaron {
namespace {

using testing::FakeResources;

LetterTable parsed(const QByteArray &bytes)
{
    auto result = DictionaryLoader::parseLetter(bytes, 0);
    if (auto *failure = std::get_if<LoadFailure>(&result))
        ADD_FAILURE() << failure->message().toStdString();
    return std::get<LetterTable>(std::move(result));
}

TEST(Loader, SplitsWidensAndKeysEveryLine)
{
    const LetterTable table = parsed("\xe0 c\xf4t\xe9\xa7loc$pr\xe8s\r\nAng\xe9lus\xa7n$pri\xe8re\r\n"
                                     "aujourd\x92hui\xa7" "adv$maintenant");
    ASSERT_EQ(table.lineCount(), 3);
    EXPECT_EQ(table.Lines(1), QStringView(u"à côté§loc$près"));
    EXPECT_EQ(table.Keys(1), QStringView(u"a cote"));
    EXPECT_EQ(table.Headword(2), QStringView(u"Angélus"));
    EXPECT_EQ(table.Keys(2), QStringView(u"Angelus"));
    EXPECT_EQ(table.LowerKeys(2), QStringView(u"angelus"));
    EXPECT_EQ(table.Keys(3), QStringView(u"aujourd’hui"));
    // Cells past the last line read empty up to the capacity, and fail beyond it.
    EXPECT_TRUE(table.Lines(4).isEmpty());
    EXPECT_TRUE(table.Keys(LetterTable::Capacity).isEmpty());
    EXPECT_THROW((void)table.Lines(0), std::out_of_range);
    EXPECT_THROW((void)table.Lines(LetterTable::Capacity + 1), std::out_of_range);
}

TEST(Loader, KeyIsTheTextBeforeTheFirstSectionSign)
{
    const LetterTable table = parsed("abc\xa7n$x\xa7y");
    EXPECT_EQ(table.Keys(1), QStringView(u"abc"));
    EXPECT_EQ(table.Lines(1), QStringView(u"abc§n$x§y"));
}

TEST(Loader, AlignmentPaddingNeverReachesTheLastLine)
{
    // clang-format off
    const struct { const char *name; QByteArray padding; QString lastLine; } rows[] = {
        {"no padding", QByteArray(), QStringLiteral("azurer§v$blanchir")},
        {"one NUL", QByteArray(1, '\0'), QStringLiteral("azurer§v$blanchir")},
        {"two NULs", QByteArray(2, '\0'), QStringLiteral("azurer§v$blanchir")},
        {"three NULs", QByteArray(3, '\0'), QStringLiteral("azurer§v$blanchir")},
        // More than alignment can explain is text, and stays.
        {"four NULs", QByteArray(4, '\0'), QStringLiteral("azurer§v$blanchir") + QChar(u'\0')},
    };
    // clang-format on
    for (const auto &row : rows) {
        const LetterTable table = parsed("a\xa7n$b\r\nazurer\xa7v$blanchir" + row.padding);
        ASSERT_EQ(table.lineCount(), 2) << row.name;
        EXPECT_EQ(table.Lines(2), row.lastLine) << row.name;
    }
}

TEST(Loader, OnlyCrLfSplitsLines)
{
    const LetterTable table = parsed("a\xa7n$b\rc\nd\r\r\ne\xa7n$f");
    ASSERT_EQ(table.lineCount(), 2);
    EXPECT_EQ(table.Lines(1), QStringView(u"a§n$b\rc\nd\r"));
    EXPECT_EQ(table.Lines(2), QStringView(u"e§n$f"));
}

TEST(Loader, MalformedLettersStopTheLoad)
{
    QByteArray tooMany;
    for (int n = 0; n <= LetterTable::Capacity; ++n)
        tooMany += (n ? "\r\n" : "") + QByteArray("w\xa7n$s");
    // clang-format off
    const struct { const char *name; QByteArray bytes; LoadFailure::Kind kind; int line; } rows[] = {
        {"line without section sign", "a\xa7n$b\r\nno sign here\r\nc\xa7n$d", LoadFailure::Kind::MissingSectionSign, 2},
        {"empty text", QByteArray(), LoadFailure::Kind::MissingSectionSign, 1},
        {"trailing line break", "a\xa7n$b\r\n", LoadFailure::Kind::MissingSectionSign, 2},
        {"more lines than the capacity", tooMany, LoadFailure::Kind::TooManyLines, LetterTable::Capacity + 1},
    };
    // clang-format on
    for (const auto &row : rows) {
        auto result = DictionaryLoader::parseLetter(row.bytes, 3);
        const auto *failure = std::get_if<LoadFailure>(&result);
        ASSERT_NE(failure, nullptr) << row.name;
        EXPECT_EQ(failure->kind, row.kind) << row.name;
        EXPECT_EQ(failure->line, row.line) << row.name;
        EXPECT_TRUE(failure->message().contains(u'D')) << row.name;
    }
}

TEST(Loader, LoadsEveryLetterWithItsEntryCount)
{
    const FakeResources fake = FakeResources::withLineCounts(EntryCounts);
    auto result = DictionaryLoader::load(fake);
    ASSERT_TRUE(std::holds_alternative<DictionaryStore>(result));
    const auto &store = std::get<DictionaryStore>(result);
    for (LetterIndex letter = 0; letter < kLetterCount; ++letter)
        EXPECT_EQ(store.lineCount(letter), EntryCounts[std::size_t(letter)]);
    EXPECT_EQ(store.LetterTableOf(25).Keys(75), QStringView(u"zword75"));
}

TEST(Loader, MissingLetterOrWrongCountNamesTheLetter)
{
    FakeResources missing = FakeResources::withLineCounts(EntryCounts);
    missing.remove(QStringLiteral("SYNONYK"), 111);
    auto counts = EntryCounts;
    counts[12] -= 1;
    const FakeResources shortM = FakeResources::withLineCounts(counts);

    // clang-format off
    const struct { const char *name; const FakeResources &source; LoadFailure::Kind kind; QString message; } rows[] = {
        {"missing K", missing, LoadFailure::Kind::Unavailable,
         QStringLiteral("Le texte de la lettre K est introuvable dans le programme.")},
        {"M one short", shortM, LoadFailure::Kind::CountMismatch,
         QStringLiteral("La lettre M compte 2168 lignes au lieu de 2169.")},
    };
    // clang-format on
    for (const auto &row : rows) {
        auto result = DictionaryLoader::load(row.source);
        const auto *failure = std::get_if<LoadFailure>(&result);
        ASSERT_NE(failure, nullptr) << row.name;
        EXPECT_EQ(failure->kind, row.kind) << row.name;
        EXPECT_EQ(failure->message(), row.message) << row.name;
    }
}

} // namespace
} // namespace velkaron
