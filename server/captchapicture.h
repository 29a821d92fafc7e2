#ifndef CAPTCHAPICTURE_H
#define CAPTCHAPICTURE_H

#include <QByteArray>
#include <QString>

// The picture of a captcha: its characters drawn from a small built-in
// pixel font (no system fonts are needed on a server), each shifted and
// coloured at random, over noise lines, as a PNG. The same seed gives the
// same picture, so pictures need not be stored.
class CaptchaPicture
{
public:
    static QByteArray png(const QString& text, quint32 seed);
    // The characters captchas are made of (none easily mistaken for another).
    static QString alphabet();
};

#endif
