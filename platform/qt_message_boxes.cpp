#include "platform/qt_message_boxes.h"

#include <QMessageBox>

namespace velkaron {

void QtMessageBoxes::information(QWidget *owner, const QString &title, const QString &text)
{
    QMessageBox::information(owner, title, text);
}

void QtMessageBoxes::exclamation(QWidget *owner, const QString &title, const QString &text)
{
    QMessageBox::warning(owner, title, text);
}

void QtMessageBoxes::critical(QWidget *owner, const QString &title, const QString &text)
{
    QMessageBox::critical(owner, title, text);
}

} // namespace velkaron
