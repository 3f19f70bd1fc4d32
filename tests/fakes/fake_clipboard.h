#pragma once
// A clipboard of the test's own, which can also refuse to be written.

#include "platform/clipboard.h"

#include <optional>

namespace velkaron::testing {

class FakeClipboard final : public Clipboard
{
public:
    bool setText(const QString &text) override
    {
        ++writes;
        if (refuses)
            return false;
        content = text;
        return true;
    }

    std::optional<QString> content; // nothing until written
    bool refuses = false;
    int writes = 0;
};

} // namespace velkaron::testing
