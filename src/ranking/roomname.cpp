#include "roomname.h"

RoomName::Problem RoomName::check(const QString& name)
{
    if (name.isEmpty())
        return Empty;
    if (name == QLatin1String(".") || name == QLatin1String(".."))
        return DotName;
    for (int i = 0; i < name.size(); ++i) {
        const QChar c = name.at(i);
        if (c == QLatin1Char('/'))
            return Slash;
        // Control characters, and what XML cannot carry (unpaired
        // surrogates, U+FFFE, U+FFFF), would not survive the room record.
        if (c.isHighSurrogate() && i + 1 < name.size() && name.at(i + 1).isLowSurrogate()) {
            ++i;
            continue;
        }
        if (c.category() == QChar::Other_Control || c.isSurrogate() || c.unicode() >= 0xFFFE)
            return ControlCharacter;
    }
    if (name.size() > MaxLength)
        return TooLong;
    return None;
}
