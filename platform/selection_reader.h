#pragma once
// The text the user has selected in another program: the primary selection where the
// platform has one (X11, Wayland with the primary-selection protocol), else the clipboard.
// Another program owns that text and sends it when asked; one that never answers must not
// hold up the start, so the reader gives up after a short wait.

#include <QString>

#include <optional>

namespace velkaron {

class SelectionReader
{
public:
    virtual ~SelectionReader() = default;
    // The selected text; nothing when there is none, or when its owner did not answer.
    virtual std::optional<QString> selectedText() = 0;
};

} // namespace velkaron
