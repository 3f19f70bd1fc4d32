#include "ui/pictures.h"

#include <QString>

namespace velkaron {

namespace {

// Adds both resolutions explicitly: QIcon looks for the "@2x" file by itself only when the
// application's device pixel ratio is above 1 at the time the icon is built.
QIcon buttonPicture(const QString &name)
{
    QIcon icon;
    icon.addFile(QStringLiteral(":/pictures/%1.png").arg(name));
    icon.addFile(QStringLiteral(":/pictures/%1@2x.png").arg(name));
    return icon;
}

} // namespace

QIcon magnifierPicture()
{
    return buttonPicture(QStringLiteral("magnifier"));
}

QIcon helpPicture()
{
    return buttonPicture(QStringLiteral("help"));
}

QIcon quitPicture()
{
    return buttonPicture(QStringLiteral("quit"));
}

QIcon windowIcon()
{
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/pictures/velkaron-%1.png").arg(size));
    return icon;
}

} // namespace velkaron
