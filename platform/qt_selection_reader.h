#pragma once
// The selection through QClipboard. Qt waits up to five seconds for an X11 selection owner,
// twice (its formats, then the text); on X11 the reader first asks the owner for its formats
// over a connection of its own and reads through Qt only when the owner answers within
// OwnerWait.

#include "platform/selection_reader.h"

#include <chrono>

namespace velkaron {

class QtSelectionReader final : public SelectionReader
{
public:
    static constexpr std::chrono::milliseconds OwnerWait{500};

    std::optional<QString> selectedText() override;
};

} // namespace velkaron
