#pragma once
// A selection of the test's own: a text, or nothing (none selected, or an owner that did
// not answer).

#include "platform/selection_reader.h"

namespace velkaron::testing {

class FakeSelectionReader final : public SelectionReader
{
public:
    std::optional<QString> selectedText() override
    {
        ++reads;
        return text;
    }

    std::optional<QString> text;
    int reads = 0;
};

} // namespace velkaron::testing
