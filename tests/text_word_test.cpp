// A word taken from a text on its way to the Search command: the cleaning of a selection
// made in another program, then the spelling under which the real dictionary has an entry
// (the lemma source faked, so that only the order of the attempts is at stake here; the
// real Hunspell dictionary is exercised through velkaron-cli in cli_test).

#include "core/as_written.h"
#include "core/selected_text.h"
#include "real_dictionary.h"

#include <gtest/gtest.h>

#include <QHash>

#include <optional>

namespace velkaron {
namespace {

struct Cleaning
{
    const char *name;
    QString selected;
    std::optional<TextWord> word;
};

void PrintTo(const Cleaning &row, std::ostream *out) { *out << row.name; }

class SelectionCleaning : public ::testing::TestWithParam<Cleaning>
{
};

TEST_P(SelectionCleaning, KeepsTheWordToLookUp)
{
    const Cleaning &row = GetParam();
    const std::optional<TextWord> word = wordInSelection(row.selected);
    ASSERT_EQ(word.has_value(), row.word.has_value()) << (word ? qPrintable(word->whole) : "nothing");
    if (word) {
        EXPECT_EQ(word->whole, row.word->whole);
        EXPECT_EQ(word->withoutElision, row.word->withoutElision);
    }
}

TextWord plain(const QString &text) { return {text, {}}; }

const QString Megabyte = QString(1 << 20, u'x');

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, SelectionCleaning, ::testing::Values(
    Cleaning{"white space around", QStringLiteral("  \t chat \n"), plain(QStringLiteral("chat"))},
    Cleaning{"French quotes", QStringLiteral("« maison »"), plain(QStringLiteral("maison"))},
    Cleaning{"curly quotes and a comma", QStringLiteral("“maison”,"), plain(QStringLiteral("maison"))},
    Cleaning{"straight quotes and ellipsis", QStringLiteral("\"chien\"…"), plain(QStringLiteral("chien"))},
    Cleaning{"apostrophes as quotes", QStringLiteral("'arbre'"), plain(QStringLiteral("arbre"))},
    Cleaning{"inner white space collapsed", QStringLiteral("pomme \t\n de   terre"), plain(QStringLiteral("pomme de terre"))},
    Cleaning{"three words kept", QStringLiteral("le chat noir dort."), plain(QStringLiteral("le chat noir"))},
    Cleaning{"closing quote counted as a word", QStringLiteral("« le chat » dort"), plain(QStringLiteral("le chat"))},
    Cleaning{"60 characters kept", QString(70, u'a'), plain(QString(60, u'a'))},
    Cleaning{"inner hyphen and apostrophe kept", QStringLiteral("(c'est-à-dire)"), TextWord{QStringLiteral("c'est-à-dire"), QStringLiteral("est-à-dire")}},
    Cleaning{"elided article", QStringLiteral("l’arbre"), TextWord{QStringLiteral("l’arbre"), QStringLiteral("arbre")}},
    Cleaning{"elided pronoun", QStringLiteral("Qu'il"), TextWord{QStringLiteral("Qu'il"), QStringLiteral("il")}},
    Cleaning{"elision left to the dictionary", QStringLiteral("d'abord,"), TextWord{QStringLiteral("d'abord"), QStringLiteral("abord")}},
    Cleaning{"long elided word", QStringLiteral("jusqu’à demain"), TextWord{QStringLiteral("jusqu’à demain"), QStringLiteral("à demain")}},
    Cleaning{"not an elision", QStringLiteral("aujourd'hui"), plain(QStringLiteral("aujourd'hui"))},
    Cleaning{"combining accent composed", QStringLiteral("cafe\u0301"), plain(QStringLiteral("café"))},
    Cleaning{"accent left on a closing quote", QStringLiteral("chat\u00A0»\u0301"), plain(QStringLiteral("chat"))},
    Cleaning{"soft hyphen dropped", QStringLiteral("mai\u00ADson"), plain(QStringLiteral("maison"))},
    Cleaning{"controls split words", QString::fromUtf16(u"chat\0chien", 10), plain(QStringLiteral("chat chien"))},
    Cleaning{"emoji around", QStringLiteral("😀 chat 😀"), plain(QStringLiteral("chat"))},
    Cleaning{"megabyte word cut", QStringLiteral("« ") + Megabyte, plain(QString(60, u'x'))},
    Cleaning{"megabyte of space first", QString(1 << 20, u' ') + QStringLiteral("chat"), plain(QStringLiteral("chat"))},
    Cleaning{"megabyte after three words", QStringLiteral("un deux trois ") + Megabyte, plain(QStringLiteral("un deux trois"))},
    Cleaning{"only punctuation", QStringLiteral("«!?…—»"), std::nullopt},
    Cleaning{"only digits", QStringLiteral("1984"), std::nullopt},
    Cleaning{"binary junk", QStringLiteral("\x01\x02\uFFFD\uFFFD\u001B\uE000\u0300"), std::nullopt},
    Cleaning{"binary junk with letters", QStringLiteral("\uFFFDPNG\r\n\u001A\n\uFFFD\uFFFD\u0001\uFFFD"), plain(QStringLiteral("PNG"))},
    Cleaning{"lone surrogates", QString(QChar(0xDC00)) + QChar(0xD800) + QChar(0xD800), std::nullopt},
    Cleaning{"empty", QString(), std::nullopt}));
// clang-format on

// A lemma source that answers from a table and counts the questions.
class TableLemmas final : public LemmaSource
{
public:
    explicit TableLemmas(QHash<QString, QStringList> table) : table_(std::move(table)) {}
    QStringList lemmas(const QString &word) override
    {
        ++asked;
        return table_.value(word);
    }
    int asked = 0;

private:
    QHash<QString, QStringList> table_;
};

TEST(AsWritten, FirstSpellingWithAnEntry)
{
    const DictionaryStore &store = testing::realModule().store;
    // clang-format off
    const struct { const char *name; TextWord word; QString expected; int lemmasAsked; } rows[] = {
        {"found as typed: no lemma asked", plain(QStringLiteral("chat")), QStringLiteral("chat"), 0},
        {"found lower-cased", plain(QStringLiteral("Chat")), QStringLiteral("Chat"), 0},
        {"œ as the data writes it", plain(QStringLiteral("œil")), QStringLiteral("oeil"), 0},
        {"whole word with elision is a headword", TextWord{QStringLiteral("d'abord"), QStringLiteral("abord")}, QStringLiteral("d’abord"), 0},
        {"elided article dropped", TextWord{QStringLiteral("l'arbre"), QStringLiteral("arbre")}, QStringLiteral("arbre"), 0},
        {"lemma", plain(QStringLiteral("mangerions")), QStringLiteral("manger"), 1},
        {"first lemma with an entry", plain(QStringLiteral("xétaient")), QStringLiteral("être"), 1},
        {"lemma of a word typed with oe", plain(QStringLiteral("soeurs")), QStringLiteral("soeur"), 2},
        {"lemma of the word without its elision", TextWord{QStringLiteral("l'chevaux"), QStringLiteral("chevaux")}, QStringLiteral("cheval"), 1},
        {"nothing found: kept as given", plain(QStringLiteral("xyzzy")), QStringLiteral("xyzzy"), 1},
        {"nothing found after an elision", TextWord{QStringLiteral("qu'xyzzy"), QStringLiteral("xyzzy")}, QStringLiteral("xyzzy"), 1},
        {"no lemma for a very long word", plain(QString(1000, u'z')), QString(1000, u'z'), 0},
        {"empty", plain(QString()), QString(), 0},
    };
    // clang-format on
    for (const auto &row : rows) {
        TableLemmas lemmas({{QStringLiteral("mangerions"), {QStringLiteral("manger")}},
                            {QStringLiteral("xétaient"), {QStringLiteral("zzzz"), QStringLiteral("être")}},
                            {QStringLiteral("chevaux"), {QStringLiteral("cheval")}},
                            {QStringLiteral("sœurs"), {QStringLiteral("sœur")}}});
        EXPECT_EQ(findAsWritten(store, &lemmas, row.word), row.expected) << row.name;
        EXPECT_EQ(lemmas.asked, row.lemmasAsked) << row.name;
    }
}

} // namespace
} // namespace velkaron
