#include "captchapicture.h"

#include <QBuffer>
#include <QImage>
#include <QRandomGenerator>

namespace {
// 5 x 7 glyphs, row by row, '#' for ink.
struct Glyph
{
    char c;
    const char* rows;
};
const Glyph glyphs[] = {
    { '2', ".###.#...#....#...#...#...#...#####" }, { '3', "####.....#....#.###.....#....#####." },
    { '4', "...#...##..#.#.#..#.#####...#....#." }, { '5', "######....####.....#....##...#.###." },
    { '6', "..##..#...#....####.#...##...#.###." }, { '7', "#####....#...#...#...#....#....#..." },
    { '8', ".###.#...##...#.###.#...##...#.###." }, { '9', ".###.#...##...#.####....#...#..##.." },
    { 'A', ".###.#...##...#######...##...##...#" }, { 'C', ".###.#...##....#....#....#...#.###." },
    { 'D', "####.#...##...##...##...##...#####." }, { 'E', "######....#....####.#....#....#####" },
    { 'F', "######....#....####.#....#....#...." }, { 'G', ".###.#...##....#.####...##...#.####" },
    { 'H', "#...##...##...#######...##...##...#" }, { 'J', "..###...#....#....#....#.#..#..##.." },
    { 'K', "#...##..#.#.#..##...#.#..#..#.#...#" }, { 'L', "#....#....#....#....#....#....#####" },
    { 'M', "#...###.###.#.##.#.##...##...##...#" }, { 'N', "#...##...###..##.#.##..###...##...#" },
    { 'P', "####.#...##...#####.#....#....#...." }, { 'R', "####.#...##...#####.#.#..#..#.#...#" },
    { 'T', "#####..#....#....#....#....#....#.." }, { 'U', "#...##...##...##...##...##...#.###." },
    { 'V', "#...##...##...##...##...#.#.#...#.." }, { 'W', "#...##...##...##.#.##.#.##.#.#.#.#." },
    { 'X', "#...##...#.#.#...#...#.#.#...##...#" }, { 'Y', "#...##...#.#.#...#....#....#....#.." },
};

const Glyph* glyphFor(QChar c)
{
    for (const Glyph& g : glyphs)
        if (QLatin1Char(g.c) == c)
            return &g;
    return nullptr;
}

void line(QImage& image, int x0, int y0, int x1, int y1, QRgb colour)
{
    const int dx = qAbs(x1 - x0), sx = x0 < x1 ? 1 : -1;
    const int dy = -qAbs(y1 - y0), sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    for (;;) {
        if (image.rect().contains(x0, y0))
            image.setPixel(x0, y0, colour);
        if (x0 == x1 && y0 == y1)
            break;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
}
} // namespace

QString CaptchaPicture::alphabet()
{
    QString text;
    for (const Glyph& g : glyphs)
        text += QLatin1Char(g.c);
    return text;
}

QByteArray CaptchaPicture::png(const QString& text, quint32 seed)
{
    QRandomGenerator random(seed);
    const int scale = 4;
    QImage image(24 * text.size() + 16, 44, QImage::Format_RGB32);
    image.fill(qRgb(235 + random.bounded(20), 235 + random.bounded(20), 225 + random.bounded(30)));
    for (int i = 0; i < 6; ++i)
        line(image, random.bounded(image.width()), random.bounded(image.height()), random.bounded(image.width()),
             random.bounded(image.height()), qRgb(120 + random.bounded(100), 120 + random.bounded(100), 120 + random.bounded(100)));
    for (int i = 0; i < text.size(); ++i) {
        const Glyph* g = glyphFor(text.at(i));
        if (!g)
            continue;
        const QRgb ink = qRgb(random.bounded(110), random.bounded(110), random.bounded(110));
        const int left = 8 + i * 24 + random.bounded(4);
        const int top = 4 + random.bounded(10);
        const int slant = random.bounded(3) - 1;
        for (int row = 0; row < 7; ++row) {
            for (int col = 0; col < 5; ++col) {
                if (g->rows[row * 5 + col] != '#')
                    continue;
                for (int y = 0; y < scale; ++y)
                    for (int x = 0; x < scale; ++x) {
                        const int px = left + col * scale + x + slant * (6 - row);
                        const int py = top + row * scale + y;
                        if (image.rect().contains(px, py))
                            image.setPixel(px, py, ink);
                    }
            }
        }
    }
    for (int i = 0; i < 3; ++i)
        line(image, 0, random.bounded(image.height()), image.width() - 1, random.bounded(image.height()),
             qRgb(random.bounded(150), random.bounded(150), random.bounded(150)));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}
