#ifndef SERVERLOG_H
#define SERVERLOG_H

#include <QString>

// One line per event on standard output, whole lines only, from any thread.
// Callers keep secrets (passwords, tokens, signatures) out of the text.
class ServerLog
{
public:
    static void line(const QString& text);
    static void warning(const QString& text);
};

#endif
