#ifndef BENCHBOOK_H
#define BENCHBOOK_H

// Shared by the benchmarks: the generated 20 MB Chinese book (100 000 lines,
// a chapter title every 300 lines) and the one-figure-a-line output.

#include <QRandomGenerator>
#include <QString>

#include <cstdio>

inline QString makeBook()
{
    const QString pool = QStringLiteral("天地玄黄宇宙洪荒日月盈昃辰宿列张寒来暑往秋收冬藏闰余成岁律吕调阳云腾致雨露结为霜金生丽水玉出昆冈剑号巨阙珠称夜光果珍李柰菜重芥姜海咸河淡鳞潜羽翔");
    const QString punctuation = QStringLiteral("，。！？、；：");
    QRandomGenerator random(7);
    QString text;
    text.reserve(7200000);
    for (int line = 0; line < 100000; ++line) {
        if (line % 300 == 0) {
            text += QStringLiteral("第%1章 风雨归程\n").arg(line / 300 + 1);
            continue;
        }
        text += QStringLiteral("\u3000\u3000");
        const int length = 60 + random.bounded(20);
        for (int i = 0; i < length; ++i)
            text += (i % 12 == 11) ? punctuation.at(random.bounded(punctuation.size())) : pool.at(random.bounded(pool.size()));
        text += QLatin1Char('\n');
    }
    return text;
}

inline void print(const char* name, double value, const char* unit)
{
    std::printf("%s: %.3f %s\n", name, value, unit);
    std::fflush(stdout);
}

#endif
