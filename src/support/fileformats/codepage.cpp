#include "codepage.h"

#include <QHash>
#include <QTextCodec>

namespace CodePage {

QTextCodec* codecForName(const QByteArray& name)
{
    if (QTextCodec* codec = QTextCodec::codecForName(name))
        return codec;
    static const QHash<QByteArray, QByteArray> aliases = {
        {"CP950", "Big5"}, {"CP65001", "UTF-8"}, {"CP10000", "Apple Roman"}, {"CP20936", "GB2312"}};
    const auto found = aliases.constFind(name.toUpper());
    return found == aliases.constEnd() ? nullptr : QTextCodec::codecForName(*found);
}

}
