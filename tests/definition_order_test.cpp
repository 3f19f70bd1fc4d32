#include "core/definition_order.h"

#include <QRandomGenerator>

#include <gtest/gtest.h>

#include <algorithm>

namespace velkaron {
namespace {

QStringList ordered(const QString &field)
{
    DefinitionOrdering ordering;
    return ordering.TrierDefinitions(field);
}

TEST(DefinitionOrder, FieldsOfTheDictionarySortByCharacterCodes)
{
    // clang-format off
    const struct { const char *name; QString field; QStringList lines; } rows[] = {
        {"chat", QStringLiteral("félin\\matou\\minet"), {QStringLiteral("félin"), QStringLiteral("matou"), QStringLiteral("minet")}},
        {"a beginning before the longer text, accents after z",
         QStringLiteral("depuis\\de\\dès\\par la suite"),
         {QStringLiteral("de"), QStringLiteral("depuis"), QStringLiteral("dès"), QStringLiteral("par la suite")}},
        {"capitals first, é after r",
         QStringLiteral("oraison\\prière\\Angélus\\Orémus\\Pater\\secrète\\péroraison"),
         {QStringLiteral("Angélus"), QStringLiteral("Orémus"), QStringLiteral("Pater"), QStringLiteral("oraison"),
          QStringLiteral("prière"), QStringLiteral("péroraison"), QStringLiteral("secrète")}},
        {"one synonym", QStringLiteral("califourchon"), {QStringLiteral("califourchon")}},
        {"space, apostrophe and hyphen before letters", QStringLiteral("a-b\\ab\\a b\\a'b"),
         {QStringLiteral("a b"), QStringLiteral("a'b"), QStringLiteral("a-b"), QStringLiteral("ab")}},
        {"empty synonyms last, repeats kept", QStringLiteral("b\\\\a\\b\\"),
         {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("b"), QString(), QString()}},
        {"NUL weighs least", QStringLiteral("pleutre") + QChar(u'\0') + QStringLiteral("\\pleutre"),
         {QStringLiteral("pleutre"), QStringLiteral("pleutre") + QChar(u'\0')}},
        {"only separators", QStringLiteral("\\\\"), {QString(), QString(), QString()}},
    };
    // clang-format on
    for (const auto &row : rows)
        EXPECT_EQ(ordered(row.field), row.lines) << row.name;
}

QString numberedField(int count)
{
    QStringList synonyms;
    for (int i = 1; i <= count; ++i)
        synonyms << QStringLiteral("s%1").arg(i, 2, 10, QChar(u'0'));
    return synonyms.join(u'\\');
}

TEST(DefinitionOrder, KeepsTheFirst21Synonyms)
{
    // clang-format off
    const struct { int inField; int shown; } rows[] = {{1, 1}, {20, 20}, {21, 21}, {22, 21}, {43, 21}, {2000, 21}};
    // clang-format on
    for (const auto &row : rows) {
        DefinitionOrdering ordering;
        const QStringList lines = ordering.TrierDefinitions(numberedField(row.inField));
        ASSERT_EQ(lines.size(), row.shown) << row.inField;
        EXPECT_EQ(ordering.SynonymCount(), row.shown);
        EXPECT_EQ(lines.back(), QStringLiteral("s%1").arg(row.shown, 2, 10, QChar(u'0'))) << row.inField;
    }
}

TEST(DefinitionOrder, ExchangeSortAgreesWithAStableSortForEveryLength)
{
    // Random lists over a small alphabet, so that prefixes, repeats and empty texts abound.
    QRandomGenerator random(1252);
    const QString alphabet = QStringLiteral("aAé -'z");
    for (int round = 0; round < 3000; ++round) {
        const int n = 1 + int(random.bounded(21));
        QStringList synonyms;
        for (int i = 0; i < n; ++i) {
            QString s;
            const int length = int(random.bounded(4));
            for (int c = 0; c < length; ++c)
                s += alphabet[int(random.bounded(alphabet.size()))];
            synonyms << s;
        }
        QStringList expected = synonyms;
        std::stable_sort(expected.begin(), expected.end(), [](const QString &a, const QString &b) { return comesBefore(a, b); });
        ASSERT_EQ(ordered(synonyms.join(u'\\')), expected) << synonyms.join(u'|').toStdString();
    }
}

TEST(DefinitionOrder, ComparisonIsAStrictOrder)
{
    // clang-format off
    const struct { const char16_t *a; const char16_t *b; bool before; } rows[] = {
        {u"de", u"depuis", true}, {u"depuis", u"de", false}, {u"dogme", u"décret", true},
        {u"Z", u"a", true}, {u"z", u"à", true}, {u"x", u"", true}, {u"", u"x", false},
        {u"", u"", false}, {u"same", u"same", false}, {u"œ", u"a", false} /* 0x9C after 0x61 */,
        {u"’", u"a", false} /* 0x92 */, {u"a\U0001F600", u"aÿ", false},
    };
    // clang-format on
    for (const auto &row : rows)
        EXPECT_EQ(comesBefore(row.a, row.b), row.before)
            << QString::fromUtf16(row.a).toStdString() << " / " << QString::fromUtf16(row.b).toStdString();
}

} // namespace
} // namespace velkaron
