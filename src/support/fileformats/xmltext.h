#ifndef XMLTEXT_H
#define XMLTEXT_H

#include <QString>

// Text for the XML writers: characters that XML 1.0 cannot carry (control
// characters other than tab, line feed and carriage return, lone
// surrogates, U+FFFE and U+FFFF) are dropped so every written document
// stays well-formed for the readers.
namespace XmlText {
QString clean(const QString& text);
}

#endif
