// Bytes from a command line or a pipe become text only when they are well-formed UTF-8.

#include "core/strict_utf8.h"

#include <gtest/gtest.h>

namespace velkaron {
namespace {

struct Utf8Case
{
    const char *name;
    QByteArray bytes;
    std::optional<QString> text;
};

void PrintTo(const Utf8Case &row, std::ostream *os) { *os << row.name; }

class StrictUtf8 : public ::testing::TestWithParam<Utf8Case>
{
};

TEST_P(StrictUtf8, DecodesOnlyWellFormedText)
{
    const Utf8Case &row = GetParam();
    const std::optional<QString> decoded = decodeStrictUtf8(row.bytes);
    ASSERT_EQ(decoded.has_value(), row.text.has_value());
    if (decoded) {
        EXPECT_EQ(*decoded, *row.text);
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Bytes, StrictUtf8, ::testing::Values(
    Utf8Case{"empty", QByteArray(), QString()},
    Utf8Case{"ascii", "chat", QStringLiteral("chat")},
    Utf8Case{"two_bytes", "r\xc3\xa8glement", QStringLiteral("règlement")},
    Utf8Case{"three_bytes", "\xc5\x93il \xe2\x82\xac", QStringLiteral("œil €")},
    Utf8Case{"four_bytes", "\xf0\x9f\x98\x80", QString::fromUcs4(U"\U0001F600", 1)},
    Utf8Case{"last_code_point", "\xf4\x8f\xbf\xbf", QString::fromUcs4(U"\U0010FFFF", 1)},
    Utf8Case{"below_surrogates", "\xed\x9f\xbf", QString(QChar(0xD7FF))},
    Utf8Case{"nul_inside", QByteArray("a\0b", 3), QStringView(u"a\0b", 3).toString()},
    // A byte order mark is a character like any other: never dropped behind the caller's back.
    Utf8Case{"byte_order_mark_opening", "\xef\xbb\xbf" "chat", QStringLiteral("\uFEFFchat")},
    Utf8Case{"byte_order_mark_alone", "\xef\xbb\xbf", QStringLiteral("\uFEFF")},
    Utf8Case{"byte_order_mark_inside", "ch\xef\xbb\xbf" "at", QStringLiteral("ch\uFEFFat")},
    Utf8Case{"latin1_byte", "caf\xe9", std::nullopt},
    Utf8Case{"ff", "\xff", std::nullopt},
    Utf8Case{"lone_continuation", "\x80", std::nullopt},
    Utf8Case{"overlong_two_bytes", "\xc0\xaf", std::nullopt},
    Utf8Case{"overlong_c1", "\xc1\xbf", std::nullopt},
    Utf8Case{"overlong_three_bytes", "\xe0\x80\xaf", std::nullopt},
    Utf8Case{"overlong_four_bytes", "\xf0\x8f\xbf\xbf", std::nullopt},
    Utf8Case{"surrogate", "\xed\xa0\x80", std::nullopt},
    Utf8Case{"past_last_code_point", "\xf4\x90\x80\x80", std::nullopt},
    Utf8Case{"f5_lead", "\xf5\x80\x80\x80", std::nullopt},
    Utf8Case{"truncated_at_end", "chat\xc3", std::nullopt},
    Utf8Case{"truncated_three_bytes", "\xe2\x82", std::nullopt},
    Utf8Case{"lead_then_ascii", "\xc3" "a", std::nullopt},
    Utf8Case{"bad_third_byte", "\xe2\x82" "a", std::nullopt}),
    [](const auto &info) { return std::string(info.param.name); });
// clang-format on

TEST(StrictUtf8Show, KeepsGoodSequencesAndEscapesBadBytes)
{
    // clang-format off
    const struct { const char *name; QByteArray bytes; QString shown; } rows[] = {
        {"valid text unchanged", "r\xc3\xa8gle", QStringLiteral("règle")},
        {"latin1 accent", "caf\xe9", QStringLiteral("caf\\xE9")},
        {"bad byte after accent", "\xc3\xa9\xff", QStringLiteral("é\\xFF")},
        {"truncated sequence", "a\xe2\x82", QStringLiteral("a\\xE2\\x82")},
        {"surrogate bytes", "\xed\xa0\x80", QStringLiteral("\\xED\\xA0\\x80")},
        {"byte order mark kept", "\xef\xbb\xbf\xff", QStringLiteral("\uFEFF\\xFF")},
    };
    // clang-format on
    for (const auto &row : rows)
        EXPECT_EQ(showBytes(row.bytes), row.shown) << row.name;
}

} // namespace
} // namespace velkaron
