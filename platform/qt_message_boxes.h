#pragma once

#include "platform/message_boxes.h"

namespace velkaron {

class QtMessageBoxes final : public MessageBoxes
{
public:
    void information(QWidget *owner, const QString &title, const QString &text) override;
    void exclamation(QWidget *owner, const QString &title, const QString &text) override;
    void critical(QWidget *owner, const QString &title, const QString &text) override;
};

} // namespace velkaron
