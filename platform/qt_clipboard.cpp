#include "platform/qt_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace velkaron {

bool QtClipboard::setText(const QString &text)
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        return false;
    clipboard->setText(text, QClipboard::Clipboard);
    // The window system may refuse ownership without telling; reading back tells.
    return clipboard->text(QClipboard::Clipboard) == text;
}

} // namespace velkaron
