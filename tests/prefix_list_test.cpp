// The prefix word list on the real dictionary.

#include "core/prefix_list.h"
#include "core/text_view.h"
#include "real_dictionary.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace velkaron {
namespace {

using testing::realModule;

QStringList listed(const QString &mirror)
{
    TextView view;
    PrefixList list(realModule(), view);
    list.rebuild(mirror);
    EXPECT_FALSE(view.busyPointer);
    EXPECT_EQ(view.wordCountMessage, wordCountMessage(view.words.size()));
    return view.words;
}

TEST(PrefixList, CountsAndEndsOfTheDictionaryPrefixes)
{
    // clang-format off
    const struct { QString mirror; qsizetype count; QString first; QString last; } rows[] = {
        {QStringLiteral("a "), 54, QStringLiteral("à brûle-pourpoint"), QStringLiteral("à tort")},
        {QStringLiteral("ch"), 599, {}, {}},
        {QStringLiteral("cha"), 329, {}, {}},
        {QStringLiteral("chat"), 32, QStringLiteral("chat"), QStringLiteral("chat-tigre")},
        {QStringLiteral("co"), 1804, {}, {}},
        {QStringLiteral("ecole"), 1, QStringLiteral("école"), QStringLiteral("école")},
        {QStringLiteral("rer"), 1, QStringLiteral("RER"), QStringLiteral("RER")},
        {QStringLiteral("assommant"), 2, QStringLiteral("assommant"), QStringLiteral("assommant")},
    };
    // clang-format on
    for (const auto &row : rows) {
        const QStringList words = listed(row.mirror);
        ASSERT_EQ(words.size(), row.count) << row.mirror.toStdString();
        if (!row.first.isEmpty()) {
            EXPECT_EQ(words.front(), row.first) << row.mirror.toStdString();
            EXPECT_EQ(words.back(), row.last) << row.mirror.toStdString();
        }
    }
    EXPECT_EQ(listed(QStringLiteral("chat")).at(1), QStringLiteral("châtaigne"));
}

TEST(PrefixList, ExactListsInTableOrder)
{
    // clang-format off
    const struct { QString mirror; QStringList words; } rows[] = {
        {QStringLiteral("xy"), {QStringLiteral("xylographie"), QStringLiteral("xylophone"), QStringLiteral("xylose")}},
        {QStringLiteral("a cote"), {QStringLiteral("à côté"), QStringLiteral("à côté de")}},
    };
    // clang-format on
    for (const auto &row : rows)
        EXPECT_EQ(listed(row.mirror), row.words) << row.mirror.toStdString();

    const QStringList tache = listed(QStringLiteral("tache"));
    ASSERT_EQ(tache.size(), 12);
    EXPECT_EQ(tache.mid(0, 5), QStringList({QStringLiteral("tache"), QStringLiteral("taché"), QStringLiteral("tâché"),
                                            QStringLiteral("tâche"), QStringLiteral("tache de rousseur")}));
}

TEST(PrefixList, TextsThatListNothing)
{
    for (const QString &mirror : {QString(), QStringLiteral("c"), QStringLiteral("x"), QStringLiteral("zz"),
                                  QStringLiteral("école"), QStringLiteral("œil"), QStringLiteral("1er"),
                                  QStringLiteral("  "), QStringLiteral(" a"), QStringLiteral("æshne"),
                                  QStringLiteral("chat\u0000")}) {
        TextView view;
        PrefixList list(realModule(), view);
        list.rebuild(mirror);
        EXPECT_TRUE(view.words.isEmpty()) << mirror.toStdString();
        EXPECT_EQ(view.wordCountMessage, QStringLiteral("Aucun mot dans la liste.")) << mirror.toStdString();
    }
}

TEST(PrefixList, CountMessages)
{
    EXPECT_EQ(wordCountMessage(0), QStringLiteral("Aucun mot dans la liste."));
    EXPECT_EQ(wordCountMessage(1), QStringLiteral("Un mot listé."));
    EXPECT_EQ(wordCountMessage(54), QStringLiteral("54 mots listés."));
    EXPECT_EQ(wordCountMessage(1804), QStringLiteral("1804 mots listés."));
}

TEST(PrefixList, FailureIsReportedAndTheRebuildGoesOn)
{
    TextView view;
    view.words = {QStringLiteral("stale")};
    PrefixList list(realModule(), view);
    list.setScan([](const DictionaryStore &, QStringView) -> QStringList { throw std::out_of_range("injected"); });
    list.rebuild(u"co");
    ASSERT_EQ(view.internalErrors.size(), 1);
    EXPECT_TRUE(view.internalErrors.front().endsWith(QStringLiteral("\r\nErreur interne 022 - 9")));
    EXPECT_TRUE(view.words.isEmpty());
    EXPECT_EQ(view.wordCountMessage, QStringLiteral("Aucun mot dans la liste."));
    EXPECT_FALSE(view.busyPointer);
}

} // namespace
} // namespace velkaron
