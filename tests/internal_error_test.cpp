#include "core/internal_error.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <new>
#include <stdexcept>

namespace velkaron {
namespace {

TEST(InternalError, EachFailureHasItsNumberInTheReport)
{
    // clang-format off
    const struct { std::function<void()> raise; int number; } rows[] = {
        {[] { throw std::out_of_range("x"); }, 9},
        {[] { throw std::bad_alloc(); }, 7},
        {[] { throw std::overflow_error("x"); }, 6},
        {[] { throw std::invalid_argument("x"); }, 5},
        {[] { throw 42; }, 51},
    };
    // clang-format on
    for (const auto &row : rows) {
        QStringList reports;
        InternalErrorTrap trap(QStringLiteral("022"), QStringLiteral("\r\n"),
                               [&](const QString &text) { reports << text; });
        trap.run(row.raise);
        ASSERT_EQ(reports.size(), 1);
        const QStringList lines = reports.front().split(QStringLiteral("\r\n"));
        ASSERT_EQ(lines.size(), 2);
        EXPECT_TRUE(lines[0].endsWith(QString(17, u' ')));
        EXPECT_FALSE(lines[0].trimmed().isEmpty());
        EXPECT_EQ(lines[1], QStringLiteral("Erreur interne 022 - %1").arg(row.number));
    }
}

TEST(InternalError, FailingOperationIsSkippedAndTheNextOneRuns)
{
    QStringList reports;
    QStringList done;
    InternalErrorTrap trap(QStringLiteral("017"), QStringLiteral("\r\n"), [&](const QString &text) { reports << text; });
    trap.run([&] { done << QStringLiteral("first"); });
    trap.run([&] {
        throw std::out_of_range("cell");
        done << QStringLiteral("never");
    });
    trap.run([&] { done << QStringLiteral("third"); });
    EXPECT_EQ(done, QStringList({QStringLiteral("first"), QStringLiteral("third")}));
    ASSERT_EQ(reports.size(), 1);
    EXPECT_TRUE(reports.front().endsWith(QStringLiteral("\r\nErreur interne 017 - 9")));
}

} // namespace
} // namespace velkaron
