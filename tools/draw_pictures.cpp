// Draws the program's pictures as PNG files: the three button pictures at 16 and 32 pixels
// ("name.png", "name@2x.png") and the window icon at 16 to 256 pixels ("velkaron-N.png").
// Every picture is designed on a 16-unit grid and scaled; the smallest sizes leave out the
// details that would only blur. The output is committed under ui/pictures/; run again after
// changing a drawing:
//
//   cmake --build build --target draw_pictures && build/tools/draw_pictures ui/pictures

#include <QColor>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QTextStream>

#include <functional>

namespace {

using Drawing = std::function<void(QPainter &, int size)>;

QPen roundPen(const QColor &color, qreal width)
{
    return QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// Lens at the top left, handle to the bottom right.
void drawMagnifier(QPainter &p, int)
{
    const QPointF centre(6.5, 6.5);
    p.setPen(roundPen(QColor(70, 45, 20), 3.0));
    p.drawLine(QPointF(10.6, 10.6), QPointF(14.2, 14.2));
    p.setPen(QPen(QColor(40, 40, 48), 1.5));
    p.setBrush(QColor(198, 226, 250));
    p.drawEllipse(centre, 4.75, 4.75);
    // A glint on the glass.
    p.setPen(roundPen(QColor(255, 255, 255), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(3.6, 3.6, 5.8, 5.8), 100 * 16, 70 * 16);
}

// A white question mark on a blue disc.
void drawHelp(QPainter &p, int)
{
    QRadialGradient fill(QPointF(6, 5), 9);
    fill.setColorAt(0, QColor(90, 150, 235));
    fill.setColorAt(1, QColor(25, 80, 175));
    p.setPen(QPen(QColor(15, 50, 120), 1.0));
    p.setBrush(fill);
    p.drawEllipse(QPointF(8, 8), 7.0, 7.0);

    QPainterPath hook;
    hook.moveTo(5.7, 6.0);
    hook.arcTo(QRectF(5.7, 3.4, 4.8, 4.6), 180, -235);
    hook.quadTo(QPointF(8.1, 8.2), QPointF(8.1, 9.4));
    p.setPen(roundPen(Qt::white, 1.8));
    p.setBrush(Qt::NoBrush);
    p.drawPath(hook);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(8.1, 12.0), 1.15, 1.15);
}

// An open door with a green arrow leaving through it.
void drawQuit(QPainter &p, int)
{
    // Door frame and the dark doorway.
    p.setPen(QPen(QColor(60, 40, 25), 1.0));
    p.setBrush(QColor(45, 45, 55));
    p.drawRect(QRectF(1.5, 1.5, 8, 13));
    // The door leaf, swung open towards the viewer.
    QPolygonF leaf;
    leaf << QPointF(1.5, 1.5) << QPointF(5.5, 3.0) << QPointF(5.5, 15.5) << QPointF(1.5, 14.5);
    p.setBrush(QColor(176, 112, 56));
    p.drawPolygon(leaf);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 215, 90));
    p.drawEllipse(QPointF(4.5, 9.0), 0.7, 0.7);
    // The arrow.
    QPolygonF arrow;
    arrow << QPointF(7.0, 6.5) << QPointF(11.0, 6.5) << QPointF(11.0, 4.0) << QPointF(15.5, 8.0)
          << QPointF(11.0, 12.0) << QPointF(11.0, 9.5) << QPointF(7.0, 9.5);
    p.setPen(QPen(QColor(20, 100, 30), 1.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(QColor(60, 180, 70));
    p.drawPolygon(arrow);
}

// An open book, red binding, cream pages; larger sizes show lines of text and a blue "≈" mark,
// the sign of words that mean nearly the same.
void drawBook(QPainter &p, int size)
{
    const bool detailed = size >= 32;
    // Binding, seen under the pages.
    QPainterPath cover;
    cover.moveTo(0.5, 4.0);
    cover.lineTo(0.5, 14.0);
    cover.quadTo(4.5, 13.0, 8.0, 15.0);
    cover.quadTo(11.5, 13.0, 15.5, 14.0);
    cover.lineTo(15.5, 4.0);
    cover.closeSubpath();
    p.setPen(QPen(QColor(90, 15, 20), detailed ? 0.6 : 1.0));
    p.setBrush(QColor(170, 30, 40));
    p.drawPath(cover);

    // Two pages curving down into the spine.
    const QColor paper(252, 246, 228);
    const QPen edge(QColor(120, 100, 70), detailed ? 0.5 : 0.8);
    QPainterPath left;
    left.moveTo(1.5, 3.0);
    left.quadTo(5.0, 1.6, 8.0, 3.4);
    left.lineTo(8.0, 13.6);
    left.quadTo(5.0, 11.8, 1.5, 13.0);
    left.closeSubpath();
    QPainterPath right;
    right.moveTo(14.5, 3.0);
    right.quadTo(11.0, 1.6, 8.0, 3.4);
    right.lineTo(8.0, 13.6);
    right.quadTo(11.0, 11.8, 14.5, 13.0);
    right.closeSubpath();
    p.setPen(edge);
    p.setBrush(paper);
    p.drawPath(left);
    p.drawPath(right);

    // Lines of text on the left page; on the right page, the "≈" below two lines.
    const QColor ink(110, 110, 120);
    p.setPen(QPen(ink, detailed ? 0.5 : 0.9, Qt::SolidLine, Qt::FlatCap));
    const int lineCount = detailed ? 5 : 3;
    const qreal step = detailed ? 1.7 : 2.6;
    for (int i = 0; i < lineCount; ++i) {
        const qreal y = 5.0 + i * step;
        p.drawLine(QPointF(3.0, y), QPointF(6.8, y + 0.4));
        if (i < 2 || !detailed)
            p.drawLine(QPointF(9.2, y + 0.4), QPointF(13.0, y));
    }
    if (detailed) {
        QPainterPath wave;
        for (const qreal y : {9.0, 11.0}) {
            wave.moveTo(9.4, y + 0.3);
            wave.cubicTo(QPointF(10.4, y - 0.9), QPointF(11.2, y + 1.3), QPointF(12.6, y - 0.1));
        }
        p.setPen(roundPen(QColor(30, 70, 190), 0.9));
        p.setBrush(Qt::NoBrush);
        p.drawPath(wave);
    }
}

bool render(const QDir &dir, const QString &fileName, int size, const Drawing &draw)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(size / 16.0, size / 16.0);
        draw(painter, size);
    }
    const QString path = dir.filePath(fileName);
    if (!image.convertToFormat(QImage::Format_ARGB32).save(path, "PNG")) {
        QTextStream(stderr) << "cannot write " << path << '\n';
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    // QPainter on a QImage needs no application object: the tool runs without a display.
    if (argc != 2) {
        QTextStream(stderr) << "usage: draw_pictures OUTPUT_FOLDER\n";
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!dir.exists() && !QDir().mkpath(dir.path())) {
        QTextStream(stderr) << "cannot create " << dir.path() << '\n';
        return 1;
    }

    const std::pair<const char *, Drawing> buttons[] = {
        {"magnifier", drawMagnifier},
        {"help", drawHelp},
        {"quit", drawQuit},
    };
    bool ok = true;
    for (const auto &[name, draw] : buttons) {
        ok = render(dir, QStringLiteral("%1.png").arg(QLatin1String(name)), 16, draw) && ok;
        ok = render(dir, QStringLiteral("%1@2x.png").arg(QLatin1String(name)), 32, draw) && ok;
    }
    for (const int size : {16, 32, 48, 64, 128, 256})
        ok = render(dir, QStringLiteral("velkaron-%1.png").arg(size), size, drawBook) && ok;
    return ok ? 0 : 1;
}
