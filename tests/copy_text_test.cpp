#include "core/copy_text.h"

#include <gtest/gtest.h>

namespace velkaron {
namespace {

const QString crlf = QStringLiteral("\r\n");

TEST(CopyText, ListCopyHeadingAndBody)
{
    // clang-format off
    const struct { const char *name; QString entry; QStringList lines; QString copied; } rows[] = {
        {"three entries", QStringLiteral("mot"), {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")},
         QStringLiteral("Liste des synonyme de ''mot'':\r\na\r\nb\r\nc")},
        {"empty entries around one", QStringLiteral("mot"), {QString(), QStringLiteral("x"), QString()},
         QStringLiteral("Liste des synonyme de ''mot'':\r\nx\r\n")},
        {"empty list", QStringLiteral("chat"), {}, QStringLiteral("Liste des synonyme de ''chat'':\r\n")},
        {"leading spaces and entry kept as typed", QStringLiteral(" Été "), {QStringLiteral("  a")},
         QStringLiteral("Liste des synonyme de '' Été '':\r\n  a")},
    };
    // clang-format on
    for (const auto &row : rows)
        EXPECT_EQ(synonymListCopy(row.entry, row.lines, crlf), row.copied) << row.name;
}

TEST(CopyText, HelpMessageIsSixLinesInThreeParagraphs)
{
    const QString help = helpMessage(crlf);
    EXPECT_EQ(help.size(), 297);
    EXPECT_FALSE(help.endsWith(crlf));
    const QStringList lines = help.split(crlf);
    ASSERT_EQ(lines.size(), 8);
    EXPECT_EQ(lines[1], QStringLiteral("bouton ''Rechercher''."));
    EXPECT_TRUE(lines[2].isEmpty());
    EXPECT_TRUE(lines[5].isEmpty());
    EXPECT_EQ(lines[7], QStringLiteral("la liste, vous pouvez copier les résultats de la recherche."));
}

} // namespace
} // namespace velkaron
