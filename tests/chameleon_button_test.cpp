// The styled push button: what activates it, its two looks, its size and the pixels it paints,
// and the pictures compiled into the program.

#include "ui/chameleon_button.h"
#include "ui/pictures.h"

#include <QApplication>
#include <QKeyEvent>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>
#include <functional>

using namespace velkaron;

namespace {

// A window that records the keys its children leave to it.
class KeyRecorder final : public QWidget
{
public:
    QList<int> keys;

protected:
    void keyPressEvent(QKeyEvent *event) override { keys.append(event->key()); }
};

QImage grabbed(QWidget &widget)
{
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

int countPixels(const QImage &image, const QRect &region, const std::function<bool(QColor)> &match)
{
    int count = 0;
    for (int y = region.top(); y <= region.bottom(); ++y)
        for (int x = region.left(); x <= region.right(); ++x)
            count += match(QColor(image.pixel(x, y))) ? 1 : 0;
    return count;
}

int darkest(const QImage &image, const QRect &region)
{
    int result = 255;
    countPixels(image, region, [&](QColor c) { result = std::min(result, c.lightness()); return false; });
    return result;
}

bool isBlue(QColor c)
{
    return c.blue() > 200 && c.red() < 80 && c.green() < 80;
}

} // namespace

class ChameleonButtonTest : public QObject
{
    Q_OBJECT

private slots:
    void activation_data();
    void activation();
    void looks_data();
    void looks();
    void sizeHint();
    void paints_data();
    void paints();
    void focusRectangleOnlyWithFocus();
    void pictures_data();
    void pictures();
};

void ChameleonButtonTest::activation_data()
{
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<int>("key"); // 0: a mouse click; -1: pressed, dragged off, released
    QTest::addColumn<int>("clicks");
    QTest::addColumn<bool>("keyReachesWindow"); // ignored keys go on to the window

    // clang-format off
    QTest::newRow("mouse click")                 << true  << 0              << 1 << false;
    QTest::newRow("released outside the button") << true  << -1             << 0 << false;
    QTest::newRow("space")                       << true  << int(Qt::Key_Space)  << 1 << false;
    QTest::newRow("enter is the window's")       << true  << int(Qt::Key_Enter)  << 0 << true;
    QTest::newRow("return is the window's")      << true  << int(Qt::Key_Return) << 0 << true;
    QTest::newRow("disabled, mouse click")       << false << 0              << 0 << false;
    QTest::newRow("disabled, space")             << false << int(Qt::Key_Space)  << 0 << true;
    // clang-format on
}

void ChameleonButtonTest::activation()
{
    QFETCH(bool, enabled);
    QFETCH(int, key);
    QFETCH(int, clicks);
    QFETCH(bool, keyReachesWindow);

    KeyRecorder window;
    auto *button = new ChameleonButton(QStringLiteral(" Rechercher"), &window);
    button->setIcon(magnifierPicture());
    button->setGeometry(10, 10, 121, 29);
    button->setEnabled(enabled);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QSignalSpy clicked(button, &QAbstractButton::clicked);

    if (key == 0) {
        QTest::mouseClick(button, Qt::LeftButton);
    } else if (key == -1) {
        QTest::mousePress(button, Qt::LeftButton);
        QTest::mouseMove(button, QPoint(200, 200));
        QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(200, 200));
    } else {
        QTest::keyClick(button, Qt::Key(key));
    }
    QCOMPARE(clicked.count(), clicks);
    // The main window runs its search on Enter even while a button has the focus.
    QCOMPARE(window.keys, keyReachesWindow ? QList<int>{key} : QList<int>{});
}

void ChameleonButtonTest::looks_data()
{
    QTest::addColumn<bool>("link");
    QTest::addColumn<QColor>("face");
    QTest::addColumn<QColor>("text");
    QTest::addColumn<bool>("underlined");
    QTest::addColumn<Qt::CursorShape>("cursor");

    // clang-format off
    QTest::newRow("button") << false << QColor(224, 223, 227) << QColor(0, 0, 0)   << false << Qt::ArrowCursor;
    QTest::newRow("link")   << true  << QColor(255, 255, 255) << QColor(0, 0, 255) << true  << Qt::PointingHandCursor;
    // clang-format on
}

void ChameleonButtonTest::looks()
{
    QFETCH(bool, link);
    QFETCH(QColor, face);
    QFETCH(QColor, text);
    QFETCH(bool, underlined);
    QFETCH(Qt::CursorShape, cursor);

    // Switched the other way first, so that the way back is tested too; the font is set last,
    // as the windows do, and must not lose the link's underline.
    ChameleonButton button(QStringLiteral("Site internet de présentation du jeu"));
    button.setLinkLook(!link);
    button.setLinkLook(link);
    QFont verdana(QStringLiteral("Verdana"));
    verdana.setPointSizeF(9.75);
    button.setFont(verdana);

    QCOMPARE(button.faceColor(), face);
    QCOMPARE(button.textColor(), text);
    QCOMPARE(button.captionFont().underline(), underlined);
    QCOMPARE(button.captionFont().pointSizeF(), 9.75);
    QCOMPARE(button.cursor().shape(), cursor);
}

void ChameleonButtonTest::sizeHint()
{
    ChameleonButton both(QStringLiteral(" Rechercher"));
    both.setIcon(helpPicture());
    ChameleonButton captionOnly(QStringLiteral(" Rechercher"));
    ChameleonButton pictureOnly;
    pictureOnly.setIcon(helpPicture());
    const QFontMetrics fm(captionOnly.font());
    const int captionWidth = fm.horizontalAdvance(captionOnly.text());

    // Room for the content and a border, with no more than a comfortable margin.
    QVERIFY(captionOnly.sizeHint().width() > captionWidth && captionOnly.sizeHint().width() < captionWidth + 32);
    QVERIFY(captionOnly.sizeHint().height() > fm.height() && captionOnly.sizeHint().height() < fm.height() + 20);
    // The picture and a gap widen the button; alone, it fits the main window's 27 × 29 buttons.
    QVERIFY(both.sizeHint().width() >= captionOnly.sizeHint().width() + 16);
    const QSize alone = pictureOnly.sizeHint();
    QVERIFY2(alone.width() > 16 && alone.width() <= 27 && alone.height() > 16 && alone.height() <= 29,
             qPrintable(QStringLiteral("%1 × %2").arg(alone.width()).arg(alone.height())));
}

void ChameleonButtonTest::paints_data()
{
    QTest::addColumn<bool>("link");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("picture");
    QTest::addColumn<QColor>("face");

    const QColor button(224, 223, 227);
    // clang-format off
    QTest::newRow("search button")  << false << true  << QStringLiteral(" Rechercher") << true  << button;
    QTest::newRow("picture only")   << false << true  << QString()                     << true  << button;
    QTest::newRow("caption only")   << false << true  << QStringLiteral("Fermer")      << false << button;
    QTest::newRow("disabled")       << false << false << QStringLiteral("Fermer")      << false << button;
    QTest::newRow("link")           << true  << true  << QStringLiteral("Site internet de présentation du jeu") << false << QColor(Qt::white);
    // clang-format on
}

void ChameleonButtonTest::paints()
{
    QFETCH(bool, link);
    QFETCH(bool, enabled);
    QFETCH(QString, caption);
    QFETCH(bool, picture);
    QFETCH(QColor, face);

    ChameleonButton button(caption);
    button.setLinkLook(link);
    button.setEnabled(enabled);
    if (picture)
        button.setIcon(magnifierPicture());
    button.resize(caption.isEmpty() ? QSize(27, 29) : QSize(link ? 273 : 121, 29));
    const QImage image = grabbed(button);
    const QRect inside = image.rect().adjusted(2, 2, -3, -3);

    // The face just inside the border, at two opposite corners.
    QCOMPARE(QColor(image.pixel(inside.topLeft())), face);
    QCOMPARE(QColor(image.pixel(inside.bottomRight())), face);

    const int blue = countPixels(image, inside, isBlue);
    const int black = countPixels(image, inside, [](QColor c) { return c.lightness() < 40; });
    if (link) {
        QVERIFY2(blue > 50, qPrintable(QString::number(blue)));
        QCOMPARE(black, 0);
        // The underline: a row in the lower half that is blue across most of the caption.
        int longest = 0;
        for (int y = button.height() / 2; y < button.height(); ++y)
            longest = std::max(longest, countPixels(image, QRect(0, y, button.width(), 1), isBlue));
        QVERIFY2(longest > button.width() / 2, qPrintable(QString::number(longest)));
    } else if (!caption.isEmpty()) {
        QCOMPARE(blue, 0);
        if (enabled) {
            QVERIFY2(black > 20, qPrintable(QString::number(black)));
        } else { // greyed: no black, but a caption still to be seen
            const int greyest = darkest(image, inside);
            QVERIFY2(greyest >= 100 && greyest < 200, qPrintable(QString::number(greyest)));
        }
    }

    // The picture sits at the left of the content (alone: centred), dark handle and light blue lens.
    if (picture) {
        const QRect region = caption.isEmpty() ? QRect(5, 6, 16, 16) : QRect(2, 6, 30, 17);
        QVERIFY2(darkest(image, region) < 90, qPrintable(QString::number(darkest(image, region))));
        const int lens = countPixels(image, region, [](QColor c) { return c.blue() > 220 && c.red() < 215; });
        QVERIFY2(lens > 4, qPrintable(QString::number(lens)));
    }
}

void ChameleonButtonTest::focusRectangleOnlyWithFocus()
{
    QWidget window;
    auto *button = new ChameleonButton(QStringLiteral("Fermer"), &window);
    auto *other = new ChameleonButton(QStringLiteral("Autre"), &window);
    button->setGeometry(0, 0, 93, 29);
    other->setGeometry(0, 40, 93, 29);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));

    other->setFocus(Qt::TabFocusReason);
    const QImage unfocused = grabbed(*button);
    button->setFocus(Qt::TabFocusReason);
    QVERIFY(button->hasFocus());
    const QImage focused = grabbed(*button);

    // The dotted rectangle runs three pixels inside the edge: along its top row, every other
    // pixel turns dark, where the face is plain without the focus.
    const QRect row(10, 3, 70, 1);
    QCOMPARE(countPixels(unfocused, row, [](QColor c) { return c == ChameleonButton::DefaultFace; }), row.width());
    const int dots = countPixels(focused, row, [](QColor c) { return c.lightness() < 60; });
    QVERIFY2(dots > 20 && dots < 50, qPrintable(QString::number(dots)));
}

void ChameleonButtonTest::pictures_data()
{
    QTest::addColumn<QIcon>("icon");
    QTest::addColumn<QList<int>>("sizes");
    QTest::addColumn<QString>("drawing32");

    const QList<int> button{16, 32};
    // clang-format off
    QTest::newRow("magnifier")   << magnifierPicture() << button << QStringLiteral(":/pictures/magnifier@2x.png");
    QTest::newRow("help")        << helpPicture()      << button << QStringLiteral(":/pictures/help@2x.png");
    QTest::newRow("quit")        << quitPicture()      << button << QStringLiteral(":/pictures/quit@2x.png");
    QTest::newRow("window icon") << windowIcon()       << QList<int>{16, 32, 48, 64, 128, 256}
                                 << QStringLiteral(":/pictures/velkaron-32.png");
    // clang-format on
}

void ChameleonButtonTest::pictures()
{
    QFETCH(QIcon, icon);
    QFETCH(QList<int>, sizes);
    QFETCH(QString, drawing32);

    QList<int> available;
    for (const QSize &size : icon.availableSizes()) {
        QCOMPARE(size.width(), size.height());
        available.append(size.width());
    }
    std::sort(available.begin(), available.end());
    QCOMPARE(available, sizes);

    // A 16-pixel picture on a screen of ratio 2 uses the 32-pixel drawing, not an enlargement.
    // Compared premultiplied, as the pixmap holds it: taking the alpha back out rounds
    // semi-transparent pixels differently from one processor's vector code to another's.
    const QImage sharp = icon.pixmap(QSize(16, 16), 2.0).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage expected = QImage(drawing32).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QVERIFY(!expected.isNull());
    QVERIFY(sharp == expected);

    // Transparent corners, opaque drawing in the middle.
    const QImage small = icon.pixmap(QSize(16, 16), 1.0).toImage();
    QCOMPARE(small.size(), QSize(16, 16));
    QCOMPARE(qAlpha(small.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(small.pixel(8, 8)), 255);
}

QTEST_MAIN(ChameleonButtonTest)
#include "chameleon_button_test.moc"
