#include "platform/qt_selection_reader.h"

#include "platform/x11_selection_probe.h"

#include <QClipboard>
#include <QGuiApplication>

namespace velkaron {

std::optional<QString> QtSelectionReader::selectedText()
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        return std::nullopt;
    const bool x11 = QGuiApplication::platformName() == QLatin1String("xcb");
    for (const QClipboard::Mode mode : {QClipboard::Selection, QClipboard::Clipboard}) {
        if (mode == QClipboard::Selection && !clipboard->supportsSelection())
            continue;
        if (x11) {
            switch (probeX11SelectionOwner(mode == QClipboard::Selection ? "PRIMARY" : "CLIPBOARD", OwnerWait)) {
            case SelectionOwner::None:
                continue;
            case SelectionOwner::Silent:
                return std::nullopt; // the user selected something we cannot have: no word
            case SelectionOwner::Answers:
            case SelectionOwner::Unknown:
                break;
            }
        }
        const QString text = clipboard->text(mode);
        if (!text.isEmpty())
            return text;
    }
    return std::nullopt;
}

} // namespace velkaron
