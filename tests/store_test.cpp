// The store as the program fills it: the letter texts compiled into the executable,
// through the real resource layer.

#include "platform/embedded_resources.h"
#include "real_dictionary.h"

#include <gtest/gtest.h>

namespace velkaron {
namespace {

const DictionaryStore &store() { return testing::realModule().store; }

constexpr LetterIndex A = 0, C = 2;

TEST(Store, EveryLetterHoldsItsEntryCount)
{
    int total = 0;
    for (LetterIndex letter = 0; letter < kLetterCount; ++letter) {
        EXPECT_EQ(store().lineCount(letter), EntryCounts[std::size_t(letter)]) << letterName(letter).toLatin1();
        total += store().lineCount(letter);
    }
    EXPECT_EQ(total, 40096);
}

TEST(Store, EmbeddedTextsArePaddedToFourBytes)
{
    const EmbeddedResources resources;
    for (LetterIndex letter = 0; letter < kLetterCount; ++letter) {
        const auto bytes = resources.fetch(resourceTypeName(letter), resourceId(letter));
        ASSERT_TRUE(bytes.has_value());
        EXPECT_EQ(bytes->size() % 4, 0);
    }
    EXPECT_FALSE(resources.fetch(QStringLiteral("SYNONYA"), 102).has_value());
}

TEST(Store, FirstLineOfAAndItsKey)
{
    const LetterTable &a = store().LetterTableOf(A);
    EXPECT_EQ(a.Lines(1), QStringView(u"à brûle-pourpoint§loc$brûle-pourpoint\\soudain\\sans préavis\\brutalement"
                                      u"\\brusquement\\soudainement\\subitement\\tout à coup"));
    EXPECT_EQ(a.Keys(1), QStringView(u"a brule-pourpoint"));
    EXPECT_EQ(a.Lines(EntryCounts[A]), QStringView(u"azurer§v$blanchir"));
}

TEST(Store, LastLineOfEveryLetterEndsWithItsLastRealCharacter)
{
    for (LetterIndex letter = 0; letter < kLetterCount; ++letter) {
        const LetterTable &table = store().LetterTableOf(letter);
        const QStringView last = table.Lines(EntryCounts[std::size_t(letter)]);
        ASSERT_FALSE(last.isEmpty());
        EXPECT_NE(last.back(), QChar(u'\0')) << letterName(letter).toLatin1();
        EXPECT_TRUE(table.Lines(EntryCounts[std::size_t(letter)] + 1).isEmpty());
    }
    EXPECT_TRUE(store().LetterTableOf(C).Lines(4231).isEmpty());
}

using testing::findHeadword;

TEST(Store, KeysKeepCaseAndLigatures)
{
    const LetterTable &a = store().LetterTableOf(A);
    const int angelus = findHeadword(a, u"Angélus");
    ASSERT_GT(angelus, 0);
    EXPECT_EQ(a.Keys(angelus), QStringView(u"Angelus"));
    const int aeshne = findHeadword(a, u"æshne");
    ASSERT_GT(aeshne, 0);
    EXPECT_EQ(a.Keys(aeshne), QStringView(u"æshne"));
}

TEST(Store, SharedKeysAndRepeatedHeadwordsStandInAdjacentCells)
{
    const LetterTable &a = store().LetterTableOf(A);
    const int abaisse = findHeadword(a, u"abaisse");
    ASSERT_GT(abaisse, 0);
    EXPECT_EQ(a.Headword(abaisse + 1), QStringView(u"abaissé"));
    EXPECT_EQ(a.Keys(abaisse), QStringView(u"abaisse"));
    EXPECT_EQ(a.Keys(abaisse + 1), QStringView(u"abaisse"));

    const int assommant = findHeadword(a, u"assommant");
    ASSERT_GT(assommant, 0);
    EXPECT_EQ(a.Headword(assommant + 1), QStringView(u"assommant"));
    EXPECT_NE(a.Lines(assommant), a.Lines(assommant + 1));
}

} // namespace
} // namespace velkaron
