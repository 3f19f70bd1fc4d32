#pragma once
// Records every message instead of showing a modal box.

#include "platform/message_boxes.h"

#include <QList>

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
    }
    void exclamation(QWidget *, const QString &title, const QString &text) override
    {
        shown.append({ShownMessage::Icon::Exclamation, title, text});
    }
    void critical(QWidget *, const QString &title, const QString &text) override
    {
        shown.append({ShownMessage::Icon::Critical, title, text});
    }

    QList<ShownMessage> shown;
};

} // namespace velkaron::testing
