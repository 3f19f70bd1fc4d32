#pragma once

#include "platform/cursor.h"

namespace velkaron {

class QtCursor final : public Cursor
{
public:
    void setBusy(QWidget *window) override;
    void setArrow(QWidget *window) override;
};

} // namespace velkaron
