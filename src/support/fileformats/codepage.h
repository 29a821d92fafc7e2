#ifndef CODEPAGE_H
#define CODEPAGE_H

#include <QByteArray>

class QTextCodec;

// Codec lookup for Windows code-page names ("CP950", "CP65001", ...). Qt
// knows most of them by that name; the few it only knows by another name
// are mapped here, so RTF reading and writing agree on every code page.
namespace CodePage {
QTextCodec* codecForName(const QByteArray& name);
}

#endif
