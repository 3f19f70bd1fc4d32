#include "ui/chameleon_button.h"

#include <QFontMetrics>
#include <QIcon>
#include <QPainter>

#include <algorithm>

namespace velkaron {

namespace {

// Room between the border and the content, and between picture and caption, in pixels.
constexpr int PaddingX = 6;
constexpr int PaddingY = 6;
constexpr int Spacing = 4;
// A picture-only button is a little narrower than tall, like the 27 × 29 pixel ones in use.
constexpr int PictureOnlyPaddingX = 5;
// The bevel takes the two outermost rings of pixels; the focus rectangle sits inside them.
constexpr int BevelWidth = 2;
constexpr int FocusInset = 3;

const QColor DisabledText{128, 128, 128};

} // namespace

ChameleonButton::ChameleonButton(QWidget *parent)
    : QAbstractButton(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setIconSize(QSize(PictureSize, PictureSize));
    // The whole rectangle is painted, so Qt need not clear it first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

ChameleonButton::ChameleonButton(const QString &caption, QWidget *parent)
    : ChameleonButton(parent)
{
    setText(caption);
}

void ChameleonButton::setFaceColor(const QColor &color)
{
    face_ = color;
    update();
}

void ChameleonButton::setTextColor(const QColor &color)
{
    text_ = color;
    update();
}

void ChameleonButton::setLinkLook(bool on)
{
    linkLook_ = on;
    face_ = on ? LinkFace : DefaultFace;
    text_ = on ? LinkText : DefaultText;
    if (on)
        setCursor(Qt::PointingHandCursor);
    else
        unsetCursor();
    updateGeometry();
    update();
}

QFont ChameleonButton::captionFont() const
{
    QFont f = font();
    if (linkLook_)
        f.setUnderline(true);
    return f;
}

QColor ChameleonButton::captionColor() const
{
    return isEnabled() ? text_ : DisabledText;
}

QSize ChameleonButton::sizeHint() const
{
    const QFontMetrics fm(captionFont());
    const bool hasPicture = !icon().isNull();
    const int captionWidth = text().isEmpty() ? 0 : fm.size(Qt::TextShowMnemonic, text()).width();
    int contentWidth = captionWidth;
    if (hasPicture)
        contentWidth += PictureSize + (captionWidth > 0 ? Spacing : 0);
    const int contentHeight = std::max(text().isEmpty() ? 0 : fm.height(), hasPicture ? PictureSize : 0);
    const int paddingX = captionWidth == 0 && hasPicture ? PictureOnlyPaddingX : PaddingX;
    return QSize(contentWidth + 2 * paddingX, contentHeight + 2 * PaddingY);
}

QSize ChameleonButton::minimumSizeHint() const
{
    // A picture-only button never shrinks below its picture and border.
    return icon().isNull() ? QSize(2 * PaddingX, 2 * PaddingY) : QSize(PictureSize + 2 * BevelWidth, PictureSize + 2 * BevelWidth);
}

void ChameleonButton::paintBevel(QPainter &painter) const
{
    const int right = width() - 1;
    const int bottom = height() - 1;
    const QColor frame = isEnabled() ? face_.darker(170) : face_.darker(130);
    const QColor light = face_.lighter(115);
    const QColor shadow = face_.darker(125);

    painter.setPen(frame);
    painter.drawRect(0, 0, right, bottom);
    // Raised: light top-left, shadow bottom-right; pressed: shadow along the top-left only.
    painter.setPen(isDown() ? shadow : light);
    painter.drawLine(1, 1, right - 1, 1);
    painter.drawLine(1, 1, 1, bottom - 1);
    if (!isDown()) {
        painter.setPen(shadow);
        painter.drawLine(1, bottom - 1, right - 1, bottom - 1);
        painter.drawLine(right - 1, 2, right - 1, bottom - 1);
    }
}

void ChameleonButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), face_);
    if (!linkLook_)
        paintBevel(painter);

    // Picture and caption are centred together; a pressed button shifts them by one pixel.
    QRect content = rect().adjusted(BevelWidth, BevelWidth, -BevelWidth, -BevelWidth);
    if (isDown())
        content.translate(1, 1);

    const QFont font = captionFont();
    const QFontMetrics fm(font);
    const bool hasPicture = !icon().isNull();
    QString caption = text();
    const int pictureRoom = hasPicture ? PictureSize + (caption.isEmpty() ? 0 : Spacing) : 0;
    int captionWidth = caption.isEmpty() ? 0 : fm.size(Qt::TextShowMnemonic, caption).width();
    const int captionRoom = std::max(0, content.width() - pictureRoom);
    if (captionWidth > captionRoom) {
        caption = fm.elidedText(caption, Qt::ElideRight, captionRoom, Qt::TextShowMnemonic);
        captionWidth = captionRoom;
    }
    int x = content.left() + std::max(0, (content.width() - pictureRoom - captionWidth) / 2);

    if (hasPicture) {
        const QRect pictureRect(x, content.top() + (content.height() - PictureSize) / 2, PictureSize, PictureSize);
        icon().paint(&painter, pictureRect, Qt::AlignCenter, isEnabled() ? QIcon::Normal : QIcon::Disabled);
        x += pictureRoom;
    }
    if (!caption.isEmpty()) {
        const QRect captionRect(x, content.top(), captionWidth, content.height());
        constexpr int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic;
        painter.setFont(font);
        if (!isEnabled() && !linkLook_) {
            // Etched look of a disabled caption: a light copy one pixel down-right.
            painter.setPen(face_.lighter(115));
            painter.drawText(captionRect.translated(1, 1), flags, caption);
        }
        painter.setPen(captionColor());
        painter.drawText(captionRect, flags, caption);
    }

    if (hasFocus()) {
        QPen pen(captionColor());
        pen.setDashPattern({1.0, 1.0});
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        const int inset = linkLook_ ? 1 : FocusInset;
        painter.drawRect(rect().adjusted(inset, inset, -inset - 1, -inset - 1));
    }
}

} // namespace velkaron
