#include "core/category_labels.h"

#include <QString>

#include <gtest/gtest.h>

#include <set>

namespace velkaron {
namespace {

TEST(CategoryLabels, WholeFieldsGiveTheirLabel)
{
    // clang-format off
    const struct { const char16_t *field; const char16_t *label; } rows[] = {
        {u"n", u": nom"},
        {u"adj n", u": adjectif nom"},
        {u"n v", u": nom verbe"},
        {u"adj interj n", u": adjectif interjection nom"},
        {u"adj interj", u": adjectif interjection"},
        {u"n prép v", u": nom préposition verbe"},
        {u"prép", u": préposition"},
        {u"v", u": verbe"},
    };
    // clang-format on
    for (const auto &row : rows) {
        const auto label = categoryLabel(row.field);
        ASSERT_TRUE(label.has_value()) << QString::fromUtf16(row.field).toStdString();
        EXPECT_EQ(*label, QStringView(row.label));
    }
}

TEST(CategoryLabels, NearMissesAndUnlistedCombinationsGiveNothing)
{
    for (const char16_t *field : {u"loc n", u"prep pron", u"", u"N", u"adj  n", u" n", u"n ", u"prep", u"adj interj n v"}) {
        EXPECT_FALSE(categoryLabel(field).has_value()) << QString::fromUtf16(field).toStdString();
    }
}

TEST(CategoryLabels, TableHas34DistinctValuesEachLabelledFromItsWords)
{
    std::set<QString> values;
    for (const CategoryLabel &row : CategoryLabels) {
        values.insert(row.value.toString());
        EXPECT_TRUE(row.label.startsWith(u": "));
        // One word in the label per abbreviation in the value.
        EXPECT_EQ(row.value.count(u' ') + 1, row.label.count(u' ')) << row.value.toString().toStdString();
    }
    EXPECT_EQ(values.size(), 34u);
}

} // namespace
} // namespace velkaron
