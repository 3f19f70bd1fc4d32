// The Search command on the real dictionary, through the window-less view.

#include "core/search.h"
#include "core/text_view.h"
#include "real_dictionary.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace velkaron {
namespace {

using testing::realModule;

struct Searcher
{
    TextView view;
    SearchCommand search{realModule(), view};

    TextView &operator()(const QString &entry)
    {
        view.setEntry(entry);
        search.run();
        return view;
    }
};

TEST(Search, AnswersForDictionaryWords)
{
    // clang-format off
    const struct { QString entry; QString message; QString category; QStringList firstLines; } rows[] = {
        {QStringLiteral("chat"), QStringLiteral("3 synonymes pour ''chat''."), QStringLiteral("CHAT: nom"),
         {QStringLiteral("félin"), QStringLiteral("matou"), QStringLiteral("minet")}},
        {QStringLiteral("Maison"), QStringLiteral("13 synonymes pour ''Maison''."), QStringLiteral("MAISON: adjectif nom"),
         {QStringLiteral("appartement"), QStringLiteral("demeure"), QStringLiteral("domicile")}},
        {QStringLiteral("à cheval"), QStringLiteral("Un synonyme pour ''à cheval''."), QStringLiteral("À CHEVAL: locution"),
         {QStringLiteral("califourchon")}},
        {QStringLiteral("abaissé"), QStringLiteral("4 synonymes pour ''abaissé''."), QStringLiteral("ABAISSÉ: nom verbe"),
         {QStringLiteral("baisse"), QStringLiteral("rabat"), QStringLiteral("repli"), QStringLiteral("retranche")}},
        {QStringLiteral("Ave"), QStringLiteral("7 synonymes pour ''Ave''."), QString(),
         {QStringLiteral("Angélus"), QStringLiteral("Orémus"), QStringLiteral("Pater"), QStringLiteral("oraison")}},
        {QStringLiteral("à partir de"), QStringLiteral("4 synonymes pour ''à partir de''."), QString(),
         {QStringLiteral("de"), QStringLiteral("depuis"), QStringLiteral("dès"), QStringLiteral("par la suite")}},
        {QStringLiteral("sans-gêne"), QStringLiteral("21 synonymes pour ''sans-gêne''."), QString(),
         {QStringLiteral("aisance")}},
        {QStringLiteral("fuyard"), QStringLiteral("4 synonymes pour ''fuyard''."), QString(),
         {QStringLiteral("fugitif"), QStringLiteral("lâche"), QStringLiteral("pleutre"), QStringLiteral("vaincu")}},
    };
    // clang-format on
    for (const auto &row : rows) {
        Searcher searcher;
        const TextView &view = searcher(row.entry);
        const std::string name = row.entry.toStdString();
        EXPECT_EQ(view.resultMessage, row.message) << name;
        if (!row.category.isEmpty()) {
            EXPECT_EQ(view.categoryLine, row.category) << name;
        }
        EXPECT_EQ(view.resultLines.mid(0, row.firstLines.size()), row.firstLines) << name;
        EXPECT_FALSE(view.searchEnabled) << name;
        EXPECT_TRUE(view.wordCountMessage.isEmpty()) << name;
        EXPECT_TRUE(view.internalErrors.isEmpty()) << name;
        for (const QString &line : view.resultLines)
            EXPECT_FALSE(line.contains(QChar(u'\0'))) << name;
    }
}

TEST(Search, SansGeneShowsItsFirst21SynonymsSorted)
{
    Searcher searcher;
    const TextView &view = searcher(QStringLiteral("sans-gêne"));
    ASSERT_EQ(view.resultLines.size(), 21);
    EXPECT_EQ(view.resultLines.front(), QStringLiteral("aisance"));
    EXPECT_EQ(view.resultLines.back(), QStringLiteral("privauté"));
}

TEST(Search, ReglementKeepsRepeatsAndEndsWithTheEmptySynonym)
{
    Searcher searcher;
    const TextView &view = searcher(QStringLiteral("règlement"));
    ASSERT_EQ(view.resultLines.size(), 21);
    EXPECT_EQ(view.resultLines.count(QStringLiteral("arrêté")), 2);
    EXPECT_LT(view.resultLines.indexOf(QStringLiteral("dogme")), view.resultLines.indexOf(QStringLiteral("décret")));
    EXPECT_TRUE(view.resultLines.back().isEmpty());
    EXPECT_EQ(view.resultMessage, QStringLiteral("21 synonymes pour ''règlement''."));
}

TEST(Search, EarlierEntryOfTheSameKeyWins)
{
    Searcher searcher;
    const QStringList abime = searcher(QStringLiteral("abîme")).resultLines;
    const QStringList abimeAccented = searcher(QStringLiteral("abîmé")).resultLines;
    EXPECT_EQ(abime, abimeAccented);
    EXPECT_FALSE(abime.isEmpty());
}

TEST(Search, SynonymsShownWithoutCategoryLine)
{
    for (const QString &entry : {QStringLiteral("en-tête"), QStringLiteral("quelqu'un"), QStringLiteral("RER")}) {
        Searcher searcher;
        const TextView &view = searcher(entry);
        EXPECT_FALSE(view.resultLines.isEmpty()) << entry.toStdString();
        if (entry != QStringLiteral("RER")) {
            EXPECT_TRUE(view.categoryLine.isEmpty()) << entry.toStdString();
        }
    }
}

TEST(Search, WordsWithoutEntryEmptyTheResults)
{
    for (const QString &entry : {QStringLiteral("xyz"), QStringLiteral("1er"), QStringLiteral("œil"), QString()}) {
        Searcher searcher;
        searcher(QStringLiteral("chat"));
        const TextView &view = searcher(entry);
        EXPECT_TRUE(view.resultLines.isEmpty()) << entry.toStdString();
        EXPECT_EQ(view.resultMessage, QStringLiteral("Aucun synonyme pour ''%1''.").arg(entry));
        EXPECT_TRUE(view.categoryLine.isEmpty());
        EXPECT_TRUE(realModule().CurrentSynonymField.isEmpty());
        EXPECT_EQ(view.historyItems.front(), entry);
    }
}

TEST(Search, HistoryKeepsTwelveNewestFirstWithoutMovingRepeats)
{
    Searcher searcher;
    QStringList words;
    for (int i = 1; i <= 13; ++i)
        words << QStringLiteral("mot%1").arg(i);
    for (const QString &word : words)
        searcher(word);
    QStringList expected;
    for (int i = 13; i >= 2; --i)
        expected << QStringLiteral("mot%1").arg(i);
    EXPECT_EQ(searcher.view.historyItems, expected);

    searcher(QStringLiteral("mot5"));
    EXPECT_EQ(searcher.view.historyItems, expected);

    searcher(QStringLiteral("Maison"));
    searcher(QStringLiteral("maison"));
    EXPECT_EQ(searcher.view.historyItems.mid(0, 2), QStringList({QStringLiteral("maison"), QStringLiteral("Maison")}));
}

TEST(Search, CategoryWordUpperCasedExactlyAsQtDoes)
{
    for (char32_t c = 0; c <= 0xFFFF; ++c) {
        if (QChar::isSurrogate(c))
            continue;
        const QString one{QChar(char16_t(c))};
        ASSERT_EQ(upperCased(one), one.toUpper()) << std::hex << unsigned(c);
    }
    for (const QString &text : {QStringLiteral("à cheval"), QStringLiteral("straße"), QStringLiteral("Ÿÿœµ"), QString()})
        EXPECT_EQ(upperCased(text), text.toUpper()) << qPrintable(text);
}

TEST(Search, FailureInOrderingIsReportedAndTheMessageStillWritten)
{
    Searcher searcher;
    searcher.search.setOrdering([](QStringView) -> QStringList { throw std::invalid_argument("injected"); });
    const TextView &view = searcher(QStringLiteral("chat"));
    ASSERT_EQ(view.internalErrors.size(), 1);
    EXPECT_TRUE(view.internalErrors.front().endsWith(QStringLiteral("\r\nErreur interne 017 - 5")));
    EXPECT_TRUE(view.resultLines.isEmpty());
    EXPECT_EQ(view.resultMessage, QStringLiteral("Aucun synonyme pour ''chat''."));
    EXPECT_EQ(view.categoryLine, QStringLiteral("CHAT: nom"));
}

} // namespace
} // namespace velkaron
