#pragma once
// Opens a web address in the user's default web browser. The caller learns nothing of
// success or failure: the launcher itself tells the user, in message boxes owned by `owner`.

#include <QString>

class QWidget;

namespace velkaron {

class BrowserLauncher
{
public:
    virtual ~BrowserLauncher() = default;
    virtual void open(const QString &address, QWidget *owner) = 0;
};

} // namespace velkaron
