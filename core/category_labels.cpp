#include "core/category_labels.h"

namespace velkaron {

// clang-format off
const std::array<CategoryLabel, 34> CategoryLabels = {{
    {u"adj", u": adjectif"},
    {u"adj adv", u": adjectif adverbe"},
    {u"adj interj", u": adjectif interjection"},
    {u"adj interj n", u": adjectif interjection nom"},
    {u"adj n", u": adjectif nom"},
    {u"adj n v", u": adjectif nom verbe"},
    {u"adj prép", u": adjectif préposition"},
    {u"adj pron", u": adjectif pronom"},
    {u"adj v", u": adjectif verbe"},
    {u"adv", u": adverbe"},
    {u"adv conj", u": adverbe conjonction"},
    {u"adv loc", u": adverbe locution"},
    {u"adv n", u": adverbe nom"},
    {u"adv prép", u": adverbe préposition"},
    {u"adv pron", u": adverbe pronom"},
    {u"adv v", u": adverbe verbe"},
    {u"art", u": article"},
    {u"conj", u": conjonction"},
    {u"conj n", u": conjonction nom"},
    {u"expr", u": expression"},
    {u"interj", u": interjection"},
    {u"interj n", u": interjection nom"},
    {u"loc", u": locution"},
    {u"n", u": nom"},
    {u"n adv", u": nom adverbe"},
    {u"n préf", u": nom préfixe"},
    {u"n prép", u": nom préposition"},
    {u"n prép v", u": nom préposition verbe"},
    {u"n pron", u": nom pronom"},
    {u"n v", u": nom verbe"},
    {u"préf", u": préfixe"},
    {u"prép", u": préposition"},
    {u"pron", u": pronom"},
    {u"v", u": verbe"},
}};
// clang-format on

std::optional<QStringView> categoryLabel(QStringView field)
{
    for (const CategoryLabel &row : CategoryLabels) {
        if (row.value == field)
            return row.label;
    }
    return std::nullopt;
}

} // namespace velkaron
