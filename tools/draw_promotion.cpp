// Draws the two pictures of the promotion window for Lettrovent, the publisher's word game:
// the banner with the game's name (491 × 101) and a screenshot of a game in progress
// (307 × 213), both 24-bit PNG without alpha. Unlike draw_pictures it draws text, which
// needs a QGuiApplication; run it without a display through the offscreen platform:
//
//   cmake --build build --target draw_promotion
//   QT_QPA_PLATFORM=offscreen build/tools/draw_promotion ui/pictures

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QTextStream>

namespace {

const QColor TileFace(252, 241, 214);
const QColor TileEdge(150, 110, 60);
const QColor Ink(50, 40, 30);

QFont dejaVu(int pixelSize, bool bold)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

void fillSky(QPainter &p, const QRect &rect)
{
    QLinearGradient sky(rect.topLeft(), rect.bottomLeft());
    sky.setColorAt(0, QColor(120, 178, 230));
    sky.setColorAt(1, QColor(214, 236, 250));
    p.fillRect(rect, sky);
}

// Gusts: white curls drifting from left to right.
void drawGust(QPainter &p, QPointF start, qreal length, qreal lift, qreal width)
{
    QPainterPath gust(start);
    const QPointF end = start + QPointF(length, -lift);
    gust.cubicTo(start + QPointF(length * 0.35, -lift - 10), start + QPointF(length * 0.65, lift + 8), end);
    // A small curl at the end.
    gust.arcTo(QRectF(end.x() - 6, end.y() - 12, 12, 12), 270, 300);
    p.setPen(QPen(QColor(255, 255, 255, 210), width, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(gust);
}

// A letter tile, turned by `angle` degrees around its centre.
void drawTile(QPainter &p, QPointF centre, qreal size, qreal angle, QChar letter)
{
    p.save();
    p.translate(centre);
    p.rotate(angle);
    const QRectF face(-size / 2, -size / 2, size, size);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 50));
    p.drawRoundedRect(face.translated(size * 0.06, size * 0.08), size * 0.15, size * 0.15);
    p.setPen(QPen(TileEdge, qMax(1.0, size / 24)));
    p.setBrush(TileFace);
    p.drawRoundedRect(face, size * 0.15, size * 0.15);
    p.setPen(Ink);
    p.setFont(dejaVu(qRound(size * 0.62), true));
    p.drawText(face, Qt::AlignCenter, QString(letter));
    p.restore();
}

QImage drawBanner()
{
    QImage image(491, 101, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    fillSky(p, image.rect());

    drawGust(p, {8, 70}, 120, 18, 3);
    drawGust(p, {40, 30}, 90, -6, 2);
    drawGust(p, {300, 88}, 140, 20, 2.5);
    drawGust(p, {360, 22}, 90, 4, 2);

    // Letters blown up from the left, growing as they come near.
    const struct { qreal x, y, size, angle; char letter; } flying[] = {
        {22, 24, 18, -20, 'V'}, {48, 58, 22, 15, 'E'}, {80, 30, 26, -8, 'N'}, {112, 68, 28, 22, 'T'},
        {440, 30, 24, 18, 'O'}, {466, 70, 20, -14, 'L'},
    };
    for (const auto &tile : flying)
        drawTile(p, {tile.x, tile.y}, tile.size, tile.angle, QLatin1Char(tile.letter));

    // The name, in white with a dark shadow and outline.
    const QRectF nameBox(135, 8, 290, 70);
    QPainterPath name;
    const QFont font = dejaVu(48, true);
    const QFontMetricsF metrics(font);
    const QString text = QStringLiteral("Lettrovent");
    const qreal x = nameBox.center().x() - metrics.horizontalAdvance(text) / 2;
    name.addText(x, nameBox.top() + metrics.ascent(), font, text);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 50, 90, 110));
    p.drawPath(name.translated(3, 3));
    p.setPen(QPen(QColor(25, 70, 140), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QLinearGradient fill(0, nameBox.top(), 0, nameBox.top() + metrics.height());
    fill.setColorAt(0, Qt::white);
    fill.setColorAt(1, QColor(255, 232, 160));
    p.setBrush(fill);
    p.drawPath(name);

    p.setPen(QColor(25, 60, 115));
    p.setFont(dejaVu(13, false));
    p.drawText(QRectF(135, 74, 290, 20), Qt::AlignHCenter | Qt::AlignTop,
               QStringLiteral("le jeu des mots qui s'envolent"));
    return image;
}

QImage drawScreenshot()
{
    QImage image(307, 213, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    fillSky(p, image.rect());

    // Top bar: score, wind and time left.
    p.fillRect(QRect(0, 0, 307, 20), QColor(35, 75, 135));
    p.setPen(Qt::white);
    p.setFont(dejaVu(11, true));
    p.drawText(QRect(6, 0, 100, 20), Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("Score 1 240"));
    p.drawText(QRect(100, 0, 107, 20), Qt::AlignCenter, QStringLiteral("Mistral"));
    p.drawText(QRect(200, 0, 101, 20), Qt::AlignVCenter | Qt::AlignRight, QStringLiteral("2:35"));

    // The grid, part filled with the words found so far.
    const QRect grid(10, 30, 150, 150);
    p.setPen(QPen(QColor(90, 120, 160), 1));
    p.setBrush(QColor(240, 246, 252));
    p.drawRect(grid);
    const int cell = 25;
    for (int i = 1; i < 6; ++i) {
        p.drawLine(grid.left() + i * cell, grid.top(), grid.left() + i * cell, grid.bottom());
        p.drawLine(grid.left(), grid.top() + i * cell, grid.right(), grid.top() + i * cell);
    }
    const char *rows[] = {"BRISE ", "   O  ", "   U  ", " MER  ", "   I  ", " ROSE "};
    for (int row = 0; row < 6; ++row) {
        for (int col = 0; col < 6; ++col) {
            const char c = rows[row][col];
            if (c != ' ')
                drawTile(p, QPointF(grid.left() + col * cell + cell / 2.0, grid.top() + row * cell + cell / 2.0),
                         cell - 3, 0, QLatin1Char(c));
        }
    }

    // Letters in the wind, right of the grid.
    drawGust(p, {168, 70}, 110, 14, 2);
    drawGust(p, {180, 130}, 100, -8, 2);
    const struct { qreal x, y, angle; char letter; } flying[] = {
        {190, 45, -18, 'A'}, {228, 60, 12, 'E'}, {268, 40, -6, 'R'},
        {205, 100, 25, 'S'}, {250, 110, -20, 'T'}, {285, 88, 8, 'U'},
    };
    for (const auto &tile : flying)
        drawTile(p, {tile.x, tile.y}, 22, tile.angle, QLatin1Char(tile.letter));

    // The word being formed and its button.
    p.setPen(Ink);
    p.setFont(dejaVu(10, false));
    p.drawText(QRect(170, 140, 130, 14), Qt::AlignLeft, QStringLiteral("Votre mot :"));
    const char word[] = "VENT";
    for (int i = 0; i < 4; ++i)
        drawTile(p, QPointF(182 + i * 24, 166), 22, 0, QLatin1Char(word[i]));
    p.setPen(QPen(QColor(30, 100, 40), 1));
    p.setBrush(QColor(80, 175, 85));
    p.drawRoundedRect(QRectF(182, 184, 90, 22), 5, 5);
    p.setPen(Qt::white);
    p.setFont(dejaVu(11, true));
    p.drawText(QRectF(182, 184, 90, 22), Qt::AlignCenter, QStringLiteral("Valider"));

    // Bottom line: words found.
    p.setPen(QColor(35, 75, 135));
    p.setFont(dejaVu(10, false));
    p.drawText(QRect(10, 188, 160, 20), Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("Mots trouvés : 4"));
    return image;
}

bool save(const QImage &image, const QDir &dir, const QString &fileName)
{
    // RGB888 is written as a 24-bit PNG: three channels, no alpha.
    const QString path = dir.filePath(fileName);
    if (!image.convertToFormat(QImage::Format_RGB888).save(path, "PNG")) {
        QTextStream(stderr) << "cannot write " << path << '\n';
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "usage: draw_promotion OUTPUT_FOLDER\n";
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!dir.exists() && !QDir().mkpath(dir.path())) {
        QTextStream(stderr) << "cannot create " << dir.path() << '\n';
        return 1;
    }
    bool ok = save(drawBanner(), dir, QStringLiteral("lettrovent-banner.png"));
    ok = save(drawScreenshot(), dir, QStringLiteral("lettrovent-screenshot.png")) && ok;
    return ok ? 0 : 1;
}
