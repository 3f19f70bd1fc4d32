#include "core/windows1252.h"

#include <gtest/gtest.h>

namespace velkaron {
namespace {

TEST(Windows1252, WidensEveryByteToItsLetter)
{
    // clang-format off
    const struct { unsigned char byte; char16_t expected; } rows[] = {
        {0x41, u'A'}, {0xA7, u'§'}, {0x92, u'’'}, {0x80, u'€'}, {0x9C, u'œ'}, {0x8C, u'Œ'},
        {0xE0, u'à'}, {0xC9, u'É'}, {0xE6, u'æ'}, {0xFF, u'ÿ'}, {0x00, u'\0'}, {0x81, 0x81},
    };
    // clang-format on
    for (const auto &row : rows)
        EXPECT_EQ(windows1252ToUnicode(row.byte), row.expected) << int(row.byte);
}

TEST(Windows1252, RoundTripsEveryByte)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    const QString wide = widenWindows1252(all);
    ASSERT_EQ(wide.size(), 256);
    for (int b = 0; b < 256; ++b)
        EXPECT_EQ(unicodeToWindows1252(wide[b].unicode()), b);
    EXPECT_EQ(unicodeToWindows1252(u'ő'), -1);
}

} // namespace
} // namespace velkaron
