#include "core/folding.h"

#include <gtest/gtest.h>

namespace velkaron {
namespace {

struct FoldCase
{
    const char *name;
    const char16_t *word;
    const char16_t *folded;
};

class FoldingTest : public ::testing::TestWithParam<FoldCase>
{
};

TEST_P(FoldingTest, FoldsWholeWord)
{
    const FoldCase &c = GetParam();
    const QString word = QString::fromUtf16(c.word);
    const QString folded = SubAccents(word);
    EXPECT_EQ(folded, QString::fromUtf16(c.folded));
    EXPECT_EQ(folded.size(), word.size());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Table, FoldingTest, ::testing::Values(
    FoldCase{"eleve", u"élève", u"eleve"},
    FoldCase{"mais", u"maïs", u"mais"},
    FoldCase{"cote", u"côté", u"cote"},
    FoldCase{"jeune", u"jeûne", u"jeune"},
    FoldCase{"ca", u"ça", u"ca"},
    FoldCase{"ou", u"où", u"ou"},
    FoldCase{"noel", u"Noël", u"Noel"},
    FoldCase{"every_table_letter", u"àäâçéèëêïîöôùüûÿ", u"aaaceeeeiioouuuy"},
    FoldCase{"capitals_stay", u"ÉÂÀÇ Évangile", u"ÉÂÀÇ Évangile"},
    FoldCase{"ligatures_stay", u"cæcum æshne œil", u"cæcum æshne œil"},
    FoldCase{"typographic_apostrophe", u"aujourd’hui", u"aujourd’hui"},
    FoldCase{"other_accents_stay", u"áñò", u"áñò"},
    FoldCase{"empty", u"", u""},
    FoldCase{"longest_headword", u"assimilation chlorophyllienne", u"assimilation chlorophyllienne"},
    FoldCase{"shared_key_1", u"abaissé", u"abaisse"},
    FoldCase{"shared_key_2", u"affèterie", u"affeterie"},
    FoldCase{"shared_key_3", u"afféterie", u"affeterie"}
), [](const auto &info) { return std::string(info.param.name); });
// clang-format on

TEST(Folding, CountFoldsOnlyTheLeadingCharacters)
{
    EXPECT_EQ(SubAccents(u"élève", 0), QString());
    EXPECT_EQ(SubAccents(u"élève", 3), QStringLiteral("ele"));
    // Out-of-range counts are clamped, never a failure.
    EXPECT_EQ(SubAccents(u"é", 7), QStringLiteral("e"));
    EXPECT_EQ(SubAccents(u"é", -1), QString());
}

TEST(Folding, FoldsAnyLengthWhole)
{
    const QString megabyte = QString(1 << 20, u'é');
    const QString folded = SubAccents(megabyte);
    ASSERT_EQ(folded.size(), megabyte.size());
    EXPECT_EQ(folded, QString(1 << 20, u'e'));
}

TEST(Folding, SurrogatesPassUnchanged)
{
    const QString emoji = QStringLiteral("é\U0001F600") + QChar(0xD800);
    EXPECT_EQ(SubAccents(emoji), QStringLiteral("e\U0001F600") + QChar(0xD800));
}

} // namespace
} // namespace velkaron
