#include "ui/window_style.h"

#include <QPalette>
#include <QWidget>

namespace velkaron {

QFont courierNew()
{
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSizeF(12);
    return font;
}

QFont verdana(qreal pointSize, bool bold)
{
    QFont font(QStringLiteral("Verdana"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

void setColours(QWidget *widget, const QColor &text, const QColor &background)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::Base, background);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void setAccessibleTexts(std::initializer_list<AccessibleText> texts)
{
    for (const AccessibleText &text : texts) {
        text.control->setAccessibleName(QString::fromUtf16(text.name));
        text.control->setAccessibleDescription(QString::fromUtf16(text.description));
    }
}

} // namespace velkaron
