#pragma once
// What the windows share of their look: positions given in twips, the two fonts asked
// for by name (fontconfig substitutes metric-compatible ones where they are missing),
// and plain colours on a control.

#include <QColor>
#include <QFont>
#include <QRect>

#include <initializer_list>

class QWidget;

namespace velkaron {

// A rectangle given in twips, 15 to the pixel at 96 dots per inch.
constexpr QRect twips(int left, int top, int width, int height)
{
    return QRect(left / 15, top / 15, width / 15, height / 15);
}

QFont courierNew();                                     // 12 pt, the entry box and lists
QFont verdana(qreal pointSize = 9.75, bool bold = false); // labels and buttons

// Text and background colours of a control, background painted.
void setColours(QWidget *widget, const QColor &text, const QColor &background);

// What a screen reader announces for a control: its name and what it does.
struct AccessibleText
{
    QWidget *control;
    const char16_t *name;
    const char16_t *description;
};

void setAccessibleTexts(std::initializer_list<AccessibleText> texts);

} // namespace velkaron
