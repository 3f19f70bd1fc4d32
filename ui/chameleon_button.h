#pragma once
// ChameleonButton, the push button of every window but the hidden default button. It paints
// itself (flat face, thin bevelled border, optional 16 × 16 picture beside or instead of the
// caption, dotted focus rectangle) so that it looks the same under every platform style.
// The caption, picture, tooltip, font and enabled state are QAbstractButton's own (setText,
// setIcon, setToolTip, setFont, setEnabled); the colours are set here.
//
// In the link look the button reads as a hyperlink: underlined caption in link blue on a white
// face, no border, pointing-hand cursor.
//
// Keys: Space clicks (QAbstractButton). Enter and Return do not: they are ignored and so reach
// the window, which runs its own default action.

#include <QAbstractButton>
#include <QColor>

namespace velkaron {

class ChameleonButton final : public QAbstractButton
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ChameleonButton)

public:
    static inline const QColor DefaultFace{224, 223, 227};
    static inline const QColor DefaultText{0, 0, 0};
    static inline const QColor LinkFace{255, 255, 255};
    static inline const QColor LinkText{0, 0, 255};
    static constexpr int PictureSize = 16;

    explicit ChameleonButton(QWidget *parent = nullptr);
    explicit ChameleonButton(const QString &caption, QWidget *parent = nullptr);

    QColor faceColor() const { return face_; }
    void setFaceColor(const QColor &color);
    QColor textColor() const { return text_; }
    void setTextColor(const QColor &color);

    // Switches to the link look (white face, blue underlined caption, hand cursor) or back to
    // the default colours. Colours set afterwards override those of the look.
    void setLinkLook(bool on);
    bool linkLook() const { return linkLook_; }

    // The font the caption is drawn with: font(), underlined in the link look. Derived at paint
    // time, so a later setFont keeps the underline.
    QFont captionFont() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void paintBevel(QPainter &painter) const;
    QColor captionColor() const;

    QColor face_ = DefaultFace;
    QColor text_ = DefaultText;
    bool linkLook_ = false;
};

} // namespace velkaron
