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
    { '2', ".###.#...#....#...#...#...#...#####" },
    { '3', "####.....#....#.###.....#....#####." },
    { '4', "...#...##..#.#.#..#.#####...#....#." },
    { '5', "######....####.....#....##...#.###." },
    { '6', "..##..#...#....####.#...##...#.###." },
    { '7', "#####....#...#...#...#....#....#..." },
    { '8', ".###.#...##...#.###.#...##...#.###." },
    { 'A', ".###.#...##...#######...##...##...#" },
    { 'C', ".###.#...##....#....#....#...#.###." },
    { 'D', "####.#...##...##...##...##...#####." },
    { 'E', "######....#....####.#....#....#####" },
    { 'F', "######....#....####.#....#....#...." },
    { 'H', "#...##...##...#######...##...##...#" },
    { 'J', "..###...#....#....#....#.#..#..##.." },
    { 'K', "#...##..#.#.#..##...#.#..#..#.#...#" },
    { 'L', "#....#....#....#....#....#....#####" },
    { 'M', "#...###.###.#.##.#.##...##...##...#" },
    { 'N', "#...##...###..##.#.##..###...##...#" },
    { 'P', "####.#...##...#####.#....#....#...." },
    { 'R', "####.#...##...#####.#.#..#..#.#...#" },
    { 'T', "#####..#....#....#....#....#....#.." },
    { 'U', "#...##...##...##...##...##...#.###." },
    { 'W', "#...##...##...##.#.##.#.##.#.#.#.#." },
    { 'X', "#...##...#.#.#...#...#.#.#...##...#" },
    { 'Y', "#...##...#.#.#...#....#....#....#.." },
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
    // The size the sign-up page shows it at (120 x 40 for five characters),
    // so the pixel font is never scaled.
    QRandomGenerator random(seed);
    const int scale = 3;
    const int advance = 22;
    QImage image(advance * text.size() + 10, 40, QImage::Format_RGB32);
    image.fill(qRgb(240 + random.bounded(16), 240 + random.bounded(16), 232 + random.bounded(24)));
    // Light lines behind the characters, two darker ones across them.
    for (int i = 0; i < 5; ++i)
        line(image, random.bounded(image.width()), random.bounded(image.height()), random.bounded(image.width()),
             random.bounded(image.height()), qRgb(170 + random.bounded(60), 170 + random.bounded(60), 170 + random.bounded(60)));
    for (int i = 0; i < text.size(); ++i) {
        const Glyph* g = glyphFor(text.at(i));
        if (!g)
            continue;
        const QRgb ink = qRgb(random.bounded(90), random.bounded(90), random.bounded(120));
        const int left = 5 + i * advance + random.bounded(3);
        const int top = 4 + random.bounded(12);
        const int slant = random.bounded(3) - 1; // one pixel every other row, either way
        for (int row = 0; row < 7; ++row) {
            for (int col = 0; col < 5; ++col) {
                if (g->rows[row * 5 + col] != '#')
                    continue;
                for (int y = 0; y < scale; ++y)
                    for (int x = 0; x < scale; ++x) {
                        const int px = left + col * scale + x + slant * ((6 - row) / 2);
                        const int py = top + row * scale + y;
                        if (image.rect().contains(px, py))
                            image.setPixel(px, py, ink);
                    }
            }
        }
    }
    for (int i = 0; i < 2; ++i)
        line(image, 0, random.bounded(image.height()), image.width() - 1, random.bounded(image.height()),
             qRgb(80 + random.bounded(80), 80 + random.bounded(80), 80 + random.bounded(80)));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}
