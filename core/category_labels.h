#pragma once
// The fixed table from a whole category field ("adj n") to the words shown after the
// searched word (": adjectif nom"). Fields are compared whole and exactly: a combination
// without its own row ("loc n", "prep pron") has no label.

#include <QStringView>

#include <array>
#include <optional>

namespace velkaron {

struct CategoryLabel
{
    QStringView value;
    QStringView label;
};

extern const std::array<CategoryLabel, 34> CategoryLabels;

// The label of the first row whose value equals `field`, or nothing.
std::optional<QStringView> categoryLabel(QStringView field);

} // namespace velkaron
