#pragma once
// Modal message boxes with one OK button. Windows show every message through this
// interface, so tests can record messages instead of blocking on a real box.

#include <QString>

class QWidget;

namespace velkaron {

class MessageBoxes
{
public:
    virtual ~MessageBoxes() = default;
    virtual void information(QWidget *owner, const QString &title, const QString &text) = 0;
    virtual void exclamation(QWidget *owner, const QString &title, const QString &text) = 0;
    virtual void critical(QWidget *owner, const QString &title, const QString &text) = 0;
};

} // namespace velkaron
