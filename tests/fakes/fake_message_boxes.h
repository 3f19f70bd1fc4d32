#pragma once
// Records every message instead of showing a modal box. With modalMilliseconds set, each
// message also runs a nested event loop for that long before it "closes", as a modal box
// does while the user reads it: timers tick meanwhile.

#include "platform/message_boxes.h"

#include <QEventLoop>
#include <QList>
#include <QTimer>

namespace velkaron::testing {

struct ShownMessage
{
    enum class Icon { Information, Exclamation, Critical };
    Icon icon;
    QString title;
    QString text;
};

class FakeMessageBoxes final : public MessageBoxes
{
public:
    void information(QWidget *, const QString &title, const QString &text) override
    {
        shown.append({ShownMessage::Icon::Information, title, text});
        stayOpen();
    }
    void exclamation(QWidget *, const QString &title, const QString &text) override
    {
        shown.append({ShownMessage::Icon::Exclamation, title, text});
        stayOpen();
    }
    void critical(QWidget *, const QString &title, const QString &text) override
    {
        shown.append({ShownMessage::Icon::Critical, title, text});
        stayOpen();
    }

    QList<ShownMessage> shown;
    int modalMilliseconds = 0;

private:
    void stayOpen() const
    {
        if (modalMilliseconds <= 0)
            return;
        QEventLoop loop;
        QTimer::singleShot(modalMilliseconds, &loop, &QEventLoop::quit);
        loop.exec();
    }
};

} // namespace velkaron::testing
