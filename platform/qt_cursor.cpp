#include "platform/qt_cursor.h"

#include <QWidget>

namespace velkaron {

void QtCursor::setBusy(QWidget *window)
{
    if (window)
        window->setCursor(Qt::WaitCursor);
}

void QtCursor::setArrow(QWidget *window)
{
    if (window)
        window->setCursor(Qt::ArrowCursor);
}

} // namespace velkaron
