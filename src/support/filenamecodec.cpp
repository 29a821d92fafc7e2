#include "filenamecodec.h"

namespace {

constexpr ushort kHeldBase = 0xf700;
constexpr ushort kFirstHeld = 0xf780;
constexpr ushort kLastHeld = 0xf7ff;

bool isHeld(ushort c) { return c >= kFirstHeld && c <= kLastHeld; }

} // namespace

int utf8Length(const uchar* p, const uchar* end)
{
    const uchar c = *p;
    if (c < 0x80)
        return 1;
    const int length = c < 0xc2 ? 0 : c < 0xe0 ? 2 : c < 0xf0 ? 3 : c < 0xf5 ? 4 : 0;
    if (length == 0 || end - p < length)
        return 0;
    for (int i = 1; i < length; ++i) {
        if ((p[i] & 0xc0) != 0x80)
            return 0;
    }
    if ((c == 0xe0 && p[1] < 0xa0) || (c == 0xed && p[1] >= 0xa0) || (c == 0xf0 && p[1] < 0x90) || (c == 0xf4 && p[1] >= 0x90))
        return 0;
    return length;
}

void FileNameCodec::install()
{
    QTextCodec* locale = QTextCodec::codecForLocale();
    if (locale && locale->mibEnum() == 106) // UTF-8
        QTextCodec::setCodecForLocale(new FileNameCodec); // Qt keeps every codec until it ends
}

QString FileNameCodec::shown(const QString& name)
{
    QString out;
    for (int i = 0; i < name.size();) {
        if (!isHeld(name.at(i).unicode())) {
            out += name.at(i++);
            continue;
        }
        QByteArray bytes;
        while (i < name.size() && isHeld(name.at(i).unicode()))
            bytes += char(name.at(i++).unicode() - kHeldBase);
        QTextCodec::ConverterState state;
        const QString gbk = QTextCodec::codecForName("GB18030")->toUnicode(bytes.constData(), bytes.size(), &state);
        out += state.invalidChars == 0 && state.remainingChars == 0 ? gbk : QString(bytes.size(), QChar::ReplacementCharacter);
    }
    return out;
}

QByteArray FileNameCodec::name() const { return QByteArrayLiteral("UTF-8 file names"); }

int FileNameCodec::mibEnum() const { return -106; }

QString FileNameCodec::convertToUnicode(const char* in, int length, ConverterState* state) const
{
    // Names come whole: nothing is held over between calls.
    Q_UNUSED(state);
    QString out;
    out.reserve(length);
    const uchar* p = reinterpret_cast<const uchar*>(in);
    appendUtf8Keeping(p, p + length, out, [](uint c) { return c >= kFirstHeld && c <= kLastHeld; },
                      [](uchar byte) { return QChar(ushort(kHeldBase + byte)); });
    return out;
}

QByteArray FileNameCodec::convertFromUnicode(const QChar* in, int length, ConverterState* state) const
{
    Q_UNUSED(state);
    QByteArray out;
    out.reserve(length * 3);
    for (int start = 0, i = 0; i <= length; ++i) {
        if (i < length && !isHeld(in[i].unicode()))
            continue;
        out += QString::fromRawData(in + start, i - start).toUtf8();
        if (i < length)
            out += char(in[i].unicode() - kHeldBase);
        start = i + 1;
    }
    return out;
}
