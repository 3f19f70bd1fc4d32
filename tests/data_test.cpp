// Checks the committed letter texts data/A.txt … data/Z.txt themselves: their bytes, their
// syntax, their order and the entries that the rest of the program and its tests rely on.

#include "core/folding.h"
#include "core/store.h"
#include "core/windows1252.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <array>
#include <map>
#include <vector>

namespace {

using velkaron::EntryCounts;

struct Line
{
    QString text;
    QString headword;
    QString category;
    QStringList synonyms;
    int letter = 0; // 0 = A
    int index = 0;  // 0-based position in its letter
};

struct Dictionary
{
    std::array<QByteArray, 26> bytes;
    std::array<std::vector<Line>, 26> letters;
    std::vector<Line> all;

    const Line *find(const QString &headword) const
    {
        for (const Line &l : all)
            if (l.headword == headword)
                return &l;
        return nullptr;
    }
    std::vector<const Line *> findAll(const QString &headword) const
    {
        std::vector<const Line *> found;
        for (const Line &l : all)
            if (l.headword == headword)
                found.push_back(&l);
        return found;
    }
};

const Dictionary &dictionary()
{
    static const Dictionary d = [] {
        Dictionary d;
        for (int i = 0; i < 26; ++i) {
            QFile f(QStringLiteral(VELKARON_DATA_DIR "/%1.txt").arg(QChar(u'A' + i)));
            if (!f.open(QIODevice::ReadOnly))
                continue;
            d.bytes[i] = f.readAll();
            const QStringList texts = velkaron::widenWindows1252(d.bytes[i]).split(QStringLiteral("\r\n"));
            for (int k = 0; k < texts.size(); ++k) {
                Line l;
                l.text = texts[k];
                const auto s = l.text.indexOf(u'§');
                const auto dollar = l.text.indexOf(u'$', s + 1);
                l.headword = l.text.left(s);
                l.category = l.text.mid(s + 1, dollar - s - 1);
                l.synonyms = l.text.mid(dollar + 1).split(u'\\');
                l.letter = i;
                l.index = k;
                d.letters[i].push_back(l);
                d.all.push_back(l);
            }
        }
        return d;
    }();
    return d;
}

// Folded, lower-cased key: what the prefix list compares.
QString key(const QString &headword) { return velkaron::SubAccents(headword).toLower(); }

// French dictionary order: case and accents ignored, æ as ae, hyphens and apostrophes
// ignored, a space before every letter.
QString collationKey(const QString &headword)
{
    QString out;
    for (QChar c : headword.toLower()) {
        if (c == u'-' || c == u'\'' || c == u'’')
            continue;
        if (c == u'æ') {
            out += QStringLiteral("ae");
            continue;
        }
        out += QChar(velkaron::foldedChar(c.unicode()));
    }
    return out;
}

// The program's sort of synonyms: ordinal on Windows-1252 codes.
QStringList sortedByCodes(QStringList list)
{
    std::sort(list.begin(), list.end(), [](const QString &a, const QString &b) {
        const auto n = std::min(a.size(), b.size());
        for (qsizetype i = 0; i < n; ++i) {
            const int x = velkaron::unicodeToWindows1252(a[i].unicode());
            const int y = velkaron::unicodeToWindows1252(b[i].unicode());
            if (x != y)
                return x < y;
        }
        return a.size() < b.size();
    });
    return list;
}

bool hasUpper(const QString &s)
{
    return std::any_of(s.begin(), s.end(), [](QChar c) { return c.isUpper(); });
}

TEST(DataFiles, AllTwentySixTextsArePresent)
{
    for (int i = 0; i < 26; ++i) {
        EXPECT_FALSE(dictionary().bytes[i].isEmpty()) << char('A' + i);
    }
}

// 1. Line counts.
TEST(DataFiles, LineCountsAreTheBuiltInEntryCounts)
{
    int total = 0;
    for (int i = 0; i < 26; ++i) {
        EXPECT_EQ(int(dictionary().letters[i].size()), EntryCounts[i]) << char('A' + i);
        total += int(dictionary().letters[i].size());
    }
    EXPECT_EQ(total, 40096);
}

// The texts carry no padding of their own: the embedding step adds the NUL bytes.
TEST(DataFiles, TextsHoldNoNulByte)
{
    for (int i = 0; i < 26; ++i) {
        EXPECT_FALSE(dictionary().bytes[i].contains('\0')) << char('A' + i);
    }
}

// 2. Bytes and syntax.
TEST(DataFiles, BytesAreWindows1252LinesSeparatedByCrLf)
{
    const QByteArray allowedHigh = QByteArrayLiteral("\xA7\x92\xE0\xE2\xE6\xE7\xE8\xE9\xEA\xEB\xEE\xEF\xF4\xF6\xF9\xFB\xFC\xC2\xC9");
    for (int i = 0; i < 26; ++i) {
        const QByteArray &b = dictionary().bytes[i];
        SCOPED_TRACE(std::string(1, char('A' + i)));
        EXPECT_FALSE(b.startsWith("\xEF\xBB\xBF"));
        EXPECT_FALSE(b.endsWith('\n'));
        EXPECT_FALSE(b.endsWith('\r'));
        EXPECT_FALSE(b.contains("\r\n\r\n"));
        EXPECT_FALSE(b.startsWith("\r\n"));
        for (qsizetype k = 0; k < b.size(); ++k) {
            const auto c = static_cast<unsigned char>(b[k]);
            if (c == '\r') {
                ASSERT_TRUE(k + 1 < b.size() && b[k + 1] == '\n') << "lone CR at " << k;
            } else if (c == '\n') {
                ASSERT_TRUE(k > 0 && b[k - 1] == '\r') << "lone LF at " << k;
            } else {
                ASSERT_GE(c, 0x20) << "control byte at " << k;
                if (c >= 0x80) {
                    ASSERT_TRUE(allowedHigh.contains(char(c))) << "byte " << int(c) << " at " << k;
                }
            }
        }
    }
}

TEST(DataFiles, EveryLineHasOneSectionSignThenOneDollarAndCleanFields)
{
    for (const Line &l : dictionary().all) {
        SCOPED_TRACE(l.text.toStdString());
        ASSERT_EQ(l.text.count(u'§'), 1);
        ASSERT_EQ(l.text.count(u'$'), 1);
        ASSERT_LT(l.text.indexOf(u'§'), l.text.indexOf(u'$'));
        EXPECT_FALSE(l.headword.contains(u'\\'));
        EXPECT_FALSE(l.category.contains(u'\\'));
        EXPECT_EQ(l.headword, l.headword.trimmed());
        for (const QString &s : l.synonyms) {
            EXPECT_EQ(s, s.trimmed());
            if (l.headword != QStringLiteral("règlement")) {
                EXPECT_FALSE(s.isEmpty());
            }
        }
    }
}

TEST(DataFiles, CharactersAreThoseOfTheFormat)
{
    const QString letters = QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZàâçèéêëîïôöùûüæ");
    const QSet<QString> specials = {QStringLiteral("brainstormer"), QStringLiteral("givré"), QStringLiteral("remontada")};
    for (const Line &l : dictionary().all) {
        SCOPED_TRACE(l.text.toStdString());
        for (QChar c : l.headword) {
            ASSERT_TRUE(letters.contains(c) || c == u' ' || c == u'-' || c == u'\'' || c == u'’') << int(c.unicode());
        }
        for (const QString &s : l.synonyms)
            for (QChar c : s) {
                const bool marks = c == u'(' || c == u')' || c == u'*';
                ASSERT_TRUE(letters.contains(c) || c == u'É' || c == u'Â' || c == u' ' || c == u'-' || c == u'\''
                            || (marks && specials.contains(l.headword)))
                    << int(c.unicode());
            }
    }
}

// 3. Categories.
TEST(DataFiles, CategoryFieldsAreTheThirtyFiveValues)
{
    const QSet<QString> values = {
        "n", "adj", "v", "adj n", "adv", "adj v", "loc", "n v", "pron", "interj", "adv n", "adj n v",
        "prép", "interj n", "adj adv", "adj pron", "conj", "adv prép", "expr", "adv loc", "adv conj",
        "conj n", "n préf", "n prép", "adj prép", "adj interj n", "art", "n pron", "préf", "adv v",
        "adv pron", "n adv", "adj interj", "loc n", "prep pron"};
    for (const Line &l : dictionary().all) {
        EXPECT_TRUE(values.contains(l.category)) << l.text.toStdString();
        if (l.category == QStringLiteral("loc n")) {
            EXPECT_EQ(l.headword, QStringLiteral("en-tête"));
        }
        if (l.category == QStringLiteral("prep pron")) {
            EXPECT_EQ(l.headword, QStringLiteral("quelqu'un"));
        }
    }
}

TEST(DataFiles, CategoriesFitTheWords)
{
    const std::map<QString, QString> expected = {
        {"chat", "n"}, {"maison", "adj n"}, {"abaisse", "n v"}, {"abonné", "adj n"}, {"à cheval", "loc"},
        {"à cause de", "loc"}, {"azurer", "v"}, {"en-tête", "loc n"}, {"quelqu'un", "prep pron"},
        {"chez", "prép"}, {"abandonner", "v"}, {"rapidement", "adv"}, {"école", "n"}, {"élève", "n v"}};
    for (const auto &[word, category] : expected) {
        const Line *l = dictionary().find(word);
        ASSERT_NE(l, nullptr) << word.toStdString();
        EXPECT_EQ(l->category, category) << word.toStdString();
    }
}

// 4. Letter and order.
TEST(DataFiles, EveryLineStandsInTheLetterOfItsFirstCharacter)
{
    for (const Line &l : dictionary().all) {
        const QChar first = collationKey(l.headword).at(0);
        EXPECT_EQ(first.unicode(), u'a' + l.letter) << l.text.toStdString();
    }
}

TEST(DataFiles, LinesFollowFrenchDictionaryOrder)
{
    for (int i = 0; i < 26; ++i) {
        const auto &lines = dictionary().letters[i];
        for (size_t k = 1; k < lines.size(); ++k) {
            if (i == 'D' - 'A' && k == 1)
                continue; // d’abord opens D ahead of its place
            EXPECT_LE(collationKey(lines[k - 1].headword), collationKey(lines[k].headword))
                << lines[k - 1].headword.toStdString() << " / " << lines[k].headword.toStdString();
        }
    }
    EXPECT_EQ(dictionary().letters['D' - 'A'].front().headword, QStringLiteral("d’abord"));
    EXPECT_TRUE(dictionary().letters['D' - 'A'][1].headword.startsWith(QStringLiteral("da")));
}

TEST(DataFiles, QuotedNeighboursStandInTheirOrder)
{
    struct Pair { const char16_t *before; const char16_t *after; bool adjacent; };
    const Pair pairs[] = {
        {u"à la suite", u"à l'affût", false}, {u"après réflexion", u"après-coup", false},
        {u"abaisse", u"abaissé", true},       {u"abîmé", u"abîme", true},
        {u"tache", u"taché", true},           {u"taché", u"tâché", true},
        {u"tâché", u"tâche", true},           {u"tâche", u"tache de rousseur", true},
        {u"chat", u"châtaigne", true},        {u"à côté", u"à côté de", true},
    };
    for (const Pair &p : pairs) {
        const Line *a = dictionary().find(QString::fromUtf16(p.before));
        const Line *b = dictionary().find(QString::fromUtf16(p.after));
        ASSERT_TRUE(a && b) << QString::fromUtf16(p.before).toStdString();
        EXPECT_EQ(a->letter, b->letter);
        if (p.adjacent) {
            EXPECT_EQ(a->index + 1, b->index) << a->headword.toStdString();
        }
        else
            EXPECT_LT(a->index, b->index) << a->headword.toStdString();
    }
}

// 5. Headwords and synonym counts.
TEST(DataFiles, HeadwordLengthsCapitalsApostrophesAndRepeats)
{
    QStringList capitalFirst, typographic, longest;
    QHash<QString, int> seen;
    for (const Line &l : dictionary().all) {
        EXPECT_GE(l.headword.size(), 1);
        EXPECT_LE(l.headword.size(), 29);
        if (l.headword.size() == 29)
            longest << l.headword;
        if (l.headword.at(0).isUpper())
            capitalFirst << l.headword;
        if (l.headword.contains(u'’'))
            typographic << l.headword;
        ++seen[l.headword];
    }
    EXPECT_EQ(longest, QStringList{"assimilation chlorophyllienne"});
    capitalFirst.sort();
    EXPECT_EQ(capitalFirst, (QStringList{"Angélus", "Ave", "Pater", "RER", "Stradivarius"}));
    typographic.sort();
    EXPECT_EQ(typographic, (QStringList{"aujourd’hui", "d’abord", "main-d’oeuvre", "patte-d’oie"}));
    QStringList repeated;
    for (auto it = seen.cbegin(); it != seen.cend(); ++it)
        if (it.value() > 1)
            repeated << it.key();
    repeated.sort();
    EXPECT_EQ(repeated, (QStringList{"assommant", "empoisonnement"}));
    for (const QString &word : {QStringLiteral("assommant"), QStringLiteral("empoisonnement")}) {
        const auto lines = dictionary().findAll(word);
        ASSERT_EQ(lines.size(), 2u);
        EXPECT_EQ(lines[0]->index + 1, lines[1]->index);
        EXPECT_NE(lines[0]->synonyms, lines[1]->synonyms);
    }
}

TEST(DataFiles, SynonymCountsRunFromOneToFortyThree)
{
    for (const Line &l : dictionary().all) {
        EXPECT_GE(l.synonyms.size(), 1);
        if (l.headword == QStringLiteral("sans-gêne")) {
            EXPECT_EQ(l.synonyms.size(), 43);
            EXPECT_EQ(l.text.size(), 422);
        } else {
            EXPECT_LE(l.synonyms.size(), 42) << l.headword.toStdString();
        }
        if (l.headword != QStringLiteral("règlement")) {
            EXPECT_EQ(QSet<QString>(l.synonyms.begin(), l.synonyms.end()).size(), l.synonyms.size())
                << l.text.toStdString();
        }
        EXPECT_FALSE(l.synonyms.contains(l.headword)) << l.text.toStdString();
    }
}

// Every line keeps at least one synonym, however few of its candidates were kept.
TEST(DataFiles, EveryLineKeepsARealSynonym)
{
    for (const Line &l : dictionary().all) {
        SCOPED_TRACE(l.text.toStdString());
        EXPECT_FALSE(l.text.endsWith(u'$'));
        EXPECT_FALSE(l.text.endsWith(u'\\'));
        ASSERT_FALSE(l.synonyms.isEmpty());
        EXPECT_FALSE(l.synonyms.front().isEmpty());
    }
}

// 6. Quoted and described entries.
TEST(DataFiles, QuotedLinesStandVerbatim)
{
    const QStringList quoted = {
        "chat§n$félin\\matou\\minet",
        "à cause de§loc$parce que\\comme\\puisque\\du fait de",
        "abonné§adj n$habituel\\coutumier\\habitué",
        "à cheval§loc$califourchon",
        "azurer§v$blanchir",
        "abaisse§n v$baisse\\rabat\\repli\\retranche",
        "à partir de§loc$depuis\\de\\dès\\par la suite",
        "Ave§n$oraison\\prière\\Angélus\\Orémus\\Pater\\secrète\\péroraison",
        "chez§prép$à\\dans\\parmi\\en",
    };
    QSet<QString> all;
    for (const Line &l : dictionary().all)
        all.insert(l.text);
    for (const QString &q : quoted) {
        EXPECT_TRUE(all.contains(q)) << q.toStdString();
    }
    const auto &a = dictionary().letters[0];
    EXPECT_EQ(a.front().text, QStringLiteral("à brûle-pourpoint§loc$brûle-pourpoint\\soudain\\sans préavis\\brutalement"
                                             "\\brusquement\\soudainement\\subitement\\tout à coup"));
    EXPECT_EQ(a.back().text, QStringLiteral("azurer§v$blanchir"));
    EXPECT_EQ(dictionary().letters['F' - 'A'].back().text, QStringLiteral("fuyard§adj n$fugitif\\lâche\\vaincu\\pleutre"));
}

TEST(DataFiles, DescribedEntriesHaveTheirSynonyms)
{
    struct Case { const char16_t *word; int count; QStringList sortedStart; };
    const Case cases[] = {
        {u"maison", 13, {"appartement", "demeure", "domicile"}},
        {u"abaisse", 4, {"baisse", "rabat", "repli", "retranche"}},
        {u"Ave", 7, {"Angélus", "Orémus", "Pater", "oraison", "prière", "péroraison", "secrète"}},
        {u"à partir de", 4, {"de", "depuis", "dès", "par la suite"}},
        {u"règlement", 26, {}},
        {u"sans-gêne", 43, {}},
    };
    for (const Case &c : cases) {
        const Line *l = dictionary().find(QString::fromUtf16(c.word));
        ASSERT_NE(l, nullptr);
        EXPECT_EQ(l->synonyms.size(), c.count) << l->headword.toStdString();
        const QStringList sorted = sortedByCodes(l->synonyms);
        EXPECT_EQ(sorted.mid(0, c.sortedStart.size()), c.sortedStart) << l->headword.toStdString();
    }
    const Line *abaisse = dictionary().find("abaisse");
    EXPECT_EQ(abaisse->category, QStringLiteral("n v"));

    const QStringList gene = sortedByCodes(dictionary().find("sans-gêne")->synonyms.mid(0, 21));
    EXPECT_EQ(gene.front(), QStringLiteral("aisance"));
    EXPECT_EQ(gene.back(), QStringLiteral("privauté"));

    const QStringList rule = dictionary().find("règlement")->synonyms;
    EXPECT_TRUE(rule[6].isEmpty());
    EXPECT_EQ(rule.mid(0, 21).count(QString()), 1);
    EXPECT_EQ(rule.mid(21).count(QString()), 1);
    EXPECT_EQ(rule.count(QStringLiteral("arrêté")), 2);
    EXPECT_EQ(rule.mid(0, 21).count(QStringLiteral("arrêté")), 2);
    EXPECT_TRUE(rule.mid(0, 21).contains(QStringLiteral("dogme")));
    EXPECT_TRUE(rule.mid(0, 21).contains(QStringLiteral("décret")));

    EXPECT_TRUE(dictionary().find("chez")->synonyms.contains(QStringLiteral("à")));
}

TEST(DataFiles, DescribedHeadwordsArePresentAndAbsentOnesAreNot)
{
    for (const char16_t *w : {u"en-tête", u"quelqu'un", u"afféterie", u"affèterie", u"élevé", u"élève",
                              u"cochon d'Inde", u"arbre de Judée", u"æshne", u"cæcum", u"boeuf",
                              u"chef-d'oeuvre", u"Stradivarius", u"Angélus", u"Pater", u"RER", u"x",
                              u"brainstormer", u"givré", u"remontada", u"à la suite", u"à l'affût",
                              u"après réflexion", u"après-coup", u"chat-tigre", u"école", u"à tort"})
        EXPECT_NE(dictionary().find(QString::fromUtf16(w)), nullptr) << QString::fromUtf16(w).toStdString();
    for (const char16_t *w : {u"xyz", u"1er", u"œil"}) {
        EXPECT_EQ(dictionary().find(QString::fromUtf16(w)), nullptr);
    }
}

TEST(DataFiles, MarkedAndCapitalisedSynonyms)
{
    QStringList marked;
    QSet<QString> synonyms;
    for (const Line &l : dictionary().all) {
        for (const QString &s : l.synonyms) {
            synonyms.insert(s);
            if (s.contains(u'(') || s.contains(u')') || s.contains(u'*'))
                marked << l.headword;
        }
    }
    marked.removeDuplicates();
    marked.sort();
    EXPECT_EQ(marked, (QStringList{"brainstormer", "givré", "remontada"}));
    EXPECT_TRUE(synonyms.contains(QStringLiteral("Évangile")));
    EXPECT_TRUE(synonyms.contains(QStringLiteral("Moyen Âge")));
}

// 7. Prefix counts on the folded, lower-cased keys.
TEST(DataFiles, PrefixCounts)
{
    struct Case { const char16_t *prefix; int count; QStringList first; QString last; };
    const Case cases[] = {
        {u"a ", 54, {"à brûle-pourpoint"}, "à tort"},
        {u"ch", 599, {}, {}},
        {u"cha", 329, {}, {}},
        {u"chat", 32, {"chat", "châtaigne"}, "chat-tigre"},
        {u"co", 1804, {}, {}},
        {u"tache", 12, {"tache", "taché", "tâché", "tâche", "tache de rousseur"}, {}},
        {u"ecole", 1, {"école"}, "école"},
        {u"rer", 1, {"RER"}, "RER"},
        {u"xy", 3, {"xylographie", "xylophone", "xylose"}, "xylose"},
        {u"a cote", 2, {"à côté", "à côté de"}, "à côté de"},
        {u"zz", 0, {}, {}},
    };
    for (const Case &c : cases) {
        const QString prefix = QString::fromUtf16(c.prefix);
        QStringList found;
        for (const Line &l : dictionary().all)
            if (key(l.headword).startsWith(prefix))
                found << l.headword;
        SCOPED_TRACE(prefix.toStdString());
        EXPECT_EQ(found.size(), c.count);
        EXPECT_EQ(found.mid(0, c.first.size()), c.first);
        if (!c.last.isEmpty() && !found.isEmpty()) {
            EXPECT_EQ(found.back(), c.last);
        }
        if (prefix == QStringLiteral("a "))
            for (const QString &h : found) {
                EXPECT_TRUE(h.startsWith(QStringLiteral("à "))) << h.toStdString();
            }
    }
    EXPECT_NE(dictionary().find("x"), nullptr);
}

// 8. Not exact, but the figures must stay in reach of the target.
TEST(DataFiles, ShapeStaysNearTheTargetFigures)
{
    int capitals = 0, severalWords = 0, capitalSynonyms = 0, accentedE = 0;
    for (const Line &l : dictionary().all) {
        capitals += hasUpper(l.headword);
        severalWords += l.headword.contains(u' ');
        capitalSynonyms += std::any_of(l.synonyms.begin(), l.synonyms.end(), hasUpper);
        accentedE += l.letter == 'E' - 'A' && QStringLiteral("éèê").contains(l.headword.at(0));
    }
    EXPECT_EQ(accentedE, 1396);
    EXPECT_NEAR(capitals, 30, 15);
    EXPECT_NEAR(severalWords, 685, 400);
    EXPECT_NEAR(capitalSynonyms, 71, 40);
}

} // namespace
