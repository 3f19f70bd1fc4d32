#pragma once
// Records the pointer changes of windows.

#include "platform/cursor.h"

#include <QStringList>

namespace velkaron::testing {

class FakeCursor final : public Cursor
{
public:
    void setBusy(QWidget *) override { changes.append(QStringLiteral("busy")); }
    void setArrow(QWidget *) override { changes.append(QStringLiteral("arrow")); }

    QStringList changes;
};

} // namespace velkaron::testing
