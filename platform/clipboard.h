#pragma once
// The system clipboard, written as plain Unicode text.

#include <QString>

namespace velkaron {

class Clipboard
{
public:
    virtual ~Clipboard() = default;
    // Replaces the clipboard's content with `text`; false when the clipboard could not
    // be written.
    virtual bool setText(const QString &text) = 0;
};

} // namespace velkaron
