#pragma once

#include "platform/clipboard.h"

namespace velkaron {

class QtClipboard final : public Clipboard
{
public:
    bool setText(const QString &text) override;
};

} // namespace velkaron
